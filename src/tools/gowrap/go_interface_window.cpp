#include "tools/gowrap/go_interface_window.h"

#include "tools/gowrap/go_interface_engine.h"
#include "tools/gowrap/go_window_parts.h"

namespace rg_qelvane_app {

rg_win_GOJieKouFengZhuang::rg_win_GOJieKouFengZhuang()
    : SourceToolWindow({.caption = u"GO接口封装", .pasteButton = kGoPasteText, .emptyPackageNotice = u"包名不为空！"}) {
}

void rg_win_GOJieKouFengZhuang::BuildControls() {
    CreateTranslateBox(101, {405, 78, 104, 24});
    m_className.Create(*this, 102, {58, 9, 139, 31}, u"", kToolWindowFont);
    m_packageLabel.Create(*this, 103, {206, 14, 45, 24}, u"包名：", kToolWindowFont, kToolLabelStyle);
    m_package.Create(*this, 104, {252, 9, 139, 31}, u"", kToolWindowFont);
    m_classNameLabel.Create(*this, 105, {10, 14, 47, 24}, u"类名：", kToolWindowFont, kToolLabelStyle);
    CreatePasteButton(106, {9, 68, 116, 40});
    m_note.Create(*this, 107, {405, 11, 384, 59}, u"1.多返回值不支持封装。\r\n2.可扩展性参数不支持封装。", kGoNoteFont,
                  kGoNoteStyle);
    m_note.SetStaticEdgeBorder();
    CreateOutputBox(108, {9, 342, 783, 248});
    CreateCopyButton(110, {281, 68, 116, 40});
    CreateParseButton(111, {145, 68, 116, 40});
    CreateSourceBox(112, {9, 113, 782, 221}, u"GO接口源码");
    m_source.SetStaticEdgeBorder();
}

void rg_win_GOJieKouFengZhuang::ParseSource() {
    CWString packageName = m_package.GetControlText();
    CWString className = m_className.GetControlText();
    CWString source = m_source.GetControlText();
    GenerateOutput([&] { return rg_GOJieKouJieXiYinQing().ParseAndGenerate(source, className, packageName); });
}

}  // namespace rg_qelvane_app
