#include "tools/androidwrap/android_source_window.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

AndroidSourceWindow::AndroidSourceWindow(const AndroidSourceWindowTexts& texts)
    : CQelWinForm(texts.caption), m_texts(texts) {}

void AndroidSourceWindow::BindButtons(CQelControl::Handler onClick) {
    m_paste.Bind(CQelEvent::Click, onClick);
    m_parse.Bind(CQelEvent::Click, onClick);
    m_copy.Bind(CQelEvent::Click, onClick);
}

void AndroidSourceWindow::BuildControls() {
    m_translate.Create(*this, 101, {405, 78, 104, 24}, u"翻译");
    m_translate.SetCheck(true);
    m_name.Create(*this, 102, {74, 11, 315, 31}, u"", kToolWindowFont);
    m_packageLabel.Create(*this, 103, {397, 11, 45, 31}, u"包名：", kToolWindowFont, kAndroidLabelStyle);
    m_package.Create(*this, 104, {445, 11, 315, 31}, u"", kToolWindowFont);
    m_nameLabel.Create(*this, 105, {10, 11, 59, 31}, m_texts.nameLabel, kToolWindowFont, kAndroidLabelStyle);
    m_paste.Create(*this, 106, {9, 68, 116, 40}, u"粘贴安卓源码", kToolWindowFont);
    m_outputGroup.Create(*this, 107, {9, 342, 783, 248}, u"Qelvane源码", kToolWindowFont);
    m_output.Create(m_outputGroup, 108, {8, 24, 768, 216}, u"", kToolWindowFont, kAndroidOutputEditStyle);
    m_copy.Create(*this, 109, {281, 68, 116, 40}, u"复制Qelvane代码", kToolWindowFont);
    m_parse.Create(*this, 110, {145, 68, 116, 40}, u"解析为Qelvane代码", kToolWindowFont);
    m_sourceGroup.Create(*this, 111, {9, 113, 782, 221}, m_texts.sourceGroup, kToolWindowFont);
    m_source.Create(m_sourceGroup, 112, {9, 21, 765, 192}, u"", kToolWindowFont, kAndroidSourceEditStyle);
}

}  // namespace rg_qelvane_app
