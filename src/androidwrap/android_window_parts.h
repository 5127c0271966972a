#pragma once
// What the four Android tool windows share: fonts, edit and label styles, and
// the paste and copy actions of their buttons.
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CQelStyle;
using rg_qelvane_base::CWString;

// Check boxes keep the default font; every other control gets this one.
inline constexpr char16_t kAndroidWindowFont[] = u", 11, 0, 0, 0, 0, 0";

inline constexpr unsigned kAndroidLabelStyle = CQelStyle::AlignRight;
// Long source lines wrap; generated lines never do.
inline constexpr unsigned kAndroidSourceEditStyle = CQelStyle::MultiLine | CQelStyle::VScroll | CQelStyle::StaticEdge;
inline constexpr unsigned kAndroidOutputEditStyle =
    CQelStyle::MultiLine | CQelStyle::VScroll | CQelStyle::HScroll | CQelStyle::StaticEdge;

// The source edit's text becomes the clipboard's (empty when it holds no text).
void PasteAndroidSource(rg_qelvane_base::rg_edit_box& source);
// Puts the output on the clipboard and says so, whatever the clipboard answered.
void CopyAndroidOutput(const rg_qelvane_base::CQelWinForm& window, const rg_qelvane_base::rg_edit_box& output);
void ShowAndroidNotice(const rg_qelvane_base::CQelWinForm& window, const CWString& text);

}  // namespace rg_qelvane_app
