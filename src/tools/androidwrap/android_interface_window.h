#pragma once
// The Android interface tool: a pasted Java interface in, one Qelvane
// reference class out.
#include "tools/androidwrap/android_source_window.h"

namespace rg_qelvane_app {

class rg_win_AnZhuoJieKouFengZhuang : public AndroidSourceWindow {
public:
    rg_win_AnZhuoJieKouFengZhuang();

protected:
    void ParseSource() override { InterfaceWindow_Parse(); }

private:
    void InterfaceWindow_Parse();
};

}  // namespace rg_qelvane_app
