#pragma once
// What the four Android tool windows share besides the common window actions:
// their label and edit styles.
#include "common/window_actions.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CQelStyle;
using rg_qelvane_base::CWString;

inline constexpr unsigned kAndroidLabelStyle = CQelStyle::AlignRight;
// Long source lines wrap; generated lines never do.
inline constexpr unsigned kAndroidSourceEditStyle = CQelStyle::MultiLine | CQelStyle::VScroll | CQelStyle::StaticEdge;
inline constexpr unsigned kAndroidOutputEditStyle =
    CQelStyle::MultiLine | CQelStyle::VScroll | CQelStyle::HScroll | CQelStyle::StaticEdge;

}  // namespace rg_qelvane_app
