#include "tools/gowrap/go_constants_window.h"

#include "tools/gowrap/go_constants_engine.h"
#include "tools/gowrap/go_window_parts.h"

namespace rg_qelvane_app {

rg_win_GOChangLiangFengZhuang::rg_win_GOChangLiangFengZhuang()
    : SourceToolWindow(
          {.caption = u"GO常量封装", .pasteButton = kGoPasteText, .emptyPackageNotice = u"Qelvane类名、包名不为空！"}) {
}

void rg_win_GOChangLiangFengZhuang::BuildControls() {
    CreateTranslateBox(101, {509, 70, 80, 24});
    CreateOutputBox(102, {9, 344, 783, 248});
    CreateSourceBox(104, {9, 115, 782, 221}, u"GO常量源码");
    m_source.SetStaticEdgeBorder();
    m_localTypeNameLabel.Create(*this, 106, {516, 14, 90, 24}, u"本地类型名：", kToolWindowFont, kToolLabelStyle);
    m_localTypeName.Create(*this, 107, {613, 9, 176, 31}, u"", kToolWindowFont);
    m_classNameLabel.Create(*this, 108, {6, 14, 74, 24}, u"Qelvane类名：", kToolWindowFont, kToolLabelStyle);
    m_className.Create(*this, 109, {83, 10, 186, 31}, u"", kToolWindowFont);
    m_package.Create(*this, 110, {325, 9, 186, 31}, u"", kToolWindowFont);
    m_packageLabel.Create(*this, 111, {269, 14, 50, 24}, u"包名：", kToolWindowFont, kToolLabelStyle);
    CreatePasteButton(112, {13, 62, 150, 40});
    CreateCopyButton(113, {341, 62, 150, 40});
    CreateParseButton(114, {177, 62, 150, 40});
}

void rg_win_GOChangLiangFengZhuang::ParseSource() {
    CWString localTypeName = m_localTypeName.GetControlText();
    CWString packageName = m_package.GetControlText();
    CWString className = m_className.GetControlText();
    CWString source = m_source.GetControlText();
    GenerateOutput(
        [&] { return rg_GOChangLiangJieXiYinQing().ParseAndGenerate(source, className, packageName, localTypeName); });
}

}  // namespace rg_qelvane_app
