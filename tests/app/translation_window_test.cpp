#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/batch_insert_window.h"
#include "app/translation_window.h"
#include "common/translation.h"
#include "platform/encoding.h"
#include "platform/ui/dialogs.h"
#include "support/headless_driver.h"
#include "support/seams.h"
#include "support/temp_program_dir.h"

using namespace rg_qelvane_app;
using namespace rg_qelvane_base;
using namespace rg_qelvane_base::headless;

namespace {

using Row = std::pair<CWString, CWString>;
using Rows = std::vector<Row>;

// GB18030 bytes of the Chinese texts the tests write and expect.
const std::string kMingCheng = "\xC3\xFB\xB3\xC6";                                 // 名称
const std::string kQingShuRuNeiRong = "\xC7\xEB\xCA\xE4\xC8\xEB\xC4\xDA\xC8\xDD";  // 请输入内容
const std::string kJia = "\xBC\xD7";                                               // 甲
const std::string kYi = "\xD2\xD2";                                                // 乙

const char* const kTable = "datas/对应关系.ini";
const std::string kHeader = "[translation]\r\n";

// The table the testers saw change: GB18030, CR LF, a value beginning with "=",
// a quoted value, a lone CR between two entries, a key repeated in other case
// and an entry of another section.
const std::string kTestersTable = Utf16ToAnsi(
    u"[translation]\r\nalpha=一\r\nbeta==二\r\ngamma='三'\r\ndelta=四\rhidden=藏\r\nALPHA=壹\r\n[other]\r\nepsilon=五\r\n");

}  // namespace

class TranslationWindowTest : public ::testing::Test {
protected:
    TempProgramDir dir;
    rg_win_FanYiGuanLi window;

    void SetUp() override {
        UseHeadlessBackend();
        std::filesystem::create_directories(dir / "datas");
    }
    void TearDown() override { TranslateEnabled = false; }

    void Open() { ASSERT_TRUE(window.CreateFormWindow()); }
    void Reopen() {
        Close(window);
        Open();
    }
    void OpenWith(const std::string& tableBytes) {
        dir.WriteBytes(kTable, tableBytes);
        Open();
    }
    Rows GridRows() {
        Rows rows;
        for (int row = 0; row < window.m_grid.GetRowCount(); ++row)
            rows.emplace_back(window.m_grid.GetCellText(row, 0), window.m_grid.GetCellText(row, 1));
        return rows;
    }
    std::string TableBytes() { return dir.ReadBytes(kTable); }
    void Save() {
        ClearShownBoxes();
        ASSERT_TRUE(Click(window.m_save));
    }
    // Pastes the two columns into the batch insert window, presses its "保存", then closes it as its close box would.
    void BatchInsert(const CWString& english, const CWString& chinese) {
        OnModalForm([english, chinese](CQelWinForm& form) {
            auto& batch = dynamic_cast<rg_win_PiLiangChaRu&>(form);
            Type(batch.m_english, english);
            Type(batch.m_chinese, chinese);
            Click(batch.m_save);
        });
        ASSERT_TRUE(Click(window.m_batchInsert));
    }
};

