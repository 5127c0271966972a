#include "tools/androidwrap/android_array_window.h"

#include "common/window_actions.h"
#include "tools/androidwrap/android_array_engine.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

rg_win_AnZhuoShuZuFengZhuang::rg_win_AnZhuoShuZuFengZhuang() : CQelWinForm(u"安卓数组封装") {}

void rg_win_AnZhuoShuZuFengZhuang::HookEvents() {
    m_copy.Bind(CQelEvent::Click, this, &rg_win_AnZhuoShuZuFengZhuang::ArrayWindow_OnClick);
    m_parse.Bind(CQelEvent::Click, this, &rg_win_AnZhuoShuZuFengZhuang::ArrayWindow_OnClick);
}

void rg_win_AnZhuoShuZuFengZhuang::BuildControls() {
    m_twoDimensional.Create(*this, 101, {213, 14, 48, 24}, u"二维");
    m_endingLabel.Create(*this, 102, {413, 14, 136, 24}, u"封装时去掉的结尾：", kToolWindowFont, kToolLabelStyle);
    m_ending.Create(*this, 103, {557, 10, 64, 31}, u"类", kToolWindowFont);
    m_className.Create(*this, 104, {50, 9, 155, 31}, u"", kToolWindowFont);
    m_documentLabel.Create(*this, 105, {269, 14, 48, 24}, u"文档：", kToolWindowFont, kToolLabelStyle);
    m_document.Create(*this, 106, {325, 9, 80, 31}, u"辅助类", kToolWindowFont);
    m_classNameLabel.Create(*this, 107, {10, 14, 43, 24}, u"类名：", kToolWindowFont, kToolLabelStyle);
    m_outputGroup.Create(*this, 108, {9, 54, 783, 537}, u"Qelvane源码", kToolWindowFont);
    m_output.Create(m_outputGroup, 109, {8, 24, 768, 503}, u"", kToolWindowFont, kOutputEditStyle);
    m_output.SetStaticEdgeBorder();
    m_copy.Create(*this, 110, {717, 5, 74, 40}, u"复制", kToolWindowFont);
    m_parse.Create(*this, 111, {631, 5, 74, 40}, u"解析", kToolWindowFont);
}

void rg_win_AnZhuoShuZuFengZhuang::ArrayWindow_OnClick(CQelControl& sender) {
    if (&sender == &m_copy) CopyOutputToClipboard(*this, m_output);
    if (&sender == &m_parse) {
        // Tested as read: a name of blanks passes and is trimmed to nothing.
        if (m_className.GetControlText().empty()) ShowInfo(*this, u"数组名不为空！");
        else ArrayWindow_Parse();
    }
}

void rg_win_AnZhuoShuZuFengZhuang::ArrayWindow_Parse() {
    CWString ending = m_ending.GetControlText();
    CWString document = m_document.GetControlText();
    CWString className = m_className.GetControlText();
    bool twoDimensional = m_twoDimensional.IsChecked();
    rg_AnZhuoShuZuJieXiYinQing engine;
    m_output.SetControlText(engine.RunArrayWrapping(className, document, ending, twoDimensional));
}

}  // namespace rg_qelvane_app
