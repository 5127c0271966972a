#include "tools/gowrap/go_constants_window.h"

#include "common/translation.h"
#include "tools/gowrap/go_constants_engine.h"
#include "tools/gowrap/go_window_parts.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

rg_win_GOChangLiangFengZhuang::rg_win_GOChangLiangFengZhuang() : CQelWinForm(u"GO常量封装") {}

void rg_win_GOChangLiangFengZhuang::HookEvents() {
    m_paste.Bind(CQelEvent::Click, this, &rg_win_GOChangLiangFengZhuang::OnButtonClick);
    m_copy.Bind(CQelEvent::Click, this, &rg_win_GOChangLiangFengZhuang::OnButtonClick);
    m_parse.Bind(CQelEvent::Click, this, &rg_win_GOChangLiangFengZhuang::OnButtonClick);
}

void rg_win_GOChangLiangFengZhuang::BuildControls() {
    m_translate.Create(*this, 101, {509, 70, 80, 24}, u"翻译");
    m_translate.SetCheck(true);
    m_outputGroup.Create(*this, 102, {9, 344, 783, 248}, u"Qelvane源码", kToolWindowFont);
    m_output.Create(m_outputGroup, 103, {8, 24, 768, 216}, u"", kToolWindowFont, kGoOutputEditStyle);
    m_output.SetStaticEdgeBorder();
    m_sourceGroup.Create(*this, 104, {9, 115, 782, 221}, u"GO常量源码", kToolWindowFont);
    m_source.Create(m_sourceGroup, 105, {9, 21, 765, 192}, u"", kToolWindowFont, kGoSourceEditStyle);
    m_source.SetStaticEdgeBorder();
    m_localTypeNameLabel.Create(*this, 106, {516, 14, 90, 24}, u"本地类型名：", kToolWindowFont, kGoLabelStyle);
    m_localTypeName.Create(*this, 107, {613, 9, 176, 31}, u"", kToolWindowFont);
    m_classNameLabel.Create(*this, 108, {6, 14, 74, 24}, u"Qelvane类名：", kToolWindowFont, kGoLabelStyle);
    m_className.Create(*this, 109, {83, 10, 186, 31}, u"", kToolWindowFont);
    m_package.Create(*this, 110, {325, 9, 186, 31}, u"", kToolWindowFont);
    m_packageLabel.Create(*this, 111, {269, 14, 50, 24}, u"包名：", kToolWindowFont, kGoLabelStyle);
    m_paste.Create(*this, 112, {13, 62, 150, 40}, u"粘贴GO源码", kToolWindowFont);
    m_copy.Create(*this, 113, {341, 62, 150, 40}, u"复制Qelvane代码", kToolWindowFont);
    m_parse.Create(*this, 114, {177, 62, 150, 40}, u"解析为Qelvane代码", kToolWindowFont);
}

void rg_win_GOChangLiangFengZhuang::OnButtonClick(CQelControl& sender) {
    if (&sender == &m_paste) PasteSourceFromClipboard(m_source);
    if (&sender == &m_copy) CopyOutputToClipboard(*this, m_output);
    if (&sender == &m_parse) {
        // Tested before trimming: a package of blanks passes and becomes empty.
        if (m_package.GetControlText().empty()) ShowInfo(*this, u"Qelvane类名、包名不为空！");
        else ParseSource();
    }
}

void rg_win_GOChangLiangFengZhuang::ParseSource() {
    TranslateEnabled = m_translate.IsChecked();
    TranslationTableScope translationTable;
    CWString localTypeName = m_localTypeName.GetControlText();
    CWString packageName = m_package.GetControlText();
    CWString className = m_className.GetControlText();
    CWString source = m_source.GetControlText();
    rg_GOChangLiangJieXiYinQing engine;
    m_output.SetControlText(engine.ParseAndGenerate(source, className, packageName, localTypeName));
}

}  // namespace rg_qelvane_app
