#pragma once
// What the four Go tool windows share: their fonts and edit styles, and the
// paste and copy actions of their buttons.
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CQelStyle;
using rg_qelvane_base::CWString;

inline constexpr char16_t kGoWindowFont[] = u", 11, 0, 0, 0, 0, 0";
inline constexpr char16_t kGoNoteFont[] = u", 9, 0, 0, 0, 0, 0";

inline constexpr unsigned kGoLabelStyle = CQelStyle::AlignRight;
inline constexpr unsigned kGoNoteStyle = CQelStyle::WordWrap;
// Long source lines wrap; generated lines never do.
inline constexpr unsigned kGoSourceEditStyle = CQelStyle::MultiLine | CQelStyle::VScroll;
inline constexpr unsigned kGoOutputEditStyle = CQelStyle::MultiLine | CQelStyle::VScroll | CQelStyle::HScroll;

// The source edit's text becomes the clipboard's (empty when it holds no text).
void PasteGoSource(rg_qelvane_base::rg_edit_box& source);
// Puts the output on the clipboard and says so, whatever the clipboard answered.
void CopyQelvaneCode(const rg_qelvane_base::CQelWinForm& window, const rg_qelvane_base::rg_edit_box& output);
// The message box every Go window uses for its notices.
void ShowGoNotice(const rg_qelvane_base::CQelWinForm& window, const CWString& text);

}  // namespace rg_qelvane_app
