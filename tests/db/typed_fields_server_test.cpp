// What a user types into a connection panel, against the real drivers and the
// throwaway servers: every field is one value, never an attribute.
#include <gtest/gtest.h>

#include <functional>

#include "platform/db/connection.h"
#include "support/db_servers.h"
#include "support/headless_driver.h"

using namespace rg_qelvane_windows_ShuJuKu;
using rg_qelvane_base::headless::UseHeadlessBackend;

namespace {

// A hostile text must leave its mark nowhere: only the password case connects.
struct CTypedCase {
    const char* what;
    std::function<bool(rg_ShuJuKuLei&)> open;
    int status;
};

void ExpectStatuses(const std::vector<CTypedCase>& cases) {
    for (const CTypedCase& c : cases) {
        rg_ShuJuKuLei database;
        std::vector<int> statuses;
        database.OnConnectComplete([&](rg_ShuJuKuLei&, int status) { statuses.push_back(status); });
        c.open(database);
        EXPECT_EQ(statuses, std::vector<int>{c.status}) << c.what;
        database.Close();
    }
}

CWString Scalar(const rg_ShuJuKuLei& database, const CWString& sql) {
    rg_JiLuJiLei rows = database.Execute(sql);
    return rows.GetFieldCount() ? CQelComVariant::ToText(rows.GetFieldValue(0)) : u"(no result)";
}

constexpr char16_t kPassword[] = u" p;}=x{ DRIVER={PostgreSQL Unicode} ";

}  // namespace

TEST(TypedFieldsOnServers, MariaDbRunsNoTypedStatementAndTakesAnyPasswordWithoutBlankEnds) {
    QEL_DB_SERVER(mysql, "MYSQL");
    UseHeadlessBackend();
    const CWString driver = u"MySQL ODBC 8.0 Unicode Driver";
    rg_ShuJuKuLei admin;
    ASSERT_TRUE(admin.ConnectMySql(mysql.host, u"", mysql.user, mysql.password, mysql.port, driver, false));
    const CWString database = UniqueTestDatabaseName("typed");
    const CWString user = database;
    const CWString password = CWString(kPassword).Trimmed();  // MariaDB drops blank ends: such a password is refused
    admin.Execute(u"CREATE DATABASE " + database);
    admin.Execute(u"CREATE USER '" + user + u"'@'%' IDENTIFIED BY '" + password + u"'");
    auto connect = [&](CWString address, CWString name, CWString login, CWString secret) {
        return
            [=](rg_ShuJuKuLei& db) { return db.ConnectMySql(address, name, login, secret, mysql.port, driver, false); };
    };
    ExpectStatuses({
        {"database name with an attribute",
         connect(mysql.host, database + u";INITSTMT=CREATE TABLE " + database + u".x (i INT)", mysql.user,
                 mysql.password),
         adStatusErrorsOccurred},
        {"address with a second driver",
         connect(mysql.host + u";DRIVER={PostgreSQL Unicode}", database, mysql.user, mysql.password),
         adStatusErrorsOccurred},
        {"password holding ;}={ and a driver", connect(mysql.host, u"", user, password), adStatusOK},
        {"password with blank ends", connect(mysql.host, u"", user, u" " + password), adStatusErrorsOccurred},
    });
    EXPECT_EQ(Scalar(admin, u"SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = '" + database + u"'"),
              u"0");
    admin.Execute(u"DROP USER '" + user + u"'@'%'");
    admin.Execute(u"DROP DATABASE " + database);
}

TEST(TypedFieldsOnServers, PostgreSqlTakesThePasswordAsTypedAndRefusesWhatItCannotTake) {
    QEL_DB_SERVER(pg, "PG");
    UseHeadlessBackend();
    const CWString driver = u"PostgreSQL Unicode";
    rg_ShuJuKuLei admin;
    ASSERT_TRUE(admin.ConnectPostgreSql(pg.host, u"postgres", pg.user, pg.password, pg.port, driver, false));
    const CWString role = UniqueTestDatabaseName("typed");
    admin.Execute(u"CREATE ROLE " + role + u" LOGIN PASSWORD '" + kPassword + u"'");
    auto connect = [&](CWString address, CWString name, CWString login, CWString secret) {
        return [=](rg_ShuJuKuLei& db) {
            return db.ConnectPostgreSql(address, name, login, secret, pg.port, driver, false);
        };
    };
    ExpectStatuses({
        {"database name with an attribute", connect(pg.host, u"postgres;Pooling=1", pg.user, pg.password),
         adStatusErrorsOccurred},
        {"address with a second driver",
         connect(pg.host + u";DRIVER={MariaDB Unicode}", u"postgres", pg.user, pg.password), adStatusErrorsOccurred},
        {"password holding blanks, ;}={ and a driver", connect(pg.host, u"postgres", role, kPassword), adStatusOK},
    });
    admin.Execute(u"DROP ROLE " + role);
    EXPECT_EQ(Scalar(admin, u"SELECT COUNT(*) FROM pg_roles WHERE rolname = '" + role + u"'"), u"0");
}
