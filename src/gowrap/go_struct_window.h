#pragma once
// Until this tool is built, its window is an empty form with its caption.
#include "platform/ui/form.h"

namespace rg_qelvane_app {

class rg_win_GOJieGouTiFengZhuang : public rg_qelvane_base::CQelWinForm {
public:
    rg_win_GOJieGouTiFengZhuang() : CQelWinForm(u"GO结构体封装") {}
};

}  // namespace rg_qelvane_app
