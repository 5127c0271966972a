#pragma once
// The Go interface tool: a pasted interface type in, one Qelvane reference
// class out.
#include "common/source_tool_window.h"

namespace rg_qelvane_app {

class rg_win_GOJieKouFengZhuang : public SourceToolWindow {
public:
    rg_win_GOJieKouFengZhuang();

    rg_qelvane_base::rg_label1 m_note;

protected:
    void BuildControls() override;
    void ParseSource() override;
};

}  // namespace rg_qelvane_app
