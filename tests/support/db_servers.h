#pragma once
// The database servers and sample files the db tests use.
//
// ./test starts a throwaway MariaDB and PostgreSQL and passes them on through
// QEL_TEST_MYSQL_* and QEL_TEST_PG_* (HOST, PORT, USER, PASSWORD), with
// QEL_TEST_DB_REQUIRED set: a test then fails when its server is missing.
// Run by hand without those variables, the test skips itself and says why.
//
//   QEL_DB_SERVER(mysql, "MYSQL");   // or "PG"; declares `const CTestDbServer& mysql`
#include <gtest/gtest.h>

#include <unistd.h>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/text.h"

struct CTestDbServer {
    rg_qelvane_base::CWString host;
    int port = 0;
    rg_qelvane_base::CWString user;
    rg_qelvane_base::CWString password;
};

inline std::optional<CTestDbServer> FindTestDbServer(const std::string& kind) {
    auto read = [&](const char* what) -> const char* { return std::getenv(("QEL_TEST_" + kind + "_" + what).c_str()); };
    const char* port = read("PORT");
    if (!read("HOST") || !port || !read("USER") || !read("PASSWORD")) return std::nullopt;
    using rg_qelvane_base::CWString;
    return CTestDbServer{CWString::FromUtf8(read("HOST")), std::atoi(port), CWString::FromUtf8(read("USER")),
                         CWString::FromUtf8(read("PASSWORD"))};
}

inline bool TestDbServersRequired() { return std::getenv("QEL_TEST_DB_REQUIRED") != nullptr; }

#define QEL_DB_SERVER(name, kind)                                                                          \
    const auto name##_found = FindTestDbServer(kind);                                                      \
    if (!name##_found) {                                                                                   \
        if (TestDbServersRequired()) GTEST_FAIL() << "no " kind " test server: QEL_TEST_" kind "_* unset"; \
        GTEST_SKIP() << "no " kind " test server (run ./test, which starts one)";                          \
    }                                                                                                      \
    const CTestDbServer& name = *name##_found

// A database name no other test process uses at the same time.
inline rg_qelvane_base::CWString UniqueTestDatabaseName(const std::string& prefix) {
    static std::atomic<int> counter = 0;
    return rg_qelvane_base::CWString::FromUtf8(prefix + "_" + std::to_string(getpid()) + "_" +
                                               std::to_string(counter++));
}

// The sample Access files kept beside the repository (shared/testdata/access),
// or an empty path when they are not there.
inline std::filesystem::path AccessSampleFolder() {
    const auto repository = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
    for (const auto& candidate : {repository / ".." / "shared" / "testdata" / "access",
                                  repository / ".." / ".." / "shared" / "testdata" / "access"})
        if (std::filesystem::is_directory(candidate)) return candidate;
    return {};
}
