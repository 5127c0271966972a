#include <gtest/gtest.h>

#include "platform/text.h"

using namespace rg_qelvane_base;

TEST(SplitText, TrimsPiecesAndDropsEmptyOnes) {
    rg_WenBenShuZuLei out{u"stale"};
    EXPECT_EQ(SplitText(u" a \r\n\r\n\u3000b\t\r\n", out, u"\r\n", true), 2);
    EXPECT_EQ(out, (rg_WenBenShuZuLei{u"a", u"b"}));
}

TEST(SplitText, KeepsEmptyPiecesWhenAsked) {
    EXPECT_EQ(SplitText(u"a\n\nb\n", u"\n", false), (rg_WenBenShuZuLei{u"a", u"", u"b", u""}));
}

TEST(SplitText, EmptyTextAndEmptySeparator) {
    EXPECT_TRUE(SplitText(u"", u"\n").empty());
    EXPECT_EQ(SplitText(u" a b ", u""), (rg_WenBenShuZuLei{u" a b "}));
}

TEST(Format, TextsIntegersAndStrayPercents) {
    EXPECT_EQ(CWString::Format(u"%s=%d", {u"x", -5}), u"x=-5");
    EXPECT_EQ(CWString::Format(u"LIKE 'nextval(%' and %s", {CWString(u"t")}), u"LIKE 'nextval(%' and t");
    EXPECT_EQ(CWString::Format(u"100%%", {}), u"100%");
    EXPECT_EQ(CWString::Format(u"%s%", {u"a"}), u"a%");
}

TEST(CWString, TrimMidAndReplace) {
    EXPECT_EQ(CWString(u"\u3000 x\t").Trimmed(), u"x");
    EXPECT_EQ(CWString(u"abc").Mid(1, 10), u"bc");
    EXPECT_EQ(CWString(u"abc").Mid(5), u"");
    EXPECT_EQ(CWString(u"abc").Right(2), u"bc");
    EXPECT_EQ(CWString(u"a[]b[]").RemovedAll(u"[]"), u"ab");
    EXPECT_EQ(CWString(u"abc").Find(u"c", 1), 2);
    EXPECT_EQ(CWString(u"abc").Find(u"z"), -1);
}

TEST(TextToInt, FollowsWtoi) {
    EXPECT_EQ(TextToInt(u"  42abc"), 42);
    EXPECT_EQ(TextToInt(u"-7"), -7);
    EXPECT_EQ(TextToInt(u"x1"), 0);
    EXPECT_EQ(TextToInt(u"99999999999"), 2147483647);
}
