#include "tools/dbwrap/database_kind_table.h"

#include <iterator>

namespace rg_qelvane_app {

namespace {

using Parser = rg_ShuJuKuJieXiQi;

void OpenMySql(rg_ShuJuKuLei& database, const AdoOpenRequest& r) {
    database.ConnectMySql(r.address, r.database, r.user, r.password, r.port, r.driver, r.async);
}

void OpenPostgreSql(rg_ShuJuKuLei& database, const AdoOpenRequest& r) {
    database.ConnectPostgreSql(r.address, r.database, r.user, r.password, r.port, r.driver, r.async);
}

void OpenOracle(rg_ShuJuKuLei& database, const AdoOpenRequest& r) {
    database.ConnectOracle(r.address, r.user, r.password, r.driver, r.async);
}

void OpenSqlServer(rg_ShuJuKuLei& database, const AdoOpenRequest& r) {
    database.ConnectSqlServer(r.address, r.database, r.user, r.password, r.async, r.encrypted);
}

void OpenAccess(rg_ShuJuKuLei& database, const AdoOpenRequest& r) {
    database.ConnectAccess(r.filePath, r.password, r.latestVersion);
}

constexpr DatabaseKindTraits kKinds[] = {
    {.kind = DatabaseKind::kMySql,
     .name = u"Mysql",
     .connection = KindConnection::kAdoServer,
     .settings = {.driver = true, .defaultDriver = u"MySQL ODBC 8.0 Unicode Driver", .async = true},
     .scope = KindScope::kDatabaseName,
     .upperCasesUser = false,
     .openAdo = OpenMySql,
     .listTables = &Parser::ListTablesMySql,
     .readColumns = &Parser::ReadColumnsMySql,
     .textQuoting = TextQuoting::kPlain,
     .nameQuoting = NameQuoting::kBackticks},
    {.kind = DatabaseKind::kPostgreSql,
     .name = u"Postgresql",
     .connection = KindConnection::kAdoServer,
     .settings = {.driver = true, .async = true},
     .scope = KindScope::kDatabaseName,
     .upperCasesUser = false,
     .openAdo = OpenPostgreSql,
     .listTables = &Parser::ListTablesPostgreSql,
     .readColumns = &Parser::ReadColumnsPostgreSql,
     .textQuoting = TextQuoting::kBackslashEscapes,
     .nameQuoting = NameQuoting::kDoubleQuotes},
    {.kind = DatabaseKind::kOracle,
     .name = u"Oracle",
     .connection = KindConnection::kAdoServer,
     .settings = {.driver = true, .defaultDriver = u"Oracle in OraClient11g_home1", .async = true},
     .scope = KindScope::kUser,
     .upperCasesUser = true,
     .openAdo = OpenOracle,
     .listTables = &Parser::ListTablesOracle,
     .readColumns = &Parser::ReadColumnsOracle,
     .textQuoting = TextQuoting::kPlain,
     .nameQuoting = NameQuoting::kDoubleQuotes},
    {.kind = DatabaseKind::kSqlServer,
     .name = u"Mssql",
     .connection = KindConnection::kAdoServer,
     .settings = {.async = true, .encrypt = true},
     .scope = KindScope::kDatabaseName,
     .upperCasesUser = false,
     .openAdo = OpenSqlServer,
     .listTables = &Parser::ListTablesSqlServer,
     .readColumns = &Parser::ReadColumnsSqlServer,
     .textQuoting = TextQuoting::kNationalBeyondAscii,
     .nameQuoting = NameQuoting::kDoubleQuotes},
    {.kind = DatabaseKind::kAccess,
     .name = u"Access",
     .connection = KindConnection::kAdoFile,
     .settings = {.latestVersion = true},
     .scope = KindScope::kNone,
     .upperCasesUser = false,
     .openAdo = OpenAccess,
     .listTables = &Parser::ListTablesAccess,
     .readColumns = &Parser::ReadColumnsAccess,
     .textQuoting = TextQuoting::kPlain,
     .nameQuoting = NameQuoting::kBrackets},
    {.kind = DatabaseKind::kSqlite,
     .name = u"Sqlite",
     .connection = KindConnection::kSqliteFile,
     .settings = {},
     .scope = KindScope::kNone,
     .upperCasesUser = false,
     .openAdo = nullptr,
     .listTables = &Parser::ListTablesSqlite,
     .readColumns = &Parser::ReadColumnsSqlite,
     .textQuoting = TextQuoting::kPlain,
     .nameQuoting = NameQuoting::kDoubleQuotes},
};

// TraitsOf finds a kind's row by the kind's number.
constexpr bool RowsFollowTheKinds() {
    for (std::size_t index = 0; index < std::size(kKinds); ++index)
        if (static_cast<std::size_t>(kKinds[index].kind) != index) return false;
    return true;
}
static_assert(std::size(kKinds) == kDatabaseKindCount && RowsFollowTheKinds());

}  // namespace

const DatabaseKindTraits& TraitsOf(DatabaseKind kind) { return kKinds[static_cast<std::size_t>(kind)]; }

std::span<const DatabaseKindTraits> AllDatabaseKinds() { return kKinds; }

std::optional<DatabaseKind> DatabaseKindAt(int index) {
    if (index < 0 || index >= static_cast<int>(kDatabaseKindCount)) return std::nullopt;
    return kKinds[index].kind;
}

}  // namespace rg_qelvane_app
