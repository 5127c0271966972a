#pragma once
// The Go struct tool: one pasted struct in, one Qelvane class of the chosen
// alias kind out.
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

namespace rg_qelvane_app {

class rg_win_GOJieGouTiFengZhuang : public rg_qelvane_base::CQelWinForm {
public:
    rg_win_GOJieGouTiFengZhuang();

    // The controls in creation order, open to the tests that drive the window.
    rg_qelvane_base::rg_check_box m_translate;
    rg_qelvane_base::rg_combo_box m_aliasKind;
    rg_qelvane_base::rg_label1 m_classNameLabel;
    rg_qelvane_base::rg_edit_box m_className;
    rg_qelvane_base::rg_label1 m_aliasKindLabel;
    rg_qelvane_base::rg_edit_box m_package;
    rg_qelvane_base::rg_label1 m_packageLabel;
    rg_qelvane_base::rg_button1 m_paste;
    rg_qelvane_base::rg_label1 m_note;
    rg_qelvane_base::rg_FenZuKuang m_outputGroup;
    rg_qelvane_base::rg_edit_box m_output;
    rg_qelvane_base::rg_button1 m_copy;
    rg_qelvane_base::rg_button1 m_parse;
    rg_qelvane_base::rg_FenZuKuang m_sourceGroup;
    rg_qelvane_base::rg_edit_box m_source;

protected:
    void HookEvents() override;
    void BuildControls() override;

private:
    void OnButtonClick(rg_qelvane_base::CQelControl& sender);
    void ParseSource();
};

}  // namespace rg_qelvane_app
