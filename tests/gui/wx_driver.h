#pragma once
// Acts on wx windows as a user would: the toolkit's own events, sent to the
// control's wx window; modal boxes are answered through wx's modal hook.
#include <gtk/gtk.h>

#include "platform_ui/contract_driver.h"

class wxWindow;

namespace ui_contract {

// The wx window of a control; null while it has none.
wxWindow* WxWindowOf(const CQelControl& control);

// The entry in which the grid's view edits a cell, once the toolkit has
// started the editing; null when it never does.
GtkEntry* CellEditor(const rg_ChaoJiLieBiaoKuang& grid);

}  // namespace ui_contract
