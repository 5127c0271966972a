#include "platform/db/odbc_drivers.h"

#include <sql.h>
#include <sqlext.h>

namespace rg_qelvane_windows_ShuJuKu {

// Reads unixODBC's list of drivers only: no driver is loaded into the program.
std::vector<rg_qelvane_base::CWString> InstalledOdbcDrivers() {
    std::vector<rg_qelvane_base::CWString> drivers;
    SQLHENV environment = SQL_NULL_HENV;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &environment))) return drivers;
    SQLSetEnvAttr(environment, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLWCHAR name[512], attributes[2048];
    SQLSMALLINT nameLength = 0, attributesLength = 0;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    while (SQL_SUCCEEDED(SQLDriversW(environment, direction, name, sizeof name / sizeof name[0], &nameLength,
                                     attributes, sizeof attributes / sizeof attributes[0], &attributesLength))) {
        drivers.emplace_back(reinterpret_cast<const char16_t*>(name));
        direction = SQL_FETCH_NEXT;
    }
    SQLFreeHandle(SQL_HANDLE_ENV, environment);
    return drivers;
}

}  // namespace rg_qelvane_windows_ShuJuKu
