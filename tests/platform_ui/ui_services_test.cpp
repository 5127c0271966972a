#include <gtest/gtest.h>

#include "platform/ui/dialogs.h"
#include "platform/ui/font.h"
#include "platform/ui/line_ends.h"
#include "platform_ui/sample_window.h"
#include "support/headless_driver.h"

using namespace rg_qelvane_base;
namespace hl = rg_qelvane_base::headless;
using ui_contract::SampleWindow;

TEST(FontDescription, FieldsOnTopOfTheDefaults) {
    struct Case {
        const char16_t* text;
        CQelFont font;
    };
    const Case cases[] = {
        {u", 11, 0, 0, 0, 0, 0", {u"", 11}},
        {u", 9, 0, 0, 0, 0, 0", {u"", 9}},
        {u"宋体, 12, 1, 1, 1, 1, 900", {u"宋体", 12, true, true, true, true, 900}},
        {u"", {}},
        {u"Sans", {u"Sans"}},
        {u", abc, 2", {u"", 0, true}},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseFontDescription(c.text), c.font) << CWString(c.text).ToUtf8();
}

TEST(LineEnds, LoneLineFeedsBecomeCrLfAndBack) {
    EXPECT_EQ(ToCrLf(u"a\nb\r\nc\n"), u"a\r\nb\r\nc\r\n");
    EXPECT_EQ(ToCrLf(u"\n\n"), u"\r\n\r\n");
    EXPECT_EQ(ToCrLf(u"a\rb"), u"a\rb");
    EXPECT_EQ(ToLf(u"a\r\nb\rc\n"), u"a\nb\rc\n");
    EXPECT_EQ(ToCrLf(ToLf(u"x\r\ny\r\n")), u"x\r\ny\r\n");
}

class HeadlessDriver : public ::testing::Test {
protected:
    void SetUp() override { hl::UseHeadlessBackend(); }
};

TEST_F(HeadlessDriver, DisabledOrClosedControlsCannotBeUsed) {
    SampleWindow w;
    EXPECT_FALSE(hl::Click(w.button)) << "no native window";
    w.CreateFormWindow();
    w.button.Enable(false);
    EXPECT_FALSE(hl::Click(w.button));
    w.group.Enable(false);
    EXPECT_FALSE(hl::Type(w.source, u"x")) << "its group box is disabled";
    w.list.Show(false);
    w.list.AddItem(u"a");
    EXPECT_FALSE(hl::Select(w.list, 0));
    EXPECT_FALSE(hl::Select(w.combo, 3)) << "no entry 3";
    EXPECT_TRUE(w.log.empty());
    w.Close();
    w.CreateFormWindow();
    EXPECT_FALSE(hl::IsUsable(w.button)) << "the enabled state is a creation property";
    w.button.Enable(true);
    EXPECT_TRUE(hl::Click(w.button));
}

TEST_F(HeadlessDriver, UnscriptedBoxesAnswerWithoutChangingAnything) {
    EXPECT_EQ(ShowMessageBox(nullptr, u"a", MB_OK, u"t"), IDOK);
    EXPECT_EQ(ShowMessageBox(nullptr, u"b", MB_YESNO, u"t"), IDNO);
    CWString text = u"x";
    EXPECT_FALSE(ShowInputBox(nullptr, text, u"p", u"", u"d"));
    EXPECT_EQ(text, u"");
    CWString path = u"kept";
    EXPECT_FALSE(ShowOpenFileDialog(nullptr, u"Sqlite数据库文件(*.db)|*.db", path));
    EXPECT_EQ(path, u"kept");
    hl::QueueFileDialogAnswer(u"/tmp/a.db");
    EXPECT_TRUE(ShowOpenFileDialog(nullptr, u"f", path));
    EXPECT_EQ(path, u"/tmp/a.db");
    ASSERT_EQ(hl::ShownBoxes().size(), 5u);
    EXPECT_EQ(hl::ShownBoxes()[2].defaultText, u"d");
    EXPECT_EQ(hl::ShownBoxes()[3].kind, hl::CShownBox::Kind::OpenFile);
}

TEST_F(HeadlessDriver, BoxesAreOwnedByTheFormOfTheAskingControl) {
    SampleWindow w;
    w.CreateFormWindow();
    ShowMessageBox(&w.source, u"来自编辑框", MB_OK, u"信息:");
    w.Close();
    ShowMessageBox(&w, u"窗口已关", MB_OK, u"信息:");
    EXPECT_EQ(hl::ShownBoxes()[0].owner, &w);
    EXPECT_EQ(hl::ShownBoxes()[1].owner, nullptr) << "a closed window owns nothing";
}

TEST_F(HeadlessDriver, AModalFormWithoutOwnerIsOwnedByTheLastActiveWindow) {
    SampleWindow mainWindow, tool, dialog;
    mainWindow.CreateFormWindow();
    tool.OpenWindow(mainWindow);
    hl::Activate(mainWindow);
    const CQelWinForm* owner = nullptr;
    hl::OnModalForm([&](CQelWinForm& form) { owner = hl::FindWindow(form)->owner->Control()->Form(); });
    dialog.ShowModal();
    EXPECT_EQ(owner, &mainWindow);
    EXPECT_EQ(Backend().LastActiveForm(), &mainWindow) << "the owner is activated afterwards";
    hl::Activate(tool);
    dialog.ShowModal();
    EXPECT_EQ(owner, &tool);
    EXPECT_EQ(hl::FindWindow(dialog), nullptr);
    mainWindow.Close();
}

