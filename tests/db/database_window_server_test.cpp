// The database window against the throwaway MariaDB and PostgreSQL servers:
// connect through the panel, list, show, generate, disconnect, and the refusals.
#include <signal.h>

#include <algorithm>

#include "platform/ui/clipboard.h"
#include "support/db_servers.h"
#include "support/processes.h"
#include "support/tool_window_test.h"
#include "support/wait.h"
#include "tools/dbwrap/database_window.h"

using namespace rg_qelvane_app;
using namespace rg_qelvane_base::headless;
using generator_test::CrLfLines;
using generator_test::kHeader;
using generator_test::U8;
using rg_qelvane_windows_ShuJuKu::rg_ShuJuKuLei;

namespace {

// Runs each statement on a connection of its own, as an administrator would.
void RunAll(rg_ShuJuKuLei& db, std::initializer_list<CWString> statements) {
    for (const CWString& sql : statements) db.Execute(sql);
}

class DatabaseWindowOnServers : public generator_test::ToolWindowTest {
protected:
    void SetUp() override {
        ToolWindowTest::SetUp();
        ASSERT_TRUE(window.CreateFormWindow());
    }
    void FillPanel(rg_control_MoShi& panel, const CTestDbServer& server, const CWString& database,
                   const CWString& password) {
        Type(panel.m_address, server.host);
        Type(panel.m_port, CWString::Format(u"%d", {server.port}));
        Type(panel.m_database, database);
        Type(panel.m_user, server.user);
        Type(panel.m_password, password);
    }
    std::vector<CWString> ListedTables() {
        std::vector<CWString> names;
        for (int i = 0; i < window.m_tables.GetItemCount(); ++i) names.push_back(window.m_tables.GetListItemText(i));
        std::sort(names.begin(), names.end());
        return names;
    }
    // Connect, look at a table, tick both, generate, copy, disconnect, connect again.
    void UseShop(DatabaseKind kind, rg_control_MoShi& panel, const CTestDbServer& server, const CWString& database) {
        Select(window.m_kind, KindBoxIndex(kind));
        FillPanel(panel, server, database, server.password);
        Click(window.m_connect);
        ExpectOneNotice(u"数据库连接成功！");
        EXPECT_EQ(U8(window.m_connect.GetControlText()), "断开");
        ASSERT_EQ(ListedTables(), (std::vector<CWString>{u"goods", u"users"}));

        int users = window.m_tables.GetListItemText(0) == u"users" ? 0 : 1;
        Select(window.m_tables, users);
        EXPECT_EQ(window.m_grid.GetColumnCount(), 8);
        ASSERT_EQ(window.m_grid.GetRowCount(), 2);
        EXPECT_EQ(U8(window.m_grid.GetCellText(0, 1)), "id");
        EXPECT_EQ(U8(window.m_grid.GetCellText(0, 4)), "是");
        EXPECT_EQ(U8(window.m_grid.GetCellText(1, 1)), "name");
        EXPECT_TRUE(window.m_output.GetControlText().Contains(u"类 users <公开>\r\n{\r\n\t变量 id <公开 类型 = "));

        Click(window.m_serverCode);
        Click(window.m_json);
        Click(window.m_selectAll);
        Click(window.m_wrapTicked);
        CWString text = window.m_output.GetControlText();
        EXPECT_TRUE(text.starts_with(CrLfLines({kHeader, u""}))) << U8(text);
        EXPECT_TRUE(text.Contains(u"类 goods <公开>") && text.Contains(u"类 users <公开>")) << U8(text);
        EXPECT_TRUE(text.Contains(u"@输出名 = \"Name\" @服务器.标签 = \"json:\\\"name\\\"\" 注释 = \"\">\r\n"));
        ClearShownBoxes();
        Click(window.m_copy);
        EXPECT_EQ(U8(rg_qelvane_base::GetClipboardText()), U8(text));

        Click(window.m_connect);
        EXPECT_EQ(U8(window.m_connect.GetControlText()), "连接");
        EXPECT_EQ(window.m_tables.GetItemCount(), 0);
        EXPECT_EQ(window.m_grid.GetColumnCount(), 0);
        EXPECT_EQ(U8(window.m_output.GetControlText()), U8(text)) << "the output stays";
        ClearShownBoxes();
        Click(window.m_connect);
        ExpectOneNotice(u"数据库连接成功！");
        EXPECT_EQ(ListedTables().size(), 2u);
    }
    // A fresh PostgreSQL database holding what `statements` make; the window
    // reaches it through the PostgreSQL Unicode driver, so the port box counts.
    CWString MakePostgreSqlDatabase(const CTestDbServer& pg, rg_ShuJuKuLei& admin,
                                    std::initializer_list<CWString> statements) {
        programDir_.WriteBytes("setup.ini", "[Postgresql]\r\nDriver=PostgreSQL Unicode\r\n");
        const CWString driver = u"PostgreSQL Unicode";
        const CWString database = UniqueTestDatabaseName("qel_window");
        admin.ConnectPostgreSql(pg.host, u"postgres", pg.user, pg.password, pg.port, driver, false);
        RunAll(admin, {u"CREATE DATABASE " + database});
        rg_ShuJuKuLei inside;
        inside.ConnectPostgreSql(pg.host, database, pg.user, pg.password, pg.port, driver, false);
        RunAll(inside, statements);
        return database;
    }
    void ExpectRefused(DatabaseKind kind, rg_control_MoShi& panel, const CTestDbServer& server,
                       const CWString& database) {
        Select(window.m_kind, KindBoxIndex(kind));
        FillPanel(panel, server, database, u"wrong");
        ClearShownBoxes();
        Click(window.m_connect);
        ExpectOneNotice(u"数据库连接错误（请检查驱动）！");
        EXPECT_EQ(U8(window.m_connect.GetControlText()), "连接");
        EXPECT_EQ(window.m_tables.GetItemCount(), 0);
    }