TEST_F(TranslationWindowTest, ControlsStandWhereTheyBelong) {
    Open();
    EXPECT_EQ(window.GetControlText(), u"翻译管理");
    EXPECT_EQ(window.GetClientRect(), (CQelRect{0, 0, 800, 600}));
    struct Case {
        CQelControl* control;
        CWString text;
        CQelRect rect;
    };
    const Case cases[] = {
        {&window.m_batchInsert, u"批量插入", {21, 550, 136, 40}}, {&window.m_insert, u"插入", {173, 550, 136, 40}},
        {&window.m_delete, u"删除", {325, 550, 136, 40}},         {&window.m_save, u"保存", {653, 550, 136, 40}},
        {&window.m_contentGroup, u"内容", {13, 6, 776, 536}},     {&window.m_grid, u"", {8, 24, 760, 504}},
    };
    for (const Case& c : cases) {
        const CHeadlessWindow* native = FindWindow(*c.control);
        ASSERT_NE(native, nullptr);
        EXPECT_EQ(native->text, c.text);
        EXPECT_EQ(native->rect, c.rect) << c.text.ToUtf8();
        EXPECT_EQ(native->font.points, 11) << c.text.ToUtf8();
    }
    const CHeadlessWindow* grid = FindWindow(window.m_grid);
    EXPECT_EQ(grid->parent, FindWindow(window.m_contentGroup));
    EXPECT_EQ(grid->columns, (std::vector<CHeadlessColumn>{{u"英文", 200}, {u"中文", 200}}));
    EXPECT_TRUE(window.m_grid.HasStyle(CQelStyle::EditableCells));
    EXPECT_TRUE(grid->rows.empty());
}

// Every row is an entry the lookup reads, showing the value it gives, and a
// save without edits leaves every byte of the file as it was.
TEST_F(TranslationWindowTest, RowsAreTheEntriesTheLookupReadsAndASaveWithoutEditsKeepsEveryByte) {
    struct Case {
        std::string file;
        Rows rows;
    };
    const Case cases[] = {
        {kTestersTable,
         {{u"alpha", u"一"}, {u"beta", u"=二"}, {u"gamma", u"三"}, {u"delta", u"四"}, {u"hidden", u"藏"}}},
        {kHeader + "Name=" + kMingCheng + "\r\n", {{u"Name", u"名称"}}},
        {kHeader + "no equals sign\r\n=" + kMingCheng + "\r\nName=\r\na=b=c\r\n", {{u"Name", u""}, {u"a", u"b=c"}}},
        {kHeader + " Name = " + kMingCheng + " \r\n; Age=1\r\n", {{u"Name", u"名称"}}},
        {"x=0\r\n[other]\r\nx=1\r\n\r\n\r\n[Translation]\r\ny=2\r\n[translation]\r\nz=3", {{u"y", u"2"}}},
        {"[translation]\nx=1\ny=2\n", {{u"x", u"1"}, {u"y", u"2"}}},
        {kHeader + "Name=1\r\n[]string=x\r\nAge=2\r\n", {{u"Name", u"1"}}},
        {"\xEF\xBB\xBF" + Utf16ToUtf8(u"[translation]\r\nName=名称\r\nName=别\r\n"), {{u"Name", u"名称"}}},
        {"\xFF\xFE" + TextToUtf16Le(u"[translation]\rName=名称\rAge=年龄"), {{u"Name", u"名称"}, {u"Age", u"年龄"}}},
        {"", {}},
    };
    TranslateEnabled = true;
    for (const Case& c : cases) {
        OpenWith(c.file);
        EXPECT_EQ(GridRows(), c.rows) << c.file;
        for (const Row& row : GridRows())
            EXPECT_EQ(TranslateWord(row.first), row.second.empty() ? row.first : row.second) << c.file;
        Save();
        EXPECT_EQ(TableBytes(), c.file);
        Close(window);
    }
}

