#pragma once
// Reading table names and column records out of the record sets the
// connection returns. Plain functions of record sets, so recorded rows of
// databases that have no server here exercise the same code as live ones.
//
// Every reader walks the rows the same way: while the row number is below the
// record count (read again after every row) it reads the current row and moves
// on, then closes the record set. A failed call gives a closed record set:
// table names are then simply none, and columns are null, which a call that
// was answered with no rows never gives.
//
// A record set with more rows than its statement can give is no answer (a
// broken or hostile server or reader sent it): it gives nothing, as a failed
// call does, and no more names or records than the most are built from it.
// Each row costs the reply a byte a value, but its record costs hundreds of
// bytes and its class text dozens of characters: 11 million rows of empty
// values fit in one reply.
#include "platform/db/record_set.h"
#include "tools/dbwrap/column_record.h"

namespace rg_qelvane_app {

using rg_qelvane_base::rg_WenBenShuZuLei;
using rg_qelvane_windows_ShuJuKu::rg_JiLuJiLei;

// Well above what any of the databases allows in one table (MySQL 4,096
// columns, PostgreSQL 1,600, SQL Server 30,000 with sparse columns, Access
// 255) and above what any real catalogue holds.
constexpr int MostColumnsInATable = 100'000;
constexpr int MostTablesInACatalogue = 1'000'000;

// The named field of every row, as delivered (duplicates and empty names kept).
rg_WenBenShuZuLei TableNamesFromRows(rg_JiLuJiLei& rows, const CWString& field);
// The tables rowset: only rows whose type is exactly "TABLE".
rg_WenBenShuZuLei AccessTableNamesFromRows(rg_JiLuJiLei& tablesRowset);

ColumnsRead MySqlColumnsFromRows(rg_JiLuJiLei& rows);
ColumnsRead PostgreSqlColumnsFromRows(rg_JiLuJiLei& rows);
ColumnsRead SqlServerColumnsFromRows(rg_JiLuJiLei& rows);
ColumnsRead OracleColumnsFromRows(rg_JiLuJiLei& rows);

// The three record sets the Access reader uses, in the order it opens them.
struct AccessRowsets {
    rg_JiLuJiLei columns;      // the columns rowset
    rg_JiLuJiLei primaryKeys;  // the primary-keys rowset
    // The table's fields with their properties; null when the query was not
    // run (a name that cannot be quoted), which only leaves the
    // auto-increment mark out.
    std::optional<rg_JiLuJiLei> emptyQuery;
};
// The columns rowset holds the columns of every table: only the rows of this
// table count against the most a table can have. The last key row of the
// table gives its one key column; the last field whose ISAUTOINCREMENT
// property is true gives its auto-increment column. Null when any of the
// record sets read is no answer.
ColumnsRead AccessColumnsFromRows(AccessRowsets& rowsets, const CWString& table);

}  // namespace rg_qelvane_app
