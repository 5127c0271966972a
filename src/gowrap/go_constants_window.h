#pragma once
// Until this tool is built, its window is an empty form with its caption.
#include "platform/ui/form.h"

namespace rg_qelvane_app {

class rg_win_GOChangLiangFengZhuang : public rg_qelvane_base::CQelWinForm {
public:
    rg_win_GOChangLiangFengZhuang() : CQelWinForm(u"GO常量封装") {}
};

}  // namespace rg_qelvane_app
