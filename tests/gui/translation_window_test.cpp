// The translation window on the real toolkit, driven with the mouse: what a
// user typed into a cell is what "保存" writes.
#include <gtest/gtest.h>

#include <wx/gdicmn.h>
#include <wx/uiaction.h>
#include <wx/utils.h>
#include <wx/window.h>

#include "app/translation_window.h"
#include "support/temp_program_dir.h"
#include "toolkit_wait.h"
#include "wx_driver.h"

namespace ui_contract {

namespace {
const char* const kTable = "datas/对应关系.ini";

// A real click: the pointer goes to the middle of the control, then presses.
void ClickWithTheMouse(const CQelControl& control) {
    wxWindow* window = WxWindowOf(control);
    ASSERT_NE(window, nullptr);
    const wxPoint middle = window->ClientToScreen(wxPoint(window->GetSize().x / 2, window->GetSize().y / 2));
    wxUIActionSimulator mouse;
    mouse.MouseMove(middle);
    ASSERT_TRUE(WaitForToolkit("the pointer on the control", [&] { return wxGetMousePosition() == middle; }));
    mouse.MouseClick();
}
}  // namespace

TEST(WxTranslationWindow, SaveWritesTheEditStillOpenInACell) {
    ContractDriver().Reset();
    TempProgramDir dir;
    dir.WriteBytes(kTable, "[translation]\r\nName=old\r\nAge=years\r\n");
    rg_qelvane_app::rg_win_FanYiGuanLi window;
    ASSERT_TRUE(window.CreateFormWindow());
    Settle();  // the window is on the screen
    ASSERT_TRUE(ContractDriver().BeginCellEdit(window.m_grid, 0, 1, u"edited"));
    ClickWithTheMouse(window.m_save);
    ASSERT_TRUE(WaitForToolkit("the save's message", [] { return !ContractDriver().ShownBoxes().empty(); }));
    EXPECT_EQ(ContractDriver().ShownBoxes()[0].text, u"保存成功！");
    EXPECT_EQ(dir.ReadBytes(kTable), "[translation]\r\nName=edited\r\nAge=years\r\n");
    EXPECT_EQ(window.m_grid.GetCellText(0, 1), u"edited");
    window.Close();
}

}  // namespace ui_contract
