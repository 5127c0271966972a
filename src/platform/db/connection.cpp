#include "platform/db/connection.h"

#include <atomic>
#include <thread>

#include "platform/db/connection_string.h"
#include "platform/db/database_link.h"
#include "platform/ui/backend.h"

namespace rg_qelvane_windows_ShuJuKu {

namespace {

// One open attempt. The worker fills `link` and then sets `done`; the UI
// thread reads `link` only after it has seen `done`.
struct CAttempt {
    std::unique_ptr<CQelDatabaseLink> link;
    std::atomic<bool> done = false;
    bool cancelled = false;  // UI thread only
};

std::unique_ptr<CQelDatabaseLink> OpenTarget(const CQelOdbcTarget& target) {
    if (!target.accessFile.empty()) return OpenAccessFile(target.accessFile);
    return ConnectOdbc(target.connection, LoginTimeoutSeconds);
}

}  // namespace

struct rg_ShuJuKuLei::Shared {
    std::unique_ptr<CQelDatabaseLink> link;  // while open
    std::shared_ptr<CAttempt> attempt;       // while an open runs
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
        // The worker cannot be stopped; its result is thrown away when it comes.
        m_shared->attempt->cancelled = true;
        m_shared->attempt.reset();
        return;
    }
    if (!m_shared->link) return;
    m_shared->link.reset();
    if (auto handler = m_shared->onDisconnect) handler(*this);
}

// Takes the result of a finished attempt and tells the handler, on the UI thread.
static void Finish(const std::shared_ptr<rg_ShuJuKuLei::Shared>& shared, const std::shared_ptr<CAttempt>& attempt,
                   rg_ShuJuKuLei& source) {
    int status = adStatusCancel;
    if (!attempt->cancelled) {
        shared->attempt.reset();
        shared->link = std::move(attempt->link);
        status = shared->link ? adStatusOK : adStatusErrorsOccurred;
    }
    attempt->link.reset();
    if (auto handler = shared->onConnectComplete) handler(source, status);
}

bool rg_ShuJuKuLei::Open(const CWString& connection, const CWString& user, const CWString& password, bool async) {
    if (m_null || m_shared->State() != adStateClosed) return false;
    // The translation (and the driver list it needs) is done here: the worker only connects.
    const CQelOdbcTarget target = ToOdbc(connection, user, password, InstalledOdbcDrivers());
    auto attempt = std::make_shared<CAttempt>();
    m_shared->attempt = attempt;
    rg_qelvane_base::CQelUiBackend& backend = rg_qelvane_base::Backend();
    std::weak_ptr<Shared> weakShared = m_shared;
    std::thread([attempt, target, async, &backend, weakShared] {
        attempt->link = OpenTarget(target);
        attempt->done = true;
        if (!async) return;
        backend.PostToUiThread([attempt, weakShared] {
            // Every copy of the connection may be gone by now: then nobody listens.
            if (auto shared = weakShared.lock()) {
                rg_ShuJuKuLei source(shared);
                Finish(shared, attempt, source);
            }
        });
    }).detach();
    if (async) return true;
    backend.WaitRepainting([&] { return attempt->done.load(); });
    Finish(m_shared, attempt, *this);
    return m_shared->State() == adStateOpen;
}

bool rg_ShuJuKuLei::ConnectMySql(const CWString& address, const CWString& database, const CWString& user,
                                 const CWString& password, int port, const CWString& driver, bool async) {
    return Open(MySqlConnectionString(address, database, port, driver), user, password, async);
}

bool rg_ShuJuKuLei::ConnectPostgreSql(const CWString& address, const CWString& database, const CWString& user,
                                      const CWString& password, int port, const CWString& driver, bool async) {
    return Open(PostgreSqlConnectionString(address, database, port, driver), user, password, async);
}

bool rg_ShuJuKuLei::ConnectOracle(const CWString& address, const CWString& user, const CWString& password,
                                  const CWString& driver, bool async) {
    return Open(OracleConnectionString(address, driver), user, password, async);
}

bool rg_ShuJuKuLei::ConnectSqlServer(const CWString& address, const CWString& database, const CWString& user,
                                     const CWString& password, bool async, bool encrypted) {
    return Open(SqlServerConnectionString(address, database, encrypted), user, password, async);
}

bool rg_ShuJuKuLei::ConnectAccess(const CWString& path, const CWString& password, bool latestVersion) {
    return Open(AccessConnectionString(path, password, latestVersion), u"", u"", false);
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
