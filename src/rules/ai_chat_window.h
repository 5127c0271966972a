#pragma once
// Until this tool is built, its window is an empty form with its caption.
#include "platform/ui/form.h"

namespace rg_qelvane_app {

class rg_win_RenGongZhiNeng_YuanShi : public rg_qelvane_base::CQelWinForm {
public:
    rg_win_RenGongZhiNeng_YuanShi() : CQelWinForm(u"DeepSeek") {}
};

}  // namespace rg_qelvane_app
