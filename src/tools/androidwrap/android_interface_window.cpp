#include "tools/androidwrap/android_interface_window.h"

#include "tools/androidwrap/android_interface_engine.h"

namespace rg_qelvane_app {

rg_win_AnZhuoJieKouFengZhuang::rg_win_AnZhuoJieKouFengZhuang()
    : AndroidSourceWindow({u"安卓接口封装", u"接口名：", u"安卓接口源码"}) {}

void rg_win_AnZhuoJieKouFengZhuang::InterfaceWindow_Parse() {
    CWString source = m_source.GetControlText();
    CWString name = m_className.GetControlText();
    CWString package = m_package.GetControlText();
    GenerateOutput([&] { return rg_AnZhuoJieKouJieXiYinQing().ParseJavaInterface(source, name, package); });
}

}  // namespace rg_qelvane_app
