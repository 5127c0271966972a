// The database window driven through the headless backend as a user would,
// on real SQLite files.
#include "tools/dbwrap/database_window.h"

#include <functional>

#include "platform/db/sqlite.h"
#include "platform/ui/clipboard.h"
#include "support/translate_box_suite.h"

using namespace rg_qelvane_app;
using namespace rg_qelvane_base::headless;
using namespace generator_test;
using rg_qelvane_base::CQelStyle;

namespace {

// A database file with two tables in the folder, made the way any other program would.
CWString MakeShop(const TempProgramDir& folder) {
    CWString path = CWString::FromUtf8((folder / "shop.db").string());
    rg_qelvane_windows_SQLiteshjk::rg_SQLiteShuJuKuLei db;
    EXPECT_TRUE(db.Open(path));
    for (const char16_t* sql : {u"CREATE TABLE user (id INTEGER PRIMARY KEY, name varchar(20) NOT NULL DEFAULT 'x')",
                                u"CREATE TABLE \"order\" (no int, total real)"})
        db.Query(sql).Step();
    db.Close();
    return path;
}

void ConnectSqlite(rg_win_ShuJuKuFengZhuang& window, const CWString& path) {
    Select(window.m_kind, KindBoxIndex(DatabaseKind::kSqlite));
    Type(window.m_sqlitePanel.m_path, path);
    Click(window.m_connect);
}

INSTANTIATE_TEST_SUITE_P(Database, TranslateBox,
                         ::testing::Values(TranslateBoxCase{"Database", false, u"INTEGER",
                                                            [](const TempProgramDir& folder) {
                                                                auto window =
                                                                    std::make_shared<rg_win_ShuJuKuFengZhuang>();
                                                                EXPECT_TRUE(window->CreateFormWindow());
                                                                ConnectSqlite(*window, MakeShop(folder));
                                                                ClickCheckMark(window->m_tables, 0);
                                                                return TranslatingWindow{
                                                                    window, window->m_translate, window->m_output,
                                                                    [window] { Click(window->m_wrapTicked); }};
                                                            }}),
                         CaseName<TranslateBoxCase>);

class DatabaseWindow : public ToolWindowTest {
protected:
    void SetUp() override {
        ToolWindowTest::SetUp();
        ASSERT_TRUE(window.CreateFormWindow());
    }
    CWString MakeShop() { return ::MakeShop(programDir_); }
    void ConnectSqlite(const CWString& path) { ::ConnectSqlite(window, path); }
    std::vector<CWString> ListedTables() {
        std::vector<CWString> names;
        for (int i = 0; i < window.m_tables.GetItemCount(); ++i) names.push_back(window.m_tables.GetListItemText(i));
        return names;
    }
    const std::vector<rg_qelvane_base::headless::CHeadlessColumn>& GridColumns() {
        return FindWindow(window.m_grid)->columns;
    }