// A row edited changes its own line and no other, keeping that line's end; a
// row deleted takes only its own line away.
TEST_F(TranslationWindowTest, AnEditChangesOnlyItsOwnLine) {
    struct Case {
        const char* edit;
        std::function<void()> make;
        std::u16string saved;
    };
    const Case cases[] = {
        {"a value", [this] { ASSERT_TRUE(EditCell(window.m_grid, 1, 1, u"贰")); },
         u"[translation]\r\nalpha=一\r\nbeta=贰\r\ngamma='三'\r\ndelta=四\rhidden=藏\r\nALPHA=壹\r\n[other]\r\nepsilon=五\r\n"},
        {"a key", [this] { ASSERT_TRUE(EditCell(window.m_grid, 2, 0, u"Gamma")); },
         u"[translation]\r\nalpha=一\r\nbeta==二\r\nGamma=三\r\ndelta=四\rhidden=藏\r\nALPHA=壹\r\n[other]\r\nepsilon=五\r\n"},
        {"the line before a lone CR", [this] { ASSERT_TRUE(EditCell(window.m_grid, 3, 1, u"肆")); },
         u"[translation]\r\nalpha=一\r\nbeta==二\r\ngamma='三'\r\ndelta=肆\rhidden=藏\r\nALPHA=壹\r\n[other]\r\nepsilon=五\r\n"},
        {"deleted rows",
         [this] {
             ASSERT_TRUE(SelectRows(window.m_grid, {0, 3}));
             ASSERT_TRUE(Click(window.m_delete));
         },
         u"[translation]\r\nbeta==二\r\ngamma='三'\r\nhidden=藏\r\nALPHA=壹\r\n[other]\r\nepsilon=五\r\n"},
        {"a key that would begin a section", [this] { ASSERT_TRUE(EditCell(window.m_grid, 0, 0, u"[alpha]")); },
         u"[translation]\r\nbeta==二\r\ngamma='三'\r\ndelta=四\rhidden=藏\r\nALPHA=壹\r\n[other]\r\nepsilon=五\r\n[alpha]=一\r\n"},
    };
    for (const Case& c : cases) {
        OpenWith(kTestersTable);
        c.make();
        Save();
        EXPECT_EQ(TableBytes(), Utf16ToAnsi(c.saved)) << c.edit;
        Close(window);
    }
}

// A row whose line the lookup would not read as that row goes where the
// lookup reads nothing: under a repeat of the section's header when the
// section is still open at the end, so it neither makes an entry nor hides one.
TEST_F(TranslationWindowTest, RowsTheLookupCouldNotReadAsShownAreSavedWhereItReadsNothing) {
    struct Case {
        const char* edit;
        std::string file;
        CWString english;
        std::string saved;
    };
    const Case cases[] = {
        {"a key holding =", kHeader + "a=1\r\n", u"x=y", kHeader + kHeader + "x=y=1\r\n"},
        {"an empty key", kHeader + "a=1\r\n", u"", kHeader + kHeader + "=1\r\n"},
        {"a key holding = before another section", kHeader + "a=1\r\n[other]\r\nb=2\r\n", u"x=y",
         kHeader + "[other]\r\nb=2\r\nx=y=1\r\n"},
    };
    TranslateEnabled = true;
    for (const Case& c : cases) {
        OpenWith(c.file);
        ASSERT_TRUE(EditCell(window.m_grid, 0, 0, c.english));
        Save();
        EXPECT_EQ(TableBytes(), c.saved) << c.edit;
        EXPECT_EQ(TranslateWord(u"x"), u"x") << c.edit;
        Reopen();
        EXPECT_EQ(GridRows(), Rows{}) << c.edit;
        Save();
        EXPECT_EQ(TableBytes(), c.saved) << c.edit << ": a second save changes nothing";
        Close(window);
    }
}

// Added rows go where the grid shows them: before the next row read from the
// file, else after the section's last entry; a file without the section gets
// it at its end.
TEST_F(TranslationWindowTest, AddedRowsGoAmongTheEntriesWhereTheGridShowsThem) {
    struct Case {
        std::string file;
        std::vector<int> selected;  // before the insert
        std::string saved;
    };
    const std::string placeholder = kQingShuRuNeiRong + "=\r\n";
    const Case cases[] = {
        {kHeader + "a=1\r\nb=2\r\n", {1}, kHeader + "a=1\r\n" + placeholder + "b=2\r\n"},
        {kHeader + "a=1\r\nA=2\r\n; end\r\n[other]\r\nc=3\r\n",
         {},
         kHeader + "a=1\r\nA=2\r\n" + placeholder + "; end\r\n[other]\r\nc=3\r\n"},
        {"[translation]\nb=2", {}, "[translation]\nb=2\r\n" + placeholder},
        {"[translation]", {}, kHeader + placeholder},
        {"; notes\n[other]\nc=3\n", {}, "; notes\n[other]\nc=3\n" + kHeader + placeholder},
        {"", {}, kHeader + placeholder},
    };
    for (const Case& c : cases) {
        OpenWith(c.file);
        ASSERT_TRUE(SelectRows(window.m_grid, c.selected));
        ASSERT_TRUE(Click(window.m_insert));
        Save();
        EXPECT_EQ(TableBytes(), c.saved) << c.file;
        Close(window);
    }
}

