#pragma once
// Reading values of a private-profile (ini) file, with the matching rules of
// the system's profile service. Parsed files are cached by identity and
// modification time, so a lookup costs a hash probe and a save is still seen.
#include <memory>

#include "platform/text.h"

namespace rg_qelvane_base {

struct ParsedIni;
struct ParsedSection;

// One section of an ini file as it stood when it was taken: the file is
// looked at once, here, and reading values never looks at it again. For many
// lookups in one user action.
class IniSection {
public:
    IniSection(const CWString& file, std::u16string_view section);
    // As ReadIniText, from this section.
    CWString Read(std::u16string_view key, std::u16string_view defaultValue) const;

private:
    std::shared_ptr<const ParsedIni> ini_;
    const ParsedSection* values_;  // null when the file has no such section
};

// Looks at the file at every call.
CWString ReadIniText(const CWString& file, std::u16string_view section, std::u16string_view key,
                     std::u16string_view defaultValue);

// Whether the line `key` + "=" + `value` is read as the entry `key` of the
// section it stands in. Not when the key begins as a section line ("[") or a
// comment (";") does or holds "=" (the entry would be the key's first part),
// nor when either holds a line end: a section line hides every entry after it.
bool IsReadAsIniEntry(std::u16string_view key, std::u16string_view value);

}  // namespace rg_qelvane_base
