// The parser on the sample Access files kept beside the repository, read
// through MDBTools.
#include <gtest/gtest.h>

#include "support/column_records.h"
#include "support/db_servers.h"
#include "support/temp_program_dir.h"
#include "tools/dbwrap/database_connect.h"

using namespace rg_qelvane_app;
using rg_qelvane_base::CQelComVariant;
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
        ConnectDatabase({database, sqlite, parser}, DatabaseKind::kAccess, panel);
        return database.GetState() == adStateOpen;
    }
};

TEST_F(AccessParserTest, ReadsAJetFileWithNoPrimaryKey) {
    ASSERT_TRUE(Connect("DateTestDatabase.mdb"));
    EXPECT_EQ(parser.ListTables(), (rg_WenBenShuZuLei{u"DateTest"}));
    const auto columns = parser.ReadColumns(u"DateTest").value_or(rg_ShuJuKuBiaoJieGouShuZu{});
    ASSERT_EQ(columns.size(), 6u);
    for (const auto& column : columns) EXPECT_FALSE(column.primaryKey) << column.columnName.ToUtf8();
    EXPECT_EQ(parser.ReadColumns(u"datetest"), rg_ShuJuKuBiaoJieGouShuZu{}) << "table names compare exactly";
}

TEST_F(AccessParserTest, ReadsAnAceTableWhoseNameHoldsABlank) {
    dir.WriteBytes("setup.ini", "[Access]\nIsLatestVersion=1\n");
    ASSERT_TRUE(Connect("ASampleDatabase.accdb"));
    EXPECT_EQ(parser.ListTables(), (rg_WenBenShuZuLei{u"Asset Items"}));
    const auto columns = parser.ReadColumns(u"Asset Items").value_or(rg_ShuJuKuBiaoJieGouShuZu{});
    ASSERT_EQ(columns.size(), 13u);
    for (const auto& column : columns) {
        EXPECT_EQ(column.primaryKey, column.columnName == u"Asset No") << column.columnName.ToUtf8();
        EXPECT_NE(column.type, u"") << column.columnName.ToUtf8();
    }
}

// The file's catalogue holds them in another order.
TEST_F(AccessParserTest, TheTablesSchemaComesByTypeThenName) {
    ASSERT_TRUE(Connect("ASampleDatabase.accdb"));
    auto rows = database.OpenSchema(rg_qelvane_windows_ShuJuKu::adSchemaTables);
    std::vector<CWString> tables;
    for (; !rows.IsEOF(); rows.MoveNext())
        tables.push_back(CQelComVariant::ToText(rows.GetFieldValue(u"TABLE_TYPE")) + u" " +
                         CQelComVariant::ToText(rows.GetFieldValue(u"TABLE_NAME")));
    const std::vector<CWString> expected = {u"SYSTEM TABLE MSysAccessStorage",
                                            u"SYSTEM TABLE MSysAccessXML",
                                            u"SYSTEM TABLE MSysACEs",
                                            u"SYSTEM TABLE MSysComplexColumns",
                                            u"SYSTEM TABLE MSysComplexType_Attachment",
                                            u"SYSTEM TABLE MSysComplexType_Decimal",
                                            u"SYSTEM TABLE MSysComplexType_GUID",
                                            u"SYSTEM TABLE MSysComplexType_IEEEDouble",
                                            u"SYSTEM TABLE MSysComplexType_IEEESingle",
                                            u"SYSTEM TABLE MSysComplexType_Long",
                                            u"SYSTEM TABLE MSysComplexType_Short",
                                            u"SYSTEM TABLE MSysComplexType_Text",
                                            u"SYSTEM TABLE MSysComplexType_UnsignedByte",
                                            u"SYSTEM TABLE MSysNavPaneGroupCategories",
                                            u"SYSTEM TABLE MSysNavPaneGroups",
                                            u"SYSTEM TABLE MSysNavPaneGroupToObjects",
                                            u"SYSTEM TABLE MSysNavPaneObjectIDs",
                                            u"SYSTEM TABLE MSysObjects",
                                            u"SYSTEM TABLE MSysQueries",
                                            u"SYSTEM TABLE MSysRelationships",
                                            u"TABLE Asset Items",
                                            u"VIEW ~sq_ffrmAssetInventory",
                                            u"VIEW ~sq_rrptAssetListingInNumberOrder",
                                            u"VIEW ~sq_rrptAssetsGroupedByOwners",
                                            u"VIEW qryComputerHardwareInOwnerOrder",
                                            u"VIEW qryCostsSummedByOwner",
                                            u"VIEW qryGSTCalculations"};
    EXPECT_EQ(tables, expected);
}

// The path as typed: a ";" and blanks around the file name belong to it.
TEST_F(AccessParserTest, ReadsAFileWhosePathHoldsASemicolonAndBlanksAround) {
    const auto copy = dir / " Date;Test.mdb ";
    std::filesystem::copy_file(AccessSampleFolder() / "DateTestDatabase.mdb", copy);
    DatabasePanelValues panel;
    panel.filePath = CWString::FromUtf8(copy.string());
    ConnectDatabase({database, sqlite, parser}, DatabaseKind::kAccess, panel);
    EXPECT_EQ(parser.ListTables(), (rg_WenBenShuZuLei{u"DateTest"}));
}

}  // namespace