TEST_F(TranslationWindowTest, InsertPutsThePlaceholderBeforeTheFirstSelectedRowOrAtTheEnd) {
    OpenWith(kHeader + "r0=0\r\nr1=1\r\nr2=2\r\nr3=3\r\nr4=4\r\nr5=5\r\n");
    ASSERT_TRUE(Click(window.m_insert));
    EXPECT_EQ(GridRows().back(), (Row{u"请输入内容", u""}));
    ASSERT_TRUE(SelectRows(window.m_grid, {3, 5}));
    ASSERT_TRUE(Click(window.m_insert));
    EXPECT_EQ(GridRows()[3], (Row{u"请输入内容", u""}));
    EXPECT_EQ(GridRows()[4], (Row{u"r3", u"3"}));
    EXPECT_TRUE(window.m_grid.IsRowSelected(4));
    EXPECT_TRUE(window.m_grid.IsRowSelected(6));
    EXPECT_EQ(window.m_grid.GetRowCount(), 8);
}

TEST_F(TranslationWindowTest, DeleteRemovesTheSelectedRowsWithoutAsking) {
    OpenWith(kHeader + "r0=0\r\nr1=1\r\nr2=2\r\nr3=3\r\n");
    ASSERT_TRUE(Click(window.m_delete));
    EXPECT_EQ(window.m_grid.GetRowCount(), 4);
    ASSERT_TRUE(SelectRows(window.m_grid, {0, 2}));
    ASSERT_TRUE(Click(window.m_delete));
    EXPECT_EQ(GridRows(), (Rows{{u"r1", u"1"}, {u"r3", u"3"}}));
    EXPECT_TRUE(ShownBoxes().empty());
    EXPECT_EQ(TableBytes(), kHeader + "r0=0\r\nr1=1\r\nr2=2\r\nr3=3\r\n");
}

TEST_F(TranslationWindowTest, SavingWritesEveryRowExactlyAsItStands) {
    OpenWith("[translation]\r\nName=" + kMingCheng + "\r\nx=1\r\n[other]\r\ny=2\r\n");
    ASSERT_TRUE(EditCell(window.m_grid, 1, 1, u" 乙 "));
    ASSERT_TRUE(Click(window.m_insert));
    ASSERT_TRUE(Click(window.m_insert));
    ASSERT_TRUE(EditCell(window.m_grid, 3, 0, u""));
    ASSERT_TRUE(EditCell(window.m_grid, 3, 1, u"甲"));
    Save();
    EXPECT_EQ(TableBytes(), "[translation]\r\nName=" + kMingCheng + "\r\nx= " + kYi + " \r\n" + kQingShuRuNeiRong +
                                "=\r\n[other]\r\ny=2\r\n=" + kJia + "\r\n");
    ASSERT_EQ(ShownBoxes().size(), 1u);
    EXPECT_EQ(ShownBoxes()[0].text, u"保存成功！");
    EXPECT_EQ(ShownBoxes()[0].title, u"信息:");
    EXPECT_EQ(ShownBoxes()[0].flags, MB_OK);

    // A row with an empty English cell does not come back, for the lookup never
    // reads it; the edited one comes back trimmed.
    Reopen();
    EXPECT_EQ(GridRows(), (Rows{{u"Name", u"名称"}, {u"x", u"乙"}, {u"请输入内容", u""}}));
}

