#pragma once
// The names of a list the user keeps by hand (the rule groups, the prompts,
// the markers of a rule group) in list order, and the check a new name passes
// before it joins. Each list window shows these names and says in its own
// words why a name was refused.
#include <string_view>
#include <vector>

#include "platform/line_file.h"
#include "platform/text.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;
using rg_qelvane_base::rg_WenBenShuZuLei;

// The rule-group list and the prompt list: every name followed by LF, UTF-8 without a byte-order mark.
inline constexpr rg_qelvane_base::LineFileFormat kNameListFormat{rg_qelvane_base::LineEncoding::Utf8,
                                                                 rg_qelvane_base::LineEnd::Lf};

// A name that can only be one file or folder directly inside another folder:
// no path separator or character that file names cannot hold on any system,
// no control character (C0, DEL or C1), and not made of dots only ("." and
// ".." name the folder itself or its parent).
bool IsSafeEntryName(std::u16string_view name);

// One file or folder that each listed name becomes: the name followed by `suffix`.
struct NameEntry {
    std::u16string_view suffix;
    // Written whole by WriteFileBytes, through a temporary whose name is longer.
    bool written = false;
};

enum class NameRefusal { None, Empty, Taken, Unsafe, TooLong };

// What one window says for each refusal.
struct NameRefusalTexts {
    const char16_t* empty;
    const char16_t* taken;
    const char16_t* unsafe;
    const char16_t* tooLong;
    // Null for NameRefusal::None.
    const char16_t* For(NameRefusal refusal) const;
};

class CNameList {
public:
    // `entries`: what each name becomes on disk. Names that become no file
    // (markers) are any text, the empty one too, and are refused only when taken.
    explicit CNameList(std::vector<NameEntry> entries = {}) : m_entries(std::move(entries)) {}

    // In list order: what the list shows and what its file holds after a save.
    const rg_WenBenShuZuLei& Names() const { return m_names; }
    // Names are compared exactly, case and all.
    bool Has(const CWString& name) const;
    // Why a new name cannot join, the first that applies of: empty, already
    // listed (so a rename to the same name is refused too), unsafe (no safe
    // entry name), or too long: its entries, with the temporary a write goes
    // through, would not fit the file system.
    NameRefusal Check(const CWString& name) const;

    void Add(const CWString& name) { m_names.push_back(name); }
    void Replace(size_t index, const CWString& name) { m_names.at(index) = name; }
    void Remove(size_t index) { m_names.erase(m_names.begin() + static_cast<std::ptrdiff_t>(index)); }

private:
    bool EntriesFit(const CWString& name) const;

    std::vector<NameEntry> m_entries;
    rg_WenBenShuZuLei m_names;
};

}  // namespace rg_qelvane_app
