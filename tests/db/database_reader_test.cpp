// Connections held by the database reader process: whatever a damaged file,
// a frozen server or a silent port does, every call returns by its deadline,
// the program lives on, and no reader or thread stays behind.
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <functional>

#include "platform/db/reader_process.h"
#include "support/db_servers.h"
#include "support/headless_driver.h"
#include "support/processes.h"
#include "support/reader_stand_in.h"
#include "support/seams.h"
#include "support/silent_server.h"
#include "support/temp_program_dir.h"
#include "support/wait.h"
#include "tools/dbwrap/database_connect.h"

using namespace rg_qelvane_app;
using namespace rg_qelvane_windows_ShuJuKu;
using rg_qelvane_base::headless::UseHeadlessBackend;
using rg_qelvane_base::headless::WaitForPostedTasks;
using Clock = std::chrono::steady_clock;

namespace {

constexpr auto kShortDeadline = std::chrono::milliseconds(1500);
// Killing and reaping a reader, and the waits' own slices, on a busy machine;
// still well short of the 30 s a call would take without the short deadline.
constexpr auto kSlack = std::chrono::seconds(15);

std::string ReadSample(const std::string& name) {
    std::ifstream in(AccessSampleFolder() / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A frame header announcing a body of `length` bytes, in the machine's order.
std::string Header(std::uint32_t length) {
    std::string bytes(FrameHeaderSize, '\0');
    std::memcpy(bytes.data(), &length, sizeof length);
    return bytes;
}

}  // namespace

TEST(DatabaseReader, DamagedAccessFilesNeitherHangNorTakeTheProgramDown) {
    if (AccessSampleFolder().empty()) GTEST_SKIP() << "no sample Access files in ../shared/testdata/access";
    struct Case {
        const char* what;
        const char* sample;
        std::function<void(std::string&)> damage;
    };
    const auto patch = [](std::size_t offset, std::string bytes) {
        return [=](std::string& file) { file.replace(offset, bytes.size(), bytes); };
    };
    const auto cut = [](std::size_t length) { return [=](std::string& file) { file.resize(length); }; };
    const Case cases[] = {
        {"cut inside the catalogue", "ASampleDatabase.accdb", cut(20000)},
        // MDBTools then loops in the catalogue, allocating without end.
        {"cut short of its last page", "ASampleDatabase.accdb", cut(540000)},
        {"catalogue definition patched", "DateTestDatabase.mdb", patch(8870, "\x35\xa4")},
        {"table definition overwritten", "ASampleDatabase.accdb", patch(42 * 4096 + 0x2b, std::string(200, '\xff'))},
        {"empty file", "DateTestDatabase.mdb", cut(0)},
    };
    UseHeadlessBackend();
    const CQelShortDeadlines shortened(kShortDeadline);
    for (const Case& c : cases) {
        TempProgramDir dir;
        std::string bytes = ReadSample(c.sample);
        c.damage(bytes);
        dir.WriteBytes(c.sample, bytes);
        rg_ShuJuKuLei database;
        rg_SQLiteShuJuKuLei sqlite;
        rg_ShuJuKuJieXiQi parser;
        DatabasePanelValues panel;
        panel.filePath = CWString::FromUtf8((dir / c.sample).string());
        auto withinDeadline = [&](const char* step, const std::function<void()>& call) {
            const auto start = Clock::now();
            call();
            EXPECT_LT(Clock::now() - start, kShortDeadline + kSlack) << c.what << ": " << step;
        };
        withinDeadline("connect", [&] { ConnectDatabase({database, sqlite, parser}, DatabaseKind::kAccess, panel); });
        rg_WenBenShuZuLei tables;
        withinDeadline("list", [&] { tables = parser.ListTables(); });
        for (const CWString& table : tables) withinDeadline("columns", [&] { parser.ReadColumns(table); });
        database.Close();
        EXPECT_TRUE(ChildProcesses().empty()) << c.what;
    }
}

TEST(DatabaseReader, AReaderThatDiesLeavesAnOpenConnectionThatGivesNothing) {
    if (AccessSampleFolder().empty()) GTEST_SKIP() << "no sample Access files in ../shared/testdata/access";
    UseHeadlessBackend();
    rg_ShuJuKuLei database;
    ASSERT_TRUE(database.ConnectAccess(CWString::FromUtf8((AccessSampleFolder() / "DateTestDatabase.mdb").string()),
                                       u"", false));
    const auto readers = ChildProcesses();
    ASSERT_EQ(readers.size(), 1u);
    kill(readers[0], SIGSEGV);  // as a crash inside MDBTools would
    EXPECT_EQ(database.OpenSchema(adSchemaTables).GetRecordCount(), 0);
    EXPECT_EQ(database.Execute(u"select * from DateTest").GetRecordCount(), 0);
    EXPECT_EQ(database.GetState(), adStateOpen);
    EXPECT_TRUE(ChildProcesses().empty());
}

TEST(DatabaseReader, AFrozenServerIsGivenUpAtTheStatementDeadline) {
    QEL_DB_SERVER(pg, "PG");
    EXPECT_EQ(CommandTimeoutSeconds, 30);
    UseHeadlessBackend();
    rg_ShuJuKuLei database;
    ASSERT_TRUE(
        database.ConnectPostgreSql(pg.host, u"postgres", pg.user, pg.password, pg.port, u"PostgreSQL Unicode", false));
    // PostgreSQL serves each connection in a process of its own: stopping it
    // freezes this connection only, not the server other tests use.
    const auto backendPid = rg_qelvane_base::TextToInt(
        CQelComVariant::ToText(database.Execute(u"SELECT pg_backend_pid() AS pid").GetFieldValue(u"pid")));
    ASSERT_GT(backendPid, 0);
    const CQelShortDeadlines shortened(kShortDeadline);
    ASSERT_EQ(kill(backendPid, SIGSTOP), 0);
    const auto start = Clock::now();
    const int listed = database.OpenSchema(adSchemaTables).GetRecordCount();
    const auto waited = Clock::now() - start;
    kill(backendPid, SIGCONT);
    EXPECT_EQ(listed, 0);
    EXPECT_LT(waited, kShortDeadline + kSlack);
    EXPECT_TRUE(ChildProcesses().empty());
    EXPECT_EQ(database.Execute(u"SELECT 1").GetRecordCount(), 0);  // the connection gives nothing from now on
    EXPECT_EQ(database.GetState(), adStateOpen);
}

TEST(DatabaseReader, ConnectsToASilentPortLeaveNoThreadOrReaderBehind) {
    UseHeadlessBackend();
    CSilentServer silent;
    const int threads = ThreadCount();
    const CQelShortDeadlines shortened(kShortDeadline);
    rg_ShuJuKuLei database;
    std::vector<int> statuses;
    database.OnConnectComplete([&](rg_ShuJuKuLei&, int status) { statuses.push_back(status); });
    const auto runPosted = [] { WaitForPostedTasks(1); };
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(
            database.ConnectMySql(u"127.0.0.1", u"", u"u", u"p", silent.port, u"MySQL ODBC 8.0 Unicode Driver", true));
        ASSERT_TRUE(WaitFor(
            "the layer to give up connect " + std::to_string(i + 1),
            [&] { return statuses.size() == static_cast<size_t>(i + 1); }, runPosted));
    }
    // The workers, given up on, end by themselves; what they report then is heard by nobody.
    EXPECT_TRUE(WaitFor(
        "the connects' threads to end", [&] { return ThreadCount() == threads; }, runPosted))
        << ThreadCount() << " threads, " << threads << " before";
    rg_qelvane_base::headless::RunPostedTasks();
    EXPECT_EQ(statuses, std::vector<int>(3, adStatusErrorsOccurred));
    EXPECT_TRUE(ChildProcesses().empty());
}

TEST(DatabaseReader, AReplyLongerThanAnyIsRefusedAtItsHeader) {
    UseHeadlessBackend();
    TempProgramDir dir;
    // 16 MB more would get through only to a program that takes them in.
    const CQelReaderStandIn standIn(
        StandIn(dir, kConnected + Header(0xFFFFFFF0),
                kSendReplies + R"(; head -c 16000000 /dev/zero && touch "$0.sent")" + kStayUntilReleased));
    const CQelShortDeadlines shortened(kShortDeadline);
    rg_ShuJuKuLei database;
    ASSERT_TRUE(database.ConnectAccess(u"flood.mdb", u"", false));
    EXPECT_FALSE(database.Execute(u"select * from flood").IsOpen());
    EXPECT_TRUE(ChildProcesses().empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "stand-in.sent"));
}

