#pragma once
// The connection strings of each kind of database, as the connect operations
// build them (ADO forms, OLE DB providers included), and the ODBC connection
// strings that reach the drivers of unixODBC.
//
// The ADO forms are the record of what the user asked for; nothing is quoted
// in them. What reaches a driver is built from the typed fields themselves
// (the *Target builders), each value quoted the way that driver reads it, so
// no typed text can add an attribute. ToOdbc translates an ADO string a
// caller hands in (the ADO interface of the connection):
//  - "Provider=MSDASQL" or no provider: the ODBC part is kept as it is;
//  - "PostgreSQL OLE DB": the PostgreSQL Unicode driver, Data Source as the
//    server (a "host:port" form gives the port), location as the database;
//  - "Microsoft.Jet.OLEDB.4.0" / "Microsoft.ACE.OLEDB.12.0": the file, read
//    through MDBTools (read-only; the password is not needed to read);
//  - "OraOLEDB.Oracle.1": its DRIVER and SERVER are kept.
// Both ways, a Windows driver name that unixODBC does not know is replaced
// by the installed driver for the same database ("MySQL ODBC 8.0 Unicode
// Driver" -> the MariaDB driver, "SQL Server" / "ODBC Driver 17 for SQL
// Server" -> FreeTDS, "host,port" -> SERVER and PORT for FreeTDS), user and
// password are added as UID and PWD when not empty, and the drivers that
// have their own timeouts are told the login and read deadlines.
//
// A value that its driver cannot take even quoted (the drivers differ, see
// connection_string.cpp), a server address holding ";", "{", "}" or "="
// (no host name does), and any value, driver name or Access path holding a
// zero character (the string would end there) give an empty target: the
// open fails.
#include <vector>

#include "platform/text.h"

namespace rg_qelvane_windows_ShuJuKu {

using rg_qelvane_base::CWString;

CWString MySqlConnectionString(const CWString& address, const CWString& database, int port, const CWString& driver);
CWString PostgreSqlConnectionString(const CWString& address, const CWString& database, int port,
                                    const CWString& driver);
CWString OracleConnectionString(const CWString& address, const CWString& driver);
CWString SqlServerConnectionString(const CWString& address, const CWString& database, bool encrypted);
CWString AccessConnectionString(const CWString& path, const CWString& password, bool latestVersion);

struct CQelOdbcTarget {
    CWString connection;  // for SQLDriverConnect
    CWString accessFile;  // not empty for the Jet and ACE forms: the file read through MDBTools
};

// The typed fields of a server connection, exactly as typed.
struct CQelServerFields {
    CWString address;
    int port = 0;
    CWString database;
    CWString user;
    CWString password;
};

// `installedDrivers` are the driver names unixODBC knows (SQLDrivers); the
// driver names are those of setup.ini.
CQelOdbcTarget MySqlTarget(const CQelServerFields& fields, const CWString& driver,
                           const std::vector<CWString>& installedDrivers);
// An empty driver: the PostgreSQL Unicode driver, with the port only from a "host:port" address.
CQelOdbcTarget PostgreSqlTarget(const CQelServerFields& fields, const CWString& driver,
                                const std::vector<CWString>& installedDrivers);
CQelOdbcTarget OracleTarget(const CQelServerFields& fields, const CWString& driver,
                            const std::vector<CWString>& installedDrivers);
// The port is the one of a "host,port" address.
CQelOdbcTarget SqlServerTarget(const CQelServerFields& fields, bool encrypted,
                               const std::vector<CWString>& installedDrivers);
// The path exactly as typed; MDBTools reads the file without its password.
CQelOdbcTarget AccessTarget(const CWString& path, const std::vector<CWString>& installedDrivers);

CQelOdbcTarget ToOdbc(const CWString& adoConnection, const CWString& user, const CWString& password,
                      const std::vector<CWString>& installedDrivers);

}  // namespace rg_qelvane_windows_ShuJuKu