    rg_win_ShuJuKuFengZhuang window;
};

const CWString kUserClass = CrLfLines({u"类 user <公开>", u"{", u"\t变量 id <公开 类型 = INTEGER 注释 = \"\">",
                                       u"\t变量 name <公开 类型 = varchar 注释 = \"\">", u"}"});
const CWString kOrderClass = CrLfLines({u"类 order <公开>", u"{", u"\t变量 no <公开 类型 = INT 注释 = \"\">",
                                        u"\t变量 total <公开 类型 = REAL 注释 = \"\">", u"}"});

TEST_F(DatabaseWindow, OpensWithItsDefaultsEveryTime) {
    for (int opening = 0; opening < 2; ++opening) {
        EXPECT_EQ(U8(window.GetControlText()), "数据库封装");
        EXPECT_EQ(window.m_kind.GetItemCount(), 6);
        for (int entry = 0; const char* kind : {"Mysql", "Postgresql", "Oracle", "Mssql", "Access", "Sqlite"}) {
            EXPECT_EQ(U8(window.m_kind.GetListItemText(entry)), kind);
            EXPECT_EQ(window.m_kind.GetItemData(entry), entry);
            ++entry;
        }
        EXPECT_EQ(window.m_kind.GetCurSel(), 0);
        EXPECT_TRUE(FindWindow(window.m_mySqlPanel)->visible);
        EXPECT_FALSE(FindWindow(window.m_postgreSqlPanel)->visible);
        EXPECT_EQ(U8(window.m_mySqlPanel.m_port.GetControlText()), "3306");
        EXPECT_EQ(U8(window.m_postgreSqlPanel.m_port.GetControlText()), "5432");
        EXPECT_EQ(U8(window.m_sqlServerPanel.m_address.GetControlText()), "127.0.0.1,59157");
        EXPECT_TRUE(window.m_accessPanel.m_password.HasStyle(CQelStyle::Password));
        EXPECT_TRUE(window.m_plainCode.IsChecked());
        EXPECT_FALSE(window.m_serverCode.IsChecked() || window.m_translate.IsChecked() || window.m_json.IsChecked());
        EXPECT_EQ(U8(window.m_connect.GetControlText()), "连接");
        EXPECT_EQ(window.m_grid.GetColumnCount(), 0);
        EXPECT_EQ(window.m_output.GetControlText(), u"");
        Select(window.m_kind, KindBoxIndex(DatabaseKind::kOracle));
        Type(window.m_mySqlPanel.m_port, u"1");
        Type(window.m_output, u"旧");
        SetCheck(window.m_translate, true);
        ASSERT_TRUE(Close(window));
        ASSERT_TRUE(window.CreateFormWindow());
    }
}

TEST_F(DatabaseWindow, OpenButtonsAskForTheirKindOfFile) {
    QueueFileDialogAnswer(u"/data/old.MDB");
    Select(window.m_kind, KindBoxIndex(DatabaseKind::kAccess));
    Click(window.m_accessPanel.m_open);
    EXPECT_EQ(U8(window.m_accessPanel.m_path.GetControlText()), "/data/old.MDB");
    Select(window.m_kind, KindBoxIndex(DatabaseKind::kSqlite));
    Type(window.m_sqlitePanel.m_path, u"typed.db");
    QueueFileDialogCancel();
    Click(window.m_sqlitePanel.m_open);
    EXPECT_EQ(U8(window.m_sqlitePanel.m_path.GetControlText()), "typed.db");
    ASSERT_EQ(ShownBoxes().size(), 2u);
    EXPECT_EQ(U8(ShownBoxes()[0].text), "旧数据库文件(*.mdb)|*.mdb|新数据库文件(*.accdb)|*.accdb");
    EXPECT_EQ(U8(ShownBoxes()[1].text), "Sqlite数据库文件(*.db)|*.db");
    EXPECT_EQ(ShownBoxes()[1].owner, &window);
}

TEST_F(DatabaseWindow, SqliteFromConnectToClipboard) {
    ConnectSqlite(MakeShop());
    ExpectOneNotice(u"数据库连接成功！");
    EXPECT_EQ(U8(window.m_connect.GetControlText()), "断开");
    ASSERT_EQ(ListedTables(), (std::vector<CWString>{u"user", u"order"}));

    ASSERT_TRUE(Select(window.m_tables, 0));
    ASSERT_EQ(GridColumns().size(), 8u);
    const char* titles[] = {"序号", "字段名称", "字段类型", "最大长度", "主键", "自增", "是否为空", "默认值"};
    const int widths[] = {100, 200, 200, 100, 100, 100, 100, 100};
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(U8(GridColumns()[c].title), titles[c]);
        EXPECT_EQ(GridColumns()[c].width, widths[c]);
    }
    ASSERT_EQ(window.m_grid.GetRowCount(), 2);
    EXPECT_EQ(U8(window.m_grid.GetCellText(1, 0)), "2");
    EXPECT_EQ(U8(window.m_grid.GetCellText(1, 1)), "name");
    EXPECT_EQ(U8(window.m_grid.GetCellText(1, 3)), "20");
    EXPECT_EQ(U8(window.m_grid.GetCellText(0, 4)), "是");
    EXPECT_EQ(U8(window.m_output.GetControlText()), U8(CrLfLines({kHeader, u""}) + kUserClass));

