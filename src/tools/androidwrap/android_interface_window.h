#pragma once
// The Android interface tool: a pasted Java interface in, one Qelvane
// reference class out.
#include "tools/androidwrap/android_source_window.h"

namespace rg_qelvane_app {

class rg_win_AnZhuoJieKouFengZhuang : public AndroidSourceWindow {
public:
    rg_win_AnZhuoJieKouFengZhuang();

protected:
    void HookEvents() override { BindButtons(this, &rg_win_AnZhuoJieKouFengZhuang::InterfaceWindow_OnClick); }
    void ParseSource() override { InterfaceWindow_Parse(); }

private:
    void InterfaceWindow_OnClick(rg_qelvane_base::CQelControl& sender) { OnButtonClick(sender); }
    void InterfaceWindow_Parse();
};

}  // namespace rg_qelvane_app
