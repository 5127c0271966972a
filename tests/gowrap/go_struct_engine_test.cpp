#include "tools/gowrap/go_struct_engine.h"

#include "support/generator_test.h"
#include "tools/gowrap/go_source_lines.h"

using namespace rg_qelvane_app;
using generator_test::CrLfLines;
using generator_test::kHeader;
using generator_test::U8;

namespace {

class GoStruct : public generator_test::GeneratorTest {
protected:
    CWString Run(const CWString& source, const CWString& className = u"", const CWString& packageName = u"model",
                 const CWString& aliasKind = u"本地类") {
        return rg_GOJieGouTiJieXiYinQing().ParseAndGenerate(source, className, packageName, aliasKind);
    }
};

const CWString kUserSource =
    CrLfLines({u"type User struct {", u"\tID int", u"\tName, Email string", u"\tage int", u"}"});

TEST_F(GoStruct, WorkedExample) {
    CWString expected = CrLfLines({kHeader, u"", u"类 User <公开 @别名 = \"model.User\" @别名类型 = 本地类>", u"{",
                                   u"\t变量 ID <公开 类型 = int @输出名 = \"ID\">",
                                   u"\t变量 Name <公开 类型 = string @输出名 = \"Name\">",
                                   u"\t变量 Email <公开 类型 = string @输出名 = \"Email\">"}) +
                        u"}";
    EXPECT_EQ(U8(Run(kUserSource)), U8(expected));
}

TEST_F(GoStruct, RefusedSources) {
    struct Case {
        std::u16string_view source;
        std::u16string_view message;
    };
    const Case cases[] = {
        {u"type T struct {}", u"结构体不完整，无法封装"},
        {u"type T struct {}\r\n// only a comment", u"结构体不完整，无法封装"},
        {u"type T struct{\r\n}", u"结构体定义不标准，无法封装"},
        {u"A int\r\nB int", u"结构体定义不标准，无法封装"},
        {u"type A struct {\r\nX int\r\n}\r\ntype B struct{\r\n}", u"结构体定义不标准，无法封装"},
    };
    for (const Case& c : cases) EXPECT_EQ(U8(Run(CWString(c.source))), U8(CWString(c.message)));
}

TEST_F(GoStruct, ClassLineTakesTheInputsAsTyped) {
    EXPECT_TRUE(Run(kUserSource, u" Person ", u"model", u" 本地结构 ")
                    .Contains(u"类 Person <公开 @别名 = \"model.User\" @别名类型 = 本地结构>\r\n"));
    EXPECT_TRUE(Run(kUserSource, u"", u"   ").Contains(u"类 User <公开 @别名 = \".User\" @别名类型 = 本地类>\r\n"));
}

struct FieldsCase {
    const char* what;
    std::vector<std::u16string_view> lines;
    std::vector<rg_GOShuXingXiang> fields;
};

const FieldsCase kFieldsCases[] = {
    {"unexported names and braces make no field", {u"age int", u"_id int", u"名字 string", u"}"}, {}},
    {"embedded types", {u"Base", u"*Base", u"io.Reader"}, {{u"Base", u"Base"}, {u"*Base", u"*Base"}}},
    {"tags, func types and names holding \"type \" are left out",
     {u"Name string `json:\"name\"`", u"Handler func(int) error", u"Datatype string", u"Kind int"},
     {{u"Kind", u"int"}}},
    {"a name list shares the last type", {u"A, b, C int"}, {{u"A", u"int"}, {u"C", u"int"}}},
    {"a name list without a type keeps its names", {u"A, B", u"X,", u","}, {{u"A", u""}, {u"B", u""}, {u"X", u""}}},
    {"nested struct fields join the outer class",
     {u"Inner struct {", u"Deep int", u"}", u"Outer string"},
     {{u"Deep", u"int"}, {u"Outer", u"string"}}},
};

class StructFields : public ::testing::TestWithParam<FieldsCase> {};

TEST_P(StructFields, Parse) {
    const FieldsCase& c = GetParam();
    rg_WenBenShuZuLei lines{u"type T struct {"};
    for (std::u16string_view line : c.lines) lines.emplace_back(line);
    rg_GOJieGouTiJieXiYinQing engine;
    EXPECT_EQ(engine.ParseFields(lines).fields, c.fields) << c.what;
}

INSTANTIATE_TEST_SUITE_P(GoStruct, StructFields, ::testing::ValuesIn(kFieldsCases));

TEST_F(GoStruct, SecondStructAddsItsFieldsToTheFirst) {
    rg_GOJieGouTiJieXiYinQing engine;
    rg_GOJieGouTiShuJu data = engine.ParseFields(SplitGoSourceLines(
        CrLfLines({u"type A struct {", u"X int // the x", u"}", u"type B struct {", u"Y int", u"}"})));
    EXPECT_EQ(data.structName, u"A");
    EXPECT_EQ(engine.className, u"A");
    EXPECT_EQ(data.fields, (std::vector<rg_GOShuXingXiang>{{u"X", u"int"}, {u"Y", u"int"}}));
}

TEST_F(GoStruct, TranslatesFieldNamesAndTypesButNotTheClass) {
    UseTranslations({u"Name=名称", u"string=文本", u"User=用户"});
    CWString output = Run(kUserSource);
    EXPECT_TRUE(output.Contains(u"\t变量 名称 <公开 类型 = 文本 @输出名 = \"Name\">\r\n")) << U8(output);
    EXPECT_TRUE(output.Contains(u"类 User <公开 @别名 = \"model.User\"")) << U8(output);
    EXPECT_TRUE(output.ends_with(u">\r\n}"));
}

}  // namespace
