#include "tools/androidwrap/android_enum_window.h"

#include "common/translation.h"
#include "tools/androidwrap/android_enum_engine.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

rg_win_AnZhuoMeiJuFengZhuang::rg_win_AnZhuoMeiJuFengZhuang()
    : AndroidSourceWindow({u"安卓枚举封装", u"枚举名：", u"安卓枚举源码"}) {}

void rg_win_AnZhuoMeiJuFengZhuang::HookEvents() {
    BindButtons([this](CQelControl& sender) { EnumWindow_OnClick(sender); });
}

void rg_win_AnZhuoMeiJuFengZhuang::EnumWindow_OnClick(CQelControl& sender) {
    if (&sender == &m_paste) PasteSourceFromClipboard(m_source);
    if (&sender == &m_parse) EnumWindow_Parse();
    if (&sender == &m_copy) CopyOutputToClipboard(*this, m_output);
}

void rg_win_AnZhuoMeiJuFengZhuang::EnumWindow_Parse() {
    TranslateEnabled = m_translate.IsChecked();
    TranslationTableScope translationTable;
    CWString source = m_source.GetControlText();
    CWString name = m_name.GetControlText();
    CWString package = m_package.GetControlText();
    RunParseAction(*this, m_output, [&] { return rg_AnZhuoMeiJuJieXiYinQing().ParseJavaEnum(source, name, package); });
}

}  // namespace rg_qelvane_app
