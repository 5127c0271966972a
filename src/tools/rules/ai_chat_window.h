#pragma once
// The AI service's chat page in an embedded browser, with the prompt library a
// click away. Prompts reach the page only through the clipboard.
#include "platform/ui/browser.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

namespace rg_qelvane_app {

class rg_win_RenGongZhiNeng_YuanShi : public rg_qelvane_base::CQelWinForm {
public:
    rg_win_RenGongZhiNeng_YuanShi();

    // Where every opening starts.
    static constexpr char16_t kChatPageAddress[] = u"https://chat.deepseek.com/";
    // The strip above the browser that holds the button.
    static constexpr int kButtonStripHeight = 45;

    // The controls in member order, open to the tests that drive the window.
    rg_qelvane_base::rg_button1 m_promptButton;
    rg_qelvane_base::rg_EdgeLiuLanKuang m_browser;

protected:
    void HookEvents() override;
    void BuildControls() override;

private:
    void AiChatWindow_OnResize(rg_qelvane_base::CQelControl& sender);
    void AiChatWindow_OnPromptButton(rg_qelvane_base::CQelControl& sender);
};

}  // namespace rg_qelvane_app
