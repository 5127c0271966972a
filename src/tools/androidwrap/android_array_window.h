#pragma once
// The Android array family tool: an element class name in, its six Qelvane
// container classes out.
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

namespace rg_qelvane_app {

class rg_win_AnZhuoShuZuFengZhuang : public rg_qelvane_base::CQelWinForm {
public:
    rg_win_AnZhuoShuZuFengZhuang();

    // The controls in creation order, open to the tests that drive the window.
    rg_qelvane_base::rg_check_box m_twoDimensional;
    rg_qelvane_base::rg_label1 m_endingLabel;
    rg_qelvane_base::rg_edit_box m_ending;
    rg_qelvane_base::rg_edit_box m_className;
    rg_qelvane_base::rg_label1 m_documentLabel;
    rg_qelvane_base::rg_edit_box m_document;
    rg_qelvane_base::rg_label1 m_classNameLabel;
    rg_qelvane_base::rg_FenZuKuang m_outputGroup;
    rg_qelvane_base::rg_edit_box m_output;
    rg_qelvane_base::rg_button1 m_copy;
    rg_qelvane_base::rg_button1 m_parse;

protected:
    void HookEvents() override;
    void BuildControls() override;

private:
    void ArrayWindow_OnClick(rg_qelvane_base::CQelControl& sender);
    void ArrayWindow_Parse();
};

}  // namespace rg_qelvane_app
