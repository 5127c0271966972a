#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ui/clipboard.h"
#include "platform/ui/dialogs.h"
#include "support/headless_driver.h"
#include "support/seams.h"
#include "support/temp_program_dir.h"
#include "tools/rules/prompt_window.h"

using namespace rg_qelvane_app;
using namespace rg_qelvane_base;
using namespace rg_qelvane_base::headless;
namespace fs = std::filesystem;
using Names = std::vector<CWString>;

namespace {
const char* const kListFile = "datas/提示词组列表.dat";
std::string PromptFile(const std::string& name) { return "datas/提示词组/" + name + ".dat"; }
}  // namespace

class PromptWindowTest : public ::testing::Test {
protected:
    TempProgramDir dir;
    std::unique_ptr<rg_win_DiShiCiGuanLi> w;

    void SetUp() override {
        UseHeadlessBackend();
        fs::create_directories(dir / "datas/提示词组");
    }
    // A new window object, as each click on "提示词管理" makes.
    void Open() {
        w = std::make_unique<rg_win_DiShiCiGuanLi>();
        ASSERT_TRUE(w->CreateFormWindow());
    }
    Names Listed() {
        Names names;
        for (int i = 0; i < w->m_promptList.GetItemCount(); ++i) names.push_back(w->m_promptList.GetListItemText(i));
        return names;
    }
    void Add(const CWString& name) {
        QueueInputBoxAnswer(name);
        Click(w->m_addButton);
    }
    void Rename(const CWString& name) {
        QueueInputBoxAnswer(name);
        Click(w->m_renameButton);
    }
    void Delete(int answer) {
        QueueMessageBoxAnswer(answer);
        Click(w->m_deleteButton);
    }
    // The text of the last notice, empty when the last box was no notice.
    std::string LastNotice() {
        if (ShownBoxes().empty()) return {};
        const CShownBox& box = ShownBoxes().back();
        bool notice = box.kind == CShownBox::Kind::Message && box.flags == MB_OK && box.title == u"信息:";
        return notice ? box.text.ToUtf8() : std::string();
    }
};

TEST_F(PromptWindowTest, ControlsStandWhereTheyBelongWithTheDefaultFont) {
    Open();
    EXPECT_EQ(w->GetControlText(), u"提示词管理");
    EXPECT_EQ(FindWindow(*w)->border, CQelBorderStyle::FixedSingle);
    struct Case {
        CQelControl* control;
        CWString text;
        CQelRect rect;
    };
    const Case cases[] = {
        {&w->m_addButton, u"增加", {21, 14, 144, 35}},     {&w->m_renameButton, u"修改", {177, 14, 144, 35}},
        {&w->m_deleteButton, u"删除", {333, 14, 144, 35}}, {&w->m_saveButton, u"保存", {489, 14, 144, 35}},
        {&w->m_copyButton, u"复制", {645, 14, 144, 35}},   {&w->m_listGroup, u"提示词列表", {8, 62, 200, 528}},
        {&w->m_promptList, u"", {7, 18, 184, 504}},        {&w->m_contentGroup, u"提示词内容", {217, 63, 575, 528}},
        {&w->m_content, u"", {7, 17, 561, 504}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.control->GetControlText(), c.text);
        EXPECT_EQ(FindWindow(*c.control)->rect, c.rect) << c.text.ToUtf8();
        EXPECT_EQ(c.control->FontDescription(), u"");
    }
    EXPECT_TRUE(
        w->m_content.HasStyle(CQelStyle::MultiLine | CQelStyle::VScroll | CQelStyle::HScroll | CQelStyle::StaticEdge));
}

TEST_F(PromptWindowTest, AddingTrimsTheNameAndWritesAZeroByteFile) {
    dir.WriteBytes(kListFile, "a\n\nb\n");
    Open();
    ASSERT_EQ(Listed(), (Names{u"a", u"b"}));
    EXPECT_EQ(w->m_promptList.GetCurSel(), -1);

    Add(u" 新 ");
    const CShownBox& ask = ShownBoxes().front();
    EXPECT_EQ(ask.kind, CShownBox::Kind::Input);
    EXPECT_EQ(ask.text, u"请输入提示词名称");
    EXPECT_EQ(ask.title, u"输入框");
    EXPECT_EQ(ask.defaultText, u"");
    EXPECT_EQ(ShownBoxes().size(), 1u) << "no success message";
    EXPECT_EQ(Listed(), (Names{u"a", u"b", u"新"}));
    EXPECT_EQ(w->m_promptList.GetCurSel(), -1);
    EXPECT_EQ(dir.ReadBytes(PromptFile("新")), std::string(1, '\0'));
    EXPECT_EQ(dir.ReadBytes(kListFile), "a\nb\n新\n");

    Add(u"a");
    EXPECT_EQ(LastNotice(), "与已有名称重复！");
    Add(u" \u3000");
    EXPECT_EQ(LastNotice(), "输入提示词名称不能为空！");
    QueueInputBoxCancel();
    Click(w->m_addButton);
    EXPECT_EQ(Listed(), (Names{u"a", u"b", u"新"}));

    Select(w->m_promptList, 2);
    EXPECT_EQ(w->m_currentName, u"新");
    EXPECT_EQ(w->m_content.GetControlText(), u"");
}

