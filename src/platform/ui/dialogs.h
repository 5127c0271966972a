#pragma once
// Message, input and open-file boxes. `window` is the control or form that
// asks (its form owns the box); null gives a box without owner.
#include "platform/text.h"

namespace rg_qelvane_base {

class CQelControl;

// The Windows headers define the same names with the same values.
#ifndef MB_OK
inline constexpr int MB_OK = 0x0;
inline constexpr int MB_YESNO = 0x4;
inline constexpr int MB_ICONERROR = 0x10;
#endif
#ifndef IDOK
inline constexpr int IDOK = 1;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
#endif

// Flags: MB_OK or MB_YESNO, optionally | MB_ICONERROR. Returns IDOK, IDYES or IDNO.
int ShowMessageBox(const CQelControl* window, const CWString& text, int flags, const CWString& title);

// The caption used when no title is given.
inline constexpr char16_t kInputBoxCaption[] = u"请输入：";
// True on OK with `text` exactly as typed; false on cancel or close with `text` emptied.
// The edit starts with `defaultText`, all of it selected.
bool ShowInputBox(const CQelControl* window, CWString& text, const CWString& prompt, const CWString& title,
                  const CWString& defaultText);

// `filter`: pairs "description|pattern" joined by "|". True when a file was
// chosen, with its full path in `path`; `path` is untouched otherwise.
bool ShowOpenFileDialog(const CQelControl* window, const CWString& filter, CWString& path);

}  // namespace rg_qelvane_base