TEST_F(TranslationWindowTest, SavingKeepsEveryLineThatMakesNoRowWhereItStands) {
    const std::string lfTable =
        "; " + kMingCheng + "\n[translation]\nName=" + kMingCheng + "\n  a=b=c \nEmpty=\n\n[other]\nx=1\n";
    OpenWith(lfTable);
    EXPECT_EQ(GridRows(), (Rows{{u"Name", u"名称"}, {u"a", u"b=c"}, {u"Empty", u""}}));
    ASSERT_TRUE(Click(window.m_insert));
    Save();
    const std::string saved = "; " + kMingCheng + "\n[translation]\nName=" + kMingCheng + "\n  a=b=c \nEmpty=\n" +
                              kQingShuRuNeiRong + "=\r\n\n[other]\nx=1\n";
    EXPECT_EQ(TableBytes(), saved);
    Reopen();
    Save();
    EXPECT_EQ(TableBytes(), saved) << "a second save changes nothing";
}

// A zero byte inside a line and bytes that are no GB18030: the lines after
// them still make rows, and "保存" keeps the damaged lines byte for byte where they stand.
TEST_F(TranslationWindowTest, SavingKeepsTheLinesItCannotShowByteForByte) {
    const std::string zeroByte("a=\0\r\n", 5), noGb18030 = "b=\x81\x20\r\n";
    OpenWith("[translation]\r\nName=1\r\n" + zeroByte + "x=" + kJia + "\r\n" + noGb18030 + "; note\r\n");
    EXPECT_EQ(GridRows(), (Rows{{u"Name", u"1"}, {u"x", u"甲"}}));
    ASSERT_TRUE(EditCell(window.m_grid, 1, 1, u"乙"));
    Save();
    EXPECT_EQ(TableBytes(), "[translation]\r\nName=1\r\n" + zeroByte + "x=" + kYi + "\r\n" + noGb18030 + "; note\r\n");
}

TEST_F(TranslationWindowTest, AnUnreadableTableIsReportedAndNeverOverwritten) {
    dir.WriteBytes(kTable, "[translation]\r\nName=1\r\n");
    {
        CInjectedFault unreadable(CQelFault::Read);
        Open();
    }
    ASSERT_EQ(ShownBoxes().size(), 1u);
    EXPECT_EQ(ShownBoxes()[0].text, u"翻译表读取失败，本次打开不会保存！");
    EXPECT_EQ(ShownBoxes()[0].title, u"信息:");
    ASSERT_TRUE(Click(window.m_insert));
    Save();
    ASSERT_EQ(ShownBoxes().size(), 1u);
    EXPECT_EQ(ShownBoxes()[0].text, u"保存失败！");
    EXPECT_EQ(TableBytes(), "[translation]\r\nName=1\r\n");
    Reopen();
    EXPECT_EQ(GridRows(), (Rows{{u"Name", u"1"}})) << "the next opening reads it again";
}

TEST_F(TranslationWindowTest, SavingAnEmptiedGridLeavesOnlyTheHeader) {
    OpenWith(kHeader + "a=1\r\nb=2\r\n");
    ASSERT_TRUE(SelectRows(window.m_grid, {0, 1}));
    ASSERT_TRUE(Click(window.m_delete));
    Save();
    EXPECT_EQ(TableBytes(), "[translation]\r\n");
}

TEST_F(TranslationWindowTest, ClosingDiscardsUnsavedChanges) {
    OpenWith(kHeader + "a=1\r\n");
    ASSERT_TRUE(Click(window.m_insert));
    Reopen();
    EXPECT_EQ(GridRows(), (Rows{{u"a", u"1"}}));
}

TEST_F(TranslationWindowTest, SavingWritesAnEditStillOpenWhileClosingDropsIt) {
    OpenWith("[translation]\r\nName=old\r\nAge=1\r\n");
    ASSERT_TRUE(BeginCellEdit(window.m_grid, 0, 1, u"new"));
    Save();
    EXPECT_EQ(TableBytes(), "[translation]\r\nName=new\r\nAge=1\r\n");
    ASSERT_TRUE(BeginCellEdit(window.m_grid, 1, 1, u"dropped"));
    Reopen();
    EXPECT_EQ(GridRows(), (Rows{{u"Name", u"new"}, {u"Age", u"1"}}));
}

