#pragma once
// The Go constants tool: a pasted constant group in, one Qelvane value class out.
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

namespace rg_qelvane_app {

class rg_win_GOChangLiangFengZhuang : public rg_qelvane_base::CQelWinForm {
public:
    rg_win_GOChangLiangFengZhuang();

    // The controls in creation order, open to the tests that drive the window.
    rg_qelvane_base::rg_check_box m_translate;
    rg_qelvane_base::rg_FenZuKuang m_outputGroup;
    rg_qelvane_base::rg_edit_box m_output;
    rg_qelvane_base::rg_FenZuKuang m_sourceGroup;
    rg_qelvane_base::rg_edit_box m_source;
    rg_qelvane_base::rg_label1 m_localTypeNameLabel;
    rg_qelvane_base::rg_edit_box m_localTypeName;
    rg_qelvane_base::rg_label1 m_classNameLabel;
    rg_qelvane_base::rg_edit_box m_className;
    rg_qelvane_base::rg_edit_box m_package;
    rg_qelvane_base::rg_label1 m_packageLabel;
    rg_qelvane_base::rg_button1 m_paste;
    rg_qelvane_base::rg_button1 m_copy;
    rg_qelvane_base::rg_button1 m_parse;

protected:
    void HookEvents() override;
    void BuildControls() override;

private:
    void OnButtonClick(rg_qelvane_base::CQelControl& sender);
    void ParseSource();
};

}  // namespace rg_qelvane_app
