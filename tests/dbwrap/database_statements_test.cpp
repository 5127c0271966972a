#include <gtest/gtest.h>

#include "tools/dbwrap/database_statements.h"

using namespace rg_qelvane_app;

namespace {

// The statements are written here with LF line ends; the program sends CR LF.
// Trailing blanks at the ends of lines are part of the statements.
CWString WithCrLf(std::u16string_view lines) { return CWString(lines).ReplacedAll(u"\n", u"\r\n"); }

const char16_t kPostgreSqlColumns[] =
    uR"(SELECT 
    a.attname AS "字段名称",
    CASE 
        WHEN t.typelem <> 0 AND t.typlen = -1 THEN 'ARRAY'
        WHEN t.typnamespace = 'pg_catalog'::regnamespace THEN format_type(t.oid, NULL)
        ELSE 'USER-DEFINED'
    END AS "字段类型",
    CASE 
        WHEN t.oid IN ('character'::regtype, 'character varying'::regtype) THEN NULLIF(m.typmod, -1) - 4
        WHEN t.oid IN ('bit'::regtype, 'bit varying'::regtype) THEN NULLIF(m.typmod, -1)
    END AS "最大长度",
    CASE WHEN a.attnotnull OR (d.typtype = 'd' AND d.typnotnull) THEN 'NO' ELSE 'YES' END AS "是否为空",
    pg_get_expr(ad.adbin, ad.adrelid) AS "默认值",
    CASE WHEN a.attnum = ANY (k.conkey) THEN '是' ELSE '否' END AS "是否主键",
    CASE 
        WHEN pg_get_expr(ad.adbin, ad.adrelid) LIKE 'nextval(%' THEN '是'
        WHEN a.attidentity IN ('a', 'd') THEN '是'
        ELSE '否'
    END AS "是否自增"
FROM pg_attribute a
JOIN pg_type d ON d.oid = a.atttypid
JOIN pg_type t ON t.oid = CASE WHEN d.typtype = 'd' THEN d.typbasetype ELSE d.oid END
CROSS JOIN LATERAL (SELECT CASE WHEN d.typtype = 'd' THEN d.typtypmod ELSE a.atttypmod END AS typmod) m
LEFT JOIN pg_attrdef ad ON ad.adrelid = a.attrelid AND ad.adnum = a.attnum AND a.attgenerated = ''
LEFT JOIN pg_constraint k ON k.conrelid = a.attrelid AND k.contype = 'p'
WHERE a.attrelid = (
        SELECT c.oid FROM pg_class c
        WHERE c.relnamespace = (SELECT oid FROM pg_namespace WHERE nspname = 'public')
            AND c.relname = 'users'
            AND c.relkind IN ('r', 'v', 'f', 'p'))
    AND a.attnum > 0
    AND NOT a.attisdropped
    AND (pg_has_role((SELECT relowner FROM pg_class WHERE oid = a.attrelid), 'USAGE')
        OR has_column_privilege(a.attrelid, a.attnum, 'SELECT, INSERT, UPDATE, REFERENCES'))
ORDER BY a.attnum;)";

const char16_t kSqlServerColumns[] =
    uR"(SELECT 
    c.COLUMN_NAME AS 字段名称,
    c.DATA_TYPE AS 字段类型,
    c.CHARACTER_MAXIMUM_LENGTH AS 最大长度,
    c.IS_NULLABLE AS 是否为空,
    CASE WHEN tc.CONSTRAINT_TYPE = 'PRIMARY KEY' THEN 'YES' ELSE 'NO' END AS 是否主键,
    COLUMNPROPERTY(OBJECT_ID(c.TABLE_SCHEMA + '.' + c.TABLE_NAME), c.COLUMN_NAME, 'IsIdentity') AS 是否自增,
    c.COLUMN_DEFAULT AS 默认值
FROM 
    INFORMATION_SCHEMA.COLUMNS c
LEFT JOIN 
    INFORMATION_SCHEMA.KEY_COLUMN_USAGE kcu ON c.TABLE_NAME = kcu.TABLE_NAME AND c.COLUMN_NAME = kcu.COLUMN_NAME
LEFT JOIN 
    INFORMATION_SCHEMA.TABLE_CONSTRAINTS tc ON kcu.CONSTRAINT_NAME = tc.CONSTRAINT_NAME AND tc.CONSTRAINT_TYPE = 'PRIMARY KEY'