TEST_F(TranslationWindowTest, AFailedSaveIsReportedAndKeepsTheGrid) {
    Open();
    EXPECT_TRUE(GridRows().empty()) << "no table yet";
    ASSERT_TRUE(Click(window.m_insert));
    std::filesystem::create_directories(dir / kTable);  // a folder where the file should go
    Save();
    ASSERT_EQ(ShownBoxes().size(), 1u);
    EXPECT_EQ(ShownBoxes()[0].text, u"保存失败！");
    EXPECT_EQ(ShownBoxes()[0].title, u"信息:");
    EXPECT_EQ(window.m_grid.GetRowCount(), 1);
}

TEST_F(TranslationWindowTest, TheLookupSeesASaveAtOnce) {
    OpenWith("[translation]\r\nName=1\r\n");
    TranslateEnabled = true;
    EXPECT_EQ(TranslateWord(u"name"), u"1");
    ASSERT_TRUE(EditCell(window.m_grid, 0, 1, u"名称"));
    Save();
    EXPECT_EQ(TranslateWord(u"name"), u"名称");
}

// The lookup takes a line beginning with "[" for a new section, which hides
// every entry behind it, one beginning with ";" for a comment, and a key
// holding "=" for its first part. However
// such a key gets in, the window shows as rows exactly the entries the lookup
// reads; a row typed or inserted with such a key is saved where it hides nothing.
TEST_F(TranslationWindowTest, TheRowsAreTheEntriesTheLookupReads) {
    struct Case {
        const char* how;
        std::function<void()> enter;
        Rows rows;
    };
    const Case cases[] = {
        {"in the file",
         [this] { OpenWith(Utf16ToAnsi(u"[translation]\r\nName=名称\r\n[]string=切片\r\n;c=注\r\nAge=年龄\r\n")); },
         {{u"Name", u"名称"}}},
        {"typed in place",
         [this] {
             OpenWith("[translation]\r\n");
             const Row typed[] = {
                 {u"Name=别", u"名"}, {u"Name", u"名称"}, {u"[]string", u"切片"}, {u" ;c", u"注"}, {u"Age", u"年龄"}};
             for (int row = 0; row < 5; ++row) {
                 ASSERT_TRUE(Click(window.m_insert));
                 ASSERT_TRUE(EditCell(window.m_grid, row, 0, typed[row].first));
                 ASSERT_TRUE(EditCell(window.m_grid, row, 1, typed[row].second));
             }
         },
         {{u"Name", u"名称"}, {u"Age", u"年龄"}}},
        {"batch inserted",
         [this] {
             OpenWith(Utf16ToAnsi(u"[translation]\r\nName=名称\r\n"));
             BatchInsert(u"[]string\n;c\nAge", u"切片\n注\n年龄");
         },
         {{u"Name", u"名称"}, {u"Age", u"年龄"}}},
    };
    for (const Case& c : cases) {
        c.enter();
        Save();
        Reopen();
        TranslateEnabled = true;
        EXPECT_EQ(GridRows(), c.rows) << c.how;
        for (const Row& row : GridRows()) EXPECT_EQ(TranslateWord(row.first), row.second) << c.how;
        EXPECT_EQ(TranslateWord(u"[]string"), u"[]string") << c.how;
        EXPECT_NE(TableBytes().find(Utf16ToAnsi(u"[]string=切片\r\n")), std::string::npos) << c.how << ": kept";
        Close(window);
    }
}