    // Ticking keeps the output; generating takes the ticked tables in list order.
    ClickCheckMark(window.m_tables, 1);
    ClickCheckMark(window.m_tables, 0);
    EXPECT_EQ(U8(window.m_output.GetControlText()), U8(CrLfLines({kHeader, u""}) + kUserClass));
    Click(window.m_wrapTicked);
    CWString both = CrLfLines({kHeader, u""}) + kUserClass + kOrderClass;
    EXPECT_EQ(U8(window.m_output.GetControlText()), U8(both));
    ClearShownBoxes();
    Click(window.m_copy);
    EXPECT_EQ(U8(rg_qelvane_base::GetClipboardText()), U8(both));
    ExpectOneNotice(u"复制成功！");

    // Clicking a table generates it alone, ticked or not.
    Select(window.m_tables, 1);
    EXPECT_EQ(U8(window.m_output.GetControlText()), U8(CrLfLines({kHeader, u""}) + kOrderClass));
}

// A file another program holds locked cannot be read: the wrap says which
// tables it left out, writes no empty class for them, and the window goes on.
TEST_F(DatabaseWindow, TablesThatCannotBeReadAreNamedAndLeftOut) {
    const CWString path = MakeShop();
    ConnectSqlite(path);
    Click(window.m_selectAll);
    rg_qelvane_windows_SQLiteshjk::rg_SQLiteShuJuKuLei other;
    ASSERT_TRUE(other.Open(path));
    ASSERT_EQ(other.Query(u"BEGIN EXCLUSIVE").Step(), 101);
    const CWString header = CrLfLines({kHeader, u""});
    const struct {
        const char* what;
        std::function<void()> wrap;
        std::u16string_view notice;
    } wraps[] = {
        {"ticked", [&] { Click(window.m_wrapTicked); },
         u"表结构未能完整读取，只封装了已读取的表！\n未能读取的表（共2个）：user、order"},
        {"clicked", [&] { Select(window.m_tables, 1); },
         u"表结构未能完整读取，只封装了已读取的表！\n未能读取的表（共1个）：order"},
    };
    for (const auto& w : wraps) {
        ClearShownBoxes();
        w.wrap();
        ExpectOneNotice(w.notice);
        EXPECT_EQ(U8(window.m_output.GetControlText()), U8(header)) << w.what;
    }
    EXPECT_EQ(window.m_grid.GetRowCount(), 0);
    ClearShownBoxes();
    Click(window.m_copy);
    EXPECT_EQ(U8(rg_qelvane_base::GetClipboardText()), U8(header));

    ASSERT_EQ(other.Query(u"COMMIT").Step(), 101);
    ClearShownBoxes();
    Click(window.m_wrapTicked);
    EXPECT_TRUE(ShownBoxes().empty());
    EXPECT_EQ(U8(window.m_output.GetControlText()), U8(header + kUserClass + kOrderClass));
    Click(window.m_connect);
    Click(window.m_connect);
    EXPECT_EQ(ListedTables().size(), 2u);
}

TEST_F(DatabaseWindow, ServerCodeWithTags) {
    ConnectSqlite(MakeShop());
    Click(window.m_serverCode);
    Click(window.m_gorm);
    ClickCheckMark(window.m_tables, 0);
    Click(window.m_wrapTicked);
    CWString text = window.m_output.GetControlText();
    EXPECT_TRUE(text.Contains(
        u"\t变量 id <公开 类型 = INTEGER @输出名 = \"Id\" @服务器.标签 = \"gorm:\\\"primarykey\\\"\" 注释"))
        << U8(text);
    EXPECT_TRUE(text.Contains(u"\t\t返回 (\"user\")\r\n\t}\r\n\r\n}\r\n"));
}

