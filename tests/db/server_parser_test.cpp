// The parser against the throwaway MariaDB and PostgreSQL servers that ./test
// starts, on schemas full of awkward names and columns.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/column_records.h"
#include "support/db_servers.h"
#include "support/temp_program_dir.h"
#include "tools/dbwrap/database_connect.h"
#include "tools/dbwrap/database_statements.h"
#include "tools/dbwrap/record_rows.h"

using namespace rg_qelvane_app;
using rg_qelvane_windows_ShuJuKu::adStateOpen;

namespace {

rg_ShuJuKuBiaoJieGou Column(CWString name, CWString type, bool key, bool autoIncrement, bool nullable,
                            CWString length = {}, CWString defaultValue = {}) {
    return {std::move(name),   std::move(type),         key, autoIncrement, nullable,
            std::move(length), std::move(defaultValue), {}};
}

rg_WenBenShuZuLei Sorted(rg_WenBenShuZuLei names) {
    std::sort(names.begin(), names.end());
    return names;
}

class ServerParserTest : public ::testing::Test {
protected:
    TempProgramDir dir;
    rg_ShuJuKuLei database;
    rg_SQLiteShuJuKuLei sqlite;
    rg_ShuJuKuJieXiQi parser;

    bool Connect(DatabaseKind kind, const CTestDbServer& server, const CWString& databaseName) {
        const DatabasePanelValues panel{server.host,     CWString::FromUtf8(std::to_string(server.port)),
                                        databaseName,    server.user,
                                        server.password, {}};
        ConnectDatabase({database, sqlite, parser}, kind, panel);
        return database.GetState() == adStateOpen;
    }
    void Run(const CWString& sql) { database.Execute(sql); }
    void RunAll(std::initializer_list<const char16_t*> statements) {
        for (const char16_t* sql : statements) Run(sql);
    }
    // A new, empty PostgreSQL database, connected.
    bool ConnectNewPostgreSql(const CTestDbServer& server, const CWString& name) {
        dir.WriteBytes("setup.ini", "[Postgresql]\nDriver=PostgreSQL Unicode\n");
        if (!Connect(DatabaseKind::kPostgreSql, server, u"postgres")) return false;
        Run(u"CREATE DATABASE " + name);
        database.Close();
        return Connect(DatabaseKind::kPostgreSql, server, name);
    }
    void DropPostgreSql(const CTestDbServer& server, const CWString& name) {
        database.Close();
        if (Connect(DatabaseKind::kPostgreSql, server, u"postgres")) Run(u"DROP DATABASE " + name);
    }
    // Every listed table has its columns read, whatever its name.
    void ExpectEveryTableRead() {
        for (const CWString& table : parser.ListTables())
            EXPECT_NE(parser.ReadColumns(table).value_or(rg_ShuJuKuBiaoJieGouShuZu{}), rg_ShuJuKuBiaoJieGouShuZu{})
                << table.ToUtf8();
    }
};

TEST_F(ServerParserTest, MariaDbListsAndReadsTheAwkwardTablesWithNoSetupIni) {
    QEL_DB_SERVER(server, "MYSQL");
    const CWString name = UniqueTestDatabaseName("qel_parser");
    ASSERT_TRUE(Connect(DatabaseKind::kMySql, server, u"")) << "the default driver name must reach the MariaDB driver";
    Run(u"CREATE DATABASE `" + name + u"` CHARACTER SET utf8mb4");
    database.Close();
    ASSERT_TRUE(Connect(DatabaseKind::kMySql, server, name));
    for (
        const char16_t* sql : {
            u"CREATE TABLE `it's a table` (id INT UNSIGNED AUTO_INCREMENT PRIMARY KEY, `my col` VARCHAR(20) NOT NULL "
            u"DEFAULT 'x', note TEXT NULL) COMMENT 'c'",
            u"CREATE TABLE `lines` (a INT, b VARCHAR(10), price DECIMAL(10,2) DEFAULT NULL, PRIMARY KEY (a, b))",
            u"CREATE TABLE `订单` (`名称` VARCHAR(40) COMMENT '名字', `select` ENUM('a','b') DEFAULT 'a', UNIQUE (`名称`))",
            u"CREATE TABLE `x; DROP TABLE lines; --` (`a``b` INT)",
            u"CREATE VIEW `v` AS SELECT a FROM `lines`",
        })
        Run(sql);
    EXPECT_EQ(Sorted(parser.ListTables()),
              Sorted({u"it's a table", u"lines", u"订单", u"x; DROP TABLE lines; --", u"v"}));
    EXPECT_EQ(parser.ReadColumns(u"it's a table"),
              (rg_ShuJuKuBiaoJieGouShuZu{Column(u"id", u"int", 1, 1, 0, u"10"),
                                         Column(u"my col", u"varchar", 0, 0, 0, u"20", u"x"),
                                         Column(u"note", u"text", 0, 0, 1)}));
    EXPECT_EQ(parser.ReadColumns(u"lines"),
              (rg_ShuJuKuBiaoJieGouShuZu{Column(u"a", u"int", 1, 0, 0, u"11"), Column(u"b", u"varchar", 1, 0, 0, u"10"),
                                         Column(u"price", u"decimal", 0, 0, 1, u"10,2")}));
    EXPECT_EQ(parser.ReadColumns(u"订单"),
              (rg_ShuJuKuBiaoJieGouShuZu{Column(u"名称", u"varchar", 0, 0, 1, u"40"),
                                         Column(u"select", u"enum", 0, 0, 1, u"'a','b'", u"a")}));
    ExpectEveryTableRead();
    EXPECT_EQ(parser.ListTables().size(), 5u) << "no name may have dropped a table";

    // A table dropped after the listing, and a closed connection, give nothing.
    Run(u"DROP TABLE `x; DROP TABLE lines; --`");
    EXPECT_EQ(parser.ReadColumns(u"x; DROP TABLE lines; --"), std::nullopt);
    Run(u"DROP DATABASE `" + name + u"`");
    EXPECT_TRUE(parser.ListTables().empty());
    // Connecting with no kind chosen closes the open connection.
    EXPECT_EQ(ConnectDatabase({database, sqlite, parser}, DatabaseKindAt(-1), {}), ConnectOutcome::kNothing);
    EXPECT_NE(database.GetState(), adStateOpen);
    EXPECT_EQ(parser.ReadColumns(u"lines"), std::nullopt);
}

TEST_F(ServerParserTest, PostgreSqlReadsSerialIdentityAndKeysOfPublicTablesOnly) {
    QEL_DB_SERVER(server, "PG");
    const CWString name = UniqueTestDatabaseName("qel_parser");
    ASSERT_TRUE(ConnectNewPostgreSql(server, name));
    RunAll({
        u"CREATE TABLE \"it's a table\" (id serial PRIMARY KEY, \"my col\" varchar(20) NOT NULL DEFAULT 'x', note text)",
        u"CREATE TABLE ident (id int GENERATED ALWAYS AS IDENTITY, code char(3), PRIMARY KEY (id, code))",
        u"CREATE TABLE \"订单\" (\"名称\" varchar(40) DEFAULT NULL)",
        u"COMMENT ON COLUMN \"订单\".\"名称\" IS '名字'",
        u"CREATE TABLE \"back\\slash'\" (x int)",
        u"CREATE VIEW v AS SELECT id FROM ident",
        u"CREATE SCHEMA other",
        u"CREATE TABLE other.hidden (x int)",
    });
    EXPECT_EQ(Sorted(parser.ListTables()), Sorted({u"it's a table", u"ident", u"订单", u"back\\slash'"}));
    EXPECT_EQ(parser.ReadColumns(u"it's a table"),
              (rg_ShuJuKuBiaoJieGouShuZu{
                  Column(u"id", u"integer", 1, 1, 0, u"", u"nextval('\"it''s a table_id_seq\"'::regclass)"),
                  Column(u"my col", u"character varying", 0, 0, 0, u"20", u"'x'::character varying"),
                  Column(u"note", u"text", 0, 0, 1)}));
    EXPECT_EQ(parser.ReadColumns(u"ident"), (rg_ShuJuKuBiaoJieGouShuZu{Column(u"id", u"integer", 1, 1, 0),
                                                                       Column(u"code", u"character", 1, 0, 0, u"3")}));
    EXPECT_EQ(
        parser.ReadColumns(u"订单"),
        (rg_ShuJuKuBiaoJieGouShuZu{Column(u"名称", u"character varying", 0, 0, 1, u"40", u"NULL::character varying")}));
    ExpectEveryTableRead();
    EXPECT_EQ(parser.ReadColumns(u"hidden"), rg_ShuJuKuBiaoJieGouShuZu{});
    DropPostgreSql(server, name);
}

// The columns of a public table as information_schema.columns gives them, with
// the key taken from that table's own primary key.
CWString InformationSchemaColumns(const CWString& table) {
    return u"SELECT c.column_name AS \"字段名称\", c.data_type AS \"字段类型\", "
           u"c.character_maximum_length AS \"最大长度\", c.is_nullable AS \"是否为空\", c.column_default AS \"默认值\", "
           u"CASE WHEN EXISTS (SELECT 1 FROM information_schema.table_constraints tc "
           u"JOIN information_schema.key_column_usage ku ON ku.constraint_schema = tc.constraint_schema "
           u"AND ku.constraint_name = tc.constraint_name AND ku.table_name = tc.table_name "
           u"WHERE tc.constraint_type = 'PRIMARY KEY' AND tc.table_schema = c.table_schema "
           u"AND tc.table_name = c.table_name AND ku.column_name = c.column_name) THEN '是' ELSE '否' END AS \"是否主键\", "
           u"CASE WHEN c.column_default LIKE 'nextval(%' OR c.is_identity = 'YES' THEN '是' ELSE '否' END AS \"是否自增\" "
           u"FROM information_schema.columns c WHERE c.table_schema = 'public' AND c.table_name = " +
           QuotedSqlText(DatabaseKind::kPostgreSql, table) + u" ORDER BY c.ordinal_position";
}

TEST_F(ServerParserTest, PostgreSqlColumnsReadAsInformationSchemaGivesThemWithTheTablesOwnKey) {
    QEL_DB_SERVER(server, "PG");
    const CWString name = UniqueTestDatabaseName("qel_parser");
    ASSERT_TRUE(ConnectNewPostgreSql(server, name));
    RunAll({
        u"CREATE SCHEMA other",
        u"CREATE TYPE mood AS ENUM ('a', 'b')",
        u"CREATE TYPE other.colour AS ENUM ('r', 'g')",
        u"CREATE DOMAIN positive AS integer NOT NULL CHECK (VALUE > 0)",
        u"CREATE DOMAIN small_positive AS positive",
        u"CREATE DOMAIN short_name AS varchar(12)",
        u"CREATE TABLE awkward (id serial PRIMARY KEY, sized varchar(30), unsized varchar, money numeric(10,2), "
        u"numbers int[], names varchar(5)[], pos positive, small small_positive, short short_name, feeling mood, "
        u"colour other.colour, stamp timestamptz DEFAULT now(), always int GENERATED ALWAYS AS IDENTITY, "
        u"by_default bigint GENERATED BY DEFAULT AS IDENTITY, twice int GENERATED ALWAYS AS (id * 2) STORED, "
        u"quoted text DEFAULT 'it''s \"q\"', code char(4), gone int, body text NOT NULL, raw bytea, flags bit(3), big bigserial)",
        u"ALTER TABLE awkward DROP COLUMN gone",
        // Same names in two schemas: only the public table counts.
        u"CREATE TABLE t (id int, note text)",
        u"CREATE TABLE other.t (id int PRIMARY KEY, note text)",
        u"CREATE TABLE u (id int CONSTRAINT u_pkey PRIMARY KEY, note text)",
        u"CREATE TABLE other.u (id int CONSTRAINT u_pkey PRIMARY KEY, note text)",
        // A foreign key named like another table's primary key.
        u"CREATE TABLE parent (id int CONSTRAINT shared PRIMARY KEY)",
        u"CREATE TABLE child (no int, parent_id int CONSTRAINT shared REFERENCES parent (id))",
    });
    const auto tables = parser.ListTables();
    ASSERT_EQ(tables.size(), 5u);
    for (const CWString& table : tables) {
        auto reference = database.Execute(InformationSchemaColumns(table));
        EXPECT_EQ(parser.ReadColumns(table), PostgreSqlColumnsFromRows(reference)) << table.ToUtf8();
    }

    const auto awkward = parser.ReadColumns(u"awkward").value_or(rg_ShuJuKuBiaoJieGouShuZu{});
    ASSERT_EQ(awkward.size(), 21u) << "the dropped column is gone";
    EXPECT_EQ(awkward[4], Column(u"numbers", u"ARRAY", 0, 0, 1));
    EXPECT_EQ(awkward[7], Column(u"small", u"USER-DEFINED", 0, 0, 1));
    EXPECT_EQ(awkward[8], Column(u"short", u"character varying", 0, 0, 1, u"12"));
    EXPECT_EQ(awkward[10], Column(u"colour", u"USER-DEFINED", 0, 0, 1));
    EXPECT_EQ(awkward[14], Column(u"twice", u"integer", 0, 0, 1)) << "a generated column has no default";
    EXPECT_EQ(awkward[15], Column(u"quoted", u"text", 0, 0, 1, u"", u"'it''s \"q\"'::text"));
    const struct {
        const char16_t* table;
        rg_ShuJuKuBiaoJieGouShuZu columns;
    } keyed[] = {
        {u"t", {Column(u"id", u"integer", 0, 0, 1), Column(u"note", u"text", 0, 0, 1)}},
        {u"u", {Column(u"id", u"integer", 1, 0, 0), Column(u"note", u"text", 0, 0, 1)}},
        {u"child", {Column(u"no", u"integer", 0, 0, 1), Column(u"parent_id", u"integer", 0, 0, 1)}},
    };
    for (const auto& k : keyed) EXPECT_EQ(parser.ReadColumns(k.table), k.columns) << CWString(k.table).ToUtf8();

    // A user who may only read one column of someone else's table sees that
    // column alone, and still sees that it is the key.
    Run(u"CREATE ROLE " + name);
    Run(u"GRANT SELECT (id) ON u TO " + name);
    Run(u"SET ROLE " + name);
    EXPECT_EQ(parser.ReadColumns(u"u"), (rg_ShuJuKuBiaoJieGouShuZu{Column(u"id", u"integer", 1, 0, 0)}));
    Run(u"RESET ROLE");
    Run(u"DROP OWNED BY " + name);
    Run(u"DROP ROLE " + name);
    DropPostgreSql(server, name);
}

}  // namespace
