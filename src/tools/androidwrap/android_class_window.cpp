#include "tools/androidwrap/android_class_window.h"

#include "common/translation.h"
#include "tools/androidwrap/android_class_engine.h"
#include "tools/androidwrap/android_window_parts.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

rg_win_AnZhuoLeiFengZhuang::rg_win_AnZhuoLeiFengZhuang() : CQelWinForm(u"安卓类封装") {}

void rg_win_AnZhuoLeiFengZhuang::HookEvents() {
    m_paste.Bind(CQelEvent::Click, this, &rg_win_AnZhuoLeiFengZhuang::ClassWindow_OnClick);
    m_copy.Bind(CQelEvent::Click, this, &rg_win_AnZhuoLeiFengZhuang::ClassWindow_OnClick);
    m_parse.Bind(CQelEvent::Click, this, &rg_win_AnZhuoLeiFengZhuang::ClassWindow_OnClick);
}

void rg_win_AnZhuoLeiFengZhuang::BuildControls() {
    m_noCreate.Create(*this, 101, {685, 12, 104, 24}, u"禁止创建对象");
    m_translate.Create(*this, 102, {405, 78, 104, 24}, u"翻译");
    m_translate.SetCheck(true);
    m_className.Create(*this, 103, {67, 9, 283, 31}, u"", kToolWindowFont);
    m_packageLabel.Create(*this, 104, {360, 12, 45, 24}, u"包名：", kToolWindowFont, kAndroidLabelStyle);
    m_package.Create(*this, 105, {415, 9, 259, 31}, u"", kToolWindowFont);
    m_classNameLabel.Create(*this, 106, {13, 12, 47, 24}, u"类名：", kToolWindowFont, kAndroidLabelStyle);
    m_paste.Create(*this, 107, {9, 68, 116, 40}, u"粘贴安卓源码", kToolWindowFont);
    m_outputGroup.Create(*this, 108, {9, 342, 783, 248}, u"Qelvane源码", kToolWindowFont);
    m_output.Create(m_outputGroup, 109, {8, 24, 768, 216}, u"", kToolWindowFont, kAndroidOutputEditStyle);
    m_copy.Create(*this, 110, {281, 68, 116, 40}, u"复制Qelvane代码", kToolWindowFont);
    m_parse.Create(*this, 111, {145, 68, 116, 40}, u"解析为Qelvane代码", kToolWindowFont);
    m_sourceGroup.Create(*this, 112, {9, 113, 782, 221}, u"安卓类源码", kToolWindowFont);
    m_source.Create(m_sourceGroup, 113, {9, 21, 765, 192}, u"", kToolWindowFont, kAndroidSourceEditStyle);
}

void rg_win_AnZhuoLeiFengZhuang::ClassWindow_OnClick(CQelControl& sender) {
    if (&sender == &m_paste) PasteSourceFromClipboard(m_source);
    if (&sender == &m_copy) CopyOutputToClipboard(*this, m_output);
    if (&sender == &m_parse) ClassWindow_Parse();
}

void rg_win_AnZhuoLeiFengZhuang::ClassWindow_Parse() {
    TranslateEnabled = m_translate.IsChecked();
    TranslationTableScope translationTable;
    CWString package = m_package.GetControlText();
    CWString className = m_className.GetControlText();
    CWString source = m_source.GetControlText();
    int noCreate = m_noCreate.IsChecked() ? 1 : 0;
    RunParseAction(*this, m_output,
                   [&] { return rg_AnZhuoLeiJieXiYinQing().ParseJavaClass(source, className, package, noCreate); });
}

}  // namespace rg_qelvane_app
