#include "tools/androidwrap/android_class_window.h"

#include "tools/androidwrap/android_class_engine.h"
#include "tools/androidwrap/android_window_parts.h"

namespace rg_qelvane_app {

rg_win_AnZhuoLeiFengZhuang::rg_win_AnZhuoLeiFengZhuang()
    : SourceToolWindow({.caption = u"安卓类封装", .pasteButton = kAndroidPasteText}) {}

void rg_win_AnZhuoLeiFengZhuang::BuildControls() {
    m_noCreate.Create(*this, 101, {685, 12, 104, 24}, u"禁止创建对象");
    CreateTranslateBox(102, {405, 78, 104, 24});
    m_className.Create(*this, 103, {67, 9, 283, 31}, u"", kToolWindowFont);
    m_packageLabel.Create(*this, 104, {360, 12, 45, 24}, u"包名：", kToolWindowFont, kToolLabelStyle);
    m_package.Create(*this, 105, {415, 9, 259, 31}, u"", kToolWindowFont);
    m_classNameLabel.Create(*this, 106, {13, 12, 47, 24}, u"类名：", kToolWindowFont, kToolLabelStyle);
    CreatePasteButton(107, {9, 68, 116, 40});
    CreateOutputBox(108, {9, 342, 783, 248});
    CreateCopyButton(110, {281, 68, 116, 40});
    CreateParseButton(111, {145, 68, 116, 40});
    CreateSourceBox(112, {9, 113, 782, 221}, u"安卓类源码");
    m_source.SetStaticEdgeBorder();
}

void rg_win_AnZhuoLeiFengZhuang::ClassWindow_Parse() {
    CWString package = m_package.GetControlText();
    CWString className = m_className.GetControlText();
    CWString source = m_source.GetControlText();
    bool noCreate = m_noCreate.IsChecked();
    GenerateOutput([&] { return rg_AnZhuoLeiJieXiYinQing().ParseJavaClass(source, className, package, noCreate); });
}

}  // namespace rg_qelvane_app
