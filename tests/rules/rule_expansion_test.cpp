#include <gtest/gtest.h>

#include "support/generator_test.h"
#include "tools/rules/rule_expansion.h"

using namespace rg_qelvane_app;
using namespace generator_test;

namespace {

rg_GuiZeZhanKaiYinQing Rules(std::initializer_list<rg_ShuJuXiang> rules) {
    rg_GuiZeZhanKaiYinQing engine;
    engine.rules = rules;
    return engine;
}

const CWString kClassOpening = CrLfLines({kHeader, u"", u"类 用户类 <公开>", u"{"});

}  // namespace

class RuleExpansionTest : public GeneratorTest {};

TEST_F(RuleExpansionTest, DataBoxLinesBecomeTheWorkingRulesValues) {
    struct Case { CWString box; rg_WenBenShuZuLei values; };
    const Case cases[] = {
        {u"a\r\n\r\nb\r\n\r\n", {u"a", u"", u"b"}},
        {u"  x  ", {u"x"}},
        {u"\u3000y\n\n", {u"y"}},
        {u"", {}},
    };
    for (const Case& c : cases) {
        rg_GuiZeZhanKaiYinQing engine = Rules({{u"{1}", {u"old"}}, {u"{2}", {}}});
        engine.working.name = u"{1}";
        engine.StoreRuleData(c.box);
        EXPECT_EQ(engine.rules[0].values, c.values) << U8(c.box);
        EXPECT_EQ(engine.working.values, c.values);
        EXPECT_TRUE(engine.rules[1].values.empty());
    }
}

TEST_F(RuleExpansionTest, TranslationReadsTheTableWhateverTheFlag) {
    UseTranslations({u"name=名称", u"Empty="});
    rg_qelvane_app::TranslateEnabled = false;
    rg_GuiZeZhanKaiYinQing engine;
    engine.working.values = {u"NAME", u"", u"Empty", u"other"};
    EXPECT_EQ(U8(engine.TranslateData()), U8(CrLfLines({u"名称", u"", u"Empty", u"other"})));
}

TEST_F(RuleExpansionTest, CountsMustAgreeWithTheFirstRule) {
    struct Case { std::vector<size_t> counts; int expected; };
    const Case cases[] = {{{}, -1}, {{2, 2, 2}, -1}, {{2, 3}, 2}, {{3, 3, 1}, 3}, {{0, 1}, 2}};
    for (const Case& c : cases) {
        rg_GuiZeZhanKaiYinQing engine;
        for (size_t count : c.counts) engine.rules.push_back({u"m", rg_WenBenShuZuLei(count, u"v")});
        EXPECT_EQ(engine.CheckCounts(), c.expected);
    }
    rg_GuiZeZhanKaiYinQing engine = Rules({{u"{1}", {u"a", u"b"}}, {u"{2}", {u"a"}}});
    rg_GuiZeShengChengJieGuo result = engine.Generate(u"{1}", u"用户类", false, false);
    EXPECT_EQ(U8(result.refusal), "第【2】与第【1】个数量不一致（以第1个为基准）");
    EXPECT_EQ(result.text, u"");
}

TEST_F(RuleExpansionTest, RowsFillTheTemplateMarkerByMarker) {
    struct Case { const char* what; std::vector<rg_ShuJuXiang> rules; CWString templateText; CWString rows; };
    const Case cases[] = {
        {"worked example", {{u"{1}", {u"a", u"b"}}, {u"{2}", {u"整数型", u"文本型"}}}, u"变量 {1} <公开 类型 = {2} >",
         CrLfLines({u"    变量 a <公开 类型 = 整数型 >", u"    变量 b <公开 类型 = 文本型 >"})},
        {"later marker found in an earlier value", {{u"{1}", {u"{2}"}}, {u"{2}", {u"z"}}}, u"{1}", CrLfLines({u"    z"})},
        {"a value holding its own marker is not expanded again", {{u"{1}", {u"{1}{1}"}}}, u"x{1}y{1}",
         CrLfLines({u"    x{1}{1}y{1}{1}"})},
        {"markers are case-sensitive", {{u"ab", {u"1"}}}, u"AB ab", CrLfLines({u"    AB 1"})},
        {"an empty marker replaces nothing", {{u"", {u"v"}}}, u"t", CrLfLines({u"    t"})},
        {"a marker longer than the line", {{u"{long}", {u"v"}}}, u"{l", CrLfLines({u"    {l"})},
        {"an empty template", {{u"{1}", {u"a", u"b"}}}, u"", CrLfLines({u"    ", u"    "})},
        {"rules without values", {{u"{1}", {}}}, u"{1}", u""},
        {"no rule", {}, u"{1}", u""},
        {"a template of two lines", {{u"{1}", {u"v"}}}, u"A{1}\r\nB", CrLfLines({u"    Av\r\nB"})},
    };
    for (const Case& c : cases) {
        rg_GuiZeZhanKaiYinQing engine;
        engine.rules = c.rules;
        rg_GuiZeShengChengJieGuo result = engine.Generate(c.templateText, u"用户类", false, false);
        EXPECT_EQ(U8(result.text), U8(kClassOpening + c.rows + u"}\r\n")) << c.what;
        EXPECT_EQ(result.refusal, u"") << c.what;
    }
}

TEST_F(RuleExpansionTest, TheTwoBoxesChooseTheWrapping) {
    rg_GuiZeZhanKaiYinQing engine = Rules({{u"{1}", {u"a"}}});
    struct Case { bool templateOnly; bool withHeader; CWString expected; };
    const Case cases[] = {
        {false, false, CrLfLines({kHeader, u"", u"类  <公开>", u"{", u"    a", u"}"})},
        {false, true, CrLfLines({kHeader, u"", u"类  <公开>", u"{", u"    a", u"}"})},
        {true, true, CrLfLines({kHeader, u"", u"a"})},
        {true, false, CrLfLines({u"a"})},
    };
    for (const Case& c : cases)
        EXPECT_EQ(U8(engine.Generate(u"{1}", u"", c.templateOnly, c.withHeader).text), U8(c.expected))
            << c.templateOnly << c.withHeader;
}
