#pragma once
// Until this tool is built, its window is an empty form with its caption.
#include "platform/ui/form.h"

namespace rg_qelvane_app {

class rg_win_ShuJuKuFengZhuang : public rg_qelvane_base::CQelWinForm {
public:
    rg_win_ShuJuKuFengZhuang() : CQelWinForm(u"数据库封装") {}
};

}  // namespace rg_qelvane_app
