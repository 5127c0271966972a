#pragma once
// Measures captions on the toolkit's own labels, after layout: the text as the
// label lays it out with its real font, against the room the label was given
// inside its control (and every control around it). The texts of single-line
// edits count as captions: each is measured against its edit's text area.
#include <string>
#include <vector>

class wxWindow;

namespace ui_contract {

// One line per caption of `topLevel` that is drawn cut: window, control, caption, sizes.
// An edit is named by the label to its left.
std::vector<std::string> CaptionsCut(wxWindow* topLevel);

}  // namespace ui_contract
