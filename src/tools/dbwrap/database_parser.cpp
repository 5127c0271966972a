#include "tools/dbwrap/database_parser.h"

#include "tools/dbwrap/column_types.h"
#include "tools/dbwrap/database_kind_table.h"
#include "tools/dbwrap/database_statements.h"
#include "tools/dbwrap/record_rows.h"

namespace rg_qelvane_app {

using rg_qelvane_windows_ShuJuKu::adSchemaColumns;
using rg_qelvane_windows_ShuJuKu::adSchemaPrimaryKeys;
using rg_qelvane_windows_ShuJuKu::adSchemaTables;
using rg_qelvane_windows_SQLiteshjk::SQLITE_DONE_RESULT;
using rg_qelvane_windows_SQLiteshjk::SQLITE_ROW_RESULT;

void rg_ShuJuKuJieXiQi::Bind(const rg_ShuJuKuLei& database, const rg_SQLiteShuJuKuLei& sqliteDatabase,
                             DatabaseKind kind, const CWString& databaseName, const CWString& user) {
    this->database = database;
    this->sqliteDatabase = sqliteDatabase;
    this->kind = kind;
    this->databaseName = databaseName;
    this->user = user;
}

rg_WenBenShuZuLei rg_ShuJuKuJieXiQi::ListTables() const { return (this->*TraitsOf(kind).listTables)(); }

rg_WenBenShuZuLei rg_ShuJuKuJieXiQi::ListTablesMySql() const {
    auto rows = database.Execute(kMySqlListTables);
    return TableNamesFromRows(rows, MySqlTablesField(databaseName));
}

rg_WenBenShuZuLei rg_ShuJuKuJieXiQi::ListTablesPostgreSql() const {
    auto rows = database.Execute(kPostgreSqlListTables);
    return TableNamesFromRows(rows, u"table_name");
}

rg_WenBenShuZuLei rg_ShuJuKuJieXiQi::ListTablesOracle() const {
    auto rows = database.Execute(OracleListTablesStatement(user));
    return TableNamesFromRows(rows, u"table_name");
}

rg_WenBenShuZuLei rg_ShuJuKuJieXiQi::ListTablesSqlServer() const {
    auto rows = database.Execute(kSqlServerListTables);
    return TableNamesFromRows(rows, u"table_name");
}

rg_WenBenShuZuLei rg_ShuJuKuJieXiQi::ListTablesAccess() const {
    auto rows = database.OpenSchema(adSchemaTables);
    return AccessTableNamesFromRows(rows);
}

rg_WenBenShuZuLei rg_ShuJuKuJieXiQi::ListTablesSqlite() const {
    rg_WenBenShuZuLei names;
    auto statement = sqliteDatabase.Query(kSqliteListTables);
    while (statement.Step() == SQLITE_ROW_RESULT) {
        CWString name = statement.GetColumnText(0);
        if (name.Left(7) != u"sqlite_") names.push_back(std::move(name));
    }
    statement.Finalize();
    return names;
}

ColumnsRead rg_ShuJuKuJieXiQi::ReadColumns(const CWString& table) const {
    return (this->*TraitsOf(kind).readColumns)(table);
}

ColumnsRead rg_ShuJuKuJieXiQi::ReadColumnsMySql(const CWString& table) const {
    auto rows = database.Execute(MySqlColumnsStatement(table));
    return MySqlColumnsFromRows(rows);
}

ColumnsRead rg_ShuJuKuJieXiQi::ReadColumnsPostgreSql(const CWString& table) const {
    auto rows = database.Execute(PostgreSqlColumnsStatement(table));
    return PostgreSqlColumnsFromRows(rows);
}

ColumnsRead rg_ShuJuKuJieXiQi::ReadColumnsOracle(const CWString& table) const {
    auto rows = database.Execute(OracleColumnsStatement(table, user));
    return OracleColumnsFromRows(rows);
}

ColumnsRead rg_ShuJuKuJieXiQi::ReadColumnsSqlServer(const CWString& table) const {
    auto rows = database.Execute(SqlServerColumnsStatement(table));
    return SqlServerColumnsFromRows(rows);
}

ColumnsRead rg_ShuJuKuJieXiQi::ReadColumnsAccess(const CWString& table) const {
    AccessRowsets rowsets;
    rowsets.columns = database.OpenSchema(adSchemaColumns);
    rowsets.primaryKeys = database.OpenSchema(adSchemaPrimaryKeys);
    // A name that cannot be quoted runs no query: its columns still come,
    // only the auto-increment mark is missing.
    const CWString emptyQuery = AccessEmptyQueryStatement(table);
    if (!emptyQuery.empty()) rowsets.emptyQuery = database.Execute(emptyQuery);
    return AccessColumnsFromRows(rowsets, table);
}

// Stepping ends at the last row, or at an error (a locked or damaged file).
ColumnsRead rg_ShuJuKuJieXiQi::ReadColumnsSqlite(const CWString& table) const {
    rg_ShuJuKuBiaoJieGouShuZu columns;
    auto statement = sqliteDatabase.Query(SqliteColumnsStatement(table));
    if (!statement.HasStatement()) return std::nullopt;
    int step = 0;
    while ((step = statement.Step()) == SQLITE_ROW_RESULT) {
        rg_ShuJuKuBiaoJieGou column;
        column.columnName = statement.GetColumnText(1);
        TypeAndLength split = SplitTypeAndLength(statement.GetColumnText(2));
        column.type = std::move(split.type);
        column.maxLength = std::move(split.maxLength);
        column.nullable = statement.GetColumnInt(3) == 0;
        column.defaultValue = statement.GetColumnText(4);
        column.primaryKey = statement.GetColumnInt(5) == 1;
        columns.push_back(std::move(column));
    }
    statement.Finalize();
    if (step != SQLITE_DONE_RESULT) return std::nullopt;
    return columns;
}

}  // namespace rg_qelvane_app
