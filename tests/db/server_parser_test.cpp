// The parser against the throwaway MariaDB and PostgreSQL servers that ./test
// starts, on schemas full of awkward names and columns.
#include <gtest/gtest.h>

#include <algorithm>

#include "dbwrap/database_connect.h"
#include "support/column_records.h"
#include "support/db_servers.h"
#include "support/temp_program_dir.h"

using namespace rg_qelvane_app;
using rg_qelvane_windows_ShuJuKu::adStateOpen;

namespace {

rg_ShuJuKuBiaoJieGou Column(CWString name, CWString type, int key, int autoIncrement, int nullable,
                            CWString length = {}, CWString defaultValue = {}) {
    return {std::move(name), std::move(type), key, autoIncrement, nullable, std::move(length), std::move(defaultValue), {}};
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

    bool Connect(int kind, const CTestDbServer& server, const CWString& databaseName) {
        const DatabasePanelValues panel{server.host, CWString::FromUtf8(std::to_string(server.port)), databaseName,
                                        server.user, server.password, {}};
        ConnectDatabase({database, sqlite, parser}, kind, panel);
        return database.GetState() == adStateOpen;
    }
    void Run(const CWString& sql) { database.Execute(sql); }
    // Every listed table has its columns read, whatever its name.
    void ExpectEveryTableRead() {
        for (const CWString& table : parser.ListTables()) EXPECT_FALSE(parser.ReadColumns(table).empty()) << table.ToUtf8();
    }
};

TEST_F(ServerParserTest, MariaDbListsAndReadsTheAwkwardTablesWithNoSetupIni) {
    QEL_DB_SERVER(server, "MYSQL");
    const CWString name = UniqueTestDatabaseName("qel_parser");
    ASSERT_TRUE(Connect(kKindMySql, server, u"")) << "the default driver name must reach the MariaDB driver";
    Run(u"CREATE DATABASE `" + name + u"` CHARACTER SET utf8mb4");
    database.Close();
    ASSERT_TRUE(Connect(kKindMySql, server, name));
    for (const char16_t* sql : {
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
    EXPECT_EQ(parser.ReadColumns(u"it's a table"), (rg_ShuJuKuBiaoJieGouShuZu{
        Column(u"id", u"int", 1, 1, 0, u"10"), Column(u"my col", u"varchar", 0, 0, 0, u"20", u"x"),
        Column(u"note", u"text", 0, 0, 1)}));
    EXPECT_EQ(parser.ReadColumns(u"lines"), (rg_ShuJuKuBiaoJieGouShuZu{
        Column(u"a", u"int", 1, 0, 0, u"11"), Column(u"b", u"varchar", 1, 0, 0, u"10"),
        Column(u"price", u"decimal", 0, 0, 1, u"10,2")}));
    EXPECT_EQ(parser.ReadColumns(u"订单"), (rg_ShuJuKuBiaoJieGouShuZu{
        Column(u"名称", u"varchar", 0, 0, 1, u"40"), Column(u"select", u"enum", 0, 0, 1, u"'a','b'", u"a")}));
    ExpectEveryTableRead();
    EXPECT_EQ(parser.ListTables().size(), 5u) << "no name may have dropped a table";

    // A table dropped after the listing, and a closed connection, give nothing.
    Run(u"DROP TABLE `x; DROP TABLE lines; --`");
    EXPECT_TRUE(parser.ReadColumns(u"x; DROP TABLE lines; --").empty());
    Run(u"DROP DATABASE `" + name + u"`");
    EXPECT_TRUE(parser.ListTables().empty());
    // Connecting with no kind chosen closes the open connection.
    EXPECT_EQ(ConnectDatabase({database, sqlite, parser}, -1, {}), ConnectOutcome::kNothing);
    EXPECT_NE(database.GetState(), adStateOpen);
    EXPECT_TRUE(parser.ReadColumns(u"lines").empty());
}

TEST_F(ServerParserTest, PostgreSqlReadsSerialIdentityAndKeysOfPublicTablesOnly) {
    QEL_DB_SERVER(server, "PG");
    const CWString name = UniqueTestDatabaseName("qel_parser");
    dir.WriteBytes("setup.ini", "[Postgresql]\nDriver=PostgreSQL Unicode\n");
    ASSERT_TRUE(Connect(kKindPostgreSql, server, u"postgres"));
    Run(u"CREATE DATABASE " + name);
    database.Close();
    ASSERT_TRUE(Connect(kKindPostgreSql, server, name));
    for (const char16_t* sql : {
             u"CREATE TABLE \"it's a table\" (id serial PRIMARY KEY, \"my col\" varchar(20) NOT NULL DEFAULT 'x', note text)",
             u"CREATE TABLE ident (id int GENERATED ALWAYS AS IDENTITY, code char(3), PRIMARY KEY (id, code))",
             u"CREATE TABLE \"订单\" (\"名称\" varchar(40) DEFAULT NULL)",
             u"COMMENT ON COLUMN \"订单\".\"名称\" IS '名字'",
             u"CREATE TABLE \"back\\slash'\" (x int)",
             u"CREATE VIEW v AS SELECT id FROM ident",
             u"CREATE SCHEMA other",
             u"CREATE TABLE other.hidden (x int)",
         })
        Run(sql);
    EXPECT_EQ(Sorted(parser.ListTables()), Sorted({u"it's a table", u"ident", u"订单", u"back\\slash'"}));
    EXPECT_EQ(parser.ReadColumns(u"it's a table"), (rg_ShuJuKuBiaoJieGouShuZu{
        Column(u"id", u"integer", 1, 1, 0, u"", u"nextval('\"it''s a table_id_seq\"'::regclass)"),
        Column(u"my col", u"character varying", 0, 0, 0, u"20", u"'x'::character varying"),
        Column(u"note", u"text", 0, 0, 1)}));
    EXPECT_EQ(parser.ReadColumns(u"ident"), (rg_ShuJuKuBiaoJieGouShuZu{
        Column(u"id", u"integer", 1, 1, 0), Column(u"code", u"character", 1, 0, 0, u"3")}));
    EXPECT_EQ(parser.ReadColumns(u"订单"), (rg_ShuJuKuBiaoJieGouShuZu{Column(u"名称", u"character varying", 0, 0, 1, u"40", u"NULL::character varying")}));
    ExpectEveryTableRead();
    EXPECT_TRUE(parser.ReadColumns(u"hidden").empty());
    database.Close();
    ASSERT_TRUE(Connect(kKindPostgreSql, server, u"postgres"));
    Run(u"DROP DATABASE " + name);
}

}  // namespace
