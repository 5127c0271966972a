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

// How each kind writes a text literal: always '...' with apostrophes doubled,
// and some kinds mark a value that would otherwise be read wrongly.
enum class TextQuoting {
    kPlain,
    kBackslashEscapes,     // a value holding a backslash as E'...', backslashes doubled too (PostgreSQL)
    kNationalBeyondAscii,  // a value beyond ASCII as N'...' (SQL Server)
};
// How each kind writes an identifier, the quote doubled inside.
enum class NameQuoting {
    kBackticks,     // `name` (MySQL)
    kDoubleQuotes,  // "name" (SQLite)
    kBrackets,      // [name] (Access), which cannot escape "]": it allows no such name
};

// A text literal with its quotes, as the kind writes it.
CWString QuotedSqlText(DatabaseKind kind, const CWString& value);
// An identifier with its quotes, as the kind writes it; the empty text for a
// name the kind cannot quote.
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
