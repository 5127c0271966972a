#include "tools/gowrap/go_interface_engine.h"

#include "support/generator_test.h"

using namespace rg_qelvane_app;
using generator_test::CrLfLines;
using generator_test::kHeader;
using generator_test::U8;

namespace {

class GoInterface : public generator_test::GeneratorTest {
protected:
    CWString Run(const CWString& source, const CWString& className = u"", const CWString& packageName = u"kv") {
        return rg_GOJieKouJieXiYinQing().ParseAndGenerate(source, className, packageName);
    }
};

TEST_F(GoInterface, WorkedExample) {
    CWString source = CrLfLines({u"type Store interface {", u"\tGet(key string) (string, error)",
                                 u"\tPut(key string, v []byte) error", u"\tClose()", u"}"});
    CWString expected =
        CrLfLines({kHeader,
                   u"",
                   u"类 Store <公开 @别名 = \"kv.Store\" @别名类型 = 本地参考类型>",
                   u"{",
                   u"\t方法 \"//Get\" <公开 静态 注释 = \"多返回值,无法封装,请使用接口转发器封装\" @嵌入式方法 = \"\">",
                   u"{",
                   u"}",
                   u"",
                   u"\t方法 Put <公开 静态 类型 = error @嵌入式方法 = \"\">",
                   u"\t参数 欲操作本对象 <类型 = Store>",
                   u"\t参数 key <类型 = string>",
                   u"\t参数 v <类型 = byte[]>",
                   u"\t{",
                   u"\t\t@ @<欲操作本对象>.Put(@<key>,@<v>)",
                   u"\t}",
                   u"",
                   u"\t方法 Close <公开 静态 @嵌入式方法 = \"\">",
                   u"\t参数 欲操作本对象 <类型 = Store>",
                   u"\t{",
                   u"\t\t@ @<欲操作本对象>.Close()",
                   u"\t}",
                   u""}) +
        u"}";
    EXPECT_EQ(U8(Run(source)), U8(expected));
}

// Only a type that is a slice once its "*" are gone converts to one; a map or
// an array that holds slices keeps its brackets and is looked up whole.
TEST_F(GoInterface, OnlyATypeThatBeginsAsASliceConvertsToOne) {
    CWString source = CrLfLines({u"type Net interface {", u"\tAddrs() map[int32][]InterfaceAddr",
                                 u"\tSetAddrs(m map[int32][]InterfaceAddr)", u"\tMerge(map[int32][]InterfaceAddr)",
                                 u"\tGrid(g [4][]int) [4][]int", u"\tSave(users []*User, data *[]byte) []User",
                                 u"\tLoad([]*User)", u"}"});
    auto method = [](std::u16string_view head, std::initializer_list<std::u16string_view> parameters,
                     std::u16string_view call) {
        CWString block = CrLfLines({head, u"\t参数 欲操作本对象 <类型 = Net>"});
        for (std::u16string_view parameter : parameters) block += CrLfLines({parameter});
        return block + CrLfLines({u"\t{", call, u"\t}", u""});
    };
    CWString expected =
        CrLfLines({kHeader, u"", u"类 Net <公开 @别名 = \"kv.Net\" @别名类型 = 本地参考类型>", u"{"}) +
        method(u"\t方法 Addrs <公开 静态 类型 = map[int32][]InterfaceAddr @嵌入式方法 = \"\">", {},
               u"\t\t@ @<欲操作本对象>.Addrs()") +
        method(u"\t方法 SetAddrs <公开 静态 @嵌入式方法 = \"\">", {u"\t参数 m <类型 = map[int32][]InterfaceAddr>"},
               u"\t\t@ @<欲操作本对象>.SetAddrs(@<m>)") +
        method(u"\t方法 Merge <公开 静态 @嵌入式方法 = \"\">",
               {u"\t参数 map[int32][]InterfaceAddr <类型 = map[int32][]InterfaceAddr>"},
               u"\t\t@ @<欲操作本对象>.Merge(@<map[int32][]InterfaceAddr>)") +
        method(u"\t方法 Grid <公开 静态 类型 = [4][]int @嵌入式方法 = \"\">", {u"\t参数 g <类型 = [4][]int>"},
               u"\t\t@ @<欲操作本对象>.Grid(@<g>)") +
        method(u"\t方法 Save <公开 静态 类型 = User[] @嵌入式方法 = \"\">",
               {u"\t参数 users <类型 = User[]>", u"\t参数 data <类型 = byte[]>"},
               u"\t\t@ @<欲操作本对象>.Save(@<users>,@<data>)") +
        method(u"\t方法 Load <公开 静态 @嵌入式方法 = \"\">", {u"\t参数 Users <类型 = User[]>"},
               u"\t\t@ @<欲操作本对象>.Load(@<Users>)") +
        u"}";
    EXPECT_EQ(U8(Run(source)), U8(expected));
}

TEST_F(GoInterface, RefusedSources) {
    struct Case {
        std::u16string_view source;
        std::u16string_view message;
    };
    const Case cases[] = {
        {u"type Store interface {", u"接口类型不完成，无法封装"},
        {u"type Store interface{\r\n}", u"接口声明格式不正确，无法封装"},
        {u"Store interface x {\r\n}", u"接口声明格式不正确，无法封装"},
        {u"type Store interface {\r\n} // end", u"结尾不为}，接口类型不完整"},
    };
    for (const Case& c : cases) EXPECT_EQ(U8(Run(CWString(c.source))), U8(CWString(c.message)));
}

TEST_F(GoInterface, EmptyInterfaceGivesAnEmptyClass) {
    CWString expected =
        CrLfLines({kHeader, u"", u"类 Api <公开 @别名 = \"kv.Empty\" @别名类型 = 本地参考类型>", u"{"}) + u"}";
    EXPECT_EQ(U8(Run(u"type Empty interface { // none\r\n}", u" Api ")), U8(expected));
}

struct MethodCase {
    std::u16string_view line;
    std::u16string_view name;
    std::vector<rg_GOCanShuXiang> parameters;
    std::u16string_view resultType;
    std::u16string_view errorText;
};

const std::u16string_view kFuncError = u"方法签名中含有func回调，无法封装";
const std::u16string_view kVariadicError = u"参数具有可扩展属性,请使用接口转发器封装";
const std::u16string_view kResultsError = u"多返回值,无法封装,请使用接口转发器封装";

const MethodCase kMethodCases[] = {
    {u"io.Reader", u"", {}, u"io.Reader", u""},
    {u"Run(int, string)", u"Run", {{u"int", u""}, {u"string", u""}}, u"", u""},
    {u"Run(int)", u"Run", {{u"int", u"int"}}, u"", u""},
    {u"Run(User)", u"Run", {{u"user", u"User"}}, u"", u""},
    {u"Run(*User)", u"Run", {{u"User", u"User"}}, u"", u""},
    {u"Run([]byte)", u"Run", {{u"bytes", u"byte[]"}}, u"", u""},
    {u"Run(d1, d2 D, e []E)", u"Run", {{u"d1", u"D"}, {u"d2", u"D"}, {u"e", u"E[]"}}, u"", u""},
    {u"Run(m map[string]int)", u"Run", {{u"m", u"map[string]int"}}, u"", u""},
    {u"Run(a, b)", u"Run", {{u"a", u""}, {u"b", u""}}, u"", u""},
    {u"Do(f func())", u"Do", {}, u"", kFuncError},
    {u"Get() func()", u"Get", {}, u"", kFuncError},
    {u"Do(function int)", u"Do", {}, u"", kFuncError},
    {u"Log(format string, args ...string)",
     u"Log",
     {{u"format", u"string"}, {u"args", u"...string"}},
     u"",
     kVariadicError},
    {u"Read(p []byte) (n int, err error)", u"Read", {{u"p", u"byte[]"}}, u"", kResultsError},
    {u"Log(args ...string) (int, error)", u"Log", {{u"args", u"...string"}}, u"", kResultsError},
    {u"Close() (err error)", u"Close", {}, u"error", u""},
    {u"Find(id int) *User", u"Find", {{u"id", u"int"}}, u"User", u""},
    {u"List() []*User", u"List", {}, u"User[]", u""},
    {u"Open(name string", u"Open", {}, u"string", u""},
    {u"/* note */", u"", {}, u"note", u""},
};

class InterfaceMethodLine : public ::testing::TestWithParam<MethodCase> {};

TEST_P(InterfaceMethodLine, Parses) {
    const MethodCase& c = GetParam();
    rg_GOFangFaXiang method = rg_GOJieKouJieXiYinQing().ParseMethodLine(CWString(c.line));
    EXPECT_EQ(U8(method.name), U8(CWString(c.name))) << U8(CWString(c.line));
    EXPECT_EQ(method.parameters, c.parameters) << U8(CWString(c.line));
    EXPECT_EQ(U8(method.resultType), U8(CWString(c.resultType))) << U8(CWString(c.line));
    EXPECT_EQ(U8(method.errorText), U8(CWString(c.errorText))) << U8(CWString(c.line));
}

INSTANTIATE_TEST_SUITE_P(GoInterface, InterfaceMethodLine, ::testing::ValuesIn(kMethodCases));

TEST_F(GoInterface, TypeNamesOfSlicesPointersAndMaps) {
    struct Case {
        std::u16string_view type, converted, plural;
    };
    const Case cases[] = {
        {u"*User", u"User", u"User"},
        {u"[]*User", u"User[]", u"Users"},
        {u"*[]T", u"T[]", u"Ts"},
        {u"[][]int", u"int[]", u"ints"},
        {u"map[string]int", u"map[string]int", u"map[string]int"},
        {u"map[K][]V", u"map[K][]V", u"map[K][]V"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(U8(ConvertGoTypeName(CWString(c.type))), U8(CWString(c.converted)));
        EXPECT_EQ(U8(GoTypeToPluralName(CWString(c.type))), U8(CWString(c.plural)));
    }
}

TEST_F(GoInterface, BlockCommentLinesBecomeMethods) {
    rg_GOJieKouJieXiYinQing engine;
    engine.ParseAndGenerate(CrLfLines({u"type A interface {", u"/*", u"Old()", u"*/", u"}"}), u"", u"kv");
    EXPECT_EQ(engine.data.methods.size(), 3u);
}

TEST_F(GoInterface, TranslatesTypesButNotNames) {
    UseTranslations({u"User=用户", u"E=元素", u"Find=查找", u"id=编号"});
    CWString output = Run(CrLfLines({u"type Repo interface {", u"Find(id int, e []E) *User", u"}"}));
    EXPECT_TRUE(output.Contains(u"\t方法 Find <公开 静态 类型 = 用户 @嵌入式方法 = \"\">\r\n")) << U8(output);
    EXPECT_TRUE(output.Contains(u"\t参数 id <类型 = int>\r\n\t参数 e <类型 = 元素[]>\r\n")) << U8(output);
    EXPECT_TRUE(output.Contains(u"\t\t@ @<欲操作本对象>.Find(@<id>,@<e>)\r\n")) << U8(output);
}

}  // namespace
