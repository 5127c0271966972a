#include <gtest/gtest.h>

#include <filesystem>

#include "app/main_window.h"
#include "platform/ui/dialogs.h"
#include "support/headless_driver.h"
#include "support/seams.h"
#include "support/temp_program_dir.h"

using namespace rg_qelvane_app;
using namespace rg_qelvane_base;
using namespace rg_qelvane_base::headless;
namespace fs = std::filesystem;

class MainWindowTest : public ::testing::Test {
protected:
    TempProgramDir dir;
    void SetUp() override { UseHeadlessBackend(); }

    // A fresh main window object, as at a new start of the program.
    std::unique_ptr<rg_my_main_window> Start() {
        auto window = std::make_unique<rg_my_main_window>();
        EXPECT_TRUE(window->CreateFormWindow());
        return window;
    }
    std::vector<CWString> Names(rg_my_main_window& w) {
        std::vector<CWString> names;
        for (int i = 0; i < w.m_ruleGroupList.GetItemCount(); ++i)
            names.push_back(w.m_ruleGroupList.GetListItemText(i));
        return names;
    }
    void Create(rg_my_main_window& w, const CWString& name) {
        QueueInputBoxAnswer(name);
        Click(w.m_createButton);
    }
    const CShownBox& LastBox() { return ShownBoxes().back(); }
    std::string ListFile() { return dir.ReadBytes("datas/规则组列表.dat"); }
};

TEST_F(MainWindowTest, StartCreatesTheDataFoldersAndShowsAnEmptyList) {
    auto w = Start();
    EXPECT_TRUE(fs::is_directory(dir / "datas"));
    EXPECT_TRUE(fs::is_directory(dir / "datas/规则组"));
    EXPECT_TRUE(fs::is_directory(dir / "datas/提示词组"));
    EXPECT_EQ(w->m_ruleGroupList.GetItemCount(), 0);
    EXPECT_EQ(w->GetClientRect(), (CQelRect{0, 0, 800, 600}));
}

TEST_F(MainWindowTest, ButtonsStandWhereTheyBelong) {
    auto w = Start();
    struct Case {
        CQelControl* control;
        CWString text;
        CQelRect rect;
    };
    const Case cases[] = {
        {&w->m_createButton, u"创建规则组", {8, 6, 109, 48}},
        {&w->m_renameButton, u"修改规则组", {127, 6, 109, 48}},
        {&w->m_deleteButton, u"删除规则组", {246, 6, 109, 48}},
        {&w->m_translationButton, u"翻译管理", {365, 6, 109, 48}},
        {&w->m_aiButton, u"人工智能封装", {485, 6, 109, 48}},
        {&w->m_databaseButton, u"数据库封装", {605, 6, 109, 48}},
        {&w->m_androidArrayButton, u"数组封装", {18, 17, 136, 40}},
        {&w->m_goStructButton, u"结构体封装", {18, 17, 136, 40}},
        {&w->m_goInterfaceButton, u"接口封装", {469, 17, 136, 40}},
        {&w->m_androidEnumButton, u"枚举封装", {468, 17, 136, 40}},
    };
    for (const Case& c : cases) {
        const CHeadlessWindow* native = FindWindow(*c.control);
        ASSERT_NE(native, nullptr);
        EXPECT_EQ(native->text, c.text);
        EXPECT_EQ(native->rect, c.rect) << native->text.ToUtf8();
    }
    EXPECT_EQ(FindWindow(w->m_ruleGroupList)->rowSpacing, 5);
}

TEST_F(MainWindowTest, AToolButtonOpensOneWindowAndReopeningRebuildsIt) {
    auto w = Start();
    Click(w->m_goMethodsButton);
    ASSERT_TRUE(IsOpen(w->m_goMethodsWindow));
    const CHeadlessWindow* first = FindWindow(w->m_goMethodsWindow);
    Click(w->m_goMethodsButton);
    EXPECT_EQ(FindWindow(w->m_goMethodsWindow), first);
    Close(w->m_goMethodsWindow);
    EXPECT_FALSE(IsOpen(w->m_goMethodsWindow));
    Click(w->m_goMethodsButton);
    EXPECT_TRUE(IsOpen(w->m_goMethodsWindow));
    EXPECT_EQ(w->m_goMethodsWindow.GetControlText(), u"GO方法封装");
}

TEST_F(MainWindowTest, ClosingTheMainWindowClosesItsToolWindows) {
    auto w = Start();
    Click(w->m_goStructButton);
    Click(w->m_androidClassButton);
    Close(*w);
    EXPECT_FALSE(IsOpen(w->m_goStructWindow));
    EXPECT_FALSE(IsOpen(w->m_androidClassWindow));
}

