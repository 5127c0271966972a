#include "tools/dbwrap/database_statements.h"

#include <algorithm>

#include "tools/dbwrap/database_kind_table.h"

namespace rg_qelvane_app {

namespace {

using rg_qelvane_base::Joined;

CWString Doubled(const CWString& text, char16_t quote) {
    return text.ReplacedAll(std::u16string_view(&quote, 1), CWString(2, quote));
}

bool IsAscii(const CWString& text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; });
}

}  // namespace

CWString QuotedSqlText(DatabaseKind kind, const CWString& value) {
    const CWString escaped = Joined({u"'", Doubled(value, u'\''), u"'"});
    const TextQuoting quoting = TraitsOf(kind).textQuoting;
    if (quoting == TextQuoting::kBackslashEscapes && value.Contains(u"\\"))
        return Joined({u"E", Doubled(escaped, u'\\')});
    if (quoting == TextQuoting::kNationalBeyondAscii && !IsAscii(value)) return u"N" + escaped;
    return escaped;
}

CWString QuotedSqlName(DatabaseKind kind, const CWString& name) {
    switch (TraitsOf(kind).nameQuoting) {
        case NameQuoting::kBackticks: return Joined({u"`", Doubled(name, u'`'), u"`"});
        case NameQuoting::kBrackets: return name.Contains(u"]") ? CWString() : u"[" + name + u"]";
        case NameQuoting::kDoubleQuotes: break;
    }
    return Joined({u"\"", Doubled(name, u'"'), u"\""});
}

const char16_t kMySqlListTables[] = u"SHOW TABLES;";
const char16_t kPostgreSqlListTables[] =
    u"SELECT table_name FROM information_schema.tables WHERE table_schema = 'public' AND table_type = 'BASE TABLE';";
const char16_t kSqlServerListTables[] = u"SELECT name AS table_name\nFROM sys.tables\nORDER BY name;";
const char16_t kSqliteListTables[] = u"SELECT name FROM sqlite_master WHERE type='table'";

CWString OracleListTablesStatement(const CWString& user) {
    return CWString::Format(u"SELECT table_name FROM all_tables WHERE owner = %s ORDER BY table_name",
                            {QuotedSqlText(DatabaseKind::kOracle, user)});
}

CWString MySqlTablesField(const CWString& databaseName) { return CWString::Format(u"Tables_in_%s", {databaseName}); }

CWString MySqlColumnsStatement(const CWString& table) {
    return CWString::Format(u"DESC %s;", {QuotedSqlName(DatabaseKind::kMySql, table)});
}

// Read from pg_catalog rather than information_schema.columns, whose planning
// alone costs several milliseconds per table. Every output column is worked
// out as the view works it out (a domain gives its base type and that type's
// length, a generated column has no default, a column is listed only to a user
// with some right to it), so the texts are the view's. The table is the one of
// that name in schema public, and its key is that table's own primary key, so
// each column comes back once.
CWString PostgreSqlColumnsStatement(const CWString& table) {
    return CWString::Format(
        u"SELECT \r\n"
        u"    a.attname AS \"字段名称\",\r\n"
        u"    CASE \r\n"
        u"        WHEN t.typelem <> 0 AND t.typlen = -1 THEN 'ARRAY'\r\n"
        u"        WHEN t.typnamespace = 'pg_catalog'::regnamespace THEN format_type(t.oid, NULL)\r\n"
        u"        ELSE 'USER-DEFINED'\r\n"
        u"    END AS \"字段类型\",\r\n"
        u"    CASE \r\n"
        u"        WHEN t.oid IN ('character'::regtype, 'character varying'::regtype) THEN NULLIF(m.typmod, -1) - 4\r\n"
        u"        WHEN t.oid IN ('bit'::regtype, 'bit varying'::regtype) THEN NULLIF(m.typmod, -1)\r\n"
        u"    END AS \"最大长度\",\r\n"
        u"    CASE WHEN a.attnotnull OR (d.typtype = 'd' AND d.typnotnull) THEN 'NO' ELSE 'YES' END AS \"是否为空\",\r\n"
        u"    pg_get_expr(ad.adbin, ad.adrelid) AS \"默认值\",\r\n"
        u"    CASE WHEN a.attnum = ANY (k.conkey) THEN '是' ELSE '否' END AS \"是否主键\",\r\n"
        u"    CASE \r\n"
        u"        WHEN pg_get_expr(ad.adbin, ad.adrelid) LIKE 'nextval(%' THEN '是'\r\n"
        u"        WHEN a.attidentity IN ('a', 'd') THEN '是'\r\n"
        u"        ELSE '否'\r\n"
        u"    END AS \"是否自增\"\r\n"
        u"FROM pg_attribute a\r\n"
        u"JOIN pg_type d ON d.oid = a.atttypid\r\n"
        u"JOIN pg_type t ON t.oid = CASE WHEN d.typtype = 'd' THEN d.typbasetype ELSE d.oid END\r\n"
        u"CROSS JOIN LATERAL (SELECT CASE WHEN d.typtype = 'd' THEN d.typtypmod ELSE a.atttypmod END AS typmod) m\r\n"
        u"LEFT JOIN pg_attrdef ad ON ad.adrelid = a.attrelid AND ad.adnum = a.attnum AND a.attgenerated = ''\r\n"
        u"LEFT JOIN pg_constraint k ON k.conrelid = a.attrelid AND k.contype = 'p'\r\n"
        u"WHERE a.attrelid = (\r\n"
        u"        SELECT c.oid FROM pg_class c\r\n"
        u"        WHERE c.relnamespace = (SELECT oid FROM pg_namespace WHERE nspname = 'public')\r\n"
        u"            AND c.relname = %s\r\n"
        u"            AND c.relkind IN ('r', 'v', 'f', 'p'))\r\n"
        u"    AND a.attnum > 0\r\n"
        u"    AND NOT a.attisdropped\r\n"
        u"    AND (pg_has_role((SELECT relowner FROM pg_class WHERE oid = a.attrelid), 'USAGE')\r\n"
        u"        OR has_column_privilege(a.attrelid, a.attnum, 'SELECT, INSERT, UPDATE, REFERENCES'))\r\n"
        u"ORDER BY a.attnum;",
        {QuotedSqlText(DatabaseKind::kPostgreSql, table)});
}

