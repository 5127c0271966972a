#include "tools/rules/ai_chat_window.h"

#include <algorithm>

#include "tools/rules/prompt_window.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

rg_win_RenGongZhiNeng_YuanShi::rg_win_RenGongZhiNeng_YuanShi() : CQelWinForm(u"DeepSeek") {}

void rg_win_RenGongZhiNeng_YuanShi::HookEvents() {
    Bind(CQelEvent::Resized, this, &rg_win_RenGongZhiNeng_YuanShi::AiChatWindow_OnResize);
    m_promptButton.Bind(CQelEvent::Click, this, &rg_win_RenGongZhiNeng_YuanShi::AiChatWindow_OnPromptButton);
}

void rg_win_RenGongZhiNeng_YuanShi::BuildControls() {
    m_promptButton.Create(*this, 101, {13, 5, 152, 35}, u"提示词管理");
    m_browser.Navigate(kChatPageAddress);
    m_browser.EnablePasswordAutosave(true);
    m_browser.EnableGeneralAutofill(true);
    m_browser.EnableDefaultContextMenus(true);
    m_browser.EnableDevTools(true);
    m_browser.EnableScript(true);
    m_browser.Create(*this, 102, {5, 45, 792, 552});
}

// Only the page follows the window's size: the button strip at the top stays
// as laid out, and the browser takes all the room under it.
void rg_win_RenGongZhiNeng_YuanShi::AiChatWindow_OnResize(CQelControl&) {
    CQelRect client = GetClientRect();
    int bottom = client.y + client.height;
    m_browser.Move({client.x, kButtonStripHeight, client.width, std::max(0, bottom - kButtonStripHeight)});
}

void rg_win_RenGongZhiNeng_YuanShi::AiChatWindow_OnPromptButton(CQelControl&) {
    rg_win_DiShiCiGuanLi promptWindow;
    CQelCreateRecord record;
    record.owner = this;
    promptWindow.ShowModal(record);
}

}  // namespace rg_qelvane_app
