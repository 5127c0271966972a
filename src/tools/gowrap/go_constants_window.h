#pragma once
// The Go constants tool: a pasted constant group in, one Qelvane value class out.
#include "common/source_tool_window.h"

namespace rg_qelvane_app {

class rg_win_GOChangLiangFengZhuang : public SourceToolWindow {
public:
    rg_win_GOChangLiangFengZhuang();

    rg_qelvane_base::rg_label1 m_localTypeNameLabel;
    rg_qelvane_base::rg_edit_box m_localTypeName;

protected:
    void BuildControls() override;
    void ParseSource() override;
};

}  // namespace rg_qelvane_app
