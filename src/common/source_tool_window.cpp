#include "common/source_tool_window.h"

#include "common/generate_click.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

SourceToolWindow::SourceToolWindow(const SourceToolTexts& texts) : CQelWinForm(texts.caption), m_texts(texts) {}

void SourceToolWindow::HookEvents() { BindButtons(this, &SourceToolWindow::OnButtonClick); }

void SourceToolWindow::OnButtonClick(CQelControl& sender) {
    if (&sender == &m_paste) PasteSourceFromClipboard(m_source);
    if (&sender == &m_copy) CopyOutputToClipboard(*this, m_output);
    if (&sender == &m_parse) {
        // Tested before trimming: a package of blanks passes and becomes empty.
        if (m_texts.emptyPackageNotice && m_package.GetControlText().empty())
            ShowInfo(*this, m_texts.emptyPackageNotice);
        else ParseSource();
    }
}

void SourceToolWindow::CreateTranslateBox(int id, CQelRect rect) {
    m_translate.Create(*this, id, rect, u"翻译");
    m_translate.SetCheck(true);
}

void SourceToolWindow::CreateSourceBox(int groupId, CQelRect groupRect, const CWString& caption) {
    m_sourceGroup.Create(*this, groupId, groupRect, caption, kToolWindowFont);
    m_source.Create(m_sourceGroup, groupId + 1, {9, 21, 765, 192}, u"", kToolWindowFont, kSourceEditStyle);
}

void SourceToolWindow::CreateOutputBox(int groupId, CQelRect groupRect) {
    m_outputGroup.Create(*this, groupId, groupRect, u"Qelvane源码", kToolWindowFont);
    m_output.Create(m_outputGroup, groupId + 1, {8, 24, 768, 216}, u"", kToolWindowFont, kOutputEditStyle);
    m_output.SetStaticEdgeBorder();
}

void SourceToolWindow::CreatePasteButton(int id, CQelRect rect) {
    m_paste.Create(*this, id, rect, m_texts.pasteButton, kToolWindowFont);
}

void SourceToolWindow::CreateCopyButton(int id, CQelRect rect) {
    m_copy.Create(*this, id, rect, u"复制Qelvane代码", kToolWindowFont);
}

void SourceToolWindow::CreateParseButton(int id, CQelRect rect) {
    m_parse.Create(*this, id, rect, u"解析为Qelvane代码", kToolWindowFont);
}

void SourceToolWindow::GenerateOutput(const std::function<CWString()>& generate) {
    GenerateClick click(m_translate);
    RunParseAction(*this, m_output, generate);
}

}  // namespace rg_qelvane_app
