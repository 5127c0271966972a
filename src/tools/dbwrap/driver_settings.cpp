#include "tools/dbwrap/driver_settings.h"

#include "common/data_folder.h"
#include "platform/ini.h"

namespace rg_qelvane_app {

CWString ReadSetupIni(std::u16string_view section, std::u16string_view key, std::u16string_view defaultValue) {
    return rg_qelvane_base::ReadIniText(DriverSettingsFile(), section, key, defaultValue);
}

bool IsSettingOn(const CWString& value) { return value != u"0"; }

CWString ReadDriverSetting(std::u16string_view section, std::u16string_view defaultDriver) {
    return ReadSetupIni(section, u"Driver", defaultDriver);
}

bool ReadAsyncSetting(std::u16string_view section) { return IsSettingOn(ReadSetupIni(section, u"Async", u"0")); }

bool ReadEncryptSetting() { return IsSettingOn(ReadSetupIni(u"Mssql", u"Encrypt", u"0")); }

bool ReadLatestVersionSetting() { return IsSettingOn(ReadSetupIni(u"Access", u"IsLatestVersion", u"0")); }

}  // namespace rg_qelvane_app
