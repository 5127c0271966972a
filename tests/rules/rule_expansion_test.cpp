#include <gtest/gtest.h>

#include <random>

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
const std::string kTooLarge = "生成结果过大，未生成任何内容！";

// One row as replacing the markers one after another over the whole line
// gives it, character by character.
CWString ReferenceRow(CWString line, const std::vector<rg_ShuJuXiang>& rules, size_t row) {
    for (const rg_ShuJuXiang& rule : rules) {
        const CWString& marker = rule.name;
        if (marker.empty() || line.empty() || marker.size() > line.size()) continue;
        CWString replaced;
        size_t at = 0;
        while (at + marker.size() <= line.size()) {
            if (line.compare(at, marker.size(), marker) == 0) {
                replaced += rule.values[row];
                at += marker.size();
            } else {
                replaced += line[at++];
            }
        }
        line = replaced + line.substr(at);
    }
    return line;
}

CWString Repeated(std::u16string_view text, size_t count) {
    CWString repeated;
    while (count-- > 0) repeated += text;
    return repeated;
}

}  // namespace

class RuleExpansionTest : public GeneratorTest {};

TEST_F(RuleExpansionTest, DataBoxLinesBecomeTheWorkingRulesValues) {
    struct Case {
        CWString box;
        rg_WenBenShuZuLei values;
    };
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
    struct Case {
        std::vector<size_t> counts;
        int expected;
    };
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
    struct Case {
        const char* what;
        std::vector<rg_ShuJuXiang> rules;
        CWString templateText;
        CWString rows;
    };
    const Case cases[] = {
        {"worked example",
         {{u"{1}", {u"a", u"b"}}, {u"{2}", {u"整数型", u"文本型"}}},
         u"变量 {1} <公开 类型 = {2} >",
         CrLfLines({u"    变量 a <公开 类型 = 整数型 >", u"    变量 b <公开 类型 = 文本型 >"})},
        {"later marker found in an earlier value",
         {{u"{1}", {u"{2}"}}, {u"{2}", {u"z"}}},
         u"{1}",
         CrLfLines({u"    z"})},
        {"a value holding its own marker is not expanded again",
         {{u"{1}", {u"{1}{1}"}}},
         u"x{1}y{1}",
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
    struct Case {
        bool templateOnly;
        bool withHeader;
        CWString expected;
    };
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

// Markers that overlap each other or are empty, values that hold markers or
// parts of them, empty values between pieces of a marker, line breaks; long
// markers whose beginnings the template and the values repeat; templates of
// many markers.
TEST_F(RuleExpansionTest, RowsAgreeWithReplacingOneMarkerAfterAnother) {
    struct Shape {
        std::vector<std::u16string_view> markers;
        std::vector<std::u16string_view> valueAlphabets;
        std::u16string_view templateAlphabet;
        size_t templatePieces;
        size_t longestText;
        int groups;
    };
    const Shape shapes[] = {
        {{u"{1}", u"{2}", u"1}", u"{", u"ab", u"ba", u"a", u"", u"\r\n", u"{1}{2}"},
         {u"xy", u"xy1", u"ab{}12\r\n", u"{1}"},
         u"ab{}12x\r\n",
         6,
         3,
         4000},
        {{u"aaaab", u"aaaa", u"aab", u"abaab", u"aabaa", u"a", u"b"}, {u"a", u"ab", u"xb"}, u"aab", 8, 9, 2000},
        {{u"a", u"b", u"ab", u"{1}", u"1", u""}, {u"xy", u"ab", u"{1}"}, u"ab{}1x", 80, 3, 1000},
    };
    std::mt19937 random(2026);
    auto pick = [&](size_t count) { return std::uniform_int_distribution<size_t>(0, count - 1)(random); };
    auto text = [&](std::u16string_view alphabet, size_t longest) {
        CWString text;
        for (size_t n = pick(longest + 1); n > 0; --n) text += alphabet[pick(alphabet.size())];
        return text;
    };
    for (const Shape& shape : shapes) {
        for (int group = 0; group < shape.groups; ++group) {
            rg_GuiZeZhanKaiYinQing engine;
            const size_t rows = 1 + pick(4);
            for (size_t n = pick(5); n > 0; --n) {
                rg_ShuJuXiang& rule =
                    engine.rules.emplace_back(rg_ShuJuXiang{CWString(shape.markers[pick(shape.markers.size())]), {}});
                const std::u16string_view alphabet = shape.valueAlphabets[pick(shape.valueAlphabets.size())];
                for (size_t row = 0; row < rows; ++row) rule.values.push_back(text(alphabet, 4));
            }
            CWString templateText;
            for (size_t n = pick(shape.templatePieces); n > 0; --n)
                templateText += pick(2) ? CWString(shape.markers[pick(shape.markers.size())])
                                        : text(shape.templateAlphabet, shape.longestText);
            CWString expected;
            for (size_t row = 0; !engine.rules.empty() && row < rows; ++row)
                expected += ReferenceRow(templateText, engine.rules, row) + u"\r\n";
            ASSERT_EQ(U8(engine.Generate(templateText, u"", true, false).text), U8(expected))
                << "group " << group << ", template " << U8(templateText);
        }
    }
}

TEST_F(RuleExpansionTest, TheSizeLimitCountsExactlyWhatTheResultBoxWouldHold) {
    constexpr size_t kLimit = 20000000;
    const size_t classFrame = kClassOpening.size() + CWString(u"    \r\n}\r\n").size();
    struct Case {
        const char* what;
        bool templateOnly;
        size_t valueLength;
        bool accepted;
    };
    const Case cases[] = {
        {"a class at the limit", false, kLimit - classFrame, true},
        {"a class one over", false, kLimit - classFrame + 1, false},
        {"the template alone at the limit", true, kLimit - 2, true},
        {"the template alone one over", true, kLimit - 1, false},
    };
    for (const Case& c : cases) {
        rg_GuiZeZhanKaiYinQing engine;
        engine.rules.push_back({u"{1}", {}});
        engine.rules[0].values.emplace_back(c.valueLength, u'x');
        rg_GuiZeShengChengJieGuo result = engine.Generate(u"{1}", u"用户类", c.templateOnly, false);
        EXPECT_EQ(result.text.size(), c.accepted ? kLimit : 0) << c.what;
        EXPECT_EQ(U8(result.refusal), c.accepted ? "" : kTooLarge) << c.what;
    }
    // 21 million characters on the way, one at the end.
    rg_GuiZeZhanKaiYinQing engine =
        Rules({{u"{1}", {Repeated(u"{2}", 1000)}}, {u"{2}", {Repeated(u"{3}", 7000)}}, {u"{3}", {u""}}});
    rg_GuiZeShengChengJieGuo result = engine.Generate(u"{1}x", u"", true, false);
    EXPECT_EQ(U8(result.text), "x\r\n");
    EXPECT_EQ(result.refusal, u"");
}

TEST_F(RuleExpansionTest, RowsThatGrowByMillionsAreRefusedAndThousandsOfMarkersFilled) {
    // "<1>" .. "<6>" hold ten copies of the next marker, "<7>" six "<8>", "<8>"
    // nothing: every row passes 18 million characters before it ends as "x".
    rg_GuiZeZhanKaiYinQing growing;
    for (int k = 1; k <= 7; ++k)
        growing.rules.push_back({CWString::Format(u"<%d>", {k}),
                                 rg_WenBenShuZuLei(100, Repeated(CWString::Format(u"<%d>", {k + 1}), k < 7 ? 10 : 6))});
    growing.rules.push_back({u"<8>", rg_WenBenShuZuLei(100, u"")});
    growing.rules.push_back({u"<end>", rg_WenBenShuZuLei(100, u"x")});
    rg_GuiZeShengChengJieGuo refused = growing.Generate(u"<1><end>", u"", true, false);
    EXPECT_EQ(U8(refused.refusal), kTooLarge);
    EXPECT_EQ(refused.text, u"");

    // Values such as "12" that a later marker "{12}" holds, without its braces.
    rg_GuiZeZhanKaiYinQing many;
    CWString templateText;
    for (int k = 1; k <= 500; ++k) {
        templateText += CWString::Format(u"{%d} ", {k});
        many.rules.push_back({CWString::Format(u"{%d}", {k}), {}});
    }
    CWString expected;
    for (int row = 0; row < 200; ++row) {
        const CWString value = CWString::Format(u"%d", {row});
        for (rg_ShuJuXiang& rule : many.rules) rule.values.push_back(value);
        expected += Repeated(value + u" ", many.rules.size()) + u"\r\n";
    }
    EXPECT_EQ(U8(many.Generate(templateText, u"", true, false).text), U8(expected));
}

// What a click may scan and build is bounded by the size of what it reads
// and writes, not by how long its markers are or how many the template holds.
TEST_F(RuleExpansionTest, LongMarkersAndMillionsOfMarkersCostTheirLength) {
    const CWString longMarker = CWString(2000, u'a') + u"b1";
    const CWString runs = Repeated(CWString(2000, u'a') + u"{0}", 30);
    struct Case {
        const char* what;
        std::vector<rg_ShuJuXiang> rules;
        CWString templateText;
        CWString expected;  // empty when refused
    };
    std::vector<rg_ShuJuXiang> thirtyLong;
    for (int k = 1; k <= 30; ++k) thirtyLong.push_back({CWString(2000, u'a') + CWString::Format(u"b%d", {k}), {u"v"}});
    // Twenty one-character markers, each value the marker's capital.
    const std::u16string_view letters = u"abcdefghijklmnopqrst";
    std::vector<rg_ShuJuXiang> twentyLetters;
    CWString capitals;
    for (char16_t letter : letters) {
        capitals += static_cast<char16_t>(letter - u'a' + u'A');
        twentyLetters.push_back({CWString(1, letter), {CWString(1, capitals.back())}});
    }
    const Case cases[] = {
        {"thirty long markers that a long template keeps beginning", thirtyLong, CWString(200000, u'a'),
         CWString(200000, u'a') + u"\r\n"},
        {"a long marker begun by the value before each long line, past the limit",
         {{u"{0}", rg_WenBenShuZuLei(100, u"a")}, {longMarker, rg_WenBenShuZuLei(100, u"x")}},
         u"{0}" + CWString(200000, u'a'),
         u""},
        {"a long marker whose beginnings end the text before every place",
         {{u"{0}", {u"x"}}, {longMarker, {u"v"}}},
         runs,
         runs.ReplacedAll(u"{0}", u"x") + u"\r\n"},
        {"three million one-character markers of twenty kinds", twentyLetters, Repeated(letters, 150000),
         Repeated(capitals, 150000) + u"\r\n"},
    };
    for (const Case& c : cases) {
        rg_GuiZeZhanKaiYinQing engine;
        engine.rules = c.rules;
        rg_GuiZeShengChengJieGuo result = engine.Generate(c.templateText, u"", true, false);
        EXPECT_TRUE(result.text == c.expected) << c.what << ": " << result.text.size() << " characters";
        EXPECT_EQ(U8(result.refusal), c.expected.empty() ? kTooLarge : "") << c.what;
    }
}

// Values that never hold a later marker but keep beginning them: many markers
// sharing a first character, or one long marker. Looking for later markers in
// a value costs about its length, so a result within the limit is filled.
TEST_F(RuleExpansionTest, ValuesThatKeepBeginningLaterMarkersAreFilled) {
    struct Case {
        const char* what;
        std::vector<rg_ShuJuXiang> rules;
        CWString templateText;
        CWString expected;
    };
    // "{1}" .. "{30}", "{1}" holding braces nested 8,000 deep in each of 100 rows.
    const CWString nested = Repeated(u"{a:", 8000) + u"1" + Repeated(u"}", 8000);
    std::vector<rg_ShuJuXiang> thirty{{u"{1}", rg_WenBenShuZuLei(100, nested)}};
    CWString thirtyTemplate = u"{1}";
    for (int k = 2; k <= 30; ++k) {
        thirty.push_back({CWString::Format(u"{%d}", {k}), rg_WenBenShuZuLei(100, u"v")});
        thirtyTemplate += CWString::Format(u" {%d}", {k});
    }
    const CWString braces(6000000, u'{');
    const CWString fewerBraces(20000, u'{');
    const Case cases[] = {
        {"thirty markers beginning with the brace the values are full of", thirty, thirtyTemplate,
         Repeated(nested + Repeated(u" v", 29) + u"\r\n", 100)},
        {"six million braces before a later marker of ten characters",
         {{u"{0}", {braces}}, {u"{aaaaaaaa}", {u"v"}}},
         u"<{0}>",
         u"<" + braces + u">\r\n"},
        {"twenty thousand braces before a later marker of four thousand characters",
         {{u"{0}", {fewerBraces}}, {rg_qelvane_base::Joined({u"{", CWString(3999, u'a')}), {u"v"}}},
         u"<{0}>",
         u"<" + fewerBraces + u">\r\n"},
    };
    for (const Case& c : cases) {
        rg_GuiZeZhanKaiYinQing engine;
        engine.rules = c.rules;
        rg_GuiZeShengChengJieGuo result = engine.Generate(c.templateText, u"", true, false);
        EXPECT_EQ(U8(result.refusal), "") << c.what;
        EXPECT_TRUE(result.text == c.expected) << c.what << ": " << result.text.size() << " characters";
    }
}
