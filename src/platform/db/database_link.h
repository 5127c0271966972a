#pragma once
// One open connection behind rg_ShuJuKuLei: an ODBC connection, or an Access
// file read through MDBTools. Made on the connection's worker thread, used on
// the UI thread afterwards; closing is destroying.
#include <memory>
#include <vector>

#include "platform/db/record_set.h"

namespace rg_qelvane_windows_ShuJuKu {

class CQelDatabaseLink {
public:
    virtual ~CQelDatabaseLink() = default;
    // A closed record set when the statement fails or gives no rows.
    virtual rg_JiLuJiLei Execute(const CWString& sql) = 0;
    virtual rg_JiLuJiLei OpenSchema(int schema) = 0;
};

// The driver names unixODBC knows.
std::vector<CWString> InstalledOdbcDrivers();
// Null when the connection fails (no driver, no server, refused, timed out).
std::unique_ptr<CQelDatabaseLink> ConnectOdbc(const CWString& connection, int loginTimeoutSeconds);
// Null when the file is not an Access database MDBTools can read.
std::unique_ptr<CQelDatabaseLink> OpenAccessFile(const CWString& path);

}  // namespace rg_qelvane_windows_ShuJuKu
