#include "platform/db/connection.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/db/connection_string.h"
#include "platform/db/odbc_drivers.h"
#include "platform/db/reader_process.h"
#include "platform/seams.h"
#include "platform/ui_thread.h"

namespace rg_qelvane_windows_ShuJuKu {

using Clock = std::chrono::steady_clock;

// One open attempt. Its reader is null when it could not start. An abandoned
// attempt (cancelled or timed out, and reported so) has its reader killed
// and is not reported again when its worker ends.
struct CQelOpenAttempt {
    std::shared_ptr<CQelDatabaseReader> reader;
    bool abandoned = false;  // UI thread only
};

namespace {

Clock::time_point DeadlineIn(int seconds) {
    const long long shortened = rg_qelvane_base::Seams().databaseDeadlineMilliseconds;
    return Clock::now() + (shortened ? std::chrono::milliseconds(shortened) : std::chrono::seconds(seconds));
}

CQelReaderRequest OpenRequest(const CQelOdbcTarget& target) {
    if (!target.accessFile.empty()) return {CQelReaderCall::OpenAccess, {}, target.accessFile.ToUtf8(), 0};
    return {CQelReaderCall::ConnectOdbc, target.connection, {}, LoginTimeoutSeconds};
}

// Waits on the UI thread until the reader has answered or ended; false when
// the deadline came first. A short wait without painting comes first (most
// calls are answered within it, and each turn of a repainting wait costs
// time), then the windows are repainted while it waits.
bool WaitForReply(CQelDatabaseReader& reader, Clock::time_point deadline) {
    bool finished = false;
    auto pumpFor = [&](std::chrono::milliseconds slice) {
        finished = reader.Pump(std::min(deadline, Clock::now() + slice));
        return finished || Clock::now() >= deadline;
    };
    if (!pumpFor(std::chrono::milliseconds(100)))
        rg_qelvane_base::UiThread().WaitRepainting([&] { return pumpFor(std::chrono::milliseconds(20)); });
    return finished;
}

}  // namespace

struct rg_ShuJuKuLei::Shared {
    bool open = false;
    std::shared_ptr<CQelDatabaseReader> reader;  // while open, until it fails a call
    bool calling = false;                        // a statement waits for the reader's answer
    std::shared_ptr<CQelOpenAttempt> attempt;    // while an open runs
    ConnectCompleteHandler onConnectComplete;
    DisconnectHandler onDisconnect;

