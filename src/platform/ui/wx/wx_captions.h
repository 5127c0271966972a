#pragma once
// Captions drawn whole. The windows' rectangles were laid out for another
// system's fonts and padding; here each caption keeps its described font where
// the text fits the room the toolkit leaves it inside the rectangle, and gets
// the largest smaller size that fits otherwise, never below 8 points.
#include <wx/font.h>
#include <wx/gdicmn.h>

class wxDataViewColumn;
class wxWindow;
typedef struct _GtkWidget GtkWidget;

namespace rg_qelvane_base::wx {

inline constexpr int kSmallestCaptionPoints = 8;

// The toolkit's label that draws a control's caption (a button, check box,
// radio button, group box or label); null for other controls.
GtkWidget* CaptionLabel(wxWindow* control);

// Draws the caption of a `size` large `control` with `described`, or with the
// largest smaller size whose text fits the room the toolkit leaves it. The
// lines of a multi-line caption still too tall at 8 points come closer together.
void FitCaption(wxWindow* control, const wxFont& described, wxSize size);

// A drop-down list's entries drawn with `described`, or with the largest
// smaller size at which the widest entry fits beside the arrow of a `width`
// wide box. The arrow and padding are kept narrow to leave the entries room.
void FitEntries(wxWindow* dropDown, const wxFont& described, int width);

// A single-line edit's text drawn with `described`, or with the largest smaller
// size at which the whole text fits the `size` large edit, fitted again at every
// change of the text; a longer text scrolls at 8 points. The padding is kept
// narrow to leave the text room. Multi-line edits are left alone.
void FitEditText(wxWindow* edit, const wxFont& described, wxSize size);

// A list column's title in a `width` wide column, fitted the same way.
void FitColumnTitle(wxDataViewColumn* column, const wxFont& described, int width);

// A label's lines wrap at its width (between words, and between Chinese
// characters) or never.
void SetWordWrap(wxWindow* label, bool wrap);

// Buttons keep a narrow padding, as on the system the windows were laid out
// for: the toolkit's own would take a fifth of the smaller buttons.
void UseNarrowPadding(wxWindow* button);

}  // namespace rg_qelvane_base::wx
