#include "tools/androidwrap/android_enum_window.h"

#include "tools/androidwrap/android_enum_engine.h"

namespace rg_qelvane_app {

rg_win_AnZhuoMeiJuFengZhuang::rg_win_AnZhuoMeiJuFengZhuang()
    : AndroidSourceWindow({u"安卓枚举封装", u"枚举名：", u"安卓枚举源码"}) {}

void rg_win_AnZhuoMeiJuFengZhuang::EnumWindow_Parse() {
    CWString source = m_source.GetControlText();
    CWString name = m_className.GetControlText();
    CWString package = m_package.GetControlText();
    GenerateOutput([&] { return rg_AnZhuoMeiJuJieXiYinQing().ParseJavaEnum(source, name, package); });
}

}  // namespace rg_qelvane_app
