#include <gtest/gtest.h>

#include <climits>

#include "tools/dbwrap/database_kind.h"

using namespace rg_qelvane_app;

namespace {

// The kind box's index is the only number a kind has: every entry gives its
// kind and back, anything else gives none.
TEST(DatabaseKindTest, OnlyTheKindBoxsEntriesAreKinds) {
    const struct {
        int index;
        std::optional<DatabaseKind> kind;
    } cases[] = {
        {0, DatabaseKind::kMySql},  {1, DatabaseKind::kPostgreSql},
        {2, DatabaseKind::kOracle}, {3, DatabaseKind::kSqlServer},
        {4, DatabaseKind::kAccess}, {5, DatabaseKind::kSqlite},
        {-1, std::nullopt},         {6, std::nullopt},
        {7, std::nullopt},          {INT_MIN, std::nullopt},
        {INT_MAX, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DatabaseKindAt(c.index), c.kind) << c.index;
        if (c.kind) {
            EXPECT_EQ(KindBoxIndex(*c.kind), c.index);
        }
    }
}

}  // namespace
