#include "common/list_helpers.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

void ClearGridAll(rg_ChaoJiLieBiaoKuang& grid) {
    if (!grid.HasNativeWindow()) return;
    grid.DeleteAllRows();
    for (int column = grid.GetColumnCount() - 1; column >= 0; --column) grid.DeleteColumn(column);
}

rg_WenBenShuZuLei GetCheckedItemTexts(const rg_XuanZeLieBiaoKuang& list) {
    rg_WenBenShuZuLei texts;
    for (int index = 0; index < list.GetItemCount(); ++index)
        if (list.GetCheck(index)) texts.push_back(list.GetListItemText(index));
    return texts;
}

}  // namespace rg_qelvane_app