TEST_F(MainWindowTest, CreatedGroupsGetAFolderAndAListLine) {
    auto w = Start();
    Create(*w, u"abc");
    Create(*w, u"abc");
    EXPECT_EQ(LastBox().text, u"与已有名称重复！");
    EXPECT_EQ(LastBox().title, u"信息:");
    Create(*w, u"ABC");
    for (const char16_t* blank : {u"", u" \t\u3000"}) {
        Create(*w, blank);
        EXPECT_EQ(LastBox().text, u"输入名称不能为空！");
    }
    Create(*w, u" \u3000x y\t");
    QueueInputBoxCancel();
    Click(w->m_createButton);
    EXPECT_EQ(Names(*w), (std::vector<CWString>{u"abc", u"ABC", u"x y"}));
    EXPECT_TRUE(fs::is_directory(dir / "datas/规则组/abc"));
    EXPECT_TRUE(fs::is_directory(dir / "datas/规则组/x y")) << "the folder is named as the list file keeps the name";
    EXPECT_EQ(ListFile(), "abc\nABC\nx y\n");
    const CShownBox& ask = ShownBoxes().front();
    EXPECT_EQ(ask.kind, CShownBox::Kind::Input);
    EXPECT_EQ(ask.text, u"请输入规则组名称");
    EXPECT_EQ(ask.title, u"输入框");
}

// Every kind of unsafe name is in the name list's own test; here the window's answer to one of each.
// Names too long for their files have their own test, over both windows that name files.
TEST_F(MainWindowTest, NamesThatWouldLeaveTheGroupFolderAreRefused) {
    auto w = Start();
    for (const CWString& name :
         {CWString(u".."), CWString(u"a/../.."), CWString(u"/tmp/x"), CWString(u"a\u007F"), CWString(u"\u0085x")}) {
        Create(*w, name);
        EXPECT_EQ(LastBox().text, u"规则组名称不能包含 \\ / : * ? \" < > | 等字符，也不能只由点组成！")
            << name.ToUtf8();
    }
    EXPECT_EQ(w->m_ruleGroupList.GetItemCount(), 0);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "datas/规则组"), fs::directory_iterator()), 0);
    Create(*w, CWString(83, u'中'));
    EXPECT_TRUE(fs::is_directory(dir / "datas/规则组" / CWString(83, u'中').ToUtf8()));
}

TEST_F(MainWindowTest, RenameChecksTheNameAndMovesFolderAndCompanion) {
    auto w = Start();
    Create(*w, u"abc");
    Create(*w, u"other");
    Click(w->m_renameButton);
    EXPECT_EQ(LastBox().text, u"请选择一项");

    Select(w->m_ruleGroupList, 0);
    QueueInputBoxAnswer(u"abc");
    Click(w->m_renameButton);
    EXPECT_EQ(LastBox().text, u"与已有名称重复！");
    EXPECT_EQ(LastBox().defaultText, u"");  // the box before it was the input box
    EXPECT_EQ(ShownBoxes()[ShownBoxes().size() - 2].defaultText, u"abc");
    QueueInputBoxAnswer(u"");
    Click(w->m_renameButton);
    EXPECT_EQ(LastBox().text, u"输入名称不能为空！");
    EXPECT_EQ(Names(*w), (std::vector<CWString>{u"abc", u"other"}));

    dir.WriteBytes("datas/规则组/abc/模板.dat", "t");
    dir.WriteBytes("datas/规则组/abc.ini", "i");
    QueueInputBoxAnswer(u"ABC");
    Click(w->m_renameButton);
    EXPECT_EQ(Names(*w), (std::vector<CWString>{u"ABC", u"other"}));
    EXPECT_EQ(w->m_ruleGroupList.GetCurSel(), -1);
    EXPECT_EQ(dir.ReadBytes("datas/规则组/ABC/模板.dat"), "t");
    EXPECT_EQ(dir.ReadBytes("datas/规则组/ABC.ini"), "i");
    EXPECT_FALSE(fs::exists(dir / "datas/规则组/abc"));
    EXPECT_EQ(ListFile(), "ABC\nother\n");
}

TEST_F(MainWindowTest, DeleteAsksAndRemovesOnlyTheGroupsOwnFolder) {
    auto w = Start();
    Create(*w, u"abc");
    dir.WriteBytes("datas/规则组/abc/规则.dat", "r");
    dir.WriteBytes("datas/规则组/abc.ini", "i");
    Select(w->m_ruleGroupList, 0);
    QueueMessageBoxAnswer(IDNO);
    Click(w->m_deleteButton);
    EXPECT_EQ(LastBox().text, u"您确定要删除规则组【abc】吗？");
    EXPECT_EQ(LastBox().flags, MB_YESNO);
    EXPECT_EQ(w->m_ruleGroupList.GetItemCount(), 1);

    QueueMessageBoxAnswer(IDYES);
    Click(w->m_deleteButton);
    EXPECT_EQ(w->m_ruleGroupList.GetItemCount(), 0);
    EXPECT_FALSE(fs::exists(dir / "datas/规则组/abc"));
    EXPECT_TRUE(fs::exists(dir / "datas/规则组/abc.ini"));
    EXPECT_TRUE(fs::exists(dir / "datas/规则组列表.dat"));
    EXPECT_EQ(ListFile(), "");
}

