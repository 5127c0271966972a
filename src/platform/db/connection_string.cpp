#include "platform/db/connection_string.h"

#include <algorithm>
#include <utility>

namespace rg_qelvane_windows_ShuJuKu {

using rg_qelvane_base::EqualsIgnoringAsciiCase;

CWString MySqlConnectionString(const CWString& address, const CWString& database, int port, const CWString& driver) {
    return CWString::Format(u"Provider=MSDASQL; DRIVER=%s; SERVER=%s; PORT=%d; DATABASE=%s;",
                            {driver, address, port, database});
}

CWString PostgreSqlConnectionString(const CWString& address, const CWString& database, int port,
                                    const CWString& driver) {
    if (driver.empty())
        return CWString::Format(u"Provider=PostgreSQL OLE DB; Data Source=%s; location=%s;", {address, database});
    return MySqlConnectionString(address, database, port, driver);
}

CWString OracleConnectionString(const CWString& address, const CWString& driver) {
    return u"Provider=OraOLEDB.Oracle.1; DRIVER=" + driver + u"; SERVER=" + address;
}

CWString SqlServerConnectionString(const CWString& address, const CWString& database, bool encrypted) {
    if (encrypted)
        return u"DRIVER=ODBC Driver 17 for SQL Server; SERVER=" + address + u"; DATABASE=" + database +
               u"; Encrypt=yes; TrustServerCertificate=yes";
    return u"DRIVER=SQL Server; SERVER=" + address + u"; DATABASE=" + database + u";";
}

CWString AccessConnectionString(const CWString& path, const CWString& password, bool latestVersion) {
    const char16_t* provider = latestVersion ? u"Microsoft.ACE.OLEDB.12.0" : u"Microsoft.Jet.OLEDB.4.0";
    return CWString(u"Provider=") + provider + u"; Data Source=" + path + u";Jet OLEDB:Database Password=" +
           password;
}

namespace {

using Pairs = std::vector<std::pair<CWString, CWString>>;

// "key=value; key=value": keys and values trimmed; a piece without "=" is dropped.
Pairs ParseAdo(const CWString& text) {
    Pairs pairs;
    for (const CWString& piece : rg_qelvane_base::SplitText(text, u";", true)) {
        const auto equals = piece.find(u'=');
        if (equals == CWString::npos) continue;
        pairs.emplace_back(CWString(piece.substr(0, equals)).Trimmed(), CWString(piece.substr(equals + 1)).Trimmed());
    }
    return pairs;
}

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

// ODBC's quoting: braces when the value could be misread, "}" doubled inside.
CWString OdbcValue(const CWString& value, bool alwaysBraced) {
    const bool plain = value.find_first_of(u";{}=") == CWString::npos && value == value.Trimmed();
    if (plain && !alwaysBraced) return value;
    return u"{" + value.ReplacedAll(u"}", u"}}") + u"}";
}

void Append(CWString& out, std::u16string_view key, const CWString& value, bool alwaysBraced = false) {
    out += CWString(key) + u"=" + OdbcValue(value, alwaysBraced) + u";";
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

CWString OdbcFromPairs(Pairs pairs, const std::vector<CWString>& installed) {
    CWString out;
    const CWString driver = InstalledDriverFor(Take(pairs, u"DRIVER"), installed);
    if (!driver.empty()) Append(out, u"DRIVER", driver, true);
    if (ContainsIgnoringCase(driver, u"TDS")) {
        // FreeTDS takes the port apart and calls encryption by its own name.
        auto [host, port] = SplitServerPort(Take(pairs, u"SERVER"), u',');
        Append(out, u"SERVER", host);
        if (!port.empty()) Append(out, u"PORT", port);
        if (EqualsIgnoringAsciiCase(Take(pairs, u"Encrypt"), u"yes")) Append(out, u"Encryption", u"require");
        Take(pairs, u"TrustServerCertificate");
    }
    for (const auto& [key, value] : pairs) Append(out, key, value);
    return out;
}

}  // namespace

CQelOdbcTarget ToOdbc(const CWString& adoConnection, const CWString& user, const CWString& password,
                      const std::vector<CWString>& installedDrivers) {
    Pairs pairs = ParseAdo(adoConnection);
    const CWString provider = Take(pairs, u"Provider");
    CQelOdbcTarget target;
    if (provider.empty() || EqualsIgnoringAsciiCase(provider, u"MSDASQL") ||
        EqualsIgnoringAsciiCase(provider, u"OraOLEDB.Oracle.1")) {
        target.connection = OdbcFromPairs(std::move(pairs), installedDrivers);
    } else if (EqualsIgnoringAsciiCase(provider, u"PostgreSQL OLE DB")) {
        auto [host, port] = SplitServerPort(Take(pairs, u"Data Source"), u':');
        Pairs odbc = {{u"DRIVER", u"PostgreSQL Unicode"}, {u"SERVER", host}};
        if (!port.empty()) odbc.emplace_back(u"PORT", port);
        odbc.emplace_back(u"DATABASE", Take(pairs, u"location"));
        target.connection = OdbcFromPairs(std::move(odbc), installedDrivers);
    } else if (EqualsIgnoringAsciiCase(provider, u"Microsoft.Jet.OLEDB.4.0") ||
               EqualsIgnoringAsciiCase(provider, u"Microsoft.ACE.OLEDB.12.0")) {
        // MDBTools reads the file without its password.
        target.accessFile = Take(pairs, u"Data Source");
        target.connection = OdbcFromPairs({{u"DRIVER", u"MDBTools"}, {u"DBQ", target.accessFile}}, installedDrivers);
    } else {
        return target;  // a provider this system does not have: the open fails
    }
    if (!user.empty()) Append(target.connection, u"UID", user);
    if (!password.empty()) Append(target.connection, u"PWD", password);
    return target;
}

}  // namespace rg_qelvane_windows_ShuJuKu