TEST_F(HeadlessDriver, HandlersMayCloseTheWindowThatRaisedTheirEvent) {
    SampleWindow w;
    w.onButton = [&] { w.Close(); };
    w.CreateFormWindow();
    EXPECT_TRUE(hl::Click(w.button));
    EXPECT_FALSE(w.HasNativeWindow());
    w.CreateFormWindow();
    w.Bind(CQelEvent::Destroyed, [&](CQelControl&) { w.Close(); });
    w.Close();
    EXPECT_FALSE(w.HasNativeWindow()) << "a close from the Destroyed handler does not recurse";
}

// A Destroyed handler that empties lists and asks questions, as a database
// window closing its connection does: safe however the window ends.
TEST_F(HeadlessDriver, DestroyedHandlersRunOnWholeWindowsOrOnNoneAndOwnNoBoxes) {
    SampleWindow w;
    std::vector<int> itemsSeen;
    std::vector<CQelWinForm*> activeSeen;
    auto onDestroyed = [&](CQelControl&) {
        itemsSeen.push_back(w.list.GetItemCount());
        activeSeen.push_back(Backend().LastActiveForm());
        w.list.ClearItems();
        w.button.SetControlText(u"连接");
        ShowMessageBox(&w, u"关闭", MB_OK, u"信息:");
    };
    w.CreateFormWindow();
    w.Bind(CQelEvent::Destroyed, onDestroyed);
    w.list.AddItem(u"users");
    w.Close();
    w.CreateFormWindow();
    w.Bind(CQelEvent::Destroyed, onDestroyed);
    w.list.AddItem(u"users");
    w.NativeFormGone();
    EXPECT_EQ(itemsSeen, (std::vector<int>{1, 0})) << "whole when closed; without windows when taken away";
    EXPECT_EQ(activeSeen, (std::vector<CQelWinForm*>{nullptr, nullptr}));
    ASSERT_EQ(hl::ShownBoxes().size(), 2u);
    EXPECT_EQ(hl::ShownBoxes()[0].owner, nullptr);
    EXPECT_EQ(hl::ShownBoxes()[1].owner, nullptr);
    EXPECT_EQ(w.button.GetControlText(), u"连接");
}

TEST_F(HeadlessDriver, ControlsOutliveTheirFormsWindowAndTheFormOutlivesNothing) {
    auto form = std::make_unique<SampleWindow>();
    rg_button1 stray;
    form->CreateFormWindow();
    stray.Create(*form, 1, {0, 0, 10, 10}, u"外来");
    EXPECT_TRUE(stray.HasNativeWindow());
    form.reset();
    EXPECT_FALSE(stray.HasNativeWindow()) << "the form took its controls' windows with it";
    EXPECT_EQ(stray.GetControlText(), u"外来");
}

TEST_F(HeadlessDriver, CellsAreEditedInPlaceOnlyWhereTheListAllowsIt) {
    ui_contract::ListsWindow w;
    w.CreateFormWindow();
    w.grid.AddRow(u"Name");
    EXPECT_TRUE(hl::EditCell(w.grid, 0, 1, u"名称"));
    EXPECT_EQ(w.grid.GetCellText(0, 1), u"名称");
    EXPECT_FALSE(hl::EditCell(w.grid, 0, 5, u"x")) << "no such column";
    EXPECT_TRUE(hl::SelectRows(w.grid, {0}));
    EXPECT_EQ(w.grid.GetFirstSelectedRow(), 0);
    EXPECT_EQ(hl::FindWindow(w.grid)->columns[1], (hl::CHeadlessColumn{u"中文", 200}));
    rg_ChaoJiLieBiaoKuang readOnly;
    readOnly.Create(w, 2, {0, 0, 10, 10});
    readOnly.AddColumn(u"序号", 50);
    readOnly.AddRow(u"1");
    EXPECT_FALSE(hl::EditCell(readOnly, 0, 0, u"2"));
}

TEST_F(HeadlessDriver, TheBrowserKeepsItsAddressAndOptionsForEachNewWebView) {
    class ChatWindow : public CQelWinForm {
    public:
        rg_EdgeLiuLanKuang browser;

    protected:
        void BuildControls() override {
            EXPECT_TRUE(browser.Navigate(u"chat.deepseek.com"));
            browser.EnablePasswordAutosave(true);
            browser.EnableGeneralAutofill(true);
            browser.Create(*this, 102, {5, 45, 792, 552});
        }
    } w;
    w.CreateFormWindow();
    EXPECT_EQ(hl::FindWindow(w.browser)->address, u"https://chat.deepseek.com");
    EXPECT_TRUE(hl::FindWindow(w.browser)->browserOptions.passwordAutosave);
    EXPECT_FALSE(w.browser.Navigate(u"")) << "an empty address is refused";
    EXPECT_TRUE(w.browser.Navigate(u"about:blank"));
    EXPECT_EQ(hl::FindWindow(w.browser)->address, u"about:blank");
    w.Close();
    w.CreateFormWindow();
    EXPECT_EQ(hl::FindWindow(w.browser)->address, u"https://chat.deepseek.com");
}

TEST_F(HeadlessDriver, ResizingASizableFormRaisesResizedWithTheNewClientArea) {
    SampleWindow w;
    CQelRect seen;
    w.CreateFormWindow();
    w.Bind(CQelEvent::Resized, [&](CQelControl&) { seen = w.GetClientRect(); });
    EXPECT_TRUE(hl::ResizeClient(w, 800, 300));
    EXPECT_EQ(seen, (CQelRect{0, 0, 800, 300}));
    w.Close();
    w.SetBorderStyle(CQelBorderStyle::FixedSingle);
    w.CreateFormWindow();
    EXPECT_FALSE(hl::ResizeClient(w, 10, 10)) << "a fixed border cannot be dragged";
}
