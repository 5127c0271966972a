#include "platform/ui/clipboard.h"

#include "platform/ui/backend.h"

namespace rg_qelvane_base {

bool SetClipboardText(const CWString& text) { return Backend().SetClipboardText(text); }

CWString GetClipboardText() { return Backend().GetClipboardText(); }

CWString ReadClipboardText() { return GetClipboardText(); }

}  // namespace rg_qelvane_base
