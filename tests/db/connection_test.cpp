#include <gtest/gtest.h>

#include "platform/db/connection.h"
#include "support/db_servers.h"
#include "support/headless_driver.h"
#include "support/silent_server.h"

using namespace rg_qelvane_windows_ShuJuKu;
using rg_qelvane_base::headless::UseHeadlessBackend;
using rg_qelvane_base::headless::WaitForPostedTasks;

namespace {

struct Events {
    std::vector<int> statuses;
    int disconnects = 0;
};

void Listen(rg_ShuJuKuLei& database, Events& events) {
    database.OnConnectComplete([&events](rg_ShuJuKuLei&, int status) { events.statuses.push_back(status); });
    database.OnDisconnect([&events](rg_ShuJuKuLei&) { ++events.disconnects; });
}

CWString Text(const rg_JiLuJiLei& rows, std::u16string_view field) {
    return CQelComVariant::ToText(rows.GetFieldValue(field));
}

// Every row of a record set as "field=value" texts of the named fields.
std::vector<CWString> Rows(rg_JiLuJiLei rows, std::initializer_list<std::u16string_view> fields) {
    std::vector<CWString> out;
    for (int i = 0; i < rows.GetRecordCount(); ++i, rows.MoveNext()) {
        CWString line;
        for (auto field : fields) {
            if (field != *fields.begin()) line += u' ';
            line += Text(rows, field);
        }
        out.push_back(line);
    }
    return out;
}

// Only the rows whose TABLE_NAME is `table`.
std::vector<CWString> RowsOf(rg_JiLuJiLei rows, const CWString& table,
                             std::initializer_list<std::u16string_view> fields) {
    std::vector<CWString> out;
    for (const CWString& line : Rows(rows, fields))
        if (line.starts_with(table + u" ")) out.push_back(line.substr(table.size() + 1));
    return out;
}

bool OpenMySql(rg_ShuJuKuLei& database, const CTestDbServer& server, bool async = false) {
    return database.ConnectMySql(server.host, u"", server.user, server.password, server.port,
                                 u"MySQL ODBC 8.0 Unicode Driver", async);
}

}  // namespace

TEST(DbConnection, ASilentServerIsGivenUpAfterTheLoginTimeout) {
    UseHeadlessBackend();
    CSilentServer silent;
    rg_ShuJuKuLei database;
    Events events;
    Listen(database, events);
    // Told nothing, the MariaDB driver would wait for the server's greeting for ever.
    EXPECT_FALSE(OpenMySql(database, {u"127.0.0.1", silent.port, u"u", u"p"}));
    EXPECT_EQ(events.statuses, std::vector<int>{adStatusErrorsOccurred});
    EXPECT_EQ(database.GetState(), adStateClosed);
}

TEST(DbConnection, MySqlDefaultDriverOpensSynchronouslyAndReadsWholeResults) {
    QEL_DB_SERVER(mysql, "MYSQL");
    UseHeadlessBackend();
    rg_ShuJuKuLei database;
    Events events;
    Listen(database, events);
    ASSERT_TRUE(OpenMySql(database, mysql));
    EXPECT_EQ(events.statuses, std::vector<int>{adStatusOK});  // raised before the open returned
    EXPECT_EQ(database.GetState(), adStateOpen);
    const CWString name = UniqueTestDatabaseName("access_rows");
    database.Execute(u"CREATE DATABASE " + name);
    database.Execute(u"CREATE TABLE " + name + u".t (名字 VARCHAR(20), flag BIT, n INT)");
    database.Execute(u"INSERT INTO " + name + u".t VALUES ('一', 1, 5), (NULL, NULL, NULL), ('三', 0, -2)");
    auto rows = database.Execute(u"SELECT * FROM " + name + u".t");
    EXPECT_EQ(rows.GetRecordCount(), 3);
    EXPECT_EQ(Rows(rows, {u"名字", u"FLAG", u"N"}), (std::vector<CWString>{u"一 -1 5", u"  ", u"三 0 -2"}));
    database.Execute(u"DROP DATABASE " + name);

    rg_ShuJuKuLei copy = database;  // shares the connection and its handlers
    EXPECT_EQ(copy.GetState(), adStateOpen);
    copy.Close();
    EXPECT_EQ(events.disconnects, 1);
    EXPECT_EQ(database.GetState(), adStateClosed);
    EXPECT_EQ(database.Execute(u"SELECT 1").GetRecordCount(), 0);
    database.Close();  // closed already: no second event
    EXPECT_EQ(events.disconnects, 1);
}

