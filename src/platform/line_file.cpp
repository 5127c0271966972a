#include "platform/line_file.h"

#include <algorithm>

#include "platform/encoding.h"
#include "platform/files.h"

namespace rg_qelvane_base {

namespace {

std::u16string Decode(std::string_view bytes, LineEncoding encoding) {
    return encoding == LineEncoding::Utf8 ? Utf8ToUtf16(bytes) : AnsiToUtf16(bytes);
}

std::string Encode(std::u16string_view text, LineEncoding encoding) {
    return encoding == LineEncoding::Utf8 ? Utf16ToUtf8(text) : Utf16ToAnsi(text);
}

std::string_view Separator(LineEnd lineEnd) { return lineEnd == LineEnd::CrLf ? "\r\n" : "\n"; }
std::string_view WrittenEnd(LineEnd lineEnd) { return lineEnd == LineEnd::Lf ? "\n" : "\r\n"; }

// A byte-order mark says how the lines are read, as for every text file the
// program reads: UTF-16 text is taken as the UTF-8 it stands for.
LineEncoding TakeByteOrderMark(std::string& bytes, LineEncoding encoding) {
    if (bytes.starts_with("\xFF\xFE")) {
        bytes = Utf16ToUtf8(Utf16LeToText(std::string_view(bytes).substr(2)));
        return LineEncoding::Utf8;
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.erase(0, 3);
        return LineEncoding::Utf8;
    }
    return encoding;
}

}  // namespace

std::optional<rg_WenBenShuZuLei> ShownLineFile::Read(const CWString& path, LineFileFormat format) {
    m_damagedLines.clear();
    std::optional<std::string> bytes = TryReadFileBytes(path);
    m_unreadable = !bytes;
    if (m_unreadable) return std::nullopt;
    LineEncoding encoding = TakeByteOrderMark(*bytes, format.encoding);
    const std::string_view text = *bytes;
    const std::string_view separator = Separator(format.lineEnd);
    rg_WenBenShuZuLei lines;
    for (size_t from = 0; from < text.size();) {
        size_t end = std::min(text.find(separator, from), text.size());
        std::string_view line = text.substr(from, end - from);
        if (format.lineEnd == LineEnd::CrLfOrLf && line.ends_with('\r')) line.remove_suffix(1);
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
    const std::string_view lineEnd = WrittenEnd(format.lineEnd);
    std::string bytes;
    for (const CWString& line : lines) (bytes += Encode(line, format.encoding)) += lineEnd;
    for (const std::string& line : m_damagedLines) (bytes += line) += lineEnd;
    return WriteFileBytes(path, bytes);
}

rg_WenBenShuZuLei TrimmedNames(const rg_WenBenShuZuLei& lines) {
    rg_WenBenShuZuLei names;
    for (const CWString& line : lines)
        if (CWString name = line.Trimmed(); !name.empty()) names.push_back(std::move(name));
    return names;
}

}  // namespace rg_qelvane_base
