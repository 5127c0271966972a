#include <gtest/gtest.h>

#include "support/column_records.h"
#include "support/temp_program_dir.h"
#include "tools/dbwrap/database_connect.h"

using namespace rg_qelvane_app;

namespace {

class SqliteParserTest : public ::testing::Test {
protected:
    TempProgramDir dir;
    rg_ShuJuKuLei database;
    rg_SQLiteShuJuKuLei sqlite;
    rg_ShuJuKuJieXiQi parser;

    ConnectOutcome Connect(const std::string& file) {
        DatabasePanelValues panel;
        panel.filePath = CWString::FromUtf8((dir / file).string());
        return ConnectDatabase({database, sqlite, parser}, DatabaseKind::kSqlite, panel);
    }
    void Run(std::u16string_view sql) { ASSERT_EQ(sqlite.Query(CWString(sql)).Step(), 101) << CWString(sql).ToUtf8(); }
    rg_ShuJuKuBiaoJieGou Column(CWString name, CWString type, bool key, bool nullable, CWString length = {},
                                CWString defaultValue = {}) {
        return {std::move(name), std::move(type), key, false, nullable, std::move(length), std::move(defaultValue), {}};
    }
};

TEST_F(SqliteParserTest, ReadsTheAwkwardTablesAndSkipsViewsAndInternalTables) {
    ASSERT_EQ(Connect("awkward.db"), ConnectOutcome::kSqliteOpened);
    Run(u"CREATE TABLE \"it's a \"\"table\"\"\" (id INTEGER PRIMARY KEY AUTOINCREMENT, \"my col\" varchar(20) NOT NULL DEFAULT 'x')");
    Run(u"CREATE TABLE lines (a INTEGER, b TEXT, note decimal(10,2) DEFAULT NULL, PRIMARY KEY (b, a))");
    Run(u"CREATE TABLE 订单 (名称 nvarchar(40), \"a) ; DROP TABLE lines; --\" int)");
    Run(u"CREATE VIEW v AS SELECT a FROM lines");
    EXPECT_EQ(parser.ListTables(), (rg_WenBenShuZuLei{u"it's a \"table\"", u"lines", u"订单"}));

    // An integer primary key is a key but never marked auto-increment.
    EXPECT_EQ(parser.ReadColumns(u"it's a \"table\""),
              (rg_ShuJuKuBiaoJieGouShuZu{Column(u"id", u"INTEGER", 1, 1),
                                         Column(u"my col", u"varchar", 0, 0, u"20", u"'x'")}));
    // Of a two-column key only the column listed first in the key is marked.
    EXPECT_EQ(parser.ReadColumns(u"lines"),
              (rg_ShuJuKuBiaoJieGouShuZu{Column(u"a", u"INTEGER", 0, 1), Column(u"b", u"TEXT", 1, 1),
                                         Column(u"note", u"decimal", 0, 1, u"10,2", u"NULL")}));
    EXPECT_EQ(parser.ReadColumns(u"订单"),
              (rg_ShuJuKuBiaoJieGouShuZu{Column(u"名称", u"nvarchar", 0, 1, u"40"),
                                         Column(u"a) ; DROP TABLE lines; --", u"INT", 0, 1)}));
    EXPECT_EQ(parser.ReadColumns(u"missing"), rg_ShuJuKuBiaoJieGouShuZu{});
    EXPECT_EQ(parser.ReadColumns(u"lines); DROP TABLE lines; --"), rg_ShuJuKuBiaoJieGouShuZu{});
    EXPECT_EQ(parser.ReadColumns(u"lines").value_or(rg_ShuJuKuBiaoJieGouShuZu{}).size(), 3u);
}

// A read the file refuses is no table without columns; a table without rows still has its columns.
TEST_F(SqliteParserTest, AFileLockedByAnotherConnectionFailsTheRead) {
    ASSERT_EQ(Connect("locked.db"), ConnectOutcome::kSqliteOpened);
    Run(u"CREATE TABLE t (x int)");
    const rg_ShuJuKuBiaoJieGouShuZu columns{Column(u"x", u"INT", 0, 1)};
    EXPECT_EQ(parser.ReadColumns(u"t"), columns);
    rg_SQLiteShuJuKuLei other;
    ASSERT_TRUE(other.Open(CWString::FromUtf8((dir / "locked.db").string())));
    ASSERT_EQ(other.Query(u"BEGIN EXCLUSIVE").Step(), 101);
    EXPECT_EQ(parser.ReadColumns(u"t"), std::nullopt);
    ASSERT_EQ(other.Query(u"COMMIT").Step(), 101);
    EXPECT_EQ(parser.ReadColumns(u"t"), columns);
}

TEST_F(SqliteParserTest, ConnectCreatesAMissingFileAndBindsOnlySqlite) {
    DatabasePanelValues panel;
    panel.filePath = CWString::FromUtf8((dir / "new.db").string());
    panel.database = u"ignored";
    panel.user = u"ignored";
    ASSERT_EQ(ConnectDatabase({database, sqlite, parser}, DatabaseKind::kSqlite, panel), ConnectOutcome::kSqliteOpened);
    EXPECT_TRUE(std::filesystem::exists(dir / "new.db"));
    EXPECT_EQ(parser.kind, DatabaseKind::kSqlite);
    EXPECT_EQ(parser.databaseName, u"");
    EXPECT_EQ(parser.user, u"");
    EXPECT_TRUE(parser.ListTables().empty());

    // A failed open keeps the handle that was open.
    Run(u"CREATE TABLE kept (x)");
    EXPECT_EQ(Connect("no such folder/x.db"), ConnectOutcome::kSqliteFailed);
    EXPECT_EQ(parser.ListTables(), (rg_WenBenShuZuLei{u"kept"}));
}

TEST_F(SqliteParserTest, NoKindSelectedOrAClosedHandleGiveNothing) {
    EXPECT_EQ(ConnectDatabase({database, sqlite, parser}, DatabaseKindAt(-1), {}), ConnectOutcome::kNothing);
    EXPECT_EQ(ConnectDatabase({database, sqlite, parser}, DatabaseKindAt(6), {}), ConnectOutcome::kNothing);
    ASSERT_EQ(Connect("x.db"), ConnectOutcome::kSqliteOpened);
    Run(u"CREATE TABLE t (x)");
    sqlite.Close();
    EXPECT_TRUE(parser.ListTables().empty());
    EXPECT_EQ(parser.ReadColumns(u"t"), std::nullopt);
}

}  // namespace
