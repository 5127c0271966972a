#include "tools/androidwrap/android_interface_engine.h"
#include "support/generator_test.h"

using namespace rg_qelvane_app;
using generator_test::CrLfLines;
using generator_test::kHeader;
using generator_test::U8;

namespace {

class AndroidInterface : public generator_test::GeneratorTest {
protected:
    static CWString Run(const CWString& source, const CWString& name = u"", const CWString& package = u"") {
        return rg_AnZhuoJieKouJieXiYinQing().ParseJavaInterface(source, name, package);
    }
};

const CWString kStore = CrLfLines({
    u"package com.x.api;",
    u"import java.util.List;",
    u"/** A key-value store. */",
    u"public interface Store {",
    u"    /** Gets a value. */",
    u"    String get(String key) throws IOException;",
    u"    void put(String key, byte[] value); // stores it",
    u"    List<String> keys(int limit, String... prefixes);",
    u"    default int size() { return 0; }",
    u"}",
});

}  // namespace

TEST_F(AndroidInterface, WorkedExample) {
    CWString expected = CrLfLines({
                            kHeader,
                            u"",
                            u"类 Store <公开 @别名 = \"com.x.api.Store\" @别名类型 = 本地参考类型 >",
                            u"{",
                            u"\t方法 get <公开 静态 类型 = String @嵌入式方法 = \"\">",
                            u"\t参数 欲操作本对象 <类型 = Store>",
                            u"\t参数 key <类型 = String  >",
                            u"\t{",
                            u"\t\t @ @<欲操作本对象>.get(@<key>)",
                            u"\t}",
                            u"",
                            u"\t方法 put <公开 静态  @嵌入式方法 = \"\">",
                            u"\t参数 欲操作本对象 <类型 = Store>",
                            u"\t参数 key <类型 = String  >",
                            u"\t参数 value <类型 = byte[]  >",
                            u"\t{",
                            u"\t\t @ @<欲操作本对象>.put(@<key>,@<value>)",
                            u"\t}",
                            u"",
                            u"\t方法 keys <公开 静态 类型 = List<String> @嵌入式方法 = \"\">",
                            u"\t参数 欲操作本对象 <类型 = Store>",
                            u"\t参数 limit <类型 = int  >",
                            u"\t参数 prefixes <类型 = String @可扩展 = \"\" >",
                            u"\t{",
                            u"\t\t @ @<欲操作本对象>.keys(@<limit>,@<prefixes>)",
                            u"\t}",
                            u"",
                            u"",
                        }) +
                        u"}";
    EXPECT_EQ(U8(Run(kStore)), U8(expected));
}

TEST_F(AndroidInterface, NameAndPackageBoxesWinButCallsKeepJavaNames) {
    CWString output = Run(kStore, u"  MyApi ", u" com.y\t");
    EXPECT_TRUE(output.Contains(u"类 MyApi <公开 @别名 = \"com.y.Store\" @别名类型 = 本地参考类型 >\r\n"));
    EXPECT_TRUE(output.Contains(u"\t参数 欲操作本对象 <类型 = MyApi>\r\n"));
    EXPECT_TRUE(output.Contains(u"\t\t @ @<欲操作本对象>.get(@<key>)\r\n"));
    EXPECT_FALSE(output.Contains(u"<类型 = Store>"));
}

TEST_F(AndroidInterface, TranslatesResultAndParameterTypesOnly) {
    UseTranslations({u"String=文本型", u"int=整数型", u"get=取", u"key=键", u"Store=仓库", u"void=空"});
    CWString output = Run(kStore);
    EXPECT_TRUE(output.Contains(u"\t方法 get <公开 静态 类型 = 文本型 @嵌入式方法 = \"\">\r\n"));
    EXPECT_TRUE(output.Contains(u"\t参数 key <类型 = 文本型  >\r\n"));
    EXPECT_TRUE(output.Contains(u"\t参数 limit <类型 = 整数型  >\r\n"));
    EXPECT_TRUE(output.Contains(u"\t参数 prefixes <类型 = 文本型 @可扩展 = \"\" >\r\n"));
    EXPECT_TRUE(output.Contains(u"\t方法 put <公开 静态  @嵌入式方法 = \"\">\r\n"));
    EXPECT_TRUE(output.Contains(u"类 Store <"));
    EXPECT_TRUE(output.Contains(u"<类型 = Store>"));
    EXPECT_TRUE(output.Contains(u".get(@<key>)"));
}

