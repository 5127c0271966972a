#pragma once
// The Android enum tool: a pasted Java enum in, one Qelvane value class with
// its constants out.
#include "tools/androidwrap/android_source_window.h"

namespace rg_qelvane_app {

class rg_win_AnZhuoMeiJuFengZhuang : public AndroidSourceWindow {
public:
    rg_win_AnZhuoMeiJuFengZhuang();

protected:
    void HookEvents() override { BindButtons(this, &rg_win_AnZhuoMeiJuFengZhuang::EnumWindow_OnClick); }
    void ParseSource() override { EnumWindow_Parse(); }

private:
    void EnumWindow_OnClick(rg_qelvane_base::CQelControl& sender) { OnButtonClick(sender); }
    void EnumWindow_Parse();
};

}  // namespace rg_qelvane_app
