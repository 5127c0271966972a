#include "platform/line_file.h"

#include <algorithm>

#include "platform/encoding.h"
#include "platform/files.h"

namespace rg_qelvane_base {

namespace {

// The bytes of one code unit.
size_t UnitSize(LineEncoding encoding) { return encoding == LineEncoding::Utf16Le ? 2 : 1; }

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
    const TextFileEncoding file = DecideTextFileEncoding(text, format.encoding);
    if (file.marked) {
        m_markedEncoding = file.encoding;
        text.remove_prefix(ByteOrderMark(file.encoding).size());
    }
    const LineEncoding encoding = file.encoding;
    const size_t unit = UnitSize(encoding);
    const std::string separator = EncodeText(Separator(format.lineEnd), encoding), cr = EncodeText(u"\r", encoding);
    rg_WenBenShuZuLei lines;
    for (size_t from = 0; from < text.size();) {
        size_t end = FindLineEnd(text, separator, from, unit);
        std::string_view line = text.substr(from, end - from);
        if (format.lineEnd == LineEnd::CrLfOrLf && line.size() % unit == 0 && line.ends_with(cr))
            line.remove_suffix(cr.size());
        // Shown only when the text stands for exactly these bytes and holds no
        // zero character, which would end the text wherever it goes next.
        std::u16string shown = DecodeText(line, encoding);
        if (EncodeText(shown, encoding) == line && shown.find(u'\0') == std::u16string::npos)
            lines.push_back(CWString(std::move(shown)));
        else m_damagedLines.emplace_back(line);
        from = end + separator.size();
    }
    return lines;
}

bool ShownLineFile::Write(const CWString& path, const rg_WenBenShuZuLei& lines, LineFileFormat format) const {
    if (m_unreadable) return false;
    const LineEncoding encoding = m_markedEncoding.value_or(format.encoding);
    const std::string lineEnd = EncodeText(WrittenEnd(format.lineEnd), encoding);
    std::string body;
    for (const CWString& line : lines) (body += EncodeText(line, encoding)) += lineEnd;
    for (const std::string& line : m_damagedLines) {
        body += line;
        // Half a UTF-16 character can only have ended the file, and so still
        // ends it: a line end behind it would be read as part of it.
        if (line.size() % UnitSize(encoding) == 0) body += lineEnd;
    }
    // A body that begins as a mark does (a first line beginning with U+FEFF, a
    // kept line beginning with FF FE) needs a mark before it, or a read would
    // take its first bytes for the mark.
    const bool marked = m_markedEncoding || DecideTextFileEncoding(body, encoding).marked;
    return WriteFileBytes(path, std::string(marked ? ByteOrderMark(encoding) : std::string_view()) + body);
}

rg_WenBenShuZuLei TrimmedNames(const rg_WenBenShuZuLei& lines) {
    rg_WenBenShuZuLei names;
    for (const CWString& line : lines)
        if (CWString name = line.Trimmed(); !name.empty()) names.push_back(std::move(name));
    return names;
}

}  // namespace rg_qelvane_base
