#pragma once
// The layout that the Android interface and enum windows share: name and
// package boxes, the "翻译" box, paste, parse and copy buttons, the source and
// the generated text. Each tool names itself in three texts and brings its
// own click handler and parse step.
#include "tools/androidwrap/android_window_parts.h"

namespace rg_qelvane_app {

struct AndroidSourceWindowTexts {
    const char16_t* caption;
    const char16_t* nameLabel;
    const char16_t* sourceGroup;
};

class AndroidSourceWindow : public rg_qelvane_base::CQelWinForm {
public:
    // The controls in creation order, open to the tests that drive the window.
    rg_qelvane_base::rg_check_box m_translate;
    rg_qelvane_base::rg_edit_box m_name;
    rg_qelvane_base::rg_label1 m_packageLabel;
    rg_qelvane_base::rg_edit_box m_package;
    rg_qelvane_base::rg_label1 m_nameLabel;
    rg_qelvane_base::rg_button1 m_paste;
    rg_qelvane_base::rg_FenZuKuang m_outputGroup;
    rg_qelvane_base::rg_edit_box m_output;
    rg_qelvane_base::rg_button1 m_copy;
    rg_qelvane_base::rg_button1 m_parse;
    rg_qelvane_base::rg_FenZuKuang m_sourceGroup;
    rg_qelvane_base::rg_edit_box m_source;

protected:
    explicit AndroidSourceWindow(const AndroidSourceWindowTexts& texts);
    void BuildControls() override;
    // Binds the three buttons' clicks to one handler.
    void BindButtons(rg_qelvane_base::CQelControl::Handler onClick);

private:
    AndroidSourceWindowTexts m_texts;
};

}  // namespace rg_qelvane_app
