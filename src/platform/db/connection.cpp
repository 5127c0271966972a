#include "platform/db/connection.h"

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/db/connection_string.h"
#include "platform/db/database_link.h"
#include "platform/ui/backend.h"

namespace rg_qelvane_windows_ShuJuKu {

// One open attempt. The worker fills `link` and then sets `done`; the UI
// thread reads `link` only after it has seen `done`. An abandoned attempt
// (cancelled or timed out, and reported so) throws its result away.
struct CQelOpenAttempt {
    std::unique_ptr<CQelDatabaseLink> link;
    std::atomic<bool> done = false;
    bool abandoned = false;  // UI thread only
};

namespace {

std::unique_ptr<CQelDatabaseLink> ConnectTarget(const CQelOdbcTarget& target) {
    if (!target.accessFile.empty()) return OpenAccessFile(target.accessFile);
    return ConnectOdbc(target.connection, LoginTimeoutSeconds);
}

}  // namespace

struct rg_ShuJuKuLei::Shared {
    std::unique_ptr<CQelDatabaseLink> link;     // while open
    std::shared_ptr<CQelOpenAttempt> attempt;  // while an open runs
    ConnectCompleteHandler onConnectComplete;
    DisconnectHandler onDisconnect;

    int State() const { return link ? adStateOpen : attempt ? adStateConnecting : adStateClosed; }
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
    if (!m_shared->link) return;
    m_shared->link.reset();
    if (auto handler = m_shared->onDisconnect) handler(*this);
}

// The worker cannot be stopped: the running attempt is given up and reported.
void rg_ShuJuKuLei::Abandon(int status) {
    m_shared->attempt->abandoned = true;
    m_shared->attempt.reset();
    if (auto handler = m_shared->onConnectComplete) handler(*this, status);
}

// Takes the result of an attempt that ended and reports it, unless it was given up.
void rg_ShuJuKuLei::Finish(const std::shared_ptr<CQelOpenAttempt>& attempt) {
    if (attempt->abandoned) {
        attempt->link.reset();
        return;
    }
    m_shared->attempt.reset();
    m_shared->link = std::move(attempt->link);
    if (auto handler = m_shared->onConnectComplete)
        handler(*this, m_shared->link ? adStatusOK : adStatusErrorsOccurred);
}

void rg_ShuJuKuLei::TimeOut(const std::shared_ptr<CQelOpenAttempt>& attempt) {
    if (m_shared->attempt == attempt) Abandon(adStatusErrorsOccurred);
}

bool rg_ShuJuKuLei::Open(const CWString& connection, const CWString& user, const CWString& password, bool async) {
    return OpenTarget(ToOdbc(connection, user, password, InstalledOdbcDrivers()), async);
}

// The target (and the driver list it needs) is made on the UI thread: the worker only connects.
bool rg_ShuJuKuLei::OpenTarget(const CQelOdbcTarget& target, bool async) {
    if (m_null || m_shared->State() != adStateClosed) return false;
    auto attempt = std::make_shared<CQelOpenAttempt>();
    m_shared->attempt = attempt;
    rg_qelvane_base::CQelUiBackend& backend = rg_qelvane_base::Backend();
    // Every copy of the connection may be gone when such a task runs: then nobody listens.
    auto onUiThread = [weakShared = std::weak_ptr<Shared>(m_shared), attempt](
                          void (rg_ShuJuKuLei::*step)(const std::shared_ptr<CQelOpenAttempt>&)) {
        return [weakShared, attempt, step] {
            if (auto shared = weakShared.lock()) (rg_ShuJuKuLei(shared).*step)(attempt);
        };
    };
    std::thread([attempt, target, async, &backend, finish = onUiThread(&rg_ShuJuKuLei::Finish)] {
        attempt->link = ConnectTarget(target);
        attempt->done = true;
        if (async) backend.PostToUiThread(finish);
    }).detach();
    // Some drivers ignore the login timeout while a server keeps silent: the
    // layer keeps it itself.
    const int timeout = LoginTimeoutSeconds * 1000;
    if (async) {
        backend.RunLaterOnUiThread(timeout, onUiThread(&rg_ShuJuKuLei::TimeOut));
        return true;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout);
    backend.WaitRepainting([&] { return attempt->done.load() || std::chrono::steady_clock::now() >= deadline; });
    if (attempt->done) Finish(attempt);
    else TimeOut(attempt);
    return m_shared->State() == adStateOpen;
}

bool rg_ShuJuKuLei::ConnectMySql(const CWString& address, const CWString& database, const CWString& user,
                                 const CWString& password, int port, const CWString& driver, bool async) {
    return OpenTarget(MySqlTarget({address, port, database, user, password}, driver, InstalledOdbcDrivers()), async);
}

bool rg_ShuJuKuLei::ConnectPostgreSql(const CWString& address, const CWString& database, const CWString& user,
                                      const CWString& password, int port, const CWString& driver, bool async) {
    return OpenTarget(PostgreSqlTarget({address, port, database, user, password}, driver, InstalledOdbcDrivers()),
                      async);
}

bool rg_ShuJuKuLei::ConnectOracle(const CWString& address, const CWString& user, const CWString& password,
                                  const CWString& driver, bool async) {
    return OpenTarget(OracleTarget({address, 0, {}, user, password}, driver, InstalledOdbcDrivers()), async);
}

bool rg_ShuJuKuLei::ConnectSqlServer(const CWString& address, const CWString& database, const CWString& user,
                                     const CWString& password, bool async, bool encrypted) {
    return OpenTarget(SqlServerTarget({address, 0, database, user, password}, encrypted, InstalledOdbcDrivers()),
                      async);
}

bool rg_ShuJuKuLei::ConnectAccess(const CWString& path, const CWString&, bool) {
    // The password and the provider version do not matter to MDBTools.
    return OpenTarget(AccessTarget(path, InstalledOdbcDrivers()), false);
}

rg_JiLuJiLei rg_ShuJuKuLei::Execute(const CWString& sql) const {
    if (m_null || !m_shared->link) return {};
    return m_shared->link->Execute(sql);
}

rg_JiLuJiLei rg_ShuJuKuLei::OpenSchema(int schema) const {
    if (m_null || !m_shared->link) return {};
    return m_shared->link->OpenSchema(schema);
}

void rg_ShuJuKuLei::OnConnectComplete(ConnectCompleteHandler handler) {
    m_shared->onConnectComplete = std::move(handler);
}

void rg_ShuJuKuLei::OnDisconnect(DisconnectHandler handler) { m_shared->onDisconnect = std::move(handler); }

}  // namespace rg_qelvane_windows_ShuJuKu