TEST_F(DatabaseWindow, NothingTickedGivesTheHeaderAlone) {
    ConnectSqlite(MakeShop());
    Click(window.m_wrapTicked);
    EXPECT_EQ(U8(window.m_output.GetControlText()), U8(CrLfLines({kHeader, u""})));
    Click(window.m_selectAll);
    Click(window.m_wrapTicked);
    EXPECT_EQ(U8(window.m_output.GetControlText()), U8(CrLfLines({kHeader, u""}) + kUserClass + kOrderClass));
    Click(window.m_refresh);
    EXPECT_EQ(ListedTables().size(), 2u);
    EXPECT_FALSE(window.m_tables.GetCheck(0)) << "listed again, unticked";
}

TEST_F(DatabaseWindow, DisconnectKeepsTheOutputAndReconnectListsAgain) {
    CWString path = MakeShop();
    ConnectSqlite(path);
    Select(window.m_tables, 0);
    CWString output = window.m_output.GetControlText();
    Click(window.m_connect);
    EXPECT_EQ(U8(window.m_connect.GetControlText()), "连接");
    EXPECT_EQ(window.m_grid.GetColumnCount(), 0);
    EXPECT_EQ(window.m_tables.GetItemCount(), 0);
    EXPECT_EQ(U8(window.m_output.GetControlText()), U8(output));
    Click(window.m_connect);
    EXPECT_EQ(ListedTables().size(), 2u);
    EXPECT_EQ(U8(window.m_connect.GetControlText()), "断开");
}

TEST_F(DatabaseWindow, KindChangedWhileConnectedOnlySwitchesThePanel) {
    ConnectSqlite(MakeShop());
    Select(window.m_kind, KindBoxIndex(DatabaseKind::kMySql));
    EXPECT_TRUE(FindWindow(window.m_mySqlPanel)->visible);
    EXPECT_FALSE(FindWindow(window.m_sqlitePanel)->visible);
    EXPECT_EQ(U8(window.m_connect.GetControlText()), "断开");
    EXPECT_EQ(ListedTables().size(), 2u);
    Click(window.m_connect);
    EXPECT_EQ(U8(window.m_connect.GetControlText()), "断开") << "no server connection to close";
    // A caption that differs from "连接" in any way disconnects.
    Select(window.m_kind, KindBoxIndex(DatabaseKind::kSqlite));
    window.m_connect.SetControlText(u"连接 ");
    Click(window.m_connect);
    EXPECT_EQ(U8(window.m_connect.GetControlText()), "连接");
}

TEST_F(DatabaseWindow, SqliteFileThatCannotOpenSaysSo) {
    ConnectSqlite(CWString::FromUtf8((programDir_ / "no-such-folder" / "x.db").string()));
    ExpectOneNotice(u"打开失败！");
    EXPECT_EQ(U8(window.m_connect.GetControlText()), "连接");
}

TEST_F(DatabaseWindow, CopyOfNothingEmptiesTheClipboard) {
    rg_qelvane_base::SetClipboardText(u"旧");
    Click(window.m_copy);
    EXPECT_EQ(rg_qelvane_base::GetClipboardText(), u"");
    ExpectOneNotice(u"复制成功！");
}

TEST_F(DatabaseWindow, AsynchronousConnectAnswersLaterAndTheWindowWaitsForNothing) {
    programDir_.WriteBytes("setup.ini", "[Mysql]\r\nAsync=1\r\n");
    Type(window.m_mySqlPanel.m_port, u"1");
    Click(window.m_connect);
    EXPECT_TRUE(ShownBoxes().empty()) << "the click returns before the server answers";
    EXPECT_TRUE(Click(window.m_copy)) << "and the window takes clicks meanwhile";
    ClearShownBoxes();
    WaitForPostedTasks(20000);
    ExpectOneNotice(u"数据库连接错误（请检查驱动）！");
    EXPECT_EQ(U8(window.m_connect.GetControlText()), "连接");
}

}  // namespace
