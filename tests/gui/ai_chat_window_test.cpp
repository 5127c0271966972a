// The AI chat window on the real toolkit: a real web view, where it belongs.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/utils.h>
#include <wx/webview.h>

#include "rules/ai_chat_window.h"
#include "wx_driver.h"

namespace ui_contract {

TEST(WxAiChatWindow, AWebViewFillsTheWindowBelowTheButtonStrip) {
    ContractDriver().Reset();
    rg_qelvane_app::rg_win_RenGongZhiNeng_YuanShi w;
    ASSERT_TRUE(w.CreateFormWindow());
    auto* view = dynamic_cast<wxWebView*>(WxWindowOf(w.m_browser));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetRect(), wxRect(5, 45, 792, 552));
    EXPECT_TRUE(view->IsContextMenuEnabled());
    EXPECT_TRUE(view->IsAccessToDevToolsEnabled());

    WxWindowOf(w)->SetClientSize(800, 300);
    const wxRect filled(0, 45, 800, 255);
    for (int wait = 0; wait < 200 && view->GetRect() != filled; ++wait) {
        wxTheApp->Yield(true);
        wxMilliSleep(10);
    }
    EXPECT_EQ(view->GetRect(), filled);
    EXPECT_EQ(WxWindowOf(w.m_promptButton)->GetRect(), wxRect(13, 5, 152, 35));
    w.Close();
}

}  // namespace ui_contract
