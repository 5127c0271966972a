// What only the real windows can show: pixels, fonts and the main loop.
#include <gtest/gtest.h>

#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/checklst.h>
#include <wx/dataview.h>
#include <wx/font.h>
#include <wx/stattext.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include "caption_room.h"
#include "platform/ui/backend.h"
#include "platform_ui/sample_window.h"
#include "toolkit_wait.h"
#include "wx_driver.h"

namespace ui_contract {

namespace {
class WxWindows : public ::testing::Test {
protected:
    void SetUp() override { ContractDriver().Reset(); }
};
}  // namespace

TEST_F(WxWindows, ChildrenOfAGroupBoxAreRelativeToItsOuterCorner) {
    SampleWindow w;
    w.CreateFormWindow();
    wxWindow* group = WxWindowOf(w.group);
    wxWindow* source = WxWindowOf(w.source);
    ASSERT_TRUE(group && source);
    EXPECT_EQ(source->GetParent(), group->GetParent()) << "beside the box, on the form's client area";
    EXPECT_EQ(group->GetPosition(), wxPoint(10, 60));
    EXPECT_EQ(source->GetPosition(), wxPoint(10 + 9, 60 + 21));
    EXPECT_EQ(source->GetSize(), wxSize(380, 270));
    w.Close();
}

TEST_F(WxWindows, PagesAreRealContainersInsideTheirGroupBox) {
    ListsWindow w;
    w.CreateFormWindow();
    wxWindow* pages = WxWindowOf(w.pages);
    wxWindow* path = WxWindowOf(w.first.path);
    ASSERT_TRUE(pages && path);
    EXPECT_EQ(pages->GetPosition(), wxPoint(10 + 129, 5 + 17));
    EXPECT_EQ(path->GetParent(), WxWindowOf(w.first));
    EXPECT_EQ(path->GetPosition(), wxPoint(78, 4));
    w.Close();
}

TEST_F(WxWindows, FormsHaveTheirClientSizeAndControlsTheirFonts) {
    SampleWindow w;
    w.CreateFormWindow();
    EXPECT_EQ(WxWindowOf(w)->GetClientSize(), wxSize(800, 600));
    EXPECT_EQ(WxWindowOf(w.button)->GetFont().GetPointSize(), 11);
    EXPECT_EQ(WxWindowOf(w.button)->GetFont().GetWeight(), wxFONTWEIGHT_NORMAL);
    EXPECT_TRUE(WxWindowOf(w.label)->HasFlag(wxALIGN_RIGHT));
    w.label.SetControlFont(u", 9, 1, 0, 0, 0, 0");
    EXPECT_EQ(WxWindowOf(w.label)->GetFont().GetPointSize(), 9);
    EXPECT_EQ(WxWindowOf(w.label)->GetFont().GetWeight(), wxFONTWEIGHT_BOLD);
    w.Close();
}

TEST_F(WxWindows, ACaptionTooWideForItsRectangleIsDrawnSmallerDownToEightPoints) {
    SampleWindow w;
    w.CreateFormWindow();
    wxWindow* label = WxWindowOf(w.label);
    ASSERT_TRUE(label);
    struct Case {
        const char16_t* text;
        int smallest, largest;  // points
    };
    const Case cases[] = {
        {u"标签：", 11, 11},                          // fits: the described size
        {u"一个比方框宽的标签：", 8, 10},             // the largest size that fits
        {u"一个比它的方框宽得多得多的标签：", 8, 8},  // fits at no size: never below 8
    };
    for (const Case& c : cases) {
        w.label.SetControlText(c.text);
        EXPECT_EQ(label->GetRect(), wxRect(140, 10, 90, 24)) << "the rectangle stays";
        EXPECT_GE(label->GetFont().GetPointSize(), c.smallest);
        EXPECT_LE(label->GetFont().GetPointSize(), c.largest);
    }
    w.Close();
}

TEST_F(WxWindows, AColumnTitleTooWideForItsColumnIsDrawnSmaller) {
    ListsWindow w;
    w.CreateFormWindow();
    w.grid.SetColumnWidth(0, 70);
    w.grid.SetColumnWidth(1, 70);
    w.grid.AddColumn(u"一二三四", 62);
    Settle();
    EXPECT_EQ(CaptionsCut(WxWindowOf(w)), std::vector<std::string>());
    w.Close();
}

TEST_F(WxWindows, AComboFieldIsAsTallAsItsFontNeeds) {
    SampleWindow w;
    w.CreateFormWindow();
    wxWindow* combo = WxWindowOf(w.combo);
    ASSERT_TRUE(combo);
    EXPECT_EQ(combo->GetPosition(), wxPoint(420, 100));
    EXPECT_EQ(combo->GetSize().x, 150);
    EXPECT_GE(combo->GetSize().y, combo->GetBestSize().y);
    w.Close();
}

TEST_F(WxWindows, LabelsShowCrLfTextOnSeparateLinesAndGiveItBackUnchanged) {
    SampleWindow w;
    w.CreateFormWindow();
    w.label.SetControlText(u"1.第一\r\n2.第二");
    EXPECT_EQ(static_cast<wxStaticText*>(WxWindowOf(w.label))->GetLabel(), wxString::FromUTF8("1.第一\n2.第二"));
    EXPECT_EQ(w.label.GetControlText(), u"1.第一\r\n2.第二");
    w.Close();
}

TEST_F(WxWindows, DestroyingTheMainWindowEndsTheMainLoopWithZero) {
    SampleWindow mainWindow(u"主窗口");
    SampleWindow tool(u"工具");
    mainWindow.CreateFormWindow();
    MainWindowHandle = mainWindow.WindowHandle();
    tool.OpenWindow(mainWindow);
    wxTheApp->CallAfter([&] { ContractDriver().CloseBox(mainWindow); });
    EXPECT_EQ(Backend().RunMainLoop(), 0);
    EXPECT_FALSE(mainWindow.HasNativeWindow());
    EXPECT_FALSE(tool.HasNativeWindow()) << "owned windows go with the main window";
    EXPECT_EQ(MainWindowHandle, nullptr);
}

namespace {
// The grid's view and the model it shows; null when the grid is not one.
struct GridView {
    wxDataViewCtrl* list = nullptr;
    wxDataViewVirtualListModel* rows = nullptr;
};

GridView GridViewOf(ListsWindow& w) {
    auto* list = dynamic_cast<wxDataViewCtrl*>(WxWindowOf(w.grid));
    return {list, list ? dynamic_cast<wxDataViewVirtualListModel*>(list->GetModel()) : nullptr};
}
}  // namespace

TEST_F(WxWindows, DeletingTheRowUnderTheCursorKeepsTheOtherRowsSelected) {
    ListsWindow w;
    w.CreateFormWindow();
    auto [list, rows] = GridViewOf(w);
    ASSERT_NE(rows, nullptr);
    for (const char16_t* word : {u"a", u"b", u"c", u"d"}) w.grid.AddRow(word);
    list->SetCurrentItem(rows->GetItem(2));  // where the user's last click went
    for (int row : {0, 2}) w.grid.SelectRow(row, true);
    EXPECT_TRUE(w.grid.DeleteRow(2));
    EXPECT_TRUE(w.grid.IsRowSelected(0));
    EXPECT_FALSE(w.grid.IsRowSelected(1));
    EXPECT_FALSE(w.grid.IsRowSelected(2)) << "the row that moved up under the cursor";
    w.Close();
}

// As a user edits: the view's own editor, ended by Enter.
TEST_F(WxWindows, CellsOfEveryColumnAreEditedInPlace) {
    ListsWindow w;
    w.CreateFormWindow();
    for (const char16_t* word : {u"a", u"b"}) w.grid.AddRow(word);
    const char16_t* typed[] = {u"Name", u"名称"};
    for (int column : {0, 1}) {
        ASSERT_TRUE(ContractDriver().BeginCellEdit(w.grid, 1, column, typed[column])) << column;
        gtk_widget_activate(GTK_WIDGET(CellEditor(w.grid)));
    }
    EXPECT_EQ(w.grid.GetCellText(1, 0), u"Name");
    EXPECT_EQ(w.grid.GetCellText(1, 1), u"名称");
    EXPECT_EQ(w.grid.GetCellText(0, 0), u"a");
    w.Close();
}

// The editor's own menu takes the focus from it while it is shown: the edit
// goes on, so that what the menu pastes lands in it.
TEST_F(WxWindows, TheCellEditorsMenuLeavesTheEditOpen) {
    ListsWindow w;
    w.CreateFormWindow();
    Settle();  // on the screen, where the editor gets the keys
    w.grid.AddRow(u"a");
    ASSERT_TRUE(ContractDriver().BeginCellEdit(w.grid, 0, 1, u"typed"));
    auto* editor = GTK_WIDGET(g_object_ref(CellEditor(w.grid)));  // looked at even if it were gone
    GtkWidget* menu = nullptr;
    g_signal_connect(editor, "populate-popup", G_CALLBACK(+[](GtkEntry*, GtkWidget* shown, gpointer menu) {
                         *static_cast<GtkWidget**>(menu) = GTK_WIDGET(g_object_ref(shown));
                     }),
                     &menu);
    wxUIActionSimulator keyboard;
    keyboard.Char(WXK_F10, wxMOD_SHIFT);
    EXPECT_TRUE(WaitForToolkit("the editor's menu", [&] { return menu && gtk_widget_get_mapped(menu); }));
    Settle();
    EXPECT_NE(gtk_widget_get_parent(editor), nullptr) << "the editor is still in the grid";
    keyboard.Char(WXK_ESCAPE);  // closes the menu
    Settle();
    EXPECT_NE(gtk_widget_get_parent(editor), nullptr);
    EXPECT_EQ(w.grid.GetCellText(0, 1), u"typed");
    if (menu) g_object_unref(menu);
    g_object_unref(editor);
    w.Close();
}

TEST_F(WxWindows, ClosedFormsLeaveNoTopLevelWindowBehind) {
    {
        SampleWindow w;
        w.CreateFormWindow();
        w.Close();
        w.CreateFormWindow();
    }                         // destroyed while open
    wxTheApp->ProcessIdle();  // where the main loop deletes closed windows
    EXPECT_TRUE(wxTopLevelWindows.empty());
}

TEST_F(WxWindows, PasswordEditsShowStarsAndGiveTheTypedText) {
    SampleWindow w;
    w.CreateFormWindow();
    rg_edit_box password;
    password.Create(w, 120, {10, 400, 100, 24}, u"secret", u"", CQelStyle::Password);
    GtkEntry* entry = GTK_ENTRY(WxWindowOf(password)->GetHandle());
    EXPECT_FALSE(gtk_entry_get_visibility(entry));
    EXPECT_EQ(gtk_entry_get_invisible_char(entry), gunichar('*'));
    EXPECT_EQ(password.GetControlText(), u"secret");
    w.Close();
}

// The theme animates a change of font through the sizes between; the window
// is settled once the edit draws in the size it was given.
TEST_F(WxWindows, SettlingWaitsForTheEditsNewFontToBeInForce) {
    SampleWindow w;
    w.CreateFormWindow();
    Settle();
    PangoContext* drawing = gtk_widget_get_pango_context(static_cast<GtkWidget*>(WxWindowOf(w.line)->GetHandle()));
    const struct {
        const char16_t* font;
        int points;
    } changes[] = {{u", 8, 0, 0, 0, 0, 0", 8}, {u", 14, 0, 0, 0, 0, 0", 14}, {u", 9, 0, 0, 0, 0, 0", 9}};
    for (const auto& change : changes) {
        w.line.SetControlFont(change.font);
        Settle();
        EXPECT_EQ(pango_font_description_get_size(pango_context_get_font_description(drawing)),
                  change.points * PANGO_SCALE)
            << change.points;
    }
    w.Close();
}

// A real mouse click on a check mark: the toolkit would also select the
// entry, but a click on a mark only ticks it.
TEST_F(WxWindows, AClickOnACheckMarkTicksWithoutSelecting) {
    ListsWindow w;
    w.CreateFormWindow();
    for (const char16_t* name : {u"users", u"orders", u"goods"}) w.tables.AddItem(name);
    w.tables.SetCurSel(2);
    auto* list = static_cast<wxCheckListBox*>(WxWindowOf(w.tables));
    Settle();  // the window is on the screen
    int half = list->GetItemHeight() / 2;
    ASSERT_GT(half, 0);
    const wxPoint mark = list->ClientToScreen(wxPoint(half + 2, half));  // the first entry's mark
    wxUIActionSimulator mouse;
    mouse.MouseMove(mark);
    ASSERT_TRUE(WaitForToolkit("the pointer on the first check mark", [&] { return wxGetMousePosition() == mark; }));
    mouse.MouseClick();
    ASSERT_TRUE(WaitForToolkit("the click to reach the list", [&] { return !w.log.empty(); }));
    Settle();  // and whatever else the click brings
    EXPECT_EQ(w.log, (std::vector<std::string>{"check"}));
    EXPECT_TRUE(w.tables.GetCheck(0));
    EXPECT_EQ(w.tables.GetCurSel(), 2);
    w.Close();
}

}  // namespace ui_contract