TEST(DbConnection, AsynchronousOpenCompletesOnTheUiThreadAndCloseCancelsIt) {
    QEL_DB_SERVER(mysql, "MYSQL");
    UseHeadlessBackend();
    rg_ShuJuKuLei database;
    Events events;
    Listen(database, events);
    ASSERT_TRUE(OpenMySql(database, mysql, true));
    EXPECT_EQ(database.GetState(), adStateConnecting);
    EXPECT_FALSE(OpenMySql(database, mysql, true));  // not closed: refused without an event
    EXPECT_TRUE(events.statuses.empty());
    EXPECT_EQ(WaitForPostedTasks(20000), 1);
    EXPECT_EQ(events.statuses, std::vector<int>{adStatusOK});
    EXPECT_EQ(database.GetState(), adStateOpen);
    database.Close();

    ASSERT_TRUE(OpenMySql(database, mysql, true));
    database.Close();  // reported at once; the attempt's own end is not
    EXPECT_EQ(database.GetState(), adStateClosed);
    EXPECT_EQ(events.statuses, (std::vector<int>{adStatusOK, adStatusCancel}));
    WaitForPostedTasks(20000);
    EXPECT_EQ(events.statuses, (std::vector<int>{adStatusOK, adStatusCancel}));
    EXPECT_EQ(database.GetState(), adStateClosed);
    EXPECT_EQ(events.disconnects, 1);
}

TEST(DbConnection, FailedOpensReportStatusTwoAndLeaveNothingOpen) {
    QEL_DB_SERVER(mysql, "MYSQL");
    UseHeadlessBackend();
    const auto port = CWString::FromUtf8(std::to_string(mysql.port));
    struct Case {
        const char* what;
        std::function<bool(rg_ShuJuKuLei&)> open;
    };
    const Case cases[] = {
        {"wrong password",
         [&](rg_ShuJuKuLei& d) {
             return d.ConnectMySql(mysql.host, u"", mysql.user, u"wrong", mysql.port, u"MySQL ODBC 8.0 Unicode Driver",
                                   false);
         }},
        {"no Oracle driver here",
         [&](rg_ShuJuKuLei& d) {
             return d.ConnectOracle(u"ora", u"SCOTT", u"t", u"Oracle in OraClient11g_home1", false);
         }},
        {"nobody listens",
         [&](rg_ShuJuKuLei& d) { return d.ConnectSqlServer(u"127.0.0.1,1", u"db", u"sa", u"x", false, false); }},
        {"no such file", [&](rg_ShuJuKuLei& d) { return d.ConnectAccess(u"/nonexistent/x.mdb", u"", false); }},
    };
    for (const Case& c : cases) {
        rg_ShuJuKuLei database;
        Events events;
        Listen(database, events);
        EXPECT_FALSE(c.open(database)) << c.what;
        EXPECT_EQ(events.statuses, std::vector<int>{adStatusErrorsOccurred}) << c.what;
        EXPECT_EQ(database.GetState(), adStateClosed) << c.what;
        EXPECT_EQ(database.OpenSchema(adSchemaTables).GetRecordCount(), 0) << c.what;
    }
}

TEST(DbConnection, ALostConnectionGivesEmptyResults) {
    QEL_DB_SERVER(mysql, "MYSQL");
    UseHeadlessBackend();
    rg_ShuJuKuLei victim, killer;
    ASSERT_TRUE(OpenMySql(victim, mysql));
    ASSERT_TRUE(OpenMySql(killer, mysql));
    const CWString id = Text(victim.Execute(u"SELECT CONNECTION_ID() AS id"), u"id");
    killer.Execute(u"KILL " + id);
    EXPECT_EQ(victim.Execute(u"SELECT 1").GetRecordCount(), 0);
    EXPECT_EQ(victim.OpenSchema(adSchemaColumns).GetRecordCount(), 0);
    EXPECT_EQ(victim.GetState(), adStateOpen);  // it stays open until closed
}

