#pragma once
// The system clipboard, text only.
#include "platform/text.h"

namespace rg_qelvane_base {

// Empties the clipboard and places a non-empty text on it. False when the
// clipboard cannot be opened.
bool SetClipboardText(const CWString& text);
// The clipboard's text; empty when it holds none or cannot be opened.
CWString GetClipboardText();
CWString ReadClipboardText();

}  // namespace rg_qelvane_base
