#include "tools/gowrap/go_struct_window.h"

#include "tools/gowrap/go_struct_engine.h"
#include "tools/gowrap/go_window_parts.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

rg_win_GOJieGouTiFengZhuang::rg_win_GOJieGouTiFengZhuang()
    : SourceToolWindow(
          {.caption = u"GO结构体封装", .pasteButton = kGoPasteText, .emptyPackageNotice = u"包名不为空！"}) {}

void rg_win_GOJieGouTiFengZhuang::BuildControls() {
    CreateTranslateBox(101, {517, 70, 72, 24});
    m_aliasKind.SetListText(
        u"Qelvane类\n0\n本地类\n0\n本地结构\n0\n本地整数基本类型\n0\n本地值类型\n0\n本地参考类型\n0");
    m_aliasKind.Create(*this, 102, {649, 12, 139, 24}, u"", kToolWindowFont, CQelStyle::DropDownList);
    m_aliasKind.SetCurSel(1);
    m_classNameLabel.Create(*this, 103, {13, 14, 51, 24}, u"类名：", kToolWindowFont, kToolLabelStyle);
    m_className.Create(*this, 104, {71, 9, 214, 31}, u"", kToolWindowFont);
    m_aliasKindLabel.Create(*this, 105, {564, 11, 74, 24}, u"别名类型：", kToolWindowFont, kToolLabelStyle);
    m_package.Create(*this, 106, {338, 9, 214, 31}, u"", kToolWindowFont);
    m_packageLabel.Create(*this, 107, {290, 14, 50, 24}, u"包名：", kToolWindowFont, kToolLabelStyle);
    CreatePasteButton(108, {9, 62, 150, 40});
    m_note.Create(*this, 109, {605, 53, 163, 56}, u"本工具仅支持单结构体，嵌套的不支持。", kToolWindowFont,
                  kGoNoteStyle);
    m_note.SetStaticEdgeBorder();
    CreateOutputBox(110, {9, 342, 783, 248});
    CreateCopyButton(112, {359, 62, 150, 40});
    CreateParseButton(113, {184, 62, 150, 40});
    CreateSourceBox(114, {9, 113, 782, 221}, u"GO结构体源码");
}

void rg_win_GOJieGouTiFengZhuang::ParseSource() {
    CWString aliasKind = m_aliasKind.GetListItemText(m_aliasKind.GetCurSel());
    CWString packageName = m_package.GetControlText();
    CWString className = m_className.GetControlText();
    CWString source = m_source.GetControlText();
    GenerateOutput(
        [&] { return rg_GOJieGouTiJieXiYinQing().ParseAndGenerate(source, className, packageName, aliasKind); });
}

}  // namespace rg_qelvane_app
