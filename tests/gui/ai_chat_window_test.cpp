// The AI chat window on the real toolkit: a real web view, where it belongs.
#include <gtest/gtest.h>

#include <wx/webview.h>

#include "toolkit_wait.h"
#include "tools/rules/ai_chat_window.h"
#include "wx_driver.h"

namespace ui_contract {

namespace {
// Size changes reach the window through the display server: wait for them.
bool Reaches(wxWindow* window, const wxRect& rect) {
    return WaitForToolkit("the web view to take " + std::to_string(rect.width) + "x" + std::to_string(rect.height) +
                              " at " + std::to_string(rect.x) + "," + std::to_string(rect.y),
                          [&] { return window->GetRect() == rect; });
}
}  // namespace

TEST(WxAiChatWindow, AWebViewFillsTheWindowBelowTheButtonStrip) {
    ContractDriver().Reset();
    rg_qelvane_app::rg_win_RenGongZhiNeng_YuanShi w;
    ASSERT_TRUE(w.CreateFormWindow());
    auto* view = dynamic_cast<wxWebView*>(WxWindowOf(w.m_browser));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetParent(), WxWindowOf(w.m_promptButton)->GetParent());
    EXPECT_TRUE(view->IsContextMenuEnabled());
    EXPECT_TRUE(view->IsAccessToDevToolsEnabled());
    // The window's first size change already lets the browser fill its area.
    EXPECT_TRUE(Reaches(view, wxRect(0, 45, 800, 555))) << view->GetRect().width << "x" << view->GetRect().height;

    WxWindowOf(w)->SetClientSize(800, 300);
    EXPECT_TRUE(Reaches(view, wxRect(0, 45, 800, 255))) << view->GetRect().width << "x" << view->GetRect().height;
    EXPECT_EQ(WxWindowOf(w.m_promptButton)->GetRect(), wxRect(13, 5, 152, 35));
    w.Close();
}

}  // namespace ui_contract
