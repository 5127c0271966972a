#pragma once
// The Go struct tool: one pasted struct in, one Qelvane class of the chosen
// alias kind out.
#include "common/source_tool_window.h"

namespace rg_qelvane_app {

class rg_win_GOJieGouTiFengZhuang : public SourceToolWindow {
public:
    rg_win_GOJieGouTiFengZhuang();

    rg_qelvane_base::rg_combo_box m_aliasKind;
    rg_qelvane_base::rg_label1 m_aliasKindLabel;
    rg_qelvane_base::rg_label1 m_note;

protected:
    void BuildControls() override;
    void ParseSource() override;
};

}  // namespace rg_qelvane_app