TEST(DbConnection, PostgreSqlOleDbFormGivesAdoSchemas) {
    QEL_DB_SERVER(pg, "PG");
    UseHeadlessBackend();
    rg_ShuJuKuLei database;
    ASSERT_TRUE(database.ConnectPostgreSql(pg.host + u":" + CWString::FromUtf8(std::to_string(pg.port)), u"postgres",
                                           pg.user, pg.password, 0, u"", false));
    const CWString table = UniqueTestDatabaseName("schemas");
    database.Execute(u"CREATE TABLE " + table +
                     u" (a INT, b VARCHAR(20), c TEXT NOT NULL DEFAULT 'x', PRIMARY KEY (b, a))");
    EXPECT_EQ(RowsOf(database.OpenSchema(adSchemaTables), table, {u"TABLE_NAME", u"TABLE_TYPE"}),
              std::vector<CWString>{u"TABLE"});
    EXPECT_EQ(RowsOf(database.OpenSchema(adSchemaColumns), table,
                     {u"TABLE_NAME", u"COLUMN_NAME", u"DATA_TYPE", u"IS_NULLABLE", u"CHARACTER_MAXIMUM_LENGTH"}),
              (std::vector<CWString>{u"a 3 0 ", u"b 202 0 20", u"c 203 0 8190"}));
    EXPECT_EQ(RowsOf(database.OpenSchema(adSchemaPrimaryKeys), table, {u"TABLE_NAME", u"COLUMN_NAME", u"ORDINAL"}),
              (std::vector<CWString>{u"b 1", u"a 2"}));
    database.Execute(u"DROP TABLE " + table);
}

TEST(DbConnection, AccessFilesAreReadThroughMdbTools) {
    const auto folder = AccessSampleFolder();
    if (folder.empty()) GTEST_SKIP() << "no sample Access files beside the repository (shared/testdata/access)";
    UseHeadlessBackend();
    rg_ShuJuKuLei database;
    Events events;
    Listen(database, events);
    ASSERT_TRUE(database.ConnectAccess(CWString::FromUtf8((folder / "ASampleDatabase.accdb").string()), u"", true));
    EXPECT_EQ(events.statuses, std::vector<int>{adStatusOK});
    const auto tables = Rows(database.OpenSchema(adSchemaTables), {u"TABLE_TYPE", u"TABLE_NAME"});
    EXPECT_EQ(std::count(tables.begin(), tables.end(), u"TABLE Asset Items"), 1);
    EXPECT_EQ(std::count(tables.begin(), tables.end(), u"VIEW qryCostsSummedByOwner"), 1);
    const auto columns = RowsOf(database.OpenSchema(adSchemaColumns), u"Asset Items",
                                {u"TABLE_NAME", u"COLUMN_NAME", u"DATA_TYPE", u"CHARACTER_MAXIMUM_LENGTH"});
    ASSERT_EQ(columns.size(), 13u);
    EXPECT_EQ(columns[0], u"Asset No 130 5");
    EXPECT_EQ(columns[7], u"Acquired 7 ");
    EXPECT_EQ(columns[8], u"Cost 6 ");
    EXPECT_EQ(RowsOf(database.OpenSchema(adSchemaPrimaryKeys), u"Asset Items", {u"TABLE_NAME", u"COLUMN_NAME"}),
              std::vector<CWString>{u"Asset No"});
    auto empty = database.Execute(u"select * from [Asset Items] where 1=0");
    EXPECT_EQ(empty.GetRecordCount(), 0);
    ASSERT_EQ(empty.GetFieldCount(), 13);
    EXPECT_EQ(empty.GetField(12).Name, u"Comments");
    EXPECT_EQ(empty.GetField(12).Properties.back().Name, u"ISAUTOINCREMENT");
    EXPECT_FALSE(CQelComVariant::ToBool(empty.GetField(12).Properties.back().Value));
    EXPECT_EQ(database.Execute(u"select * from [Asset Items]").GetRecordCount(), 65);
    EXPECT_EQ(database.Execute(u"not sql at all").GetRecordCount(), 0);
}
