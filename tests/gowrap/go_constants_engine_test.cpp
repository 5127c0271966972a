#include "tools/gowrap/go_constants_engine.h"

#include "support/generator_test.h"
#include "tools/gowrap/go_source_lines.h"

using namespace rg_qelvane_app;
using generator_test::CrLfLines;
using generator_test::kHeader;
using generator_test::U8;

namespace {

class GoConstants : public generator_test::GeneratorTest {
protected:
    CWString Run(const CWString& source, const CWString& className, const CWString& packageName,
                 const CWString& localTypeName = u"") {
        return rg_GOChangLiangJieXiYinQing().ParseAndGenerate(source, className, packageName, localTypeName);
    }
};

const CWString kColorSource =
    CrLfLines({u"type Color int", u"const (", u"\tRed Color = iota // first", u"\tGreen", u"\tBlue", u")"});

TEST_F(GoConstants, WorkedExample) {
    CWString expected =
        CrLfLines({kHeader, u"", u"类 Color <公开 @别名 = \"img.Color\" @别名类型 = 本地值类型>", u"{",
                   u"\t常量 Red <公开 类型 = Color 值 = @img.Red>", u"\t常量 Green <公开 类型 = Color 值 = @img.Green>",
                   u"\t常量 Blue <公开 类型 = Color 值 = @img.Blue>"}) +
        u"}";
    EXPECT_EQ(U8(Run(kColorSource, u"", u"img")), U8(expected));
}

TEST_F(GoConstants, RefusedSources) {
    struct Case {
        std::u16string_view source;
        std::u16string_view message;
    };
    const Case cases[] = {
        {u"type Color int\r\nconst (\r\nRed Color = iota", u"常量类型不完整，无法封装"},
        {u"type Color int\r\n// note\r\nconst (\r\nRed Color = iota", u"常量类型不完整，无法封装"},
        {u"type Color = int\r\nconst (\r\nRed Color = iota\r\n)", u"常量定义不标准，无法封装"},
        {u"type Color int\r\nvar (\r\nRed Color = iota\r\n)", u"常量定义不标准，没有const标记，无法封装"},
    };
    for (const Case& c : cases) EXPECT_EQ(U8(Run(CWString(c.source), u"", u"img")), U8(CWString(c.message)));
}

TEST_F(GoConstants, ClassNameAndTypeFallbacks) {
    rg_GOChangLiangJieXiYinQing engine;
    EXPECT_TRUE(engine.ParseAndGenerate(kColorSource, u" Palette ", u"img", u"")
                    .Contains(u"类 Palette <公开 @别名 = \"img.Color\" @别名类型 = 本地值类型>"));
    EXPECT_EQ(engine.className, u"Palette");

    CWString noTypeLine = CrLfLines({u"const (", u"A = 1", u"B = 2", u")"});
    EXPECT_TRUE(Run(noTypeLine, u"", u"img", u" Mode ").Contains(u"类 Mode <公开 @别名 = \"img.Mode\""));
    CWString anonymous = Run(noTypeLine, u"", u"img");
    EXPECT_TRUE(anonymous.Contains(u"类  <公开 @别名 = \"img.\" @别名类型 = 本地值类型>")) << U8(anonymous);
    EXPECT_TRUE(anonymous.Contains(u"\t常量 A <公开 类型 =  值 = @img.A>")) << U8(anonymous);
}

TEST_F(GoConstants, PackageOfBlanksLeavesTheAliasWithoutPackage) {
    EXPECT_TRUE(Run(kColorSource, u"", u"  ").Contains(u"@别名 = \".Color\""));
}

TEST_F(GoConstants, OnlyLinesInsideTheGroupNameConstants) {
    CWString source = CrLfLines({u"type Level int", u"const Debug Level = 0", u"const (", u"Info Level = 1",
                                 u"Warn = Level(2)", u"Error", u")"});
    rg_GOChangLiangJieXiYinQing engine;
    rg_GOChangLiangShuJu data = engine.ScanConstants(SplitGoSourceLines(source));
    EXPECT_EQ(data.typeName, u"Level");
    EXPECT_EQ(data.constantNames, (rg_WenBenShuZuLei{u"Info", u"Error"}));
}

TEST_F(GoConstants, TranslatesTheConstantNameOnly) {
    UseTranslations({u"Red=红色", u"Color=颜色", u"img=图像"});
    CWString output = Run(kColorSource, u"", u"img");
    EXPECT_TRUE(output.Contains(u"\t常量 红色 <公开 类型 = Color 值 = @img.Red>\r\n")) << U8(output);
    EXPECT_TRUE(output.Contains(u"类 Color <公开 @别名 = \"img.Color\"")) << U8(output);
}

}  // namespace
