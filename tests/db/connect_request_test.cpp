#include <gtest/gtest.h>

#include "dbwrap/database_connect.h"
#include "support/temp_program_dir.h"

using namespace rg_qelvane_app;

namespace {

TEST(ConnectRequestTest, PanelsAndSettingsGiveTheConnectionStringsCharacterForCharacter) {
    TempProgramDir dir;
    DatabasePanelValues panel{u"10.0.0.5", u" -42x", u"shop", u"scott", u"p;w", u"C:\\db\\a;b.mdb"};
    const struct {
        std::string setupIni;  // "" writes no file at all
        int kind;
        AdoOpenRequest expected;
    } cases[] = {
        {"", kKindMySql,
         {u"Provider=MSDASQL; DRIVER=MySQL ODBC 8.0 Unicode Driver; SERVER=10.0.0.5; PORT=-42; DATABASE=shop;", u"scott",
          u"p;w", false}},
        {"[MYSQL]\ndriver=MariaDB Unicode\nasync=\n", kKindMySql,
         {u"Provider=MSDASQL; DRIVER=MariaDB Unicode; SERVER=10.0.0.5; PORT=-42; DATABASE=shop;", u"scott", u"p;w", true}},
        // With no driver the port is not used at all.
        {"", kKindPostgreSql,
         {u"Provider=PostgreSQL OLE DB; Data Source=10.0.0.5; location=shop;", u"scott", u"p;w", false}},
        {"[postgresql]\nDriver=PostgreSQL Unicode\nAsync=00\n", kKindPostgreSql,
         {u"Provider=MSDASQL; DRIVER=PostgreSQL Unicode; SERVER=10.0.0.5; PORT=-42; DATABASE=shop;", u"scott", u"p;w",
          true}},
        {"", kKindOracle,
         {u"Provider=OraOLEDB.Oracle.1; DRIVER=Oracle in OraClient11g_home1; SERVER=10.0.0.5", u"SCOTT", u"p;w", false}},
        {"", kKindSqlServer, {u"DRIVER=SQL Server; SERVER=10.0.0.5; DATABASE=shop;", u"scott", u"p;w", false}},
        // Encrypt picks the driver, Async only the way of opening.
        {"[Mssql]\nEncrypt=1\nAsync=1\n", kKindSqlServer,
         {u"DRIVER=ODBC Driver 17 for SQL Server; SERVER=10.0.0.5; DATABASE=shop; Encrypt=yes; TrustServerCertificate=yes",
          u"scott", u"p;w", true}},
        {"[Mssql]\nAsync=1\n", kKindSqlServer,
         {u"DRIVER=SQL Server; SERVER=10.0.0.5; DATABASE=shop;", u"scott", u"p;w", true}},
        {"[Access]\nIsLatestVersion=0\n", kKindAccess,
         {u"Provider=Microsoft.Jet.OLEDB.4.0; Data Source=C:\\db\\a;b.mdb;Jet OLEDB:Database Password=p;w", u"", u"",
          false}},
        {"[Access]\nIsLatestVersion=yes\n[Mysql]\nAsync=1\n", kKindAccess,
         {u"Provider=Microsoft.ACE.OLEDB.12.0; Data Source=C:\\db\\a;b.mdb;Jet OLEDB:Database Password=p;w", u"", u"",
          false}},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(dir / "setup.ini");
        if (!c.setupIni.empty()) dir.WriteBytes("setup.ini", c.setupIni);
        const AdoOpenRequest request = AdoOpenRequestFor(c.kind, panel);
        EXPECT_EQ(request.connection, c.expected.connection) << c.setupIni;
        EXPECT_EQ(request.user, c.expected.user) << c.setupIni;
        EXPECT_EQ(request.password, c.expected.password) << c.setupIni;
        EXPECT_EQ(request.async, c.expected.async) << c.setupIni;
    }
}

TEST(ConnectRequestTest, OracleUpperCasesOnlyAsciiLettersOfTheUser) {
    TempProgramDir dir;
    DatabasePanelValues panel;
    panel.user = u"scött_1";
    EXPECT_EQ(AdoOpenRequestFor(kKindOracle, panel).user, u"SCöTT_1");
}


TEST(ConnectDatabaseTest, BindsTheParserForTheChosenKind) {
    TempProgramDir dir;
    // Nothing listens on port 1, so every open fails at once.
    const DatabasePanelValues panel{u"127.0.0.1", u"1", u"shop", u"scott", u"pw", CWString::FromUtf8((dir / "none.mdb").string())};
    const struct {
        int kind;
        CWString databaseName;
        CWString user;
    } cases[] = {
        {kKindMySql, u"shop", u""}, {kKindPostgreSql, u"shop", u""}, {kKindOracle, u"", u"SCOTT"},
        {kKindSqlServer, u"shop", u""}, {kKindAccess, u"", u""},
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

}  // namespace
