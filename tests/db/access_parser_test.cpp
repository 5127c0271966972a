// The parser on the sample Access files kept beside the repository, read
// through MDBTools.
#include <gtest/gtest.h>

#include "support/column_records.h"
#include "support/db_servers.h"
#include "support/temp_program_dir.h"
#include "tools/dbwrap/database_connect.h"

using namespace rg_qelvane_app;
using rg_qelvane_windows_ShuJuKu::adStateOpen;

namespace {

class AccessParserTest : public ::testing::Test {
protected:
    TempProgramDir dir;
    rg_ShuJuKuLei database;
    rg_SQLiteShuJuKuLei sqlite;
    rg_ShuJuKuJieXiQi parser;

    void SetUp() override {
        if (AccessSampleFolder().empty()) GTEST_SKIP() << "no sample Access files in ../shared/testdata/access";
    }
    bool Connect(const std::string& file) {
        DatabasePanelValues panel;
        panel.filePath = CWString::FromUtf8((AccessSampleFolder() / file).string());
        ConnectDatabase({database, sqlite, parser}, kKindAccess, panel);
        return database.GetState() == adStateOpen;
    }
};

TEST_F(AccessParserTest, ReadsAJetFileWithNoPrimaryKey) {
    ASSERT_TRUE(Connect("DateTestDatabase.mdb"));
    EXPECT_EQ(parser.ListTables(), (rg_WenBenShuZuLei{u"DateTest"}));
    const auto columns = parser.ReadColumns(u"DateTest");
    ASSERT_EQ(columns.size(), 6u);
    for (const auto& column : columns) EXPECT_EQ(column.primaryKey, 0) << column.columnName.ToUtf8();
    EXPECT_TRUE(parser.ReadColumns(u"datetest").empty()) << "table names compare exactly";
}

TEST_F(AccessParserTest, ReadsAnAceTableWhoseNameHoldsABlank) {
    dir.WriteBytes("setup.ini", "[Access]\nIsLatestVersion=1\n");
    ASSERT_TRUE(Connect("ASampleDatabase.accdb"));
    EXPECT_EQ(parser.ListTables(), (rg_WenBenShuZuLei{u"Asset Items"}));
    const auto columns = parser.ReadColumns(u"Asset Items");
    ASSERT_EQ(columns.size(), 13u);
    for (const auto& column : columns) {
        EXPECT_EQ(column.primaryKey, column.columnName == u"Asset No" ? 1 : 0) << column.columnName.ToUtf8();
        EXPECT_NE(column.type, u"") << column.columnName.ToUtf8();
    }
}

// The path as typed: a ";" and blanks around the file name belong to it.
TEST_F(AccessParserTest, ReadsAFileWhosePathHoldsASemicolonAndBlanksAround) {
    const auto copy = dir / " Date;Test.mdb ";
    std::filesystem::copy_file(AccessSampleFolder() / "DateTestDatabase.mdb", copy);
    DatabasePanelValues panel;
    panel.filePath = CWString::FromUtf8(copy.string());
    ConnectDatabase({database, sqlite, parser}, kKindAccess, panel);
    EXPECT_EQ(parser.ListTables(), (rg_WenBenShuZuLei{u"DateTest"}));
}

}  // namespace
