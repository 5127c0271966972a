#pragma once
// Reads schemas for the database window, which owns exactly one. Connecting
// hands it the window's connection and the kind of database, and the kind
// decides how each statement is written; then the window asks it for the
// tables and for each table's columns. A table listing reports no errors:
// whether the connection is missing, a statement fails or the server went
// away, the answer is an empty list. A column read must tell a failure from a
// table without columns, since the window will not pass an unread table off
// as an empty class: it answers null when the read failed.
#include "platform/db/connection.h"
#include "platform/db/sqlite.h"
#include "tools/dbwrap/column_record.h"
#include "tools/dbwrap/database_kind.h"

namespace rg_qelvane_app {

using rg_qelvane_base::rg_WenBenShuZuLei;
using rg_qelvane_windows_ShuJuKu::rg_ShuJuKuLei;
using rg_qelvane_windows_SQLiteshjk::rg_SQLiteShuJuKuLei;

class rg_ShuJuKuJieXiQi {
public:
    // Copies of the window's objects: they share its connection and handle,
    // so the parser sees every open and close the window makes.
    rg_ShuJuKuLei database;
    rg_SQLiteShuJuKuLei sqliteDatabase;
    DatabaseKind kind = DatabaseKind::kMySql;
    CWString databaseName;  // MySQL, PostgreSQL and SQL Server
    CWString user;          // Oracle, upper-cased by the caller

    void Bind(const rg_ShuJuKuLei& database, const rg_SQLiteShuJuKuLei& sqliteDatabase, DatabaseKind kind,
              const CWString& databaseName, const CWString& user);

    // Table names in the order the database gives them.
    rg_WenBenShuZuLei ListTables() const;
    rg_WenBenShuZuLei ListTablesMySql() const;
    rg_WenBenShuZuLei ListTablesPostgreSql() const;
    rg_WenBenShuZuLei ListTablesOracle() const;
    rg_WenBenShuZuLei ListTablesSqlServer() const;
    rg_WenBenShuZuLei ListTablesAccess() const;
    rg_WenBenShuZuLei ListTablesSqlite() const;

    // One record per column of the table named as the listing gave it; null
    // when the columns could not be read.
    ColumnsRead ReadColumns(const CWString& table) const;
    ColumnsRead ReadColumnsMySql(const CWString& table) const;
    ColumnsRead ReadColumnsPostgreSql(const CWString& table) const;
    ColumnsRead ReadColumnsOracle(const CWString& table) const;
    ColumnsRead ReadColumnsSqlServer(const CWString& table) const;
    ColumnsRead ReadColumnsAccess(const CWString& table) const;
    ColumnsRead ReadColumnsSqlite(const CWString& table) const;
};

}  // namespace rg_qelvane_app
