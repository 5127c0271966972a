#include "dbwrap/database_connect.h"

#include "dbwrap/driver_settings.h"
#include "platform/db/connection_string.h"

namespace rg_qelvane_app {

using rg_qelvane_base::AsciiUpperText;
using rg_qelvane_base::TextToInt;

namespace {

void BindParser(DatabaseConnectionObjects& objects, int kind, const DatabasePanelValues& panel) {
    rg_SQLiteShuJuKuLei noSqlite;
    noSqlite.SetNullObject(true);
    const bool namesDatabase = kind == kKindMySql || kind == kKindPostgreSql || kind == kKindSqlServer;
    objects.parser.Bind(objects.database, kind == kKindSqlite ? objects.sqliteDatabase : noSqlite, kind,
                        namesDatabase ? panel.database : CWString(),
                        kind == kKindOracle ? AsciiUpperText(panel.user) : CWString());
}

}  // namespace

AdoOpenRequest AdoOpenRequestFor(int kind, const DatabasePanelValues& panel) {
    namespace ado = rg_qelvane_windows_ShuJuKu;
    switch (kind) {
        case kKindMySql:
            return {ado::MySqlConnectionString(panel.address, panel.database, TextToInt(panel.port),
                                               ReadDriverSetting(u"Mysql")),
                    panel.user, panel.password, ReadAsyncSetting(u"Mysql")};
        case kKindPostgreSql:
            return {ado::PostgreSqlConnectionString(panel.address, panel.database, TextToInt(panel.port),
                                                    ReadDriverSetting(u"Postgresql")),
                    panel.user, panel.password, ReadAsyncSetting(u"Postgresql")};
        case kKindOracle:
            return {ado::OracleConnectionString(panel.address, ReadDriverSetting(u"Oracle")), AsciiUpperText(panel.user),
                    panel.password, ReadAsyncSetting(u"Oracle")};
        case kKindSqlServer:
            return {ado::SqlServerConnectionString(panel.address, panel.database, ReadEncryptSetting()), panel.user,
                    panel.password, ReadAsyncSetting(u"Mssql")};
        case kKindAccess:
            return {ado::AccessConnectionString(panel.filePath, panel.password, ReadLatestVersionSetting()), {}, {}, false};
        default:
            return {};
    }
}

ConnectOutcome ConnectDatabase(DatabaseConnectionObjects objects, int kind, const DatabasePanelValues& panel) {
    if (!objects.database.IsNullObject() && objects.database.GetState() == rg_qelvane_windows_ShuJuKu::adStateOpen)
        objects.database.Close();
    if (kind < kKindMySql || kind > kKindSqlite) return ConnectOutcome::kNothing;
    BindParser(objects, kind, panel);
    if (kind != kKindSqlite) {
        const AdoOpenRequest request = AdoOpenRequestFor(kind, panel);
        objects.database.Open(request.connection, request.user, request.password, request.async);
        return ConnectOutcome::kAdoOpening;
    }
    return objects.sqliteDatabase.Open(panel.filePath) ? ConnectOutcome::kSqliteOpened : ConnectOutcome::kSqliteFailed;
}

}  // namespace rg_qelvane_app
