#include "platform/line_file.h"

#include <algorithm>

#include "platform/encoding.h"
#include "platform/files.h"

namespace rg_qelvane_base {

namespace {

// The byte-order marks every text file of the program is read by.
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::optional<LineEncoding> MarkedEncoding(std::string_view bytes) {
    if (bytes.starts_with(kUtf16LeMark)) return LineEncoding::Utf16Le;
    if (bytes.starts_with(kUtf8Mark)) return LineEncoding::Utf8;
    return std::nullopt;
}

// Empty for ANSI, which has none.
std::string_view MarkOf(LineEncoding encoding) {
    if (encoding == LineEncoding::Utf16Le) return kUtf16LeMark;
    return encoding == LineEncoding::Utf8 ? kUtf8Mark : std::string_view();
}

// The bytes of one code unit.
size_t UnitSize(LineEncoding encoding) { return encoding == LineEncoding::Utf16Le ? 2 : 1; }

std::u16string Decode(std::string_view bytes, LineEncoding encoding) {
    if (encoding == LineEncoding::Utf16Le) return Utf16LeToText(bytes);
    return encoding == LineEncoding::Utf8 ? Utf8ToUtf16(bytes) : AnsiToUtf16(bytes);
}

std::string Encode(std::u16string_view text, LineEncoding encoding) {
    if (encoding == LineEncoding::Utf16Le) return TextToUtf16Le(text);
    return encoding == LineEncoding::Utf8 ? Utf16ToUtf8(text) : Utf16ToAnsi(text);
}

std::u16string_view Separator(LineEnd lineEnd) { return lineEnd == LineEnd::CrLf ? u"\r\n" : u"\n"; }
std::u16string_view WrittenEnd(LineEnd lineEnd) { return lineEnd == LineEnd::Lf ? u"\n" : u"\r\n"; }

// The first line end from `from` on that starts a code unit: in UTF-16 its
// bytes may also stand across two characters. The text's end when there is none.
size_t FindLineEnd(std::string_view text, std::string_view separator, size_t from, size_t unit) {
    size_t at = text.find(separator, from);
    while (at != std::string_view::npos && at % unit != 0) at = text.find(separator, at + 1);
    return std::min(at, text.size());
}

}  // namespace

std::optional<rg_WenBenShuZuLei> ShownLineFile::Read(const CWString& path, LineFileFormat format) {
    m_damagedLines.clear();
    m_markedEncoding.reset();
    std::optional<std::string> bytes = TryReadFileBytes(path);
    m_unreadable = !bytes;
    if (m_unreadable) return std::nullopt;
    std::string_view text = *bytes;
    m_markedEncoding = MarkedEncoding(text);
    if (m_markedEncoding) text.remove_prefix(MarkOf(*m_markedEncoding).size());
    const LineEncoding encoding = m_markedEncoding.value_or(format.encoding);
    const size_t unit = UnitSize(encoding);
    const std::string separator = Encode(Separator(format.lineEnd), encoding), cr = Encode(u"\r", encoding);
    rg_WenBenShuZuLei lines;
    for (size_t from = 0; from < text.size();) {
        size_t end = FindLineEnd(text, separator, from, unit);
        std::string_view line = text.substr(from, end - from);
        if (format.lineEnd == LineEnd::CrLfOrLf && line.size() % unit == 0 && line.ends_with(cr))
            line.remove_suffix(cr.size());
        // Shown only when the text stands for exactly these bytes and holds no
        // zero character, which would end the text wherever it goes next.
        std::u16string shown = Decode(line, encoding);
        if (Encode(shown, encoding) == line && shown.find(u'\0') == std::u16string::npos)
            lines.push_back(CWString(std::move(shown)));
        else
            m_damagedLines.emplace_back(line);
        from = end + separator.size();
    }
    return lines;
}

bool ShownLineFile::Write(const CWString& path, const rg_WenBenShuZuLei& lines, LineFileFormat format) const {
    if (m_unreadable) return false;
    const LineEncoding encoding = m_markedEncoding.value_or(format.encoding);
    const std::string lineEnd = Encode(WrittenEnd(format.lineEnd), encoding);
    std::string body;
    for (const CWString& line : lines) (body += Encode(line, encoding)) += lineEnd;
    for (const std::string& line : m_damagedLines) {
        body += line;
        // Half a UTF-16 character can only have ended the file, and so still
        // ends it: a line end behind it would be read as part of it.
        if (line.size() % UnitSize(encoding) == 0) body += lineEnd;
    }
    // A body that begins as a mark does (a first line beginning with U+FEFF, a
    // kept line beginning with FF FE) needs a mark before it, or a read would
    // take its first bytes for the mark.
    const bool marked = m_markedEncoding || MarkedEncoding(body);
    return WriteFileBytes(path, std::string(marked ? MarkOf(encoding) : std::string_view()) + body);
}

rg_WenBenShuZuLei TrimmedNames(const rg_WenBenShuZuLei& lines) {
    rg_WenBenShuZuLei names;
    for (const CWString& line : lines)
        if (CWString name = line.Trimmed(); !name.empty()) names.push_back(std::move(name));
    return names;
}

}  // namespace rg_qelvane_base
