#pragma once
// Reading values of a private-profile (ini) file, with the matching rules of
// the system's profile service. Parsed files are cached by identity and
// modification time, so a lookup costs a hash probe and a save is still seen.
#include <memory>
#include <string_view>
#include <vector>

#include "platform/encoding.h"
#include "platform/text.h"

namespace rg_qelvane_base {

struct ParsedIni;
struct ParsedSection;

// An ini file's bytes cut into lines as every reader of it cuts them: in the
// encoding its byte-order mark names, else in `unmarked`, at CR LF, LF or a
// lone CR; the last line may end with the file.
struct IniFileLines {
    struct Line {
        size_t begin;  // its first byte
        size_t end;    // the first byte of its line end
        size_t next;   // the first byte after its line end
    };
    TextFileEncoding encoding;
    size_t bodyBegin;  // the first byte after the mark
    std::vector<Line> lines;

    static IniFileLines Cut(std::string_view bytes, LineEncoding unmarked);
    // The line's text; `bytes` are the ones it was cut from.
    CWString Text(std::string_view bytes, size_t line) const;
};

// What one line of an ini file is to its reader.
struct IniLine {
    enum class Kind { Other, Section, Entry };  // Other: blank, a comment, no "="
    Kind kind = Kind::Other;
    CWString name;   // a section's name or an entry's key, without the blanks around it
    CWString value;  // an entry's value as a lookup gives it
};
IniLine ReadIniLine(std::u16string_view line);

// Reads the lines of an ini file one after the other as every lookup in it
// does. A section counts from its first header on (the entries under a
// repeated header are never read), and an entry of a counted section is read
// when no entry above it has its key, without regard to case.
class IniReader {
public:
    struct Reading {
        IniLine line;
        // The counted section the line stands in, or that its header begins,
        // by its lower-cased name; null before the first header and in a
        // repeated section.
        const CWString* section = nullptr;
        // An entry whose value a lookup of its key gives.
        bool read = false;
    };
    IniReader();
    Reading Take(std::u16string_view line);
    // What the lines taken so far hold.
    std::shared_ptr<const ParsedIni> Table() const;

private:
    std::shared_ptr<ParsedIni> m_ini;
    ParsedSection* m_section = nullptr;
    const CWString* m_sectionName = nullptr;
};

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
// section it stands in. Not when the key is empty (no lookup asks for it),
// begins as a section line ("[") or a comment (";") does or holds "=" (the
// entry would be the key's first part), nor when either holds a line end: a
// section line hides every entry after it.
bool IsReadAsIniEntry(std::u16string_view key, std::u16string_view value);

}  // namespace rg_qelvane_base