CWString SqlServerColumnsStatement(const CWString& table) {
    return CWString::Format(
        u"SELECT \r\n"
        u"    c.COLUMN_NAME AS 字段名称,\r\n"
        u"    c.DATA_TYPE AS 字段类型,\r\n"
        u"    c.CHARACTER_MAXIMUM_LENGTH AS 最大长度,\r\n"
        u"    c.IS_NULLABLE AS 是否为空,\r\n"
        u"    CASE WHEN tc.CONSTRAINT_TYPE = 'PRIMARY KEY' THEN 'YES' ELSE 'NO' END AS 是否主键,\r\n"
        u"    COLUMNPROPERTY(OBJECT_ID(c.TABLE_SCHEMA + '.' + c.TABLE_NAME), c.COLUMN_NAME, 'IsIdentity') AS 是否自增,\r\n"
        u"    c.COLUMN_DEFAULT AS 默认值\r\n"
        u"FROM \r\n"
        u"    INFORMATION_SCHEMA.COLUMNS c\r\n"
        u"LEFT JOIN \r\n"
        u"    INFORMATION_SCHEMA.KEY_COLUMN_USAGE kcu ON c.TABLE_NAME = kcu.TABLE_NAME AND c.COLUMN_NAME = kcu.COLUMN_NAME\r\n"
        u"LEFT JOIN \r\n"
        u"    INFORMATION_SCHEMA.TABLE_CONSTRAINTS tc ON kcu.CONSTRAINT_NAME = tc.CONSTRAINT_NAME AND tc.CONSTRAINT_TYPE = 'PRIMARY KEY'\r\n"
        u"WHERE \r\n"
        u"    c.TABLE_NAME = %s\r\n"
        u"ORDER BY \r\n"
        u"    c.ORDINAL_POSITION;",
        {QuotedSqlText(DatabaseKind::kSqlServer, table)});
}

CWString OracleColumnsStatement(const CWString& table, const CWString& user) {
    return CWString::Format(
        u"SELECT \r\n"
        u"    c.column_name AS \"字段名称\",\r\n"
        u"    c.data_type AS \"字段类型\",\r\n"
        u"    c.data_length AS \"最大长度\",\r\n"
        u"    c.nullable AS \"是否为空\",\r\n"
        u"    c.data_default AS \"默认值\",\r\n"
        u"    CASE \r\n"
        u"        WHEN EXISTS (\r\n"
        u"            SELECT 1 \r\n"
        u"            FROM all_cons_columns ucc\r\n"
        u"            JOIN all_constraints uc ON ucc.constraint_name = uc.constraint_name\r\n"
        u"            WHERE uc.table_name = c.table_name\r\n"
        u"                AND uc.owner = c.owner\r\n"
        u"                AND ucc.column_name = c.column_name\r\n"
        u"                AND uc.constraint_type = 'P'\r\n"
        u"        ) THEN '是'\r\n"
        u"        ELSE '否'\r\n"
        u"    END AS \"是否主键\"\r\n"
        u"FROM all_tab_columns c\r\n"
        u"WHERE c.table_name = UPPER(%s)\r\n"
        u"    AND c.owner = UPPER(%s) \r\n"
        u"ORDER BY c.column_id",
        {QuotedSqlText(DatabaseKind::kOracle, table), QuotedSqlText(DatabaseKind::kOracle, user)});
}

CWString AccessEmptyQueryStatement(const CWString& table) {
    const CWString name = QuotedSqlName(DatabaseKind::kAccess, table);
    if (name.empty()) return {};
    return CWString::Format(u"select * from %s where 1=0", {name});
}

CWString SqliteColumnsStatement(const CWString& table) {
    return CWString::Format(u"PRAGMA table_info(%s)", {QuotedSqlName(DatabaseKind::kSqlite, table)});
}

}  // namespace rg_qelvane_app
