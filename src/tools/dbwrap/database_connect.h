#pragma once
// The logic of the database window's connect operation, apart from its
// controls: the window reads its kind box and the shown panel's edits, calls
// ConnectDatabase, and reacts to the outcome.
#include "tools/dbwrap/database_parser.h"
#include "tools/dbwrap/panel_values.h"

namespace rg_qelvane_app {

// The objects the window owns for its whole life.
struct DatabaseConnectionObjects {
    rg_ShuJuKuLei& database;
    rg_SQLiteShuJuKuLei& sqliteDatabase;
    rg_ShuJuKuJieXiQi& parser;
};

// What an ADO kind's connect hands to the kind's connect operation: the
// panel's values (the port converted, the Oracle user upper-cased) and the
// driver settings. The values reach the driver as typed, each one a value of
// its ODBC string (platform/db/connection_string.h).
struct AdoOpenRequest {
    DatabaseKind kind = DatabaseKind::kMySql;
    CWString address;
    int port = 0;
    CWString database;
    CWString user;
    CWString password;
    CWString filePath;
    CWString driver;             // "Driver" of Mysql, Postgresql, Oracle
    bool encrypted = false;      // Mssql/Encrypt
    bool latestVersion = false;  // Access/IsLatestVersion
    bool async = false;

    bool operator==(const AdoOpenRequest&) const = default;
};

// For the kinds opened through ADO, all but SQLite; reads "setup.ini" afresh.
AdoOpenRequest AdoOpenRequestFor(DatabaseKind kind, const DatabasePanelValues& panel);
// Calls the request's kind's connect operation on `database`.
void OpenAdo(rg_ShuJuKuLei& database, const AdoOpenRequest& request);

enum class ConnectOutcome {
    kNothing,       // a connect still running (left alone), or no kind selected (an open ADO connection was closed)
    kAdoOpening,    // the outcome comes as the connection's ConnectComplete
    kSqliteOpened,  // show "数据库连接成功！", list the tables, caption "断开"
    kSqliteFailed,  // show "打开失败！", nothing else
};

// Does nothing while an ADO connect is still running. Otherwise closes an
// open ADO connection, binds the parser for `kind` (the kind box's
// selection, none when nothing is selected) and opens the kind's connection
// with the driver settings read afresh. With Async off, ConnectComplete is
// raised before this returns.
ConnectOutcome ConnectDatabase(DatabaseConnectionObjects objects, std::optional<DatabaseKind> kind,
                               const DatabasePanelValues& panel);

}  // namespace rg_qelvane_app