WHERE 
    c.TABLE_NAME = 'users'
ORDER BY 
    c.ORDINAL_POSITION;)";

const char16_t kOracleColumns[] =
    uR"(SELECT 
    c.column_name AS "字段名称",
    c.data_type AS "字段类型",
    c.data_length AS "最大长度",
    c.nullable AS "是否为空",
    c.data_default AS "默认值",
    CASE 
        WHEN EXISTS (
            SELECT 1 
            FROM all_cons_columns ucc
            JOIN all_constraints uc ON ucc.constraint_name = uc.constraint_name
            WHERE uc.table_name = c.table_name
                AND uc.owner = c.owner
                AND ucc.column_name = c.column_name
                AND uc.constraint_type = 'P'
        ) THEN '是'
        ELSE '否'
    END AS "是否主键"
FROM all_tab_columns c
WHERE c.table_name = UPPER('users')
    AND c.owner = UPPER('SCOTT') 
ORDER BY c.column_id)";

TEST(DatabaseStatementsTest, PlainNamesGiveTheStatementsAsWritten) {
    const struct {
        CWString actual;
        CWString expected;
    } cases[] = {
        {kMySqlListTables, u"SHOW TABLES;"},
        {kPostgreSqlListTables,
         u"SELECT table_name FROM information_schema.tables WHERE table_schema = 'public' AND table_type = 'BASE TABLE';"},
        {kSqlServerListTables, u"SELECT name AS table_name\nFROM sys.tables\nORDER BY name;"},
        {kSqliteListTables, u"SELECT name FROM sqlite_master WHERE type='table'"},
        {OracleListTablesStatement(u"SCOTT"),
         u"SELECT table_name FROM all_tables WHERE owner = 'SCOTT' ORDER BY table_name"},
        {MySqlTablesField(u"shop"), u"Tables_in_shop"},
        {PostgreSqlColumnsStatement(u"users"), WithCrLf(kPostgreSqlColumns)},
        {SqlServerColumnsStatement(u"users"), WithCrLf(kSqlServerColumns)},
        {OracleColumnsStatement(u"users", u"SCOTT"), WithCrLf(kOracleColumns)},
        // Identifiers are always quoted, so a reserved word is a name too.
        {MySqlColumnsStatement(u"users"), u"DESC `users`;"},
        {AccessEmptyQueryStatement(u"users"), u"select * from [users] where 1=0"},
        {SqliteColumnsStatement(u"users"), u"PRAGMA table_info(\"users\")"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected);
}

TEST(DatabaseStatementsTest, NamesCannotBreakOutOfTheirQuotes) {
    const struct {
        DatabaseKind kind;
        CWString name;
        CWString literal;
        CWString identifier;
    } cases[] = {
        {DatabaseKind::kMySql, u"it's `x`; drop", u"'it''s `x`; drop'", u"`it's ``x``; drop`"},
        {DatabaseKind::kSqlite, u"a \"b\" 'c'", u"'a \"b\" ''c'''", u"\"a \"\"b\"\" 'c'\""},
        {DatabaseKind::kAccess, u"Asset Items", u"'Asset Items'", u"[Asset Items]"},
        {DatabaseKind::kAccess, u"x]; drop table y", u"'x]; drop table y'", u""},
        // A backslash escapes under non-standard strings: the E form means the
        // same whatever the server's setting.
        {DatabaseKind::kPostgreSql, u"a\\'b", u"E'a\\\\''b'", u"\"a\\'b\""},
        {DatabaseKind::kPostgreSql, u"订单", u"'订单'", u"\"订单\""},
        {DatabaseKind::kSqlServer, u"订单's", u"N'订单''s'", u"\"订单's\""},
        {DatabaseKind::kOracle, u"O'Brien", u"'O''Brien'", u"\"O'Brien\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QuotedSqlText(c.kind, c.name), c.literal) << c.name.ToUtf8();
        EXPECT_EQ(QuotedSqlName(c.kind, c.name), c.identifier) << c.name.ToUtf8();
    }
    EXPECT_EQ(AccessEmptyQueryStatement(u"x]y"), u"");
    EXPECT_EQ(OracleListTablesStatement(u"A' OR 'X'='X"),
              u"SELECT table_name FROM all_tables WHERE owner = 'A'' OR ''X''=''X' ORDER BY table_name");
}

}  // namespace
