// Listing the tables of a database of 1,000 tables with 20 columns each and
// reading every table's columns, on the loopback MariaDB and PostgreSQL (found
// through the same QEL_TEST_MYSQL_* / QEL_TEST_PG_* variables as the db tests;
// a kind whose server is not given is skipped) and on an SQLite file.
// Reported as tables per second.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/seams.h"
#include "tools/dbwrap/database_connect.h"

using namespace rg_qelvane_app;

namespace {

constexpr int kTables = 1000;
constexpr int kColumns = 20;

std::filesystem::path Folder() { return std::filesystem::temp_directory_path() / "qel-bench-database"; }

// "CREATE TABLE name (c0 ..., c1 ..., ...)" with a key, texts, numbers and defaults.
CWString CreateTable(int index, const char16_t* autoKey) {
    CWString sql = CWString::FromUtf8("CREATE TABLE t" + std::to_string(index) + " (c0 ") + autoKey;
    for (int c = 1; c < kColumns; ++c) {
        const std::string name = std::string("c").append(std::to_string(c));
        sql += CWString::FromUtf8(c % 2 ? ", " + name + " varchar(40) NOT NULL DEFAULT 'x'"
                                        : ", " + name + " decimal(10,2)");
    }
    return sql + u")";
}

struct Connected {
    rg_ShuJuKuLei database;
    rg_SQLiteShuJuKuLei sqlite;
    rg_ShuJuKuJieXiQi parser;
    bool ready = false;
};

DatabasePanelValues ServerPanel(const std::string& kind, const CWString& databaseName) {
    auto read = [&](const char* what) {
        const char* value = std::getenv(("QEL_TEST_" + kind + "_" + what).c_str());
        return CWString::FromUtf8(value ? value : "");
    };
    return {read("HOST"), read("PORT"), databaseName, read("USER"), read("PASSWORD"), {}};
}

bool HasServer(const std::string& kind) { return std::getenv(("QEL_TEST_" + kind + "_PORT").c_str()) != nullptr; }

// Makes the database afresh on first use.
Connected& Database(DatabaseKind kind) {
    static Connected databases[6];
    Connected& c = databases[KindBoxIndex(kind)];
    if (c.ready) return c;
    std::filesystem::create_directories(Folder());
    rg_qelvane_base::SetProgramDirForTests(Folder());
    std::ofstream(Folder() / "setup.ini") << "[Postgresql]\nDriver=PostgreSQL Unicode\n";
    auto connect = [&](const DatabasePanelValues& panel) {
        c.database.Close();
        ConnectDatabase({c.database, c.sqlite, c.parser}, kind, panel);
    };
    const char16_t* autoKey = u"int AUTO_INCREMENT PRIMARY KEY";
    if (kind == DatabaseKind::kMySql) {
        connect(ServerPanel("MYSQL", u""));
        c.database.Execute(u"DROP DATABASE IF EXISTS qel_bench");
        c.database.Execute(u"CREATE DATABASE qel_bench");
        connect(ServerPanel("MYSQL", u"qel_bench"));
    } else if (kind == DatabaseKind::kPostgreSql) {
        autoKey = u"serial PRIMARY KEY";
        connect(ServerPanel("PG", u"postgres"));
        c.database.Execute(u"DROP DATABASE IF EXISTS qel_bench");
        c.database.Execute(u"CREATE DATABASE qel_bench");
        connect(ServerPanel("PG", u"qel_bench"));
    } else {
        autoKey = u"integer PRIMARY KEY";
        std::filesystem::remove(Folder() / "bench.db");
        DatabasePanelValues panel;
        panel.filePath = CWString::FromUtf8((Folder() / "bench.db").string());
        ConnectDatabase({c.database, c.sqlite, c.parser}, kind, panel);
    }
    if (kind == DatabaseKind::kSqlite) c.sqlite.Query(u"BEGIN").Step();
    for (int t = 0; t < kTables; ++t) {
        if (kind == DatabaseKind::kSqlite) c.sqlite.Query(CreateTable(t, autoKey)).Step();
        else c.database.Execute(CreateTable(t, autoKey));
    }
    if (kind == DatabaseKind::kSqlite) c.sqlite.Query(u"COMMIT").Step();
    c.ready = true;
    return c;
}

void ListAndReadEveryTable(benchmark::State& state, DatabaseKind kind, const std::string& server) {
    if (!server.empty() && !HasServer(server)) {
        state.SkipWithError(("no server: QEL_TEST_" + server + "_* unset").c_str());
        return;
    }
    Connected& c = Database(kind);
    size_t tables = 0;
    for (auto _ : state) {
        const auto names = c.parser.ListTables();
        size_t columns = 0;
        for (const CWString& name : names)
            columns += c.parser.ReadColumns(name).value_or(rg_ShuJuKuBiaoJieGouShuZu{}).size();
        if (names.size() != kTables || columns != size_t(kTables) * kColumns) {
            state.SkipWithError("the database does not hold 1,000 tables of 20 columns");
            return;
        }
        tables += names.size();
    }
    state.counters["tables/s"] = benchmark::Counter(double(tables), benchmark::Counter::kIsRate);
}

BENCHMARK_CAPTURE(ListAndReadEveryTable, MariaDb, DatabaseKind::kMySql, "MYSQL")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK_CAPTURE(ListAndReadEveryTable, PostgreSql, DatabaseKind::kPostgreSql, "PG")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK_CAPTURE(ListAndReadEveryTable, Sqlite, DatabaseKind::kSqlite, "")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
