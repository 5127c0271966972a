#include "common/name_list.h"

#include <algorithm>

#include "platform/encoding.h"
#include "platform/files.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

namespace {
bool IsControl(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }
}  // namespace

bool IsSafeEntryName(std::u16string_view name) {
    if (name.find_first_not_of(u'.') == std::u16string_view::npos) return false;
    for (char16_t c : name)
        if (IsControl(c) || std::u16string_view(u"\\/:*?\"<>|").find(c) != std::u16string_view::npos) return false;
    return true;
}

const char16_t* NameRefusalTexts::For(NameRefusal refusal) const {
    switch (refusal) {
        case NameRefusal::Empty: return empty;
        case NameRefusal::Taken: return taken;
        case NameRefusal::Unsafe: return unsafe;
        case NameRefusal::TooLong: return tooLong;
        case NameRefusal::None: break;
    }
    return nullptr;
}

bool CNameList::Has(const CWString& name) const {
    return std::find(m_names.begin(), m_names.end(), name) != m_names.end();
}

bool CNameList::EntriesFit(const CWString& name) const {
    // The file system counts bytes of the name as stored, which is UTF-8.
    size_t nameBytes = Utf16ToUtf8(name).size();
    return std::all_of(m_entries.begin(), m_entries.end(), [nameBytes](const NameEntry& entry) {
        size_t longest = entry.written ? kLongestEntryName - kTemporaryNameExtra : kLongestEntryName;
        return nameBytes + Utf16ToUtf8(entry.suffix).size() <= longest;
    });
}

NameRefusal CNameList::Check(const CWString& name) const {
    bool fileNames = !m_entries.empty();
    if (fileNames && name.empty()) return NameRefusal::Empty;
    if (Has(name)) return NameRefusal::Taken;
    if (fileNames && !IsSafeEntryName(name)) return NameRefusal::Unsafe;
    if (fileNames && !EntriesFit(name)) return NameRefusal::TooLong;
    return NameRefusal::None;
}

}  // namespace rg_qelvane_app
