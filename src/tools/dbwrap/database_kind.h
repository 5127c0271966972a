#pragma once
// The kinds of database the tool reads, in the order of the window's kind box.
// A kind is a number only there: the box's entry index, which is also the page
// number of the kind's panel, becomes a kind the moment it is read.
#include <cstddef>
#include <optional>

namespace rg_qelvane_app {

enum class DatabaseKind { kMySql, kPostgreSql, kOracle, kSqlServer, kAccess, kSqlite };

// The kind of the kind box's entry at `index`; none when nothing is selected
// (-1) or when the index is past the last kind.
std::optional<DatabaseKind> DatabaseKindAt(int index);

// The kind box's entry of the kind, and so the page number of its panel.
constexpr int KindBoxIndex(DatabaseKind kind) { return static_cast<int>(kind); }

// Every list of one thing per kind has this many entries: the last kind's number plus one.
inline constexpr std::size_t kDatabaseKindCount = KindBoxIndex(DatabaseKind::kSqlite) + 1;

}  // namespace rg_qelvane_app
