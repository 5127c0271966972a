#pragma once
// What the four Go tool windows share besides the source tool window: the
// paste button's text and the notes' font and style.
#include "common/window_actions.h"

namespace rg_qelvane_app {

inline constexpr char16_t kGoPasteText[] = u"粘贴GO源码";
inline constexpr char16_t kGoNoteFont[] = u", 9, 0, 0, 0, 0, 0";
inline constexpr unsigned kGoNoteStyle = rg_qelvane_base::CQelStyle::WordWrap;

}  // namespace rg_qelvane_app
