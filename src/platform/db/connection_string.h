#pragma once
// The connection strings of each kind of database, as the connect operations
// build them (ADO forms, OLE DB providers included), and their translation
// into ODBC connection strings for unixODBC.
//
// Translation:
//  - "Provider=MSDASQL" or no provider: the ODBC part is kept as it is;
//  - "PostgreSQL OLE DB": the PostgreSQL Unicode driver, Data Source as the
//    server (a "host:port" form gives the port), location as the database;
//  - "Microsoft.Jet.OLEDB.4.0" / "Microsoft.ACE.OLEDB.12.0": the MDBTools
//    driver with the file (read-only; the password is not needed to read);
//  - "OraOLEDB.Oracle.1": its DRIVER and SERVER are kept;
//  - a Windows driver name that unixODBC does not know is replaced by the
//    installed driver for the same database ("MySQL ODBC 8.0 Unicode Driver"
//    -> the MariaDB driver, "SQL Server" / "ODBC Driver 17 for SQL Server" ->
//    FreeTDS, "host,port" -> SERVER and PORT for FreeTDS).
// User and password are added as UID and PWD when not empty.
#include <functional>
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

// `installedDrivers` are the driver names unixODBC knows (SQLDrivers).
CQelOdbcTarget ToOdbc(const CWString& adoConnection, const CWString& user, const CWString& password,
                      const std::vector<CWString>& installedDrivers);

}  // namespace rg_qelvane_windows_ShuJuKu
