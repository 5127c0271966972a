#pragma once
// The Go methods tool: pasted function and method signatures in, Qelvane
// method blocks out.
#include "common/source_tool_window.h"

namespace rg_qelvane_app {

class rg_win_GOFangFaFengZhuang : public SourceToolWindow {
public:
    rg_win_GOFangFaFengZhuang();

    rg_qelvane_base::rg_check_box m_noBraceCheck;
    rg_qelvane_base::rg_label1 m_methodNameLabel;
    rg_qelvane_base::rg_edit_box m_methodName;
    rg_qelvane_base::rg_label1 m_note;

protected:
    void BuildControls() override;
    void ParseSource() override;
};

}  // namespace rg_qelvane_app
