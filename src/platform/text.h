#pragma once
// UTF-16 text, the one text type of the program: the tools count and compare
// code units, so the text is a u16string with a few services on top.
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/encoding.h"

namespace rg_qelvane_base {

class CWString;

// One argument of CWString::Format: "%s" takes a text, "%d" an integer.
using FormatArg = std::variant<int, std::u16string_view>;

class CWString : public std::u16string {
public:
    using std::u16string::basic_string;
    CWString() = default;
    CWString(const std::u16string& s) : std::u16string(s) {}
    CWString(std::u16string&& s) : std::u16string(std::move(s)) {}
    CWString(std::u16string_view s) : std::u16string(s) {}

    // Reads a whole file; a byte-order mark wins over `unmarked`. Missing
    // files read as empty text, and the text ends at the first NUL.
    static CWString LoadTextFile(const CWString& path, LineEncoding unmarked);
    // Writes the text in the ANSI code page, replacing the file whole.
    static bool SaveTextFile(const CWString& text, const CWString& path);

    // printf-style: "%s" text, "%d" integer, "%%" a percent sign; any other
    // "%" is copied unchanged, so SQL such as LIKE 'x(%' survives.
    static CWString Format(std::u16string_view format, std::initializer_list<FormatArg> args);

    static CWString FromUtf8(std::string_view utf8);
    std::string ToUtf8() const;

    // Strips blanks and control characters (every code up to the space) and the
    // ideographic space U+3000 that Chinese input methods type, from both ends.
    CWString Trimmed() const;
    bool Contains(std::u16string_view part) const { return find(part) != npos; }
    CWString ReplacedAll(std::u16string_view from, std::u16string_view to) const;
    CWString RemovedAll(std::u16string_view part) const { return ReplacedAll(part, u""); }
    // Mid with the platform's forgiving bounds: out-of-range parts are cut off.
    CWString Mid(long long start, long long count = -1) const;
    CWString Left(long long count) const { return Mid(0, count); }
    CWString Right(long long count) const;
    // Position of the first occurrence at or after `start`, -1 when absent.
    int Find(std::u16string_view part, long long start = 0) const;
};

// Texts in order. A blank member can matter to its reader, so it is kept
// unless the split that makes the list is told to drop it.
using rg_WenBenShuZuLei = std::vector<CWString>;

bool IsTrimmedAway(char16_t c);

// Cuts `text` at every `separator`, trims every piece, optionally drops the
// empty ones. An empty separator gives the whole text, untrimmed.
int SplitText(std::u16string_view text, rg_WenBenShuZuLei& out, std::u16string_view separator, bool dropEmpty);
rg_WenBenShuZuLei SplitText(std::u16string_view text, std::u16string_view separator, bool dropEmpty = true);

// Case changes that touch only the 26 ASCII letters.
char16_t AsciiLower(char16_t c);
char16_t AsciiUpper(char16_t c);
CWString AsciiUpperText(std::u16string_view text);
bool EqualsIgnoringAsciiCase(std::u16string_view a, std::u16string_view b);

// The parts one after another. Use it to put a literal before a text made on
// the spot: GCC 12 takes `u"x" + Made()` in optimised builds for an
// overlapping copy (-Wrestrict) where there is none.
CWString Joined(std::initializer_list<std::u16string_view> parts);

// _wtoi: leading blanks, optional sign, digits up to the first other character.
int TextToInt(std::u16string_view text);

}  // namespace rg_qelvane_base

template <>
struct std::hash<rg_qelvane_base::CWString> : std::hash<std::u16string> {};