TEST(DatabaseReader, WhatTheReaderPrintsDoesNotReachTheProgram) {
    UseHeadlessBackend();
    TempProgramDir dir;
    const std::string answer = EncodeReply({true, rg_JiLuJiLei::FromRows({u"n"}, {{1}})});
    const CQelReaderStandIn standIn(
        StandIn(dir, kConnected + answer, "echo 'mdb warning' >&2; " + kSendReplies + kStayUntilReleased));
    testing::internal::CaptureStderr();
    rg_ShuJuKuLei database;
    const bool connected = database.ConnectAccess(u"noisy.mdb", u"", false);
    const int rows = database.Execute(u"select n from noisy").GetRecordCount();
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(connected);
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(printed.find("mdb warning"), std::string::npos) << printed;
}

// A reply within the frame limit whose rows are many more than a table can
// have columns: 11 million rows of six empty values take 66 MB to send, a
// byte a value to keep, and would take gigabytes as column records and text.
TEST(DatabaseReader, AColumnListingOfMoreRowsThanATableCanHaveIsOneFailedCall) {
    UseHeadlessBackend();
    TempProgramDir dir;
    const std::vector<CWString> fields = {u"Field", u"Type", u"Null", u"Key", u"Default", u"Extra"};
    constexpr std::uint32_t kRows = 11'000'000;
    // The reply of no rows ends with its row count: the count is raised and the rows follow, a tag byte each.
    std::string flood = EncodeReply({true, rg_JiLuJiLei::FromRows(fields, {})});
    std::memcpy(flood.data() + flood.size() - sizeof kRows, &kRows, sizeof kRows);
    flood.append(std::size_t{kRows} * fields.size(), '\0');
    flood.replace(0, FrameHeaderSize, Header(static_cast<std::uint32_t>(flood.size() - FrameHeaderSize)));
    ASSERT_LE(flood.size() - FrameHeaderSize, MaxFrameBodySize);
    const std::string oneColumn = EncodeReply({true, rg_JiLuJiLei::FromRows(fields, {{u"id", u"int(11)"}})});
    const CQelReaderStandIn standIn(StandIn(dir, kConnected + flood + oneColumn, kSendReplies + kStayUntilReleased));
    rg_ShuJuKuLei database;
    ASSERT_TRUE(database.ConnectAccess(u"flood.mdb", u"", false));
    rg_ShuJuKuJieXiQi parser;
    parser.Bind(database, {}, DatabaseKind::kMySql, u"db", u"");
    EXPECT_EQ(parser.ReadColumns(u"t"), std::nullopt);
    EXPECT_EQ(parser.ReadColumns(u"t").value_or(rg_ShuJuKuBiaoJieGouShuZu{}).size(), 1u) << "the next call is answered";
    database.Close();
    EXPECT_TRUE(ChildProcesses().empty());
}
