#include <gtest/gtest.h>

#include "platform/db/sqlite.h"
#include "support/temp_program_dir.h"

using namespace rg_qelvane_windows_SQLiteshjk;

namespace {

std::vector<CWString> Rows(const rg_SQLiteShuJuKuLei& database, const CWString& sql) {
    std::vector<CWString> rows;
    auto statement = database.Query(sql);
    while (statement.Step() == SQLITE_ROW_RESULT)
        rows.push_back(statement.GetColumnText(0) + u"|" + statement.GetColumnText(1) + u"|" +
                       CWString::FromUtf8(std::to_string(statement.GetColumnInt(1))));
    return rows;
}

}  // namespace

TEST(SQLiteObjects, OpenCreatesTheFileAndQueriesReadTextNullAndIntegers) {
    TempProgramDir dir;
    rg_SQLiteShuJuKuLei database;
    ASSERT_TRUE(database.Open(CWString::FromUtf8((dir / "新.db").string())));
    ASSERT_TRUE(std::filesystem::exists(dir / "新.db"));
    database.Query(u"CREATE TABLE t(名 TEXT, n INTEGER)").Step();
    database.Query(u"INSERT INTO t VALUES ('表一', 7), (NULL, NULL)").Step();
    EXPECT_EQ(Rows(database, u"SELECT 名, n FROM t"), (std::vector<CWString>{u"表一|7|7", u"||0"}));
}

TEST(SQLiteObjects, CopiesShareTheHandleAcrossOpenAndClose) {
    TempProgramDir dir;
    rg_SQLiteShuJuKuLei window;
    const rg_SQLiteShuJuKuLei parser = window;  // bound before the open, as the connect operation does
    ASSERT_TRUE(window.Open(CWString::FromUtf8((dir / "a.db").string())));
    EXPECT_TRUE(parser.IsOpen());
    window.Query(u"CREATE TABLE t(x)").Step();
    auto statement = parser.Query(u"SELECT name, 0 FROM sqlite_master");
    window.Close();
    EXPECT_FALSE(parser.IsOpen());
    // A statement made before the close still reads, then goes quietly.
    EXPECT_EQ(statement.Step(), SQLITE_ROW_RESULT);
    EXPECT_EQ(statement.GetColumnText(0), u"t");
}

TEST(SQLiteObjects, FailuresAreSilent) {
    TempProgramDir dir;
    rg_SQLiteShuJuKuLei database;
    EXPECT_EQ(database.Query(u"SELECT 1").Step(), 1);  // no handle
    ASSERT_TRUE(database.Open(CWString::FromUtf8((dir / "a.db").string())));
    // A folder cannot be opened: the old handle stays.
    EXPECT_FALSE(database.Open(CWString::FromUtf8(dir.Folder().string())));
    EXPECT_TRUE(database.IsOpen());
    auto broken = database.Query(u"SELEC nonsense");
    EXPECT_FALSE(broken.HasStatement());
    EXPECT_EQ(broken.Step(), 1);
    EXPECT_EQ(broken.GetColumnText(0), u"");
    rg_SQLiteShuJuKuLei null;
    null.SetNullObject(true);
    EXPECT_FALSE(null.Open(CWString::FromUtf8((dir / "b.db").string())));
}