    // Nobody can hear of an open still running: it ends with the last copy.
    ~Shared() {
        if (attempt && attempt->reader) attempt->reader->Kill();
    }
    int State() const { return open ? adStateOpen : attempt ? adStateConnecting : adStateClosed; }
};

rg_ShuJuKuLei::rg_ShuJuKuLei() : m_shared(std::make_shared<Shared>()) {}
rg_ShuJuKuLei::~rg_ShuJuKuLei() = default;

int rg_ShuJuKuLei::GetState() const { return m_null ? adStateClosed : m_shared->State(); }

void rg_ShuJuKuLei::Close() {
    if (m_null) return;
    if (m_shared->attempt) {
        Abandon(adStatusCancel);
        return;
    }
    if (!m_shared->open) return;
    m_shared->open = false;
    // A statement still waiting (its window closed meanwhile) gives up at
    // once, as at its deadline; an idle reader ends of its own accord.
    if (m_shared->calling) m_shared->reader->Kill();
    m_shared->reader.reset();
    if (auto handler = m_shared->onDisconnect) handler(*this);
}

// The reader is killed; its worker then ends at once, and its report is ignored.
void rg_ShuJuKuLei::Abandon(int status) {
    const std::shared_ptr<CQelOpenAttempt> attempt = std::move(m_shared->attempt);
    attempt->abandoned = true;
    if (attempt->reader) attempt->reader->Kill();
    if (auto handler = m_shared->onConnectComplete) handler(*this, status);
}

// Takes the reader's answer to an attempt that ended and reports it, unless it was given up.
void rg_ShuJuKuLei::Finish(const std::shared_ptr<CQelOpenAttempt>& attempt) {
    if (attempt->abandoned) return;
    m_shared->attempt.reset();
    const auto reply = attempt->reader ? attempt->reader->TakeReply() : std::nullopt;
    m_shared->open = reply && reply->ok;
    if (m_shared->open) m_shared->reader = attempt->reader;
    else if (attempt->reader) attempt->reader->Kill();
    if (auto handler = m_shared->onConnectComplete)
        handler(*this, m_shared->open ? adStatusOK : adStatusErrorsOccurred);
}

void rg_ShuJuKuLei::TimeOut(const std::shared_ptr<CQelOpenAttempt>& attempt) {
    if (m_shared->attempt == attempt) Abandon(adStatusErrorsOccurred);
}

// An empty target (a value no driver can take) reaches the reader and fails there like any refused connect.
bool rg_ShuJuKuLei::Open(const CQelOdbcTarget& target, bool async) {
    if (m_null || m_shared->State() != adStateClosed) return false;
    auto attempt = std::make_shared<CQelOpenAttempt>();
    attempt->reader = CQelDatabaseReader::Start();
    if (attempt->reader) attempt->reader->Send(OpenRequest(target));
    m_shared->attempt = attempt;
    // The reader keeps the login timeout with its driver; the layer keeps it
    // too, for drivers that do not while a server keeps silent.
    const Clock::time_point deadline = DeadlineIn(LoginTimeoutSeconds);
    if (!async) {
        if (!attempt->reader || WaitForReply(*attempt->reader, deadline)) Finish(attempt);
        else TimeOut(attempt);
        return m_shared->State() == adStateOpen;
    }
    rg_qelvane_base::CQelUiThread& uiThread = rg_qelvane_base::UiThread();
    // Every copy of the connection may be gone when such a task runs: then nobody listens.
    auto onUiThread = [weakShared = std::weak_ptr<Shared>(m_shared),
                       attempt](void (rg_ShuJuKuLei::*step)(const std::shared_ptr<CQelOpenAttempt>&)) {
        return [weakShared, attempt, step] {
            if (auto shared = weakShared.lock()) (rg_ShuJuKuLei(shared).*step)(attempt);
        };
    };
    auto finish = onUiThread(&rg_ShuJuKuLei::Finish);
    if (!attempt->reader) {
        uiThread.PostToUiThread(finish);
        return true;
    }
    // The worker lives no longer than the reader: a killed reader ends its wait at once.
    std::thread([reader = attempt->reader, &uiThread, finish] {
        reader->Pump(Clock::time_point::max());
        uiThread.PostToUiThread(finish);
    }).detach();
    const auto timeout = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    uiThread.RunLaterOnUiThread(static_cast<int>(timeout.count()), onUiThread(&rg_ShuJuKuLei::TimeOut));
    return true;
}

bool rg_ShuJuKuLei::ConnectMySql(const CWString& address, const CWString& database, const CWString& user,
                                 const CWString& password, int port, const CWString& driver, bool async) {
    return Open(MySqlTarget({address, port, database, user, password}, driver, InstalledOdbcDrivers()), async);
}

bool rg_ShuJuKuLei::ConnectPostgreSql(const CWString& address, const CWString& database, const CWString& user,
                                      const CWString& password, int port, const CWString& driver, bool async) {
    return Open(PostgreSqlTarget({address, port, database, user, password}, driver, InstalledOdbcDrivers()), async);
}

bool rg_ShuJuKuLei::ConnectOracle(const CWString& address, const CWString& user, const CWString& password,
                                  const CWString& driver, bool async) {
    return Open(OracleTarget({address, 0, {}, user, password}, driver, InstalledOdbcDrivers()), async);
}

bool rg_ShuJuKuLei::ConnectSqlServer(const CWString& address, const CWString& database, const CWString& user,
                                     const CWString& password, bool async, bool encrypted) {
    return Open(SqlServerTarget({address, 0, database, user, password}, encrypted, InstalledOdbcDrivers()), async);
}

bool rg_ShuJuKuLei::ConnectAccess(const CWString& path, const CWString&, bool) {
    // The password and the provider version do not matter to MDBTools.
    return Open(AccessTarget(path, InstalledOdbcDrivers()), false);
}

rg_JiLuJiLei rg_ShuJuKuLei::Execute(const CWString& sql) const { return Call({CQelReaderCall::Execute, sql, {}, 0}); }

rg_JiLuJiLei rg_ShuJuKuLei::OpenSchema(int schema) const { return Call({CQelReaderCall::OpenSchema, {}, {}, schema}); }

rg_JiLuJiLei rg_ShuJuKuLei::Call(const CQelReaderRequest& request) const {
    if (m_null || !m_shared->reader) return {};
    const std::shared_ptr<CQelDatabaseReader> reader = m_shared->reader;
    std::optional<CQelReaderReply> reply;
    m_shared->calling = true;
    if (reader->Send(request) && WaitForReply(*reader, DeadlineIn(CommandTimeoutSeconds))) reply = reader->TakeReply();
    m_shared->calling = false;
    if (reply) return std::move(reply->rows);
    // Out of time, given up, or the reader died: nothing of the call may stay running,
    // and the connection gives nothing from now on.
    reader->Kill();
    if (m_shared->reader == reader) m_shared->reader.reset();
    return {};
}

void rg_ShuJuKuLei::OnConnectComplete(ConnectCompleteHandler handler) {
    m_shared->onConnectComplete = std::move(handler);
}

void rg_ShuJuKuLei::OnDisconnect(DisconnectHandler handler) { m_shared->onDisconnect = std::move(handler); }

}  // namespace rg_qelvane_windows_ShuJuKu
