#pragma once
// The Android class tool: a pasted Java class in, one Qelvane class aliased
// to it out.
#include "common/source_tool_window.h"

namespace rg_qelvane_app {

class rg_win_AnZhuoLeiFengZhuang : public SourceToolWindow {
public:
    rg_win_AnZhuoLeiFengZhuang();

    rg_qelvane_base::rg_check_box m_noCreate;

protected:
    void HookEvents() override { BindButtons(this, &rg_win_AnZhuoLeiFengZhuang::ClassWindow_OnClick); }
    void BuildControls() override;
    void ParseSource() override { ClassWindow_Parse(); }

private:
    void ClassWindow_OnClick(rg_qelvane_base::CQelControl& sender) { OnButtonClick(sender); }
    void ClassWindow_Parse();
};

}  // namespace rg_qelvane_app
