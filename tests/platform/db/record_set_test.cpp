#include <gtest/gtest.h>

#include "platform/db/record_set.h"

using namespace rg_qelvane_windows_ShuJuKu;

TEST(ComVariant, TextAndFlagRules) {
    struct Case {
        CQelComVariant value;
        const char16_t* text;
        bool flag;
    };
    const Case cases[] = {
        {CQelComVariant(), u"", false},
        {CQelComVariant::Null(), u"", false},
        {CQelComVariant(true), u"-1", true},
        {CQelComVariant(false), u"0", false},
        {CQelComVariant(42), u"42", true},
        {CQelComVariant(-1LL), u"-1", true},
        {CQelComVariant(0.5), u"0.5", true},
        {CQelComVariant(u"TRUE"), u"TRUE", true},
        {CQelComVariant(u"false"), u"false", false},
        {CQelComVariant(u"-1"), u"-1", true},
        {CQelComVariant(u"0"), u"0", false},
        {CQelComVariant(u"yes"), u"yes", false},
        {CQelComVariant(u"12abc"), u"12abc", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CQelComVariant::ToText(c.value), c.text);
        EXPECT_EQ(CQelComVariant::ToBool(c.value), c.flag) << CQelComVariant::ToText(c.value).ToUtf8();
    }
}

TEST(RecordSet, RowLoopReadsFieldsByNameWithoutRegardToCase) {
    auto rows = rg_JiLuJiLei::FromRows({u"TABLE_NAME", u"字段名称"}, {{u"a", u"列"}, {u"b"}});
    ASSERT_EQ(rows.GetRecordCount(), 2);
    std::vector<CWString> seen;
    for (int i = 0; i < rows.GetRecordCount(); ++i, rows.MoveNext())
        seen.push_back(CQelComVariant::ToText(rows.GetFieldValue(u"table_name")) + u"," +
                       CQelComVariant::ToText(rows.GetFieldValue(u"字段名称")));
    EXPECT_EQ(seen, (std::vector<CWString>{u"a,列", u"b,"}));  // a short row reads empty
    EXPECT_TRUE(rows.IsEOF());
    EXPECT_TRUE(rows.GetFieldValue(u"TABLE_NAME").IsEmpty());
    rows.MoveNext();  // past the end: nothing happens
}

TEST(RecordSet, ClosedOrMissingReadsEmpty) {
    rg_JiLuJiLei never;
    EXPECT_EQ(never.GetRecordCount(), 0);
    EXPECT_EQ(never.GetFieldCount(), 0);
    auto rows = rg_JiLuJiLei::FromRows({u"a"}, {{1}});
    EXPECT_TRUE(rows.GetFieldValue(u"missing").IsEmpty());
    EXPECT_EQ(rows.GetField(5).Name, u"");
    rows.Close();
    EXPECT_FALSE(rows.IsOpen());
    EXPECT_EQ(rows.GetRecordCount(), 0);
    EXPECT_TRUE(rows.GetFieldValue(u"a").IsEmpty());
}
