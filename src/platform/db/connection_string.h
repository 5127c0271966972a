#pragma once
// The ODBC connection strings that reach the drivers of unixODBC, built from
// the typed fields of each kind of database. Where the tool on Windows hands
// ADO an OLE DB or ODBC string, this system connects through unixODBC:
//  - MySQL ("Provider=MSDASQL" there): its driver, server, port and database;
//  - PostgreSQL without a driver ("PostgreSQL OLE DB" there): the PostgreSQL
//    Unicode driver, the address as the server (a "host:port" form gives the
//    port), the database;
//  - SQL Server: its driver, the address ("host,port" gives the port) and
//    the database, the encrypted form asking for encryption;
//  - Oracle: its driver and the address;
//  - Access (the Jet and ACE forms there): the file, read through MDBTools
//    (read-only; the password is not needed to read).
// A Windows driver name that unixODBC does not know is replaced by the
// installed driver for the same database ("MySQL ODBC 8.0 Unicode Driver" ->
// the MariaDB driver, "SQL Server" / "ODBC Driver 17 for SQL Server" ->
// FreeTDS), user and password are added as UID and PWD when not empty, and
// the drivers that have their own timeouts are told the login and read
// deadlines.
//
// Each typed value reaches its driver quoted the way that driver reads it,
// so no typed text can add an attribute. A value that its driver cannot take
// even quoted (the drivers differ, see connection_string.cpp), a server
// address holding ";", "{", "}" or "=" (no host name does), and any value,
// driver name or Access path holding a zero character (the string would end
// there) give an empty target: the open fails.
#include <vector>

#include "platform/text.h"

namespace rg_qelvane_windows_ShuJuKu {

using rg_qelvane_base::CWString;

struct CQelOdbcTarget {
    CWString connection;  // for SQLDriverConnect
    CWString accessFile;  // not empty for Access: the file read through MDBTools
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

}  // namespace rg_qelvane_windows_ShuJuKu
