#pragma once
// The one connection a database reader holds: an ODBC connection, or an
// Access file read through MDBTools. Closing is destroying.
#include <memory>
#include <string>

#include "platform/db/record_set.h"

namespace rg_qelvane_windows_ShuJuKu {

class CQelDatabaseLink {
public:
    virtual ~CQelDatabaseLink() = default;
    // A closed record set when the statement fails or gives no rows.
    virtual rg_JiLuJiLei Execute(const CWString& sql) = 0;
    virtual rg_JiLuJiLei OpenSchema(int schema) = 0;
};

// Null when the connection fails (no driver, no server, refused, timed out).
std::unique_ptr<CQelDatabaseLink> ConnectOdbc(const CWString& connection, int loginTimeoutSeconds);
// Null when the file is not an Access database MDBTools can read; `path` is
// the file's name in the file system's bytes.
std::unique_ptr<CQelDatabaseLink> OpenAccessFile(const std::string& path);

}  // namespace rg_qelvane_windows_ShuJuKu
