#include <gtest/gtest.h>

#include "support/temp_program_dir.h"
#include "tools/dbwrap/database_kind_table.h"
#include "tools/dbwrap/driver_settings.h"

using namespace rg_qelvane_app;

class DriverSettingsTest : public ::testing::Test {
protected:
    TempProgramDir dir;
    // The driver a connect of `kind` asks for.
    static CWString DriverOf(DatabaseKind kind) {
        const DatabaseKindTraits& traits = TraitsOf(kind);
        return ReadDriverSetting(traits.name, traits.settings.defaultDriver);
    }
};

TEST_F(DriverSettingsTest, NoFileGivesTheDefaults) {
    EXPECT_EQ(DriverOf(DatabaseKind::kMySql), u"MySQL ODBC 8.0 Unicode Driver");
    EXPECT_EQ(DriverOf(DatabaseKind::kPostgreSql), u"");
    EXPECT_EQ(DriverOf(DatabaseKind::kOracle), u"Oracle in OraClient11g_home1");
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
    EXPECT_EQ(DriverOf(DatabaseKind::kMySql), u"");
    dir.WriteBytes("setup.ini", "[Mysql]\nDriver=MariaDB Unicode\n[Postgresql]\nDriver=PostgreSQL Unicode\n");
    EXPECT_EQ(DriverOf(DatabaseKind::kMySql), u"MariaDB Unicode");
    EXPECT_EQ(DriverOf(DatabaseKind::kPostgreSql), u"PostgreSQL Unicode");
}
