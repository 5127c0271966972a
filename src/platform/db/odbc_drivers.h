#pragma once
// The ODBC drivers installed on this machine, as unixODBC lists them.
#include <vector>

#include "platform/text.h"

namespace rg_qelvane_windows_ShuJuKu {

std::vector<rg_qelvane_base::CWString> InstalledOdbcDrivers();

}  // namespace rg_qelvane_windows_ShuJuKu
