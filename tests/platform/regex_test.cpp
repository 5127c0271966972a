#include <gtest/gtest.h>

#include "platform/regex.h"

using namespace rg_qelvane_base;

namespace {

rg_WenBenShuZuLei FindAll(std::u16string_view subject, std::u16string_view pattern) {
    rg_WenBenShuZuLei result;
    RegexFindAll(subject, pattern, result);
    return result;
}

CWString Repeated(std::u16string_view piece, int times) {
    CWString text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

}  // namespace

TEST(RegexFindAll, GivesWholeMatchThenEveryGroupPerMatch) {
    EXPECT_EQ(FindAll(u"int a; long b;", uR"((\w+)\s+(\w+);)"),
              (rg_WenBenShuZuLei{u"int a;", u"int", u"a", u"long b;", u"long", u"b"}));
}

TEST(RegexFindAll, GroupThatTookNoPartGivesAnEmptyEntry) {
    EXPECT_EQ(FindAll(u"x y", uR"((x)(\d)?( y))"), (rg_WenBenShuZuLei{u"x y", u"x", u"", u" y"}));
    EXPECT_EQ(FindAll(u"b", u"(a)?b(c)?"), (rg_WenBenShuZuLei{u"b", u"", u""}));
}

TEST(RegexFindAll, AppendsAndCountsWhatTheArrayThenHolds) {
    rg_WenBenShuZuLei result{u"earlier"};
    EXPECT_EQ(RegexFindAll(u"a a", u"a", result), 3);
    EXPECT_EQ(result.front(), u"earlier");
}

TEST(RegexFindAll, EmptyMatchesStepOnWithoutRepeating) {
    EXPECT_EQ(FindAll(u"axb", u"x*"), (rg_WenBenShuZuLei{u"", u"x", u"", u""}));
    EXPECT_EQ(FindAll(u"", u"x*"), (rg_WenBenShuZuLei{u""}));
    EXPECT_TRUE(FindAll(u"", u"x").empty());
}

TEST(RegexFindAll, DefaultOptions) {
    struct Case {
        std::u16string_view subject, pattern;
        rg_WenBenShuZuLei expected;
    } cases[] = {
        {u"Void void", u"void", {u"void"}},       // case-sensitive
        {u"a\nb", u"a.b", {}},                    // dot stops at a line end
        {u"a\nb", uR"(a[\s\S]b)", {u"a\nb"}},     // the patterns' own any-character
        {u"x\ny", u"^y", {}},                     // no multi-line mode
        {u"名字a_1 名", uR"(\w+)", {u"a_1"}},     // \w is ASCII
        {u"１2", uR"(\d)", {u"2"}},               // \d is ASCII
        {u"a\u3000b c", uR"(\s)", {u" "}},        // \s is ASCII
        {u"名class", uR"(\bclass)", {u"class"}},  // CJK is no word character
        {u"😀ab😀", u"ab", {u"ab"}},                // surrogate pairs pass through
    };
    for (const auto& c : cases) EXPECT_EQ(FindAll(c.subject, c.pattern), c.expected) << CWString(c.pattern).ToUtf8();
}

TEST(RegexFindAll, FindsMatchesAcrossALongText) {
    RegexSearchBudget unhurried(std::chrono::minutes(1), std::chrono::minutes(1));  // on a busy machine too
    // Long enough that the search runs over many stretches of starting positions.
    CWString text = Repeated(u"..........key;", 20000) + u"tail";
    rg_WenBenShuZuLei result = FindAll(text, u"k(e)y;");
    ASSERT_EQ(result.size(), 40000u);
    EXPECT_EQ(result[0], u"key;");
    EXPECT_EQ(result[1], u"e");
    // A match starting right at every possible position is found too.
    EXPECT_EQ(FindAll(CWString(30000, u'a'), u"a").size(), 30000u);
}

TEST(RegexFindAll, InvalidPatternMatchesNothing) {
    EXPECT_TRUE(FindAll(u"(((", u"(").empty());
    EXPECT_EQ(RegexReplaceAll(u"(((", u"(", u""), u"(((");
}

TEST(RegexReplaceAll, ReplacesEveryMatchLiterally) {
    EXPECT_EQ(RegexReplaceAll(u"a1b22c", uR"(\d+)", u"$1"), u"a$1b$1c");
    EXPECT_EQ(RegexReplaceAll(u"import a;\r\nimport b;\r\nx", uR"(import\s+[^;]+;)", u""), u"\r\n\r\nx");
    EXPECT_EQ(RegexReplaceAll(u"ab", u"x*", u"-"), u"-a-b-");
    EXPECT_EQ(RegexReplaceAll(u"", u"x", u"y"), u"");
}

TEST(RegexSearchLimits, ExplodingBacktrackingEndsTheSearchWithWhatItFound) {
    CWString text = u"ab " + CWString(40, u'a');
    EXPECT_EQ(FindAll(text, u"(a+)+b"), (rg_WenBenShuZuLei{u"ab", u"a"}));
    EXPECT_EQ(RegexReplaceAll(text, u"(a+)+b", u""), text.Mid(2));
}

TEST(RegexSearchLimits, QuadraticScanningEndsAndKeepsTheText) {
    // Every "/**" scans to the end of the text looking for its "*/".
    CWString text = Repeated(u"/** ", 100000);
    EXPECT_TRUE(FindAll(text, uR"(\/\*\*([^*]*(?:\*(?!\/)[^*]*)*)\*\/)").empty());
    EXPECT_EQ(RegexReplaceAll(text, uR"(\/\*\*([^*]*(?:\*(?!\/)[^*]*)*)\*\/)", u""), text);
}

TEST(RegexSearchLimits, QuadraticScanningAfterALongQuietStretchEnds) {
    // Nothing to look at for a million characters, then a hundred thousand
    // starting positions that each scan to the end: the search must not take
    // the quiet part as a promise about the rest.
    CWString text = CWString(1000000, u'x') + Repeated(u"/** ", 100000) + u"/";
    EXPECT_EQ(RegexReplaceAll(text, uR"(\/\*\*([^*]*(?:\*(?!\/)[^*]*)*)\*\/)", u""), text);
    CWString statics = CWString(1000000, u'x') + Repeated(u"public static a ", 100000) + u"{";
    EXPECT_TRUE(FindAll(statics, uR"((?:public)\s+static\s+(?:\w+\s+)*\w+\s*\([^)]*\)\s*\{)").empty());
}

TEST(RegexSearchLimits, StartsBehindTheLastRequiredCharacterAreNotTried) {
    // A match needs a ";" after its start; every "private " here lies behind the last one.
    EXPECT_EQ(FindAll(u"a;" + Repeated(u"private ", 100000), uR"(private [\s\S]*?\;)").size(), 0u);
}

TEST(RegexSearchLimits, MissingRequiredCharacterIsSeenAtOnce) {
    EXPECT_TRUE(FindAll(Repeated(u"private ", 100000), uR"(private [\s\S]*?\;)").empty());
    EXPECT_EQ(FindAll(Repeated(u"private ", 1000) + u";", uR"(private [\s\S]*?\;)").size(), 1u);
}

TEST(RegexSearchLimits, RequiredCharacterMatchedWithoutCase) {
    EXPECT_EQ(FindAll(u"xAB", u"(?i)ab"), (rg_WenBenShuZuLei{u"AB"}));
}

TEST(RegexSearchBudget, SpentBudgetEndsEverySearchAtOnce) {
    RegexSearchBudget budget(std::chrono::milliseconds(0));
    EXPECT_TRUE(FindAll(u"a", u"a").empty());
    EXPECT_EQ(RegexReplaceAll(u"a", u"a", u"b"), u"a");
    EXPECT_TRUE(budget.CutShort());
}

TEST(RegexSearchBudget, ReportsOnlySearchesThatWereCutShort) {
    // Each search may take a second: the short ones need a ten-thousandth of it, on a busy machine too.
    RegexSearchBudget budget(std::chrono::hours(1), std::chrono::seconds(1));
    EXPECT_EQ(FindAll(u"ab", u"(a+)+b").size(), 2u);
    EXPECT_TRUE(FindAll(u"x", u"y").empty());
    EXPECT_FALSE(budget.CutShort());
    // Each search keeps its own limit under a long budget, so the next one still runs.
    FindAll(Repeated(u"/** ", 100000), uR"(\/\*\*([^*]*(?:\*(?!\/)[^*]*)*)\*\/)");
    EXPECT_TRUE(budget.CutShort());
    EXPECT_EQ(FindAll(u"ab", u"b").size(), 1u);
}

TEST(RegexSearchBudget, ClosingGivesBackTheBudgetOpenBefore) {
    RegexSearchBudget outer(std::chrono::hours(1));
    {
        RegexSearchBudget spent(std::chrono::milliseconds(0));
        FindAll(u"a", u"a");
        EXPECT_TRUE(spent.CutShort());
    }
    EXPECT_EQ(FindAll(u"a", u"a").size(), 1u);
    EXPECT_FALSE(outer.CutShort());
}
