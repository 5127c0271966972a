#pragma once
// Driver settings from "setup.ini" beside the program. The user edits that
// file by hand and the program never writes it. Nothing is cached: each
// connect reads the file afresh, so a change counts from the next connect
// without a restart.
#include <string_view>

#include "platform/text.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;

CWString ReadSetupIni(std::u16string_view section, std::u16string_view key, std::u16string_view defaultValue);

// A flag is off only when it reads exactly "0": empty, "00" and "false" are on.
bool IsSettingOn(const CWString& value);

// The ODBC driver name of "Mysql", "Postgresql" or "Oracle", or the kind's default.
CWString ReadDriverSetting(std::u16string_view section, std::u16string_view defaultDriver);
// "Async" of "Mysql", "Postgresql", "Oracle" or "Mssql".
bool ReadAsyncSetting(std::u16string_view section);
// "Mssql"/"Encrypt": the encrypting SQL Server driver.
bool ReadEncryptSetting();
// "Access"/"IsLatestVersion": the ACE provider for ".accdb" files.
bool ReadLatestVersionSetting();

}  // namespace rg_qelvane_app
