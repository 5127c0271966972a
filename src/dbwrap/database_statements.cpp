#include "dbwrap/database_statements.h"

#include <algorithm>

namespace rg_qelvane_app {

namespace {

CWString Doubled(const CWString& text, char16_t quote) {
    return text.ReplacedAll(std::u16string_view(&quote, 1), CWString(2, quote));
}

bool IsAscii(const CWString& text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; });
}

}  // namespace

CWString QuotedSqlText(DatabaseKind kind, const CWString& value) {
    const CWString escaped = u"'" + Doubled(value, u'\'') + u"'";
    if (kind == kKindPostgreSql && value.Contains(u"\\")) return u"E" + Doubled(escaped, u'\\');
    if (kind == kKindSqlServer && !IsAscii(value)) return u"N" + escaped;
    return escaped;
}

CWString QuotedSqlName(DatabaseKind kind, const CWString& name) {
    switch (kind) {
        case kKindMySql: return u"`" + Doubled(name, u'`') + u"`";
        case kKindAccess: return name.Contains(u"]") ? CWString() : u"[" + name + u"]";
        default: return u"\"" + Doubled(name, u'"') + u"\"";
    }
}

const char16_t kMySqlListTables[] = u"SHOW TABLES;";
const char16_t kPostgreSqlListTables[] =
    u"SELECT table_name FROM information_schema.tables WHERE table_schema = 'public' AND table_type = 'BASE TABLE';";
const char16_t kSqlServerListTables[] = u"SELECT name AS table_name\nFROM sys.tables\nORDER BY name;";
const char16_t kSqliteListTables[] = u"SELECT name FROM sqlite_master WHERE type='table'";

CWString OracleListTablesStatement(const CWString& user) {
    return CWString::Format(u"SELECT table_name FROM all_tables WHERE owner = %s ORDER BY table_name",
                            {QuotedSqlText(kKindOracle, user)});
}

CWString MySqlTablesField(const CWString& databaseName) {
    return CWString::Format(u"Tables_in_%s", {databaseName});
}

CWString MySqlColumnsStatement(const CWString& table) {
    return CWString::Format(u"DESC %s;", {QuotedSqlName(kKindMySql, table)});
}

CWString PostgreSqlColumnsStatement(const CWString& table) {
    return CWString::Format(
        u"SELECT \r\n"
        u"    c.column_name AS \"字段名称\",\r\n"
        u"    c.data_type AS \"字段类型\",\r\n"
        u"    c.character_maximum_length AS \"最大长度\",\r\n"
        u"    c.is_nullable AS \"是否为空\",\r\n"
        u"    c.column_default AS \"默认值\",\r\n"
        u"    CASE WHEN pk.column_name IS NOT NULL THEN '是' ELSE '否' END AS \"是否主键\",\r\n"
        u"    CASE \r\n"
        u"        WHEN c.column_default LIKE 'nextval(%' THEN '是'\r\n"
        u"        WHEN c.is_identity = 'YES' THEN '是'\r\n"
        u"        ELSE '否'\r\n"
        u"    END AS \"是否自增\"\r\n"
        u"FROM information_schema.columns c\r\n"
        u"LEFT JOIN (\r\n"
        u"    SELECT \r\n"
        u"        ku.table_name,\r\n"
        u"        ku.column_name\r\n"
        u"    FROM information_schema.table_constraints tc\r\n"
        u"    JOIN information_schema.key_column_usage ku \r\n"
        u"        ON tc.constraint_name = ku.constraint_name\r\n"
        u"    WHERE tc.constraint_type = 'PRIMARY KEY'\r\n"
        u") pk ON c.table_name = pk.table_name AND c.column_name = pk.column_name\r\n"
        u"WHERE c.table_schema = 'public' \r\n"
        u"    AND c.table_name = %s\r\n"
        u"ORDER BY c.ordinal_position;",
        {QuotedSqlText(kKindPostgreSql, table)});
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
        {QuotedSqlText(kKindSqlServer, table)});
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
        {QuotedSqlText(kKindOracle, table), QuotedSqlText(kKindOracle, user)});
}

CWString AccessEmptyQueryStatement(const CWString& table) {
    const CWString name = QuotedSqlName(kKindAccess, table);
    if (name.empty()) return {};
    return CWString::Format(u"select * from %s where 1=0", {name});
}

CWString SqliteColumnsStatement(const CWString& table) {
    return CWString::Format(u"PRAGMA table_info(%s)", {QuotedSqlName(kKindSqlite, table)});
}

}  // namespace rg_qelvane_app
