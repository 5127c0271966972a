#pragma once
// What the four Go tool windows share besides the common window actions:
// the note font and the label and edit styles.
#include "common/window_actions.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CQelStyle;
using rg_qelvane_base::CWString;

inline constexpr char16_t kGoNoteFont[] = u", 9, 0, 0, 0, 0, 0";

inline constexpr unsigned kGoLabelStyle = CQelStyle::AlignRight;
inline constexpr unsigned kGoNoteStyle = CQelStyle::WordWrap;
// Long source lines wrap; generated lines never do.
inline constexpr unsigned kGoSourceEditStyle = CQelStyle::MultiLine | CQelStyle::VScroll;
inline constexpr unsigned kGoOutputEditStyle = CQelStyle::MultiLine | CQelStyle::VScroll | CQelStyle::HScroll;

}  // namespace rg_qelvane_app