TEST_F(PromptWindowTest, AddingANameWhoseFileIsThereKeepsThatPrompt) {
    dir.WriteBytes(PromptFile("旧"), std::string("kept\0", 5));
    Open();
    Add(u"旧");
    EXPECT_EQ(Listed(), (Names{u"旧"}));
    EXPECT_EQ(dir.ReadBytes(PromptFile("旧")), std::string("kept\0", 5));
    Select(w->m_promptList, 0);
    EXPECT_EQ(w->m_content.GetControlText(), u"kept");
}

TEST_F(PromptWindowTest, SavingWritesUtf8FollowedByOneZeroByteAndReadsBack) {
    Open();
    Add(u"p");
    Select(w->m_promptList, 0);
    Type(w->m_content, u"abc");
    Click(w->m_saveButton);
    EXPECT_EQ(LastNotice(), "保存成功！");
    EXPECT_EQ(dir.ReadBytes(PromptFile("p")), std::string("abc\0", 4));

    Type(w->m_content, u"中\r\n文");
    Click(w->m_saveButton);
    EXPECT_EQ(dir.ReadBytes(PromptFile("p")), std::string("中\r\n文\0", 9));
    Click(w->m_copyButton);
    EXPECT_EQ(GetClipboardText(), u"中\r\n文");

    Open();
    EXPECT_EQ(w->m_content.GetControlText(), u"") << "nothing selected at opening";
    Select(w->m_promptList, 0);
    EXPECT_EQ(w->m_content.GetControlText(), u"中\r\n文");
}

TEST_F(PromptWindowTest, ActionsOnAPromptNeedASelection) {
    dir.WriteBytes(kListFile, "a\n");
    Open();
    for (CQelControl* button : {&w->m_saveButton, &w->m_deleteButton, &w->m_renameButton}) {
        ClearShownBoxes();
        Click(*button);
        EXPECT_EQ(LastNotice(), "请选择一项提示词！");
        EXPECT_EQ(ShownBoxes().size(), 1u);
    }
}

TEST_F(PromptWindowTest, RenamingMovesTheFileUnlessTheNameIsTakenOrTheMoveFails) {
    dir.WriteBytes(kListFile, "a\nb\n");
    dir.WriteBytes(PromptFile("a"), std::string("x\0", 2));
    dir.WriteBytes(PromptFile("loose"), std::string("y\0", 2));
    Open();
    Select(w->m_promptList, 0);

    Rename(u"b");
    EXPECT_EQ(ShownBoxes().front().defaultText, u"a");
    EXPECT_EQ(ShownBoxes().front().text, u"请输入新提示词名称");
    EXPECT_EQ(LastNotice(), "与已有名称重复！");
    ClearShownBoxes();
    Rename(u"loose");
    EXPECT_EQ(ShownBoxes().size(), 1u) << "a failed move says nothing";
    EXPECT_EQ(Listed(), (Names{u"a", u"b"}));
    EXPECT_EQ(dir.ReadBytes(PromptFile("loose")), std::string("y\0", 2));

    Rename(u" c ");
    EXPECT_EQ(LastNotice(), "修改成功！");
    EXPECT_EQ(Listed(), (Names{u"c", u"b"}));
    EXPECT_EQ(w->m_promptList.GetCurSel(), 0);
    EXPECT_EQ(dir.ReadBytes(PromptFile("c")), std::string("x\0", 2));
    EXPECT_FALSE(fs::exists(dir / PromptFile("a")));
    EXPECT_EQ(dir.ReadBytes(kListFile), "c\nb\n");
}

