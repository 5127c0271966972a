#include <gtest/gtest.h>

#include "tools/dbwrap/column_types.h"

using namespace rg_qelvane_app;

TEST(ColumnTypesTest, SplitsTypeAndLengthAtTheFirstParentheses) {
    const struct {
        CWString text;
        CWString type;
        CWString length;
    } cases[] = {
        {u"varchar(255)", u"varchar", u"255"},
        {u"decimal(10,2)", u"decimal", u"10,2"},
        {u"int unsigned", u"int unsigned", u""},
        {u"int(11) unsigned", u"int", u"11"},
        {u"enum('a','b')", u"enum", u"'a','b'"},
        {u"(5)x", u"(5)x", u"5"},
        {u"a)b(c", u"a)b", u""},
        {u"char(", u"char", u""},
        {u"", u"", u""},
    };
    for (const auto& c : cases) {
        const TypeAndLength split = SplitTypeAndLength(c.text);
        EXPECT_EQ(split.type, c.type) << c.text.ToUtf8();
        EXPECT_EQ(split.maxLength, c.length) << c.text.ToUtf8();
    }
}

TEST(ColumnTypesTest, NamesEveryAdoTypeOfAccessColumns) {
    const std::pair<int, CWString> cases[] = {
        {2, u"SmallInt"}, {3, u"Integer"},    {4, u"Single"},    {5, u"Double"},    {6, u"Currency"},
        {7, u"Date"},     {11, u"Boolean"},   {12, u"Variant"},  {17, u"Byte"},     {72, u"GUID"},
        {128, u"Binary"}, {130, u"Text"},     {131, u"Decimal"}, {200, u"VarChar"}, {202, u"VarWChar"},
        {0, u"未知类型"}, {203, u"未知类型"}, {-2, u"未知类型"},
    };
    for (const auto& [code, name] : cases) EXPECT_EQ(AdoTypeName(code), name) << code;
}
