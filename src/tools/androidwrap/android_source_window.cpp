#include "tools/androidwrap/android_source_window.h"

namespace rg_qelvane_app {

AndroidSourceWindow::AndroidSourceWindow(const AndroidSourceWindowTexts& texts)
    : SourceToolWindow({.caption = texts.caption, .pasteButton = kAndroidPasteText}), m_texts(texts) {}

void AndroidSourceWindow::BuildControls() {
    CreateTranslateBox(101, {405, 78, 104, 24});
    m_className.Create(*this, 102, {74, 11, 315, 31}, u"", kToolWindowFont);
    m_packageLabel.Create(*this, 103, {397, 11, 45, 31}, u"包名：", kToolWindowFont, kToolLabelStyle);
    m_package.Create(*this, 104, {445, 11, 315, 31}, u"", kToolWindowFont);
    m_classNameLabel.Create(*this, 105, {10, 11, 59, 31}, m_texts.nameLabel, kToolWindowFont, kToolLabelStyle);
    CreatePasteButton(106, {9, 68, 116, 40});
    CreateOutputBox(107, {9, 342, 783, 248});
    CreateCopyButton(109, {281, 68, 116, 40});
    CreateParseButton(110, {145, 68, 116, 40});
    CreateSourceBox(111, {9, 113, 782, 221}, m_texts.sourceGroup);
    m_source.SetStaticEdgeBorder();
}

}  // namespace rg_qelvane_app