TEST_F(TranslationWindowTest, BatchInsertAppendsTrimmedPairsAfterTheRows) {
    OpenWith(kHeader + "a=old\r\n");
    BatchInsert(u"  a  \n\nb\n", u"甲\n乙");
    EXPECT_EQ(GridRows(), (Rows{{u"a", u"old"}, {u"a", u"甲"}, {u"b", u"乙"}}));
    EXPECT_EQ(TableBytes(), kHeader + "a=old\r\n");
}

TEST_F(TranslationWindowTest, BatchInsertHandsNothingOverWhenTheCountsDisagreeOrTheBoxesAreEmpty) {
    Open();
    bool stayedOpen = false;
    OnModalForm([&stayedOpen](CQelWinForm& form) {
        auto& batch = dynamic_cast<rg_win_PiLiangChaRu&>(form);
        Type(batch.m_english, u"a\nb\nc");
        Type(batch.m_chinese, u"甲\n乙");
        Click(batch.m_save);
        stayedOpen = IsOpen(batch);
        EXPECT_EQ(batch.m_english.GetControlText(), u"a\r\nb\r\nc");
    });
    ASSERT_TRUE(Click(window.m_batchInsert));
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(ShownBoxes().size(), 1u);
    EXPECT_EQ(ShownBoxes()[0].text, u"英文和中文列表的行数不一致！");
    EXPECT_EQ(ShownBoxes()[0].title, u"信息:");
    EXPECT_TRUE(GridRows().empty());

    BatchInsert(u"", u"\n \n");
    EXPECT_TRUE(GridRows().empty());
    EXPECT_EQ(ShownBoxes().size(), 1u);
}

TEST_F(TranslationWindowTest, TheBatchInsertWindowIsModalAndLaidOutAsItBelongs) {
    Open();
    bool ran = false;
    OnModalForm([&](CQelWinForm& form) {
        ran = true;
        auto& batch = dynamic_cast<rg_win_PiLiangChaRu&>(form);
        EXPECT_FALSE(IsUsable(window.m_save));
        EXPECT_EQ(batch.GetControlText(), u"批量插入");
        EXPECT_EQ(FindWindow(batch)->border, CQelBorderStyle::DialogFrame);
        EXPECT_EQ(batch.GetClientRect(), (CQelRect{0, 0, 800, 600}));
        struct Case {
            CQelControl* control;
            CWString text;
            CQelRect rect;
            int points;
        };
        const Case cases[] = {
            {&batch.m_hint, u"英文和中文行数必须保持一致。", {21, 550, 232, 37}, 11},
            {&batch.m_save, u"保存", {653, 550, 136, 40}, 11},
            {&batch.m_arrow, u"=>", {386, 22, 32, 512}, 11},
            {&batch.m_chineseGroup, u"中文", {425, 15, 364, 519}, 11},
            {&batch.m_chinese, u"", {7, 18, 350, 491}, 0},
            {&batch.m_englishGroup, u"英文", {13, 15, 368, 519}, 11},
            {&batch.m_english, u"", {7, 16, 350, 491}, 0},
        };
        for (const Case& c : cases) {
            const CHeadlessWindow* native = FindWindow(*c.control);
            ASSERT_NE(native, nullptr);
            EXPECT_EQ(native->text, c.text);
            EXPECT_EQ(native->rect, c.rect) << c.text.ToUtf8();
            EXPECT_EQ(native->font.points, c.points) << c.text.ToUtf8();
        }
        EXPECT_TRUE(FindWindow(batch.m_hint)->style & CQelStyle::StaticEdge);
        EXPECT_EQ(FindWindow(batch.m_english)->parent, FindWindow(batch.m_englishGroup));
        for (const rg_edit_box* edit : {&batch.m_english, &batch.m_chinese}) {
            EXPECT_TRUE(edit->HasStyle(CQelStyle::MultiLine | CQelStyle::VScroll));
            EXPECT_FALSE(edit->HasStyle(CQelStyle::HScroll));
        }
    });
    ASSERT_TRUE(Click(window.m_batchInsert));
    EXPECT_TRUE(ran);
    EXPECT_TRUE(IsUsable(window.m_save));
}
