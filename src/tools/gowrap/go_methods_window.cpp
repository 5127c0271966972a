#include "tools/gowrap/go_methods_window.h"

#include "tools/gowrap/go_methods_engine.h"
#include "tools/gowrap/go_window_parts.h"

namespace rg_qelvane_app {

rg_win_GOFangFaFengZhuang::rg_win_GOFangFaFengZhuang()
    : SourceToolWindow({.caption = u"GO方法封装", .pasteButton = kGoPasteText}) {}

void rg_win_GOFangFaFengZhuang::BuildControls() {
    CreateTranslateBox(101, {621, 78, 104, 24});
    m_noBraceCheck.Create(*this, 102, {405, 78, 208, 24}, u"不检查行结束的{（用于文档封装）");
    m_packageLabel.Create(*this, 103, {143, 14, 45, 24}, u"包名：", kToolWindowFont, kToolLabelStyle);
    m_package.Create(*this, 104, {189, 9, 71, 31}, u"", kToolWindowFont);
    m_className.Create(*this, 105, {58, 9, 71, 31}, u"", kToolWindowFont);
    m_methodNameLabel.Create(*this, 106, {264, 14, 60, 24}, u"方法名：", kToolWindowFont, kToolLabelStyle);
    m_methodName.Create(*this, 107, {322, 9, 71, 31}, u"", kToolWindowFont);
    m_classNameLabel.Create(*this, 108, {10, 14, 47, 24}, u"类名：", kToolWindowFont, kToolLabelStyle);
    CreatePasteButton(109, {9, 68, 116, 40});
    m_note.Create(*this, 110, {405, 11, 384, 59},
                  u"1.如果为结构体下的方法，填写类名；如果为包下的方法，填写包名。\r\n"
                  u"2.样例:func (a A) Run(b B,c C,d1,d2 D,e []E,f ...F) G {。\r\n"
                  u"3.如上样例可多个一起封装。\r\n"
                  u"4.无法封装多返回值类型。",
                  kGoNoteFont, kGoNoteStyle);
    m_note.SetStaticEdgeBorder();
    CreateOutputBox(111, {9, 342, 783, 248});
    CreateCopyButton(113, {281, 68, 116, 40});
    CreateParseButton(114, {145, 68, 116, 40});
    CreateSourceBox(115, {9, 113, 782, 221}, u"GO方法源码");
}

void rg_win_GOFangFaFengZhuang::ParseSource() {
    // No input is checked here: empty names are the user's choice.
    CWString methodName = m_methodName.GetControlText();
    CWString packageName = m_package.GetControlText();
    CWString className = m_className.GetControlText();
    CWString source = m_source.GetControlText();
    bool noBraceCheck = m_noBraceCheck.IsChecked();
    GenerateOutput([&] {
        return rg_GOFangFaJieXiYinQing().ParseAndGenerate(source, className, packageName, methodName, noBraceCheck);
    });
}

}  // namespace rg_qelvane_app