// The link is the group's entry: it goes, and what it points at stays whole.
TEST_F(MainWindowTest, DeletingAGroupWhoseFolderIsALinkRemovesTheLinkOnly) {
    dir.WriteBytes("elsewhere/模板.dat", "t");
    auto w = Start();
    fs::create_directory_symlink(dir / "elsewhere", dir / "datas/规则组/abc");
    Create(*w, u"abc");
    Select(w->m_ruleGroupList, 0);
    QueueMessageBoxAnswer(IDYES);
    Click(w->m_deleteButton);
    EXPECT_EQ(w->m_ruleGroupList.GetItemCount(), 0);
    EXPECT_EQ(ListFile(), "");
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "datas/规则组/abc")));
    EXPECT_EQ(dir.ReadBytes("elsewhere/模板.dat"), "t");
}

TEST_F(MainWindowTest, DeletingAGroupNamedDotDotFromAForeignListKeepsTheData) {
    dir.WriteBytes("datas/规则组列表.dat", "..\r\n");
    dir.WriteBytes("datas/对应关系.ini", "[translation]\r\n");
    auto w = Start();
    ASSERT_EQ(Names(*w), (std::vector<CWString>{u".."}));
    Select(w->m_ruleGroupList, 0);
    QueueMessageBoxAnswer(IDYES);
    Click(w->m_deleteButton);
    EXPECT_TRUE(fs::exists(dir / "datas/对应关系.ini"));
    EXPECT_TRUE(fs::is_directory(dir / "datas/规则组"));
}

TEST_F(MainWindowTest, TheListSurvivesARestartTrimmedOfCrAndBlanks) {
    {
        auto w = Start();
        Create(*w, u" lead");
        Create(*w, u"b");
        EXPECT_EQ(Names(*w)[0], u"lead");
    }
    UseHeadlessBackend();
    dir.WriteBytes("datas/规则组列表.dat", dir.ReadBytes("datas/规则组列表.dat") + "crlf\r\n\r\n");
    auto w = Start();
    EXPECT_EQ(Names(*w), (std::vector<CWString>{u"lead", u"b", u"crlf"}));
    EXPECT_TRUE(fs::is_directory(dir / "datas/规则组/lead"));
}

TEST_F(MainWindowTest, AFolderStepThatFailsIsReportedAndChangesNothing) {
    struct Case {
        CQelFault fault;
        rg_button1 rg_my_main_window::*button;
        const char16_t* answer;
        const char16_t* message;
    };
    const Case cases[] = {
        {CQelFault::CreateFolder, &rg_my_main_window::m_createButton, u"new", u"规则组文件夹创建失败！"},
        {CQelFault::Move, &rg_my_main_window::m_renameButton, u"new", u"规则组文件夹重命名失败！"},
        {CQelFault::Delete, &rg_my_main_window::m_deleteButton, nullptr, u"规则组文件夹删除失败！"},
    };
    auto w = Start();
    Create(*w, u"abc");
    dir.WriteBytes("datas/规则组/abc/模板.dat", "t");
    for (const Case& c : cases) {
        Select(w->m_ruleGroupList, 0);
        if (c.answer) QueueInputBoxAnswer(c.answer);
        else QueueMessageBoxAnswer(IDYES);
        CInjectedFault fault(c.fault);
        Click((*w).*c.button);
        EXPECT_EQ(LastBox().text, c.message);
        EXPECT_EQ(LastBox().title, u"信息:");
        EXPECT_EQ(Names(*w), (std::vector<CWString>{u"abc"}));
        EXPECT_EQ(ListFile(), "abc\n");
        EXPECT_EQ(dir.ReadBytes("datas/规则组/abc/模板.dat"), "t");
        EXPECT_FALSE(fs::exists(dir / "datas/规则组/new"));
    }
}

