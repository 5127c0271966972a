#include "tools/dbwrap/database_connect.h"

#include "tools/dbwrap/database_kind_table.h"
#include "tools/dbwrap/driver_settings.h"

namespace rg_qelvane_app {

using rg_qelvane_base::AsciiUpperText;
using rg_qelvane_base::TextToInt;

namespace {

CWString UserOf(const DatabaseKindTraits& traits, const DatabasePanelValues& panel) {
    return traits.upperCasesUser ? AsciiUpperText(panel.user) : panel.user;
}

void BindParser(DatabaseConnectionObjects& objects, DatabaseKind kind, const DatabasePanelValues& panel) {
    const DatabaseKindTraits& traits = TraitsOf(kind);
    rg_SQLiteShuJuKuLei noSqlite;
    noSqlite.SetNullObject(true);
    const bool opensSqlite = traits.connection == KindConnection::kSqliteFile;
    objects.parser.Bind(objects.database, opensSqlite ? objects.sqliteDatabase : noSqlite, kind,
                        traits.scope == KindScope::kDatabaseName ? panel.database : CWString(),
                        traits.scope == KindScope::kUser ? UserOf(traits, panel) : CWString());
}

}  // namespace

AdoOpenRequest AdoOpenRequestFor(DatabaseKind kind, const DatabasePanelValues& panel) {
    const DatabaseKindTraits& traits = TraitsOf(kind);
    AdoOpenRequest request;
    request.kind = kind;
    request.password = panel.password;
    if (traits.connection == KindConnection::kAdoFile) {
        request.filePath = panel.filePath;
    } else {
        request.address = panel.address;
        request.port = TextToInt(panel.port);
        request.database = panel.database;
        request.user = UserOf(traits, panel);
    }
    if (traits.settings.driver) request.driver = ReadDriverSetting(traits.name, traits.settings.defaultDriver);
    if (traits.settings.async) request.async = ReadAsyncSetting(traits.name);
    if (traits.settings.encrypt) request.encrypted = ReadEncryptSetting();
    if (traits.settings.latestVersion) request.latestVersion = ReadLatestVersionSetting();
    return request;
}

void OpenAdo(rg_ShuJuKuLei& database, const AdoOpenRequest& request) {
    if (const auto open = TraitsOf(request.kind).openAdo) open(database, request);
}

ConnectOutcome ConnectDatabase(DatabaseConnectionObjects objects, std::optional<DatabaseKind> kind,
                               const DatabasePanelValues& panel) {
    using rg_qelvane_windows_ShuJuKu::adStateConnecting;
    using rg_qelvane_windows_ShuJuKu::adStateOpen;
    // A second click during a connect would rebind the parser under it.
    if (objects.database.GetState() == adStateConnecting) return ConnectOutcome::kNothing;
    if (!objects.database.IsNullObject() && objects.database.GetState() == adStateOpen) objects.database.Close();
    if (!kind) return ConnectOutcome::kNothing;
    BindParser(objects, *kind, panel);
    if (TraitsOf(*kind).connection != KindConnection::kSqliteFile) {
        OpenAdo(objects.database, AdoOpenRequestFor(*kind, panel));
        return ConnectOutcome::kAdoOpening;
    }
    return objects.sqliteDatabase.Open(panel.filePath) ? ConnectOutcome::kSqliteOpened : ConnectOutcome::kSqliteFailed;
}

}  // namespace rg_qelvane_app