    rg_win_ShuJuKuFengZhuang window;
};

TEST_F(DatabaseWindowOnServers, MariaDb) {
    QEL_DB_SERVER(mysql, "MYSQL");
    CWString database = UniqueTestDatabaseName("qel_window");
    rg_ShuJuKuLei admin;
    admin.ConnectMySql(mysql.host, u"", mysql.user, mysql.password, mysql.port, u"MySQL ODBC 8.0 Unicode Driver",
                       false);
    RunAll(admin, {u"CREATE DATABASE " + database,
                   u"CREATE TABLE " + database + u".users (id INT AUTO_INCREMENT PRIMARY KEY, name VARCHAR(20))",
                   u"CREATE TABLE " + database + u".goods (no INT, price DECIMAL(8,2))"});
    UseShop(DatabaseKind::kMySql, window.m_mySqlPanel, mysql, database);
    Click(window.m_connect);
    ExpectRefused(DatabaseKind::kMySql, window.m_mySqlPanel, mysql, database);
    RunAll(admin, {u"DROP DATABASE " + database});
}

TEST_F(DatabaseWindowOnServers, PostgreSql) {
    QEL_DB_SERVER(pg, "PG");
    rg_ShuJuKuLei admin;
    const CWString database = MakePostgreSqlDatabase(pg, admin,
                                                     {u"CREATE TABLE users (id SERIAL PRIMARY KEY, name VARCHAR(20))",
                                                      u"CREATE TABLE goods (no INT, price NUMERIC(8,2))"});
    UseShop(DatabaseKind::kPostgreSql, window.m_postgreSqlPanel, pg, database);
    Click(window.m_connect);
    ExpectRefused(DatabaseKind::kPostgreSql, window.m_postgreSqlPanel, pg, database);
    RunAll(admin, {u"DROP DATABASE " + database});
}

// Tables of the same name in another schema, and a foreign key named like a
// primary key, leave the public tables' keys and columns as they are.
TEST_F(DatabaseWindowOnServers, PostgreSqlGormTagsMarkEachTablesOwnKeyOnce) {
    QEL_DB_SERVER(pg, "PG");
    rg_ShuJuKuLei admin;
    const CWString database =
        MakePostgreSqlDatabase(pg, admin,
                               {u"CREATE SCHEMA other", u"CREATE TABLE t (id int, note text)",
                                u"CREATE TABLE other.t (id int PRIMARY KEY, note text)",
                                u"CREATE TABLE u (id int CONSTRAINT u_pkey PRIMARY KEY, note text)",
                                u"CREATE TABLE other.u (id int CONSTRAINT u_pkey PRIMARY KEY, note text)",
                                u"CREATE TABLE parent (id int CONSTRAINT shared PRIMARY KEY)",
                                u"CREATE TABLE child (parent_id int CONSTRAINT shared REFERENCES parent (id))"});
    Select(window.m_kind, KindBoxIndex(DatabaseKind::kPostgreSql));
    FillPanel(window.m_postgreSqlPanel, pg, database, pg.password);
    Click(window.m_connect);
    ExpectOneNotice(u"数据库连接成功！");
    Click(window.m_serverCode);
    Click(window.m_gorm);
    Click(window.m_selectAll);
    Click(window.m_wrapTicked);
    const CWString text = window.m_output.GetControlText();
    auto classOf = [](const char16_t* table, std::initializer_list<std::u16string_view> variables) {
        CWString lines = u"类 " + CWString(table) + u" <公开>\r\n{\r\n";
        for (std::u16string_view variable : variables) lines += u"\t变量 " + CWString(variable) + u" 注释 = \"\">\r\n";
        return lines +
               u"\t方法 表名 <公开 类型 = 文本型  @强制输出 = 真 @输出名 = \"TableName\">\r\n\t{\r\n\t\t返回 (\"" +
               table + u"\")\r\n\t}\r\n\r\n}\r\n";
    };
    const std::u16string_view key =
        u"id <公开 类型 = integer @输出名 = \"Id\" @服务器.标签 = \"gorm:\\\"primarykey\\\"\"";
    const std::u16string_view plainId = u"id <公开 类型 = integer @输出名 = \"Id\" ";
    const std::u16string_view note = u"note <公开 类型 = text @输出名 = \"Note\" ";
    const std::u16string_view parentId = u"parent_id <公开 类型 = integer @输出名 = \"Parent_id\" ";
    const CWString classes[] = {classOf(u"t", {plainId, note}), classOf(u"u", {key, note}), classOf(u"parent", {key}),
                                classOf(u"child", {parentId})};
    size_t length = CrLfLines({kHeader, u""}).size();
    for (const CWString& expected : classes) {
        EXPECT_TRUE(text.Contains(expected)) << U8(expected) << "\nin\n" << U8(text);
        length += expected.size();
    }
    EXPECT_EQ(text.size(), length) << "nothing else, no column twice";
    Click(window.m_connect);
    RunAll(admin, {u"DROP DATABASE " + database});
}

// A table without columns is still a class; once the server has ended the
// window's session, no read gives one, and the wrap names what it left out.
TEST_F(DatabaseWindowOnServers, PostgreSqlTablesWithoutColumnsWrapAndALostSessionIsNamed) {
    QEL_DB_SERVER(pg, "PG");
    rg_ShuJuKuLei admin;
    const CWString database =
        MakePostgreSqlDatabase(pg, admin, {u"CREATE TABLE bare ()", u"CREATE TABLE users (id int)"});
    Select(window.m_kind, KindBoxIndex(DatabaseKind::kPostgreSql));
    FillPanel(window.m_postgreSqlPanel, pg, database, pg.password);
    Click(window.m_connect);
    ExpectOneNotice(u"数据库连接成功！");
    ASSERT_EQ(ListedTables(), (std::vector<CWString>{u"bare", u"users"}));
    Click(window.m_selectAll);
    ClearShownBoxes();
    Click(window.m_wrapTicked);
    EXPECT_TRUE(ShownBoxes().empty());
    EXPECT_TRUE(window.m_output.GetControlText().Contains(u"类 bare <公开>\r\n{\r\n}\r\n"));
    EXPECT_TRUE(window.m_output.GetControlText().Contains(u"类 users <公开>\r\n{\r\n\t变量 id"));

    RunAll(admin, {u"SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = '" + database + u"'"});
    ClearShownBoxes();
    Click(window.m_wrapTicked);
    ExpectOneNotice(u"表结构未能完整读取，只封装了已读取的表！\n未能读取的表（共2个）：" +
                    window.m_tables.GetListItemText(0) + u"、" + window.m_tables.GetListItemText(1));
    EXPECT_EQ(U8(window.m_output.GetControlText()), U8(CrLfLines({kHeader, u""})));
    Click(window.m_connect);
    ClearShownBoxes();
    Click(window.m_connect);
    ExpectOneNotice(u"数据库连接成功！");
    EXPECT_EQ(ListedTables().size(), 2u);
    Click(window.m_connect);
    RunAll(admin, {u"DROP DATABASE " + database});
}

// Closing the window closes the connection; its Disconnect handler meets a
// window whose controls are going, and the next opening starts unconnected.
TEST_F(DatabaseWindowOnServers, ClosingTheWindowClosesTheConnection) {
    QEL_DB_SERVER(mysql, "MYSQL");
    Select(window.m_kind, KindBoxIndex(DatabaseKind::kMySql));
    FillPanel(window.m_mySqlPanel, mysql, u"mysql", mysql.password);
    Click(window.m_connect);
    ASSERT_EQ(U8(window.m_connect.GetControlText()), "断开");
    ASSERT_TRUE(Close(window));
    ASSERT_TRUE(window.CreateFormWindow());
    EXPECT_EQ(U8(window.m_connect.GetControlText()), "连接");
    Click(window.m_refresh);
    EXPECT_EQ(window.m_tables.GetItemCount(), 0) << "no connection left to list";

    // The same when the toolkit takes the window away and the controls are gone first.
    FillPanel(window.m_mySqlPanel, mysql, u"mysql", mysql.password);
    Click(window.m_connect);
    ASSERT_EQ(U8(window.m_connect.GetControlText()), "断开");
    window.NativeFormGone();
    ASSERT_TRUE(window.CreateFormWindow());
    Click(window.m_refresh);
    EXPECT_EQ(window.m_tables.GetItemCount(), 0);
}

// Nothing of a connect may be heard of once its window is gone, and nothing of it stays open.
TEST_F(DatabaseWindowOnServers, ClosingTheWindowDuringAnAsynchronousConnectGivesItUpUnheard) {
    QEL_DB_SERVER(mysql, "MYSQL");
    programDir_.WriteBytes("setup.ini", "[Mysql]\r\nAsync=1\r\n");
    const CWString database = UniqueTestDatabaseName("qel_closed");
    rg_ShuJuKuLei admin;
    admin.ConnectMySql(mysql.host, u"", mysql.user, mysql.password, mysql.port, u"MySQL ODBC 8.0 Unicode Driver",
                       false);
    RunAll(admin, {u"CREATE DATABASE " + database});
    FillPanel(window.m_mySqlPanel, mysql, database, mysql.password);
    Click(window.m_connect);
    ASSERT_TRUE(Close(window));
    rg_qelvane_base::headless::WaitForPostedTasks(20000);  // the attempt's own end
    EXPECT_TRUE(ShownBoxes().empty());
    auto sessions = [&] {
        rg_qelvane_windows_ShuJuKu::rg_JiLuJiLei rows =
            admin.Execute(u"SELECT COUNT(*) FROM information_schema.processlist WHERE db = '" + database + u"'");
        return rg_qelvane_windows_ShuJuKu::CQelComVariant::ToText(rows.GetFieldValue(0));
    };
    EXPECT_TRUE(WaitFor("the server to end the connect's session", [&] { return sessions() == u"0"; }));

    ASSERT_TRUE(window.CreateFormWindow());
    EXPECT_EQ(U8(window.m_connect.GetControlText()), "连接");
    RunAll(admin, {u"DROP DATABASE " + database});
}

// The window's statement waits on a frozen server; closing the window ends
// its reader at once, and what the statement's handler does afterwards shows nothing.
TEST_F(DatabaseWindowOnServers, ClosingTheWindowDuringAStatementGivesItUpAtOnce) {
    QEL_DB_SERVER(pg, "PG");
    rg_ShuJuKuLei admin;
    const CWString database = MakePostgreSqlDatabase(pg, admin, {u"CREATE TABLE t (id int)"});
    const auto readersBefore = ChildProcesses();
    Select(window.m_kind, KindBoxIndex(DatabaseKind::kPostgreSql));
    FillPanel(window.m_postgreSqlPanel, pg, database, pg.password);
    Click(window.m_connect);
    ASSERT_EQ(ListedTables(), std::vector<CWString>{u"t"});
    // PostgreSQL serves each connection in a process of its own: the window's is the newest on its database.
    const int backend = rg_qelvane_base::TextToInt(rg_qelvane_windows_ShuJuKu::CQelComVariant::ToText(
        admin
            .Execute(u"SELECT pid FROM pg_stat_activity WHERE datname = '" + database +
                     u"' ORDER BY backend_start DESC LIMIT 1")
            .GetFieldValue(u"pid")));
    ASSERT_GT(backend, 0);
    ASSERT_EQ(kill(backend, SIGSTOP), 0);
    int turnsAfterClosing = 0;
    rg_qelvane_base::headless::OnRepaintingWait([&] {
        if (window.WindowHandle()) Close(window);
        else if (++turnsAfterClosing == 1) kill(backend, SIGCONT);  // rather than wait out the deadline
    });
    ClearShownBoxes();
    Select(window.m_tables, 0);
    kill(backend, SIGCONT);
    EXPECT_EQ(turnsAfterClosing, 0) << "the statement kept waiting after the window closed";
    EXPECT_EQ(ChildProcesses(), readersBefore) << "the window's reader is gone";
    EXPECT_TRUE(ShownBoxes().empty());
    RunAll(admin, {u"DROP DATABASE " + database + u" WITH (FORCE)"});
}

}  // namespace
