#pragma once
// The window of every tool that takes pasted source apart: the Go tools and
// the Android class, interface and enum tools.
#include <functional>

#include "common/window_actions.h"
#include "platform/ui/form.h"

namespace rg_qelvane_app {

struct SourceToolTexts {
    const char16_t* caption;
    const char16_t* pasteButton;
    // Shown instead of parsing while the package box is empty; none: an
    // empty package is parsed too.
    const char16_t* emptyPackageNotice = nullptr;
};

// What every such window has and does the same way: the name and package
// boxes, the "翻译" box, paste, copy and parse buttons, the source box and the
// output box. Each window names itself, creates these controls and its own in
// its own order and places, and brings its parse step.
class SourceToolWindow : public rg_qelvane_base::CQelWinForm {
public:
    // The shared controls, open to the tests that drive the windows.
    rg_qelvane_base::rg_check_box m_translate;
    rg_qelvane_base::rg_label1 m_classNameLabel;
    rg_qelvane_base::rg_edit_box m_className;  // the generated class's name
    rg_qelvane_base::rg_label1 m_packageLabel;
    rg_qelvane_base::rg_edit_box m_package;
    rg_qelvane_base::rg_button1 m_paste;
    rg_qelvane_base::rg_button1 m_copy;
    rg_qelvane_base::rg_button1 m_parse;
    rg_qelvane_base::rg_FenZuKuang m_sourceGroup;
    rg_qelvane_base::rg_edit_box m_source;
    rg_qelvane_base::rg_FenZuKuang m_outputGroup;
    rg_qelvane_base::rg_edit_box m_output;

protected:
    explicit SourceToolWindow(const SourceToolTexts& texts);

    // Paste, copy and parse all reach OnButtonClick. A window whose click
    // handler has a name of its own binds that one with BindButtons, and it
    // hands the click on to OnButtonClick.
    void HookEvents() override;
    template <class Window>
    void BindButtons(Window* window, void (Window::*handler)(rg_qelvane_base::CQelControl&)) {
        for (auto* button : {&m_paste, &m_copy, &m_parse})
            button->Bind(rg_qelvane_base::CQelEvent::Click, window, handler);
    }
    void OnButtonClick(rg_qelvane_base::CQelControl& sender);
    // The window's own step of a click on the parse button: reads its boxes
    // and runs its engine through GenerateOutput.
    virtual void ParseSource() = 0;

    // "翻译", ticked.
    void CreateTranslateBox(int id, rg_qelvane_base::CQelRect rect);
    // The source group with the given caption, and the source box (id + 1) in it.
    void CreateSourceBox(int groupId, rg_qelvane_base::CQelRect groupRect, const CWString& caption);
    // The output group "Qelvane源码" and the output box (id + 1) in it.
    void CreateOutputBox(int groupId, rg_qelvane_base::CQelRect groupRect);
    void CreatePasteButton(int id, rg_qelvane_base::CQelRect rect);
    void CreateCopyButton(int id, rg_qelvane_base::CQelRect rect);
    void CreateParseButton(int id, rg_qelvane_base::CQelRect rect);

    // The generate click of a parse step: `generate` runs with translation as
    // the "翻译" box says (GenerateClick) and under one search budget
    // (RunParseAction), and its text replaces the output box's.
    void GenerateOutput(const std::function<CWString()>& generate);

private:
    SourceToolTexts m_texts;
};

}  // namespace rg_qelvane_app