TEST_F(AndroidInterface, RefusedSourcesGiveOnlyTheMessage) {
    const std::pair<std::u16string_view, std::u16string_view> cases[] = {
        {u"", u"找不到接口"},
        {u"public class A {}", u"找不到接口"},
        {u"interface A {}\r\ninterface B {}", u"检测到多个接口，目前仅支持一个接口的封装"},
        {u"interface A {\r\n/* see interface Old */\r\n}", u"检测到多个接口，目前仅支持一个接口的封装"},
    };
    for (const auto& [source, message] : cases) EXPECT_EQ(U8(Run(CWString(source))), U8(CWString(message)));
}

TEST_F(AndroidInterface, MethodEdgeCases) {
    struct Case {
        std::u16string_view method;
        std::vector<std::u16string_view> lines;  // between "{" and the closing lines
    };
    const Case cases[] = {
        {u"void run();",
         {u"\t方法 run <公开 静态  @嵌入式方法 = \"\">", u"\t参数 欲操作本对象 <类型 = A>", u"\t{",
          u"\t\t @ @<欲操作本对象>.run()", u"\t}", u""}},
        {u"Void done(); void[] all();",
         {u"\t方法 done <公开 静态 类型 = Void @嵌入式方法 = \"\">", u"\t参数 欲操作本对象 <类型 = A>", u"\t{",
          u"\t\t @ @<欲操作本对象>.done()", u"\t}", u"", u"\t方法 all <公开 静态 类型 = void[] @嵌入式方法 = \"\">",
          u"\t参数 欲操作本对象 <类型 = A>", u"\t{", u"\t\t @ @<欲操作本对象>.all()", u"\t}", u""}},
        {u"void f(Map<String, Integer> m, final int x, String... names);",
         {u"\t方法 f <公开 静态  @嵌入式方法 = \"\">", u"\t参数 欲操作本对象 <类型 = A>",
          u"\t参数 m <类型 = Integer>  >", u"\t参数 names <类型 = String @可扩展 = \"\" >", u"\t{",
          u"\t\t @ @<欲操作本对象>.f(@<m>,@<names>)", u"\t}", u""}},
        {u"static int count(); default boolean isEmpty();",
         {u"\t方法 count <公开 静态 类型 = int @嵌入式方法 = \"\">", u"\t参数 欲操作本对象 <类型 = A>", u"\t{",
          u"\t\t @ @<欲操作本对象>.count()", u"\t}", u"",
          u"\t方法 isEmpty <公开 静态 类型 = boolean @嵌入式方法 = \"\">", u"\t参数 欲操作本对象 <类型 = A>", u"\t{",
          u"\t\t @ @<欲操作本对象>.isEmpty()", u"\t}", u""}},
        {u"default int size() { return 0; }", {}},
    };
    for (const Case& c : cases) {
        CWString expected = CrLfLines({kHeader, u"", u"类 A <公开 @别名 = \"p.A\" @别名类型 = 本地参考类型 >", u"{"});
        for (std::u16string_view line : c.lines) expected.append(line).append(u"\r\n");
        expected += u"\r\n}";
        CWString source = u"package p;\r\ninterface A {\r\n" + CWString(c.method) + u"\r\n}";
        EXPECT_EQ(U8(Run(source)), U8(expected)) << U8(CWString(c.method));
    }
}

TEST_F(AndroidInterface, WithoutPackageTheAliasStartsWithADot) {
    EXPECT_TRUE(Run(u"interface A {}").Contains(u"@别名 = \".A\""));
}
