#pragma once
// Reading values of a private-profile (ini) file, with the matching rules of
// the system's profile service. Parsed files are cached by identity and
// modification time, so a lookup costs a hash probe and a save is still seen.
#include "platform/text.h"

namespace rg_qelvane_base {

CWString ReadIniText(const CWString& file, std::u16string_view section, std::u16string_view key,
                     std::u16string_view defaultValue);

}  // namespace rg_qelvane_base
