#include "platform/db/connection_string.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "platform/db/connection.h"

namespace rg_qelvane_windows_ShuJuKu {

using rg_qelvane_base::EqualsIgnoringAsciiCase;
using rg_qelvane_base::Joined;

namespace {

using Pairs = std::vector<std::pair<CWString, CWString>>;

CWString Take(Pairs& pairs, std::u16string_view key) {
    const auto found = std::find_if(pairs.begin(), pairs.end(),
                                    [&](const auto& pair) { return EqualsIgnoringAsciiCase(pair.first, key); });
    if (found == pairs.end()) return {};
    CWString value = found->second;
    pairs.erase(found);
    return value;
}

bool ContainsIgnoringCase(const CWString& text, std::u16string_view part) {
    return rg_qelvane_base::AsciiUpperText(text).Contains(rg_qelvane_base::AsciiUpperText(part));
}

// The installed driver for the database a Windows driver name is made for;
// the name unchanged when unixODBC knows it or nothing fits.
CWString InstalledDriverFor(const CWString& name, const std::vector<CWString>& installed) {
    for (const CWString& known : installed)
        if (EqualsIgnoringAsciiCase(known, name)) return known;
    static const std::vector<std::pair<std::vector<std::u16string_view>, std::vector<std::u16string_view>>> families = {
        {{u"MySQL", u"MariaDB"}, {u"MariaDB", u"MySQL"}},
        {{u"SQL Server", u"SQL Native Client", u"SQLNCLI"}, {u"FreeTDS", u"TDS"}},
        {{u"PostgreSQL", u"Postgres"}, {u"PostgreSQL Unicode", u"Postgre"}},
        {{u"Access", u"*.mdb"}, {u"MDBTools"}},
    };
    for (const auto& [windowsWords, installedWords] : families) {
        if (std::none_of(windowsWords.begin(), windowsWords.end(),
                         [&](auto word) { return ContainsIgnoringCase(name, word); }))
            continue;
        for (auto word : installedWords)
            for (const CWString& known : installed)
                if (ContainsIgnoringCase(known, word)) return known;
    }
    return name;
}

// How a driver reads the values of a connection string (tried on each driver):
//  - ODBC's own rule: a value in braces, "}" doubled inside, taken as it is;
//  - MariaDB: ODBC's rule, but blanks at the ends of a value are dropped,
//    braces or not;
//  - psqlODBC: only the password is read ODBC's way; any other value keeps
//    its braces as part of it, so it cannot hold ";" nor begin with "{";
//  - FreeTDS: braces group, but "}}" stays two characters: a value holding
//    "}" can only go without braces.
enum class CDialect { Odbc, MariaDb, PostgreSql, FreeTds };

CDialect DialectOf(const CWString& driver) {
    if (ContainsIgnoringCase(driver, u"MariaDB") || ContainsIgnoringCase(driver, u"MySQL")) return CDialect::MariaDb;
    if (ContainsIgnoringCase(driver, u"Postgre")) return CDialect::PostgreSql;
    if (ContainsIgnoringCase(driver, u"TDS")) return CDialect::FreeTds;
    return CDialect::Odbc;
}

bool HasBlankEnds(const CWString& value) { return value != value.Trimmed(); }

// The drivers and MDBTools take their strings up to the first zero character: what follows would be lost.
bool HoldsZeroCharacter(const CWString& value) { return value.find(u'\0') != CWString::npos; }

CWString Braced(const CWString& value) { return Joined({u"{", value.ReplacedAll(u"}", u"}}"), u"}"}); }

// The value as its driver reads it back unchanged; nothing when it cannot.
std::optional<CWString> QuotedValue(CDialect dialect, bool password, const CWString& value) {
    if (HoldsZeroCharacter(value)) return std::nullopt;
    const bool plain = value.find_first_of(u";{}=") == CWString::npos && !HasBlankEnds(value);
    const bool unbraceable = value.find(u';') != CWString::npos || value.starts_with(u"{");
    switch (dialect) {
        case CDialect::MariaDb:
            if (HasBlankEnds(value)) return std::nullopt;
            break;
        case CDialect::PostgreSql:
            if (password) break;
            if (unbraceable) return std::nullopt;
            return value;
        case CDialect::FreeTds:
            if (value.find(u'}') == CWString::npos) break;
            if (unbraceable || HasBlankEnds(value)) return std::nullopt;
            return value;
        case CDialect::Odbc: break;
    }
    return plain ? value : Braced(value);
}

// SERVER "host,port" or "host:port" with a number after the separator.
std::pair<CWString, CWString> SplitServerPort(const CWString& server, char16_t separator) {
    const auto at = server.rfind(separator);
    if (at == CWString::npos || at == 0 || at + 1 == server.size()) return {server, {}};
    const CWString port = server.substr(at + 1);
    const CWString host = server.substr(0, at);
    const bool digits = std::all_of(port.begin(), port.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
    if (!digits || host.find(separator) != CWString::npos) return {server, {}};
    return {host, port};
}

// The deadlines in each driver's own options; the login timeout of the
// connection attribute reaches psqlODBC (as libpq's connect_timeout) and
// FreeTDS by itself.
CWString TimeoutOptions(CDialect dialect) {
    const int read = CommandTimeoutSeconds;
    switch (dialect) {
        case CDialect::MariaDb:
            return CWString::Format(u"CONN_TIMEOUT=%d;READ_TIMEOUT=%d;WRITE_TIMEOUT=%d;",
                                    {LoginTimeoutSeconds, read, read});
        case CDialect::PostgreSql:
            // libpq has no read timeout: a lost network ends after the TCP
            // one, a slow statement on the server after statement_timeout.
            return CWString::Format(u"pqopt={tcp_user_timeout=%d options='-c statement_timeout=%d'};",
                                    {read * 1000, read * 1000});
        case CDialect::FreeTds:
            // Left to pick its protocol version, FreeTDS tries the older ones
            // on a silent server and its worker never ends.
            return CWString::Format(u"TDS_Version=7.4;Timeout=%d;", {read});
        case CDialect::Odbc: return {};
    }
    return {};
}

// The ODBC string of the pairs, user and password; empty when a value cannot be passed.
CWString OdbcString(Pairs pairs, const CWString& user, const CWString& password,
                    const std::vector<CWString>& installed) {
    // The driver name is the user's own setting: braced whatever it holds,
    // refused only when a zero character would cut the string there.
    const CWString named = Take(pairs, u"DRIVER");
    if (HoldsZeroCharacter(named)) return {};
    const CWString driver = InstalledDriverFor(named, installed);
    const CDialect dialect = DialectOf(driver);
    if (dialect == CDialect::FreeTds) {
        // FreeTDS takes the port apart and calls encryption by its own name.
        auto [host, port] = SplitServerPort(Take(pairs, u"SERVER"), u',');
        Pairs tds = {{u"SERVER", host}};
        if (!port.empty()) tds.emplace_back(u"PORT", port);
        if (EqualsIgnoringAsciiCase(Take(pairs, u"Encrypt"), u"yes")) tds.emplace_back(u"Encryption", u"require");
        Take(pairs, u"TrustServerCertificate");
        pairs.insert(pairs.begin(), tds.begin(), tds.end());
    }
    if (!user.empty()) pairs.emplace_back(u"UID", user);
    if (!password.empty()) pairs.emplace_back(u"PWD", password);
    CWString out = driver.empty() ? CWString() : u"DRIVER=" + Braced(driver) + u";";
    for (const auto& [key, value] : pairs) {
        const auto quoted = QuotedValue(dialect, EqualsIgnoringAsciiCase(key, u"PWD"), value);
        if (!quoted) return {};
        out += key + u"=" + *quoted + u";";
    }
    return out + TimeoutOptions(dialect);
}

// No host name holds these; MariaDB would even fall back to "localhost".
bool IsHostAddress(const CWString& address) { return address.find_first_of(u";{}=") == CWString::npos; }

CQelOdbcTarget ServerTarget(Pairs pairs, const CQelServerFields& fields, const std::vector<CWString>& installed) {
    return {OdbcString(std::move(pairs), fields.user, fields.password, installed), {}};
}

// The form with a driver name, a server, a port and a database.
CQelOdbcTarget DriverTarget(const CQelServerFields& fields, const CWString& driver,
                            const std::vector<CWString>& installed) {
    const CWString host = fields.address.Trimmed();
    if (!IsHostAddress(host)) return {};
    return ServerTarget({{u"DRIVER", driver},
                         {u"SERVER", host},
                         {u"PORT", CWString::Format(u"%d", {fields.port})},
                         {u"DATABASE", fields.database}},
                        fields, installed);
}

}  // namespace

CQelOdbcTarget MySqlTarget(const CQelServerFields& fields, const CWString& driver,
                           const std::vector<CWString>& installedDrivers) {
    return DriverTarget(fields, driver, installedDrivers);
}

CQelOdbcTarget PostgreSqlTarget(const CQelServerFields& fields, const CWString& driver,
                                const std::vector<CWString>& installedDrivers) {
    if (!driver.empty()) return DriverTarget(fields, driver, installedDrivers);
    const CWString address = fields.address.Trimmed();
    if (!IsHostAddress(address)) return {};
    auto [host, port] = SplitServerPort(address, u':');
    Pairs pairs = {{u"DRIVER", u"PostgreSQL Unicode"}, {u"SERVER", host}};
    if (!port.empty()) pairs.emplace_back(u"PORT", port);
    pairs.emplace_back(u"DATABASE", fields.database);
    return ServerTarget(std::move(pairs), fields, installedDrivers);
}

CQelOdbcTarget OracleTarget(const CQelServerFields& fields, const CWString& driver,
                            const std::vector<CWString>& installedDrivers) {
    // An Oracle address may be a whole descriptor: it goes quoted like any value.
    return ServerTarget({{u"DRIVER", driver}, {u"SERVER", fields.address}}, fields, installedDrivers);
}

CQelOdbcTarget SqlServerTarget(const CQelServerFields& fields, bool encrypted,
                               const std::vector<CWString>& installedDrivers) {
    const CWString host = fields.address.Trimmed();
    if (!IsHostAddress(host)) return {};
    Pairs pairs = {{u"DRIVER", encrypted ? u"ODBC Driver 17 for SQL Server" : u"SQL Server"},
                   {u"SERVER", host},
                   {u"DATABASE", fields.database}};
    if (encrypted) pairs.insert(pairs.end(), {{u"Encrypt", u"yes"}, {u"TrustServerCertificate", u"yes"}});
    return ServerTarget(std::move(pairs), fields, installedDrivers);
}

CQelOdbcTarget AccessTarget(const CWString& path, const std::vector<CWString>& installedDrivers) {
    if (HoldsZeroCharacter(path)) return {};
    const CWString driver = InstalledDriverFor(u"MDBTools", installedDrivers);
    return {u"DRIVER=" + Braced(driver) + u";DBQ=" + Braced(path) + u";", path};
}

}  // namespace rg_qelvane_windows_ShuJuKu
