#include <gtest/gtest.h>

#include "support/temp_program_dir.h"
#include "tools/dbwrap/driver_settings.h"

using namespace rg_qelvane_app;

class DriverSettingsTest : public ::testing::Test {
protected:
    TempProgramDir dir;
};

TEST_F(DriverSettingsTest, NoFileGivesTheDefaults) {
    EXPECT_EQ(ReadDriverSetting(u"Mysql"), u"MySQL ODBC 8.0 Unicode Driver");
    EXPECT_EQ(ReadDriverSetting(u"Postgresql"), u"");
    EXPECT_EQ(ReadDriverSetting(u"Oracle"), u"Oracle in OraClient11g_home1");
    for (auto section : {u"Mysql", u"Postgresql", u"Oracle", u"Mssql"}) EXPECT_FALSE(ReadAsyncSetting(section));
    EXPECT_FALSE(ReadEncryptSetting());
    EXPECT_FALSE(ReadLatestVersionSetting());
}

TEST_F(DriverSettingsTest, OnlyTheTextZeroTurnsAFlagOff) {
    const std::pair<std::string, bool> cases[] = {
        {"0", false}, {" 0 ", false},  {"\"0\"", false}, {"", true},
        {"00", true}, {"false", true}, {"1", true},      {"no", true},
    };
    for (const auto& [value, on] : cases) {
        dir.WriteBytes("setup.ini", "[mssql]\nASYNC=" + value + "\nEncrypt=" + value +
                                        "\n[ACCESS]\nislatestversion=" + value + "\n");
        EXPECT_EQ(ReadAsyncSetting(u"Mssql"), on) << value;
        EXPECT_EQ(ReadEncryptSetting(), on) << value;
        EXPECT_EQ(ReadLatestVersionSetting(), on) << value;
    }
}

TEST_F(DriverSettingsTest, AnEmptyDriverIsKeptAndEditsAreSeenAtTheNextRead) {
    dir.WriteBytes("setup.ini", "[MYSQL]\ndriver=\n");
    EXPECT_EQ(ReadDriverSetting(u"Mysql"), u"");
    dir.WriteBytes("setup.ini", "[Mysql]\nDriver=MariaDB Unicode\n[Postgresql]\nDriver=PostgreSQL Unicode\n");
    EXPECT_EQ(ReadDriverSetting(u"Mysql"), u"MariaDB Unicode");
    EXPECT_EQ(ReadDriverSetting(u"Postgresql"), u"PostgreSQL Unicode");
}