TEST_F(PromptWindowTest, DeletingAsksThenRemovesFileAndEntryButNeverAnEntryWhoseFileWontGo) {
    dir.WriteBytes(kListFile, "a\nmissing\n");
    dir.WriteBytes(PromptFile("a"), std::string("x\0", 2));
    Open();
    Select(w->m_promptList, 0);
    Delete(IDNO);
    EXPECT_EQ(ShownBoxes().back().text, u"确定要删除[a]？");
    EXPECT_EQ(ShownBoxes().back().flags, MB_YESNO);
    EXPECT_EQ(ShownBoxes().back().title, u"信息:");
    EXPECT_TRUE(fs::exists(dir / PromptFile("a")));

    Delete(IDYES);
    EXPECT_EQ(LastNotice(), "删除成功！");
    EXPECT_EQ(Listed(), (Names{u"missing"}));
    EXPECT_EQ(w->m_content.GetControlText(), u"");
    EXPECT_FALSE(fs::exists(dir / PromptFile("a")));
    EXPECT_EQ(dir.ReadBytes(kListFile), "missing\n");

    Select(w->m_promptList, 0);
    ClearShownBoxes();
    Delete(IDYES);
    EXPECT_EQ(ShownBoxes().size(), 1u) << "only the question";
    EXPECT_EQ(Listed(), (Names{u"missing"}));
}

// A refused name never becomes the prompt that "保存" and "删除" act on.
TEST_F(PromptWindowTest, AfterARefusedNameSaveAndDeleteStillActOnTheSelectedPrompt) {
    dir.WriteBytes(kListFile, "a\nb\n");
    for (const char* name : {"a", "b"}) dir.WriteBytes(PromptFile(name), std::string(1, '\0'));
    Open();
    Select(w->m_promptList, 0);
    Type(w->m_content, u"text of a");
    Add(u"b");
    Rename(u"b");
    Add(u"c");
    Click(w->m_saveButton);
    EXPECT_EQ(dir.ReadBytes(PromptFile("a")), std::string("text of a\0", 10));
    EXPECT_EQ(dir.ReadBytes(PromptFile("b")), std::string(1, '\0'));
    EXPECT_EQ(dir.ReadBytes(PromptFile("c")), std::string(1, '\0'));

    Delete(IDYES);
    EXPECT_EQ(Listed(), (Names{u"b", u"c"}));
    EXPECT_FALSE(fs::exists(dir / PromptFile("a")));
    EXPECT_TRUE(fs::exists(dir / PromptFile("b")));
}

// Every kind of unsafe name is in the name list's own test; here the window's answer to one of each.
// Names too long for their files have their own test, over both windows that name files.
TEST_F(PromptWindowTest, NamesThatWouldLeaveThePromptFolderAreRefused) {
    dir.WriteBytes(kListFile, "a\n");
    dir.WriteBytes(PromptFile("a"), std::string(1, '\0'));
    Open();
    const CWString names[] = {u"..", u"../x", u"a\tb", u"a\u007Fb", u"\u0085"};
    for (const CWString& name : names) {
        Add(name);
        EXPECT_EQ(LastNotice(), "提示词名称不能包含 \\ / : * ? \" < > | 等字符，也不能只由点组成！") << name.ToUtf8();
    }
    Select(w->m_promptList, 0);
    for (const CWString& name : names) {
        Rename(name);
        EXPECT_NE(LastNotice(), "修改成功！") << name.ToUtf8();
    }
    EXPECT_EQ(Listed(), (Names{u"a"}));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "datas/提示词组"), fs::directory_iterator()), 1);
    EXPECT_EQ(dir.ReadBytes(kListFile), "a\n");
}

TEST_F(PromptWindowTest, TheLongestNameAcceptedIsAddedRenamedToAndSaved) {
    const CWString longest = CWString(78, u'中') + u"ab";  // 236 bytes
    Open();
    Add(u"p");
    Select(w->m_promptList, 0);
    Rename(longest);
    EXPECT_EQ(LastNotice(), "修改成功！");
    Type(w->m_content, u"x");
    Click(w->m_saveButton);
    EXPECT_EQ(LastNotice(), "保存成功！");
    EXPECT_EQ(dir.ReadBytes(PromptFile(longest.ToUtf8())), std::string("x\0", 2));
    Add(longest + u"!");
    Add(CWString(78, u'中') + u"c");
    EXPECT_EQ(Listed(), (Names{longest, CWString(78, u'中') + u"c"}));
}

