#include "tools/androidwrap/android_enum_engine.h"
#include "support/generator_test.h"

using namespace rg_qelvane_app;
using generator_test::CrLfLines;
using generator_test::kHeader;
using generator_test::U8;

namespace {

class AndroidEnum : public generator_test::GeneratorTest {
protected:
    static CWString Run(const CWString& source, const CWString& name = u"", const CWString& package = u"") {
        return rg_AnZhuoMeiJuJieXiYinQing().ParseJavaEnum(source, name, package);
    }
    // The generated text around the given constant lines.
    static CWString Enum(std::u16string_view classLine, std::initializer_list<std::u16string_view> constants) {
        CWString text = CrLfLines({kHeader, u"", classLine, u"{"});
        for (std::u16string_view line : constants) text.append(line).append(u"\r\n");
        return text + u"\r\n}";
    }
};

constexpr std::u16string_view kColorLine = u"类 Color <公开 @别名 = \"p.Color\" @别名类型 = 本地值类型>";

}  // namespace

TEST_F(AndroidEnum, WorkedExample) {
    EXPECT_EQ(U8(Run(u"package p;\r\npublic enum Color { RED, GREEN, BLUE; }")),
              U8(Enum(kColorLine, {u"\t常量 RED <公开 类型 = Color 值 = @p.Color.RED>",
                                   u"\t常量 GREEN <公开 类型 = Color 值 = @p.Color.GREEN>",
                                   u"\t常量 BLUE <公开 类型 = Color 值 = @p.Color.BLUE>"})));
}

TEST_F(AndroidEnum, WhichConstantsAreFound) {
    const std::pair<std::u16string_view, std::vector<CWString>> cases[] = {
        {u"enum Color { S, M, L }", {}},
        {u"enum Color { RED(1), GREEN(2); }", {u"RED", u"GREEN"}},
        {u"enum Color { RED(1), GREEN(2), BLUE; }", {u"BLUE"}},
        {u"enum Color { MP3, MAX_SIZE; }", {u"MAX_SIZE"}},
        {u"enum Color { RED, RED, GREEN;\r\nint x = f(CCC, DDD); }", {u"RED", u"RED", u"GREEN", u"CCC"}},
        {u"enum Color {\r\nRED , // warm\r\nBLUE\r\n;\r\n}", {u"RED", u"BLUE"}},
    };
    for (const auto& [source, constants] : cases) {
        rg_AnZhuoMeiJuJieXiYinQing engine;
        engine.ParseJavaEnum(CWString(source), u"", u"");
        EXPECT_EQ(engine.enumItem.constants, constants) << U8(CWString(source));
    }
}

TEST_F(AndroidEnum, EnumWithoutRecognisedConstantsHasAnEmptyBody) {
    EXPECT_EQ(U8(Run(u"package p;\r\nenum Color { S, M, L }")), U8(Enum(kColorLine, {})));
}

TEST_F(AndroidEnum, NameBoxReplacesTheTypeButNotTheValues) {
    EXPECT_EQ(U8(Run(u"package p;\r\nenum Color { RED; }", u" ColorEnum ", u"")),
              U8(Enum(u"类 ColorEnum <公开 @别名 = \"p.Color\" @别名类型 = 本地值类型>",
                      {u"\t常量 RED <公开 类型 = ColorEnum 值 = @p.Color.RED>"})));
    EXPECT_TRUE(Run(u"package p;\r\nenum Color { RED; }", u"", u"q.r").Contains(u"值 = @q.r.Color.RED>"));
}

TEST_F(AndroidEnum, TranslatesConstantNamesOnly) {
    UseTranslations({u"RED=红色", u"Color=颜色", u"p=包"});
    EXPECT_EQ(U8(Run(u"package p;\r\nenum Color { RED, BLUE; }")),
              U8(Enum(kColorLine, {u"\t常量 红色 <公开 类型 = Color 值 = @p.Color.RED>",
                                   u"\t常量 BLUE <公开 类型 = Color 值 = @p.Color.BLUE>"})));
}

TEST_F(AndroidEnum, RefusedSourcesGiveOnlyTheMessage) {
    const std::pair<std::u16string_view, std::u16string_view> cases[] = {
        {u"", u"找不到枚举"},
        {u"interface A { int X = 1; }", u"找不到枚举"},
        {u"enum A { XXX }\r\nenum B { YYY }", u"检测到多个枚举，目前仅支持一个枚举的封装"},
        {u"enum A { XXX }\r\nString s = \"myenum B\";", u"检测到多个枚举，目前仅支持一个枚举的封装"},
    };
    for (const auto& [source, message] : cases) EXPECT_EQ(U8(Run(CWString(source))), U8(CWString(message)));
}

TEST_F(AndroidEnum, DeprecatedAbstractMethodsAreCleanedAway) {
    CWString source = CrLfLines({u"package p;", u"enum Color {", u"RED, BLUE;", u"/** @deprecated */",
                                 u"abstract void OLD_ONE(int ABC, int DEF);", u"}"});
    EXPECT_EQ(U8(Run(source)), U8(Enum(kColorLine, {u"\t常量 RED <公开 类型 = Color 值 = @p.Color.RED>",
                                                    u"\t常量 BLUE <公开 类型 = Color 值 = @p.Color.BLUE>"})));
}
