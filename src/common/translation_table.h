#pragma once
// The translation table as its window edits it: the entries the lookup reads,
// each tied to the line it stands on, while every other line of the file stays
// where it is, byte for byte, so that a save changes only what the user changed.
#include <optional>
#include <string>
#include <vector>

#include "platform/ini.h"
#include "platform/text.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;

struct TranslationEntry {
    CWString english;  // the key as the file writes it
    CWString chinese;  // the value as the lookup gives it
};

// A row of the window as a save takes it.
struct TranslationRow {
    std::optional<size_t> entry;  // its index among the entries read; none for a row added since
    CWString english;
    CWString chinese;
};

class CTranslationTableFile {
public:
    // Reads the file afresh: the entries the lookup reads, in file order, that
    // stand on lines the window can show (no zero character, nothing but text
    // in the file's encoding). None when the file is missing; nullopt when it
    // exists or may exist but cannot be read.
    std::optional<std::vector<TranslationEntry>> Read(const CWString& path);

    // Writes the file as the last read found it with the rows in its entries'
    // place: a row as it was read keeps its line unchanged, an edited row
    // rewrites only its line, an entry that no row holds loses its line, and
    // an added row goes before the next row that was read, else after the
    // section's last entry. A row whose line would not be read as its entry
    // (its key is empty, begins a section or a comment, or holds "=") goes to
    // the very end, under a repeat of the section's header when the section
    // is still open there: the lookup reads only the first, so such a line
    // neither hides an entry nor makes one. False when the last read could
    // not read the file, or the file could not be written.
    bool Write(const CWString& path, const std::vector<TranslationRow>& rows) const;

private:
    std::string m_bytes;
    rg_qelvane_base::IniFileLines m_file{};
    // The line of each entry read, in file order.
    std::vector<size_t> m_entryLines;
    // Whether each line holds an entry read; such a line is written only for its row.
    std::vector<bool> m_entryLine;
    // The line after which added rows go: the section's last entry, or its
    // header; none when the file has no such section.
    std::optional<size_t> m_endOfEntries;
    // Whether the lookup's section is the one in force after the last line.
    bool m_sectionOpenAtEnd = false;
    bool m_unreadable = false;
};

}  // namespace rg_qelvane_app
