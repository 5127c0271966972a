#pragma once
// Until this tool is built, its window is an empty form with its caption.
#include "platform/ui/form.h"

namespace rg_qelvane_app {

class rg_win_GOFangFaFengZhuang : public rg_qelvane_base::CQelWinForm {
public:
    rg_win_GOFangFaFengZhuang() : CQelWinForm(u"GO方法封装") {}
};

}  // namespace rg_qelvane_app
