#pragma once
// Helpers over the list controls of the database window.
#include "platform/text.h"
#include "platform/ui/controls.h"
#include "platform/ui/report_list.h"

namespace rg_qelvane_app {

// Leaves the grid with no rows and no columns (nothing without a native window).
void ClearGridAll(rg_qelvane_base::rg_ChaoJiLieBiaoKuang& grid);
// The texts of the ticked entries, in list order, duplicates kept.
rg_qelvane_base::rg_WenBenShuZuLei GetCheckedItemTexts(const rg_qelvane_base::rg_XuanZeLieBiaoKuang& list);

}  // namespace rg_qelvane_app