TEST_F(MainWindowTest, RenamingOntoAStrayFolderKeepsTheGroupWhereItIs) {
    dir.WriteBytes("datas/规则组列表.dat", "abc\nno folder\n");
    dir.WriteBytes("datas/规则组/abc/模板.dat", "t");
    dir.WriteBytes("datas/规则组/stray/模板.dat", "s");
    auto w = Start();
    for (int index : {0, 1}) {
        Select(w->m_ruleGroupList, index);
        QueueInputBoxAnswer(u"stray");
        Click(w->m_renameButton);
        EXPECT_EQ(LastBox().text, u"规则组文件夹重命名失败！");
    }
    EXPECT_EQ(Names(*w), (std::vector<CWString>{u"abc", u"no folder"}));
    EXPECT_EQ(dir.ReadBytes("datas/规则组/abc/模板.dat"), "t");
    EXPECT_EQ(dir.ReadBytes("datas/规则组/stray/模板.dat"), "s");

    Select(w->m_ruleGroupList, 1);
    QueueInputBoxAnswer(u"named");
    Click(w->m_renameButton);
    EXPECT_EQ(Names(*w), (std::vector<CWString>{u"abc", u"named"})) << "a group without a folder takes a free name";
}

// A zero byte inside a name and bytes that are no UTF-8: the list shows the
// names around them, and every rewrite of the list keeps the damaged lines.
TEST_F(MainWindowTest, ADamagedListKeepsWhatItCannotShowAcrossEveryRewrite) {
    const std::string zeroByte("b\0c\n", 4), noUtf8 = "\xFF\xFEx\n";
    dir.WriteBytes("datas/规则组列表.dat", "a\n" + zeroByte + "d\n" + noUtf8);
    auto w = Start();
    ASSERT_EQ(Names(*w), (std::vector<CWString>{u"a", u"d"}));
    struct Step {
        rg_button1 rg_my_main_window::*button;
        const char16_t* name;
        std::string listed;
    };
    const Step steps[] = {
        {&rg_my_main_window::m_createButton, u"e", "a\nd\ne\n"},
        {&rg_my_main_window::m_renameButton, u"a2", "a2\nd\ne\n"},
        {&rg_my_main_window::m_deleteButton, nullptr, "d\ne\n"},
    };
    for (const Step& step : steps) {
        Select(w->m_ruleGroupList, 0);
        if (step.name) QueueInputBoxAnswer(step.name);
        else QueueMessageBoxAnswer(IDYES);
        Click((*w).*step.button);
        EXPECT_EQ(ListFile(), step.listed + zeroByte + noUtf8);
    }
}

// FF FE makes the list UTF-16, whatever wrote the bytes behind it: the group
// created is added in UTF-16 behind them, and those bytes stay as they were.
TEST_F(MainWindowTest, AListThatBeginsWithAUtf16MarkKeepsItsBytesWhenAGroupIsCreated) {
    const std::string list =
        "\xFF\xFE"
        "\xE7\x94\xB2\n\xE4\xB9\x99\n";  // 甲 and 乙 in UTF-8
    dir.WriteBytes("datas/规则组列表.dat", list);
    auto w = Start();
    Create(*w, u"e");
    EXPECT_EQ(ListFile(), list + std::string("\n\0e\0\n\0", 6));
}

TEST_F(MainWindowTest, AListThatCannotBeReadIsNeverRewritten) {
    dir.WriteBytes("datas/规则组列表.dat", "a\n");
    std::unique_ptr<rg_my_main_window> w;
    {
        CInjectedFault unreadable(CQelFault::Read);
        w = Start();
    }
    EXPECT_EQ(LastBox().text, u"规则组列表读取失败，本次运行不会保存！");
    Create(*w, u"b");
    EXPECT_EQ(LastBox().text, u"规则组列表保存失败！");
    EXPECT_EQ(ListFile(), "a\n");
}

TEST_F(MainWindowTest, AFailedListSaveIsReported) {
    auto w = Start();
    fs::create_directories(dir / "datas/规则组列表.dat");  // a folder where the file should be
    Create(*w, u"abc");
    EXPECT_EQ(LastBox().text, u"规则组列表保存失败！");
    EXPECT_EQ(Names(*w), (std::vector<CWString>{u"abc"}));
}

TEST_F(MainWindowTest, DoubleClickOpensTheRuleWindowModallyForTheGroup) {
    auto w = Start();
    Create(*w, u"abc");
    Click(w->m_goMethodsButton);
    bool shown = false;
    OnModalForm([&](CQelWinForm& form) {
        shown = true;
        EXPECT_EQ(CurrentRuleGroupName, u"abc");
        EXPECT_FALSE(IsUsable(w->m_createButton));
        EXPECT_FALSE(IsUsable(w->m_goMethodsWindow));
        Close(form);
    });
    DoubleClick(w->m_ruleGroupList, 0);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(IsUsable(w->m_createButton));

    shown = false;
    w->m_ruleGroupList.SetCurSel(-1);
    DoubleClick(w->m_ruleGroupList);
    EXPECT_FALSE(shown);
}
