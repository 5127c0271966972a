// Wrapping a whole database of 1,000 tables of 20 columns the way a user does:
// connect in the database window, tick every table with "全选", click "封装选中表". SQLite
// runs always; MariaDB and PostgreSQL run when the throwaway servers' QEL_TEST_*
// variables are set (scripts/test-db-servers.sh start FOLDER; source FOLDER/env).
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "support/headless_driver.h"
#include "support/seams.h"
#include "tools/dbwrap/database_window.h"

using namespace rg_qelvane_app;
namespace hl = rg_qelvane_base::headless;
using rg_qelvane_windows_ShuJuKu::rg_ShuJuKuLei;

namespace {

constexpr int kTables = 1000;
constexpr int kColumns = 20;
// Named in setup.ini too: without a driver the PostgreSQL connection ignores the port.
constexpr char16_t kPostgreSqlDriver[] = u"PostgreSQL Unicode";

CWString Decimal(int n) { return CWString::Format(u"%d", {n}); }

// Twenty columns of the usual kinds, the first the key.
CWString CreateTable(int n, const CWString& keyType) {
    static const char16_t* const kKinds[] = {u"VARCHAR(40)",  u"VARCHAR(80)", u"INT",
                                             u"DECIMAL(8,2)", u"DATE",        u"VARCHAR(200)"};
    CWString sql = u"CREATE TABLE t" + Decimal(n) + u" (id " + keyType + u" PRIMARY KEY";
    for (int c = 1; c < kColumns; ++c) sql += u", c" + Decimal(c) + u" " + kKinds[c % std::size(kKinds)];
    return sql + u")";
}

struct Server {
    CWString host, user, password;
    int port = 0;
};

bool FindServer(const std::string& kind, Server& server) {
    auto read = [&](const char* what) { return std::getenv(("QEL_TEST_" + kind + "_" + what).c_str()); };
    if (!read("HOST") || !read("PORT") || !read("USER") || !read("PASSWORD")) return false;
    server = {CWString::FromUtf8(read("HOST")), CWString::FromUtf8(read("USER")), CWString::FromUtf8(read("PASSWORD")),
              std::atoi(read("PORT"))};
    return true;
}

// Connects the window through the panel the user would fill in, then times the generating.
void WrapEveryTable(benchmark::State& state, const std::function<void(rg_win_ShuJuKuFengZhuang&)>& connect) {
    hl::UseHeadlessBackend();
    rg_win_ShuJuKuFengZhuang window;
    window.CreateFormWindow();
    connect(window);
    if (window.m_tables.GetItemCount() != kTables) {
        state.SkipWithError("the tables were not listed");
        return;
    }
    hl::Click(window.m_selectAll);
    for (auto _ : state) {
        hl::Click(window.m_wrapTicked);
        benchmark::DoNotOptimize(window.m_output.GetControlText().size());
    }
    state.counters["tables"] = kTables;
    state.counters["columns"] = kColumns;
    window.Close();
}

void FillServerPanel(rg_win_ShuJuKuFengZhuang& window, DatabaseKind kind, rg_control_MoShi& panel, const Server& server,
                     const CWString& database) {
    hl::Select(window.m_kind, KindBoxIndex(kind));
    hl::Type(panel.m_address, server.host);
    hl::Type(panel.m_port, Decimal(server.port));
    hl::Type(panel.m_database, database);
    hl::Type(panel.m_user, server.user);
    hl::Type(panel.m_password, server.password);
    hl::Click(window.m_connect);
}

void Sqlite(benchmark::State& state) {
    auto path = std::filesystem::temp_directory_path() / ("qel-bench-" + std::to_string(getpid()) + ".db");
    CWString file = CWString::FromUtf8(path.string());
    {
        rg_qelvane_windows_SQLiteshjk::rg_SQLiteShuJuKuLei db;
        db.Open(file);
        db.Query(u"BEGIN").Step();
        for (int n = 0; n < kTables; ++n) db.Query(CreateTable(n, u"INTEGER")).Step();
        db.Query(u"COMMIT").Step();
        db.Close();
    }
    WrapEveryTable(state, [&](rg_win_ShuJuKuFengZhuang& window) {
        hl::Select(window.m_kind, KindBoxIndex(DatabaseKind::kSqlite));
        hl::Type(window.m_sqlitePanel.m_path, file);
        hl::Click(window.m_connect);
    });
    std::filesystem::remove(path);
}

void MariaDb(benchmark::State& state, Server server) {
    CWString database = u"qel_bench_" + Decimal(getpid());
    rg_ShuJuKuLei admin;
    admin.ConnectMySql(server.host, u"", server.user, server.password, server.port, u"MySQL ODBC 8.0 Unicode Driver",
                       false);
    admin.Execute(u"CREATE DATABASE " + database);
    admin.Execute(u"USE " + database);
    for (int n = 0; n < kTables; ++n) admin.Execute(CreateTable(n, u"INT"));
    WrapEveryTable(state, [&](rg_win_ShuJuKuFengZhuang& window) {
        FillServerPanel(window, DatabaseKind::kMySql, window.m_mySqlPanel, server, database);
    });
    admin.Execute(u"DROP DATABASE " + database);
}

void PostgreSql(benchmark::State& state, Server server) {
    CWString database = u"qel_bench_" + Decimal(getpid());
    auto programDir = std::filesystem::temp_directory_path() / ("qel-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(programDir);
    rg_qelvane_base::SetProgramDirForTests(programDir);
    std::ofstream(programDir / "setup.ini") << "[Postgresql]\r\nDriver=PostgreSQL Unicode\r\n";
    rg_ShuJuKuLei admin;
    admin.ConnectPostgreSql(server.host, u"postgres", server.user, server.password, server.port, kPostgreSqlDriver,
                            false);
    admin.Execute(u"CREATE DATABASE " + database);
    {
        rg_ShuJuKuLei schema;
        schema.ConnectPostgreSql(server.host, database, server.user, server.password, server.port, kPostgreSqlDriver,
                                 false);
        for (int n = 0; n < kTables; ++n) schema.Execute(CreateTable(n, u"INT"));
        schema.Close();
    }
    WrapEveryTable(state, [&](rg_win_ShuJuKuFengZhuang& window) {
        FillServerPanel(window, DatabaseKind::kPostgreSql, window.m_postgreSqlPanel, server, database);
    });
    admin.Execute(u"DROP DATABASE " + database);
    std::filesystem::remove_all(programDir);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("WrapEveryTable/Sqlite", Sqlite)->Unit(benchmark::kMillisecond);
    Server server;
    if (FindServer("MYSQL", server))
        benchmark::RegisterBenchmark("WrapEveryTable/MariaDb", MariaDb, server)->Unit(benchmark::kMillisecond);
    if (FindServer("PG", server))
        benchmark::RegisterBenchmark("WrapEveryTable/PostgreSql", PostgreSql, server)->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
