#pragma once
// Everything that differs from one kind of database to another, one row per
// kind: a new kind adds its row here, and its panel, statements and row
// readers in their own files.
#include <span>
#include <string_view>

#include "tools/dbwrap/database_connect.h"
#include "tools/dbwrap/database_statements.h"

namespace rg_qelvane_app {

// How the kind reaches its database.
enum class KindConnection {
    kAdoServer,   // address, port, database, user and password, through ADO
    kAdoFile,     // a file path and its password, through ADO
    kSqliteFile,  // a file path, opened with the SQLite library
};

// The values of the kind's section of "setup.ini" that its connect reads.
struct KindSettings {
    bool driver = false;
    // The driver named when "setup.ini" names none.
    std::u16string_view defaultDriver = {};
    bool async = false;
    bool encrypt = false;
    bool latestVersion = false;
};

// The panel value the parser is bound with besides the connection.
enum class KindScope { kNone, kDatabaseName, kUser };

struct DatabaseKindTraits {
    DatabaseKind kind;
    std::u16string_view name;  // the kind box's entry, and the kind's section of "setup.ini"
    KindConnection connection;
    KindSettings settings;
    KindScope scope;
    bool upperCasesUser;  // the user goes to the connect and the parser in ASCII capitals
    // Null for the kind that ADO does not open.
    void (*openAdo)(rg_ShuJuKuLei& database, const AdoOpenRequest& request);
    rg_WenBenShuZuLei (rg_ShuJuKuJieXiQi::*listTables)() const;
    ColumnsRead (rg_ShuJuKuJieXiQi::*readColumns)(const CWString& table) const;
    TextQuoting textQuoting;
    NameQuoting nameQuoting;
};

const DatabaseKindTraits& TraitsOf(DatabaseKind kind);
// Every kind, in the kind box's order.
std::span<const DatabaseKindTraits> AllDatabaseKinds();

}  // namespace rg_qelvane_app
