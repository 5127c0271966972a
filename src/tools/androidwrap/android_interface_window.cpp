#include "tools/androidwrap/android_interface_window.h"

#include "common/translation.h"
#include "tools/androidwrap/android_interface_engine.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

rg_win_AnZhuoJieKouFengZhuang::rg_win_AnZhuoJieKouFengZhuang()
    : AndroidSourceWindow({u"安卓接口封装", u"接口名：", u"安卓接口源码"}) {}

void rg_win_AnZhuoJieKouFengZhuang::HookEvents() {
    BindButtons([this](CQelControl& sender) { InterfaceWindow_OnClick(sender); });
}

void rg_win_AnZhuoJieKouFengZhuang::InterfaceWindow_OnClick(CQelControl& sender) {
    if (&sender == &m_paste) PasteSourceFromClipboard(m_source);
    if (&sender == &m_parse) InterfaceWindow_Parse();
    if (&sender == &m_copy) CopyOutputToClipboard(*this, m_output);
}

void rg_win_AnZhuoJieKouFengZhuang::InterfaceWindow_Parse() {
    TranslateEnabled = m_translate.IsChecked();
    TranslationTableScope translationTable;
    CWString source = m_source.GetControlText();
    CWString name = m_name.GetControlText();
    CWString package = m_package.GetControlText();
    RunParseAction(*this, m_output,
                   [&] { return rg_AnZhuoJieKouJieXiYinQing().ParseJavaInterface(source, name, package); });
}

}  // namespace rg_qelvane_app
