#include "app/batch_insert_window.h"
#include "common/window_actions.h"

#include "platform/ui/dialogs.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

namespace {
// No horizontal scroll bar: a long line wraps on screen only, and reading the
// box back gives the lines as they were typed.
constexpr unsigned kLinesEditStyle = CQelStyle::MultiLine | CQelStyle::VScroll;
}  // namespace

rg_win_PiLiangChaRu::rg_win_PiLiangChaRu() : CQelWinForm(u"批量插入") {}

void rg_win_PiLiangChaRu::HookEvents() { m_save.Bind(CQelEvent::Click, this, &rg_win_PiLiangChaRu::OnSave); }

void rg_win_PiLiangChaRu::BuildControls() {
    m_hint.Create(*this, 101, {21, 550, 232, 37}, u"英文和中文行数必须保持一致。", kToolWindowFont);
    m_hint.SetStaticEdgeBorder();
    m_save.Create(*this, 102, {653, 550, 136, 40}, u"保存", kToolWindowFont);
    m_arrow.Create(*this, 103, {386, 22, 32, 512}, u"=>", kToolWindowFont);
    m_chineseGroup.Create(*this, 104, {425, 15, 364, 519}, u"中文", kToolWindowFont);
    m_chinese.Create(m_chineseGroup, 105, {7, 18, 350, 491}, u"", u"", kLinesEditStyle);
    m_englishGroup.Create(*this, 106, {13, 15, 368, 519}, u"英文", kToolWindowFont);
    m_english.Create(m_englishGroup, 107, {7, 16, 350, 491}, u"", u"", kLinesEditStyle);
}

void rg_win_PiLiangChaRu::OnSave(CQelControl&) {
    m_englishLines = SplitText(m_english.GetControlText(), u"\r\n");
    m_chineseLines = SplitText(m_chinese.GetControlText(), u"\r\n");
    if (m_englishLines.size() == m_chineseLines.size()) {
        Close();
        return;
    }
    ShowInfo(*this, u"英文和中文列表的行数不一致！");
    m_englishLines.clear();
    m_chineseLines.clear();
}

}  // namespace rg_qelvane_app
