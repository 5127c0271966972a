#include "tools/gowrap/go_interface_window.h"

#include "common/translation.h"
#include "tools/gowrap/go_interface_engine.h"
#include "tools/gowrap/go_window_parts.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

rg_win_GOJieKouFengZhuang::rg_win_GOJieKouFengZhuang() : CQelWinForm(u"GO接口封装") {}

void rg_win_GOJieKouFengZhuang::HookEvents() {
    m_paste.Bind(CQelEvent::Click, this, &rg_win_GOJieKouFengZhuang::OnButtonClick);
    m_copy.Bind(CQelEvent::Click, this, &rg_win_GOJieKouFengZhuang::OnButtonClick);
    m_parse.Bind(CQelEvent::Click, this, &rg_win_GOJieKouFengZhuang::OnButtonClick);
}

void rg_win_GOJieKouFengZhuang::BuildControls() {
    m_translate.Create(*this, 101, {405, 78, 104, 24}, u"翻译");
    m_translate.SetCheck(true);
    m_className.Create(*this, 102, {58, 9, 139, 31}, u"", kToolWindowFont);
    m_packageLabel.Create(*this, 103, {206, 14, 45, 24}, u"包名：", kToolWindowFont, kGoLabelStyle);
    m_package.Create(*this, 104, {252, 9, 139, 31}, u"", kToolWindowFont);
    m_classNameLabel.Create(*this, 105, {10, 14, 47, 24}, u"类名：", kToolWindowFont, kGoLabelStyle);
    m_paste.Create(*this, 106, {9, 68, 116, 40}, u"粘贴GO源码", kToolWindowFont);
    m_note.Create(*this, 107, {405, 11, 384, 59}, u"1.多返回值不支持封装。\r\n2.可扩展性参数不支持封装。", kGoNoteFont,
                  kGoNoteStyle);
    m_note.SetStaticEdgeBorder();
    m_outputGroup.Create(*this, 108, {9, 342, 783, 248}, u"Qelvane源码", kToolWindowFont);
    m_output.Create(m_outputGroup, 109, {8, 24, 768, 216}, u"", kToolWindowFont, kGoOutputEditStyle);
    m_output.SetStaticEdgeBorder();
    m_copy.Create(*this, 110, {281, 68, 116, 40}, u"复制Qelvane代码", kToolWindowFont);
    m_parse.Create(*this, 111, {145, 68, 116, 40}, u"解析为Qelvane代码", kToolWindowFont);
    m_sourceGroup.Create(*this, 112, {9, 113, 782, 221}, u"GO接口源码", kToolWindowFont);
    m_source.Create(m_sourceGroup, 113, {9, 21, 765, 192}, u"", kToolWindowFont, kGoSourceEditStyle);
    m_source.SetStaticEdgeBorder();
}

void rg_win_GOJieKouFengZhuang::OnButtonClick(CQelControl& sender) {
    if (&sender == &m_paste) PasteSourceFromClipboard(m_source);
    if (&sender == &m_copy) CopyOutputToClipboard(*this, m_output);
    if (&sender == &m_parse) {
        // Tested before trimming: a package of blanks passes and becomes empty.
        if (m_package.GetControlText().empty()) ShowInfo(*this, u"包名不为空！");
        else ParseSource();
    }
}

void rg_win_GOJieKouFengZhuang::ParseSource() {
    TranslateEnabled = m_translate.IsChecked();
    TranslationTableScope translationTable;
    CWString packageName = m_package.GetControlText();
    CWString className = m_className.GetControlText();
    CWString source = m_source.GetControlText();
    rg_GOJieKouJieXiYinQing engine;
    m_output.SetControlText(engine.ParseAndGenerate(source, className, packageName));
}

}  // namespace rg_qelvane_app