TEST_F(PromptWindowTest, AListedNameFromElsewhereThatNamesNoFileOfOursTouchesNoFile) {
    dir.WriteBytes(kListFile, "../outside\n");
    dir.WriteBytes("datas/outside.dat", "keep");
    Open();
    Select(w->m_promptList, 0);
    EXPECT_EQ(w->m_content.GetControlText(), u"");
    Click(w->m_saveButton);
    EXPECT_EQ(LastNotice(), "保存失败！");
    Delete(IDYES);
    EXPECT_EQ(LastNotice(), "删除成功！");
    EXPECT_EQ(Listed(), Names{});
    EXPECT_EQ(dir.ReadBytes("datas/outside.dat"), "keep");
}

TEST_F(PromptWindowTest, AFailedSaveSaysSo) {
    dir.WriteBytes(kListFile, "a\n");
    fs::create_directories(dir / PromptFile("a"));  // a folder where the file should be
    Open();
    Select(w->m_promptList, 0);
    Type(w->m_content, u"abc");
    Click(w->m_saveButton);
    EXPECT_EQ(LastNotice(), "保存失败！");
    fs::remove(dir / kListFile);
    fs::create_directories(dir / kListFile);
    Add(u"c");
    EXPECT_EQ(LastNotice(), "提示词列表保存失败！");
}

// A zero byte inside a name and bytes that are no UTF-8: the list shows the
// names around them, and every rewrite of the list keeps the damaged lines.
TEST_F(PromptWindowTest, ADamagedListKeepsWhatItCannotShowAcrossEveryRewrite) {
    const std::string damaged = std::string("b\0c\n", 4) + "\xFF\xFEx\n";
    dir.WriteBytes(kListFile, "a\n" + damaged.substr(0, 4) + "d\n" + damaged.substr(4) + "e\n");
    for (const char* name : {"a", "d", "e"}) dir.WriteBytes(PromptFile(name), std::string(1, '\0'));
    Open();
    ASSERT_EQ(Listed(), (Names{u"a", u"d", u"e"}));

    Add(u"新");
    EXPECT_EQ(dir.ReadBytes(kListFile), "a\nd\ne\n新\n" + damaged);
    Select(w->m_promptList, 1);
    Rename(u"d2");
    EXPECT_EQ(LastNotice(), "修改成功！");
    EXPECT_EQ(dir.ReadBytes(kListFile), "a\nd2\ne\n新\n" + damaged);
    Select(w->m_promptList, 0);
    Delete(IDYES);
    EXPECT_EQ(LastNotice(), "删除成功！");
    EXPECT_EQ(dir.ReadBytes(kListFile), "d2\ne\n新\n" + damaged);

    Open();
    EXPECT_EQ(Listed(), (Names{u"d2", u"e", u"新"}));
}

TEST_F(PromptWindowTest, AListThatCannotBeReadIsNeverRewritten) {
    dir.WriteBytes(kListFile, "a\nb\n");
    {
        CInjectedFault unreadable(CQelFault::Read);
        Open();
    }
    EXPECT_EQ(LastNotice(), "提示词列表读取失败，本次打开不会保存！");
    Add(u"c");
    EXPECT_EQ(LastNotice(), "提示词列表保存失败！");
    EXPECT_EQ(dir.ReadBytes(kListFile), "a\nb\n");
}

// A prompt file that is there but cannot be read shows as an empty box: the
// window says so when it is selected, and "保存" keeps the file until a
// selection reads it again.
TEST_F(PromptWindowTest, APromptThatCannotBeReadIsNeverSavedOverUntilReadAgain) {
    const std::string prompt("写一个类\0", 13);
    dir.WriteBytes(kListFile, "a\n");
    dir.WriteBytes(PromptFile("a"), prompt);
    Open();
    {
        CInjectedFault unreadable(CQelFault::Read);
        Select(w->m_promptList, 0);
    }
    EXPECT_EQ(LastNotice(), "提示词内容读取失败，重新选择前不会保存！");
    EXPECT_EQ(w->m_content.GetControlText(), u"");
    for (const char16_t* typed : {u"", u"新内容"}) {
        Type(w->m_content, typed);
        Click(w->m_saveButton);
        EXPECT_EQ(LastNotice(), "保存失败！");
        EXPECT_EQ(dir.ReadBytes(PromptFile("a")), prompt);
    }
    w->m_promptList.SetCurSel(-1);
    Select(w->m_promptList, 0);
    EXPECT_EQ(w->m_content.GetControlText(), u"写一个类");
    Type(w->m_content, u"新内容");
    Click(w->m_saveButton);
    EXPECT_EQ(LastNotice(), "保存成功！");
    EXPECT_EQ(dir.ReadBytes(PromptFile("a")), std::string("新内容\0", 10));
}
