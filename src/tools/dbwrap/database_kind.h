#pragma once
// The six kinds of database, numbered as the entries of the window's kind box.

namespace rg_qelvane_app {

enum DatabaseKind : int {
    kKindMySql = 0,
    kKindPostgreSql = 1,
    kKindOracle = 2,
    kKindSqlServer = 3,
    kKindAccess = 4,
    kKindSqlite = 5,
};

}  // namespace rg_qelvane_app
