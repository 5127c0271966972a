#include "platform/db/connection.h"

#include "platform/db/connection_string.h"

namespace rg_qelvane_windows_ShuJuKu {

struct rg_ShuJuKuLei::Shared {
    int state = adStateClosed;
    ConnectCompleteHandler onConnectComplete;
    DisconnectHandler onDisconnect;
};

rg_ShuJuKuLei::rg_ShuJuKuLei() : m_shared(std::make_shared<Shared>()) {}
rg_ShuJuKuLei::~rg_ShuJuKuLei() = default;

int rg_ShuJuKuLei::GetState() const { return m_null ? adStateClosed : m_shared->state; }

void rg_ShuJuKuLei::Close() {}

bool rg_ShuJuKuLei::Open(const CWString& connection, const CWString& user, const CWString& password, bool async) {
    if (m_null || m_shared->state != adStateClosed) return false;
    if (auto handler = m_shared->onConnectComplete) handler(*this, adStatusErrorsOccurred);
    return false;
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

rg_JiLuJiLei rg_ShuJuKuLei::Execute(const CWString& sql) const { return {}; }

rg_JiLuJiLei rg_ShuJuKuLei::OpenSchema(int schema) const { return {}; }

void rg_ShuJuKuLei::OnConnectComplete(ConnectCompleteHandler handler) {
    m_shared->onConnectComplete = std::move(handler);
}

void rg_ShuJuKuLei::OnDisconnect(DisconnectHandler handler) { m_shared->onDisconnect = std::move(handler); }

}  // namespace rg_qelvane_windows_ShuJuKu
