#include "tools/dbwrap/database_connect.h"

#include "tools/dbwrap/driver_settings.h"

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
    AdoOpenRequest request;
    request.kind = kind;
    request.password = panel.password;
    if (kind == kKindAccess) {
        request.filePath = panel.filePath;
        request.latestVersion = ReadLatestVersionSetting();
        return request;
    }
    request.address = panel.address;
    request.port = TextToInt(panel.port);
    request.database = panel.database;
    request.user = panel.user;
    switch (kind) {
        case kKindMySql:
            request.driver = ReadDriverSetting(u"Mysql");
            request.async = ReadAsyncSetting(u"Mysql");
            break;
        case kKindPostgreSql:
            request.driver = ReadDriverSetting(u"Postgresql");
            request.async = ReadAsyncSetting(u"Postgresql");
            break;
        case kKindOracle:
            request.driver = ReadDriverSetting(u"Oracle");
            request.user = AsciiUpperText(panel.user);
            request.async = ReadAsyncSetting(u"Oracle");
            break;
        case kKindSqlServer:
            request.encrypted = ReadEncryptSetting();
            request.async = ReadAsyncSetting(u"Mssql");
            break;
        default: return {};
    }
    return request;
}

void OpenAdo(rg_ShuJuKuLei& database, const AdoOpenRequest& request) {
    const AdoOpenRequest& r = request;
    switch (r.kind) {
        case kKindMySql:
            database.ConnectMySql(r.address, r.database, r.user, r.password, r.port, r.driver, r.async);
            break;
        case kKindPostgreSql:
            database.ConnectPostgreSql(r.address, r.database, r.user, r.password, r.port, r.driver, r.async);
            break;
        case kKindOracle: database.ConnectOracle(r.address, r.user, r.password, r.driver, r.async); break;
        case kKindSqlServer:
            database.ConnectSqlServer(r.address, r.database, r.user, r.password, r.async, r.encrypted);
            break;
        case kKindAccess: database.ConnectAccess(r.filePath, r.password, r.latestVersion); break;
        default: break;
    }
}

ConnectOutcome ConnectDatabase(DatabaseConnectionObjects objects, int kind, const DatabasePanelValues& panel) {
    using rg_qelvane_windows_ShuJuKu::adStateConnecting;
    using rg_qelvane_windows_ShuJuKu::adStateOpen;
    // A second click during a connect would rebind the parser under it.
    if (objects.database.GetState() == adStateConnecting) return ConnectOutcome::kNothing;
    if (!objects.database.IsNullObject() && objects.database.GetState() == adStateOpen) objects.database.Close();
    if (kind < kKindMySql || kind > kKindSqlite) return ConnectOutcome::kNothing;
    BindParser(objects, kind, panel);
    if (kind != kKindSqlite) {
        OpenAdo(objects.database, AdoOpenRequestFor(kind, panel));
        return ConnectOutcome::kAdoOpening;
    }
    return objects.sqliteDatabase.Open(panel.filePath) ? ConnectOutcome::kSqliteOpened : ConnectOutcome::kSqliteFailed;
}

}  // namespace rg_qelvane_app
