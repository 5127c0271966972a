#include <gtest/gtest.h>

#include "support/headless_driver.h"
#include "support/silent_server.h"
#include "support/temp_program_dir.h"
#include "tools/dbwrap/database_connect.h"

using namespace rg_qelvane_app;

namespace {

TEST(ConnectRequestTest, PanelsAndSettingsGiveTheKindsConnectValues) {
    TempProgramDir dir;
    const DatabasePanelValues panel{u"10.0.0.5", u" -42x", u"shop", u"scott", u"p;w", u"C:\\db\\a;b.mdb"};
    auto server = [](DatabaseKind kind, const char16_t* driver, bool async, const char16_t* user = u"scott") {
        return AdoOpenRequest{kind, u"10.0.0.5", -42, u"shop", user, u"p;w", u"", driver, false, false, async};
    };
    auto sqlServer = [](bool encrypted, bool async) {
        return AdoOpenRequest{
            DatabaseKind::kSqlServer, u"10.0.0.5", -42, u"shop", u"scott", u"p;w", u"", u"", encrypted, false, async};
    };
    auto access = [](bool latestVersion) {
        return AdoOpenRequest{DatabaseKind::kAccess, u"", 0,     u"",           u"",  u"p;w",
                              u"C:\\db\\a;b.mdb",    u"", false, latestVersion, false};
    };
    const struct {
        std::string setupIni;  // "" writes no file at all
        DatabaseKind kind;
        AdoOpenRequest expected;
    } cases[] = {
        {"", DatabaseKind::kMySql, server(DatabaseKind::kMySql, u"MySQL ODBC 8.0 Unicode Driver", false)},
        {"[MYSQL]\ndriver=MariaDB Unicode\nasync=\n", DatabaseKind::kMySql,
         server(DatabaseKind::kMySql, u"MariaDB Unicode", true)},
        // No driver: the PostgreSQL OLE DB form.
        {"", DatabaseKind::kPostgreSql, server(DatabaseKind::kPostgreSql, u"", false)},
        {"[postgresql]\nDriver=PostgreSQL Unicode\nAsync=00\n", DatabaseKind::kPostgreSql,
         server(DatabaseKind::kPostgreSql, u"PostgreSQL Unicode", true)},
        {"", DatabaseKind::kOracle, server(DatabaseKind::kOracle, u"Oracle in OraClient11g_home1", false, u"SCOTT")},
        {"", DatabaseKind::kSqlServer, sqlServer(false, false)},
        // Encrypt picks the driver, Async only the way of opening.
        {"[Mssql]\nEncrypt=1\nAsync=1\n", DatabaseKind::kSqlServer, sqlServer(true, true)},
        {"[Mssql]\nAsync=1\n", DatabaseKind::kSqlServer, sqlServer(false, true)},
        {"[Access]\nIsLatestVersion=0\n", DatabaseKind::kAccess, access(false)},
        {"[Access]\nIsLatestVersion=yes\n[Mysql]\nAsync=1\n", DatabaseKind::kAccess, access(true)},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(dir / "setup.ini");
        if (!c.setupIni.empty()) dir.WriteBytes("setup.ini", c.setupIni);
        EXPECT_TRUE(AdoOpenRequestFor(c.kind, panel) == c.expected) << KindBoxIndex(c.kind) << " " << c.setupIni;
    }
}

TEST(ConnectRequestTest, OracleUpperCasesOnlyAsciiLettersOfTheUser) {
    TempProgramDir dir;
    DatabasePanelValues panel;
    panel.user = u"scött_1";
    EXPECT_EQ(AdoOpenRequestFor(DatabaseKind::kOracle, panel).user, u"SCöTT_1");
}

TEST(ConnectDatabaseTest, BindsTheParserForTheChosenKind) {
    TempProgramDir dir;
    // Nothing listens on port 1, so every open fails at once.
    const DatabasePanelValues panel{u"127.0.0.1", u"1",  u"shop",
                                    u"scott",     u"pw", CWString::FromUtf8((dir / "none.mdb").string())};
    const struct {
        DatabaseKind kind;
        CWString databaseName;
        CWString user;
    } cases[] = {
        {DatabaseKind::kMySql, u"shop", u""},   {DatabaseKind::kPostgreSql, u"shop", u""},
        {DatabaseKind::kOracle, u"", u"SCOTT"}, {DatabaseKind::kSqlServer, u"shop", u""},
        {DatabaseKind::kAccess, u"", u""},
    };
    for (const auto& c : cases) {
        rg_ShuJuKuLei database;
        rg_SQLiteShuJuKuLei sqlite;
        rg_ShuJuKuJieXiQi parser;
        EXPECT_EQ(ConnectDatabase({database, sqlite, parser}, c.kind, panel), ConnectOutcome::kAdoOpening);
        EXPECT_EQ(parser.kind, c.kind);
        EXPECT_EQ(parser.databaseName, c.databaseName);
        EXPECT_EQ(parser.user, c.user);
        EXPECT_TRUE(parser.sqliteDatabase.IsNullObject());
        EXPECT_TRUE(parser.ListTables().empty());
    }
}

TEST(ConnectDatabaseTest, ASecondConnectWhileOneRunsLeavesItAndTheParserAlone) {
    TempProgramDir dir;
    rg_qelvane_base::headless::UseHeadlessBackend();
    dir.WriteBytes("setup.ini", "[Mysql]\nAsync=1\n");
    auto silent = std::make_unique<CSilentServer>();
    const DatabasePanelValues panel{u"127.0.0.1", CWString::Format(u"%d", {silent->port}), u"shop", u"u", u"p", u""};
    rg_ShuJuKuLei database;
    rg_SQLiteShuJuKuLei sqlite;
    rg_ShuJuKuJieXiQi parser;
    std::vector<int> statuses;
    database.OnConnectComplete([&](rg_ShuJuKuLei&, int status) { statuses.push_back(status); });
    ASSERT_EQ(ConnectDatabase({database, sqlite, parser}, DatabaseKind::kMySql, panel), ConnectOutcome::kAdoOpening);
    const DatabasePanelValues other{u"127.0.0.1", u"1", u"crm",
                                    u"sa",        u"x", CWString::FromUtf8((dir / "other.db").string())};
    for (int index : {KindBoxIndex(DatabaseKind::kMySql), KindBoxIndex(DatabaseKind::kPostgreSql),
                      KindBoxIndex(DatabaseKind::kSqlite), -1}) {
        EXPECT_EQ(ConnectDatabase({database, sqlite, parser}, DatabaseKindAt(index), other), ConnectOutcome::kNothing)
            << index;
        EXPECT_EQ(parser.kind, DatabaseKind::kMySql) << index;
        EXPECT_EQ(parser.databaseName, u"shop") << index;
        EXPECT_EQ(database.GetState(), rg_qelvane_windows_ShuJuKu::adStateConnecting) << index;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "other.db"));
    silent.reset();  // the attempt fails now, and only it is heard of
    EXPECT_EQ(rg_qelvane_base::headless::WaitForPostedTasks(20000), 1);
    EXPECT_EQ(statuses, std::vector<int>{rg_qelvane_windows_ShuJuKu::adStatusErrorsOccurred});
}

}  // namespace
