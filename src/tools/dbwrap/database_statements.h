#pragma once
// Every statement the database parser sends, per kind of database.
//
// Names are never pasted in raw: a table, database or user name goes in as a
// quoted identifier or an escaped text literal of its kind of database, so an
// apostrophe, a blank, a semicolon or a reserved word in a name can neither
// break a statement nor change what it does.
#include "platform/text.h"
#include "tools/dbwrap/database_kind.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;

// A text literal with its quotes: apostrophes doubled; PostgreSQL takes a
// name holding a backslash as E'...' (backslashes doubled too), SQL Server a
// name beyond ASCII as N'...'.
CWString QuotedSqlText(DatabaseKind kind, const CWString& value);
// An identifier with its quotes: `name` (MySQL), "name" (SQLite) and [name]
// (Access), the quote doubled inside. Access cannot escape "]" (it allows no
// such name), so that gives the empty text.
CWString QuotedSqlName(DatabaseKind kind, const CWString& name);

// Table listing.
extern const char16_t kMySqlListTables[];
extern const char16_t kPostgreSqlListTables[];
extern const char16_t kSqlServerListTables[];
extern const char16_t kSqliteListTables[];
CWString OracleListTablesStatement(const CWString& user);
// The field "SHOW TABLES" names after the database.
CWString MySqlTablesField(const CWString& databaseName);

// Column structures.
CWString MySqlColumnsStatement(const CWString& table);
CWString PostgreSqlColumnsStatement(const CWString& table);
CWString SqlServerColumnsStatement(const CWString& table);
CWString OracleColumnsStatement(const CWString& table, const CWString& user);
// An empty query whose fields carry the auto-increment property; empty text
// when the name cannot be quoted.
CWString AccessEmptyQueryStatement(const CWString& table);
CWString SqliteColumnsStatement(const CWString& table);

}  // namespace rg_qelvane_app
