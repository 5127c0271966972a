#include "common/translation_table.h"

#include "common/translation.h"
#include "platform/encoding.h"
#include "platform/files.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

namespace {

// The bytes of a save, put together line by line.
class TableBody {
public:
    TableBody(std::string_view mark, LineEncoding encoding)
        : m_bytes(mark), m_encoding(encoding), m_lineEnd(EncodeText(u"\r\n", encoding)) {}

    // A line of the file, or one in its place, with the line end it had.
    void Put(std::string_view line, std::string_view end) {
        // Only the file's last line can lack a line end, and a line put behind it needs one.
        if (m_open) m_bytes += m_lineEnd;
        (m_bytes += line) += end;
        m_open = end.empty();
    }
    void PutNew(const CWString& line) { Put(EncodeText(line, m_encoding), m_lineEnd); }
    void PutNew(const std::vector<CWString>& lines) {
        for (const CWString& line : lines) PutNew(line);
    }
    void PutEdited(const CWString& line, std::string_view end) { Put(EncodeText(line, m_encoding), end); }

    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
    const LineEncoding m_encoding;
    const std::string m_lineEnd;
    bool m_open = false;
};

}  // namespace

std::optional<std::vector<TranslationEntry>> CTranslationTableFile::Read(const CWString& path) {
    std::optional<std::string> bytes = TryReadFileBytes(path);
    m_unreadable = !bytes;
    m_bytes = bytes.value_or(std::string());
    m_file = IniFileLines::Cut(m_bytes, LineEncoding::Ansi);
    m_entryLines.clear();
    m_entryLine.assign(m_file.lines.size(), false);
    m_endOfEntries.reset();
    m_sectionOpenAtEnd = false;
    if (m_unreadable) return std::nullopt;

    std::vector<TranslationEntry> entries;
    IniReader reader;
    for (size_t line = 0; line < m_file.lines.size(); ++line) {
        CWString text = m_file.Text(m_bytes, line);
        IniReader::Reading reading = reader.Take(text);
        m_sectionOpenAtEnd = reading.section && *reading.section == kTranslationSection;
        if (!m_sectionOpenAtEnd) continue;
        if (reading.line.kind == IniLine::Kind::Other) continue;
        m_endOfEntries = line;
        // A line that is no text, or holds a zero character that would end it
        // wherever it goes next, makes no row: unshown, it stays as it is.
        const IniFileLines::Line& span = m_file.lines[line];
        std::string_view lineBytes = std::string_view(m_bytes).substr(span.begin, span.end - span.begin);
        bool shown = text.find(u'\0') == CWString::npos && EncodeText(text, m_file.encoding.encoding) == lineBytes;
        if (!reading.read || !shown) continue;
        entries.push_back({std::move(reading.line.name), std::move(reading.line.value)});
        m_entryLines.push_back(line);
        m_entryLine[line] = true;
    }
    return entries;
}

bool CTranslationTableFile::Write(const CWString& path, const std::vector<TranslationRow>& rows) const {
    if (m_unreadable) return false;
    const std::string_view bytes = m_bytes;
    TableBody body(bytes.substr(0, m_file.bodyBegin), m_file.encoding.encoding);
    size_t next = 0;  // the first line not yet put
    // Lines that make no row stay; an entry's line comes only with its row.
    auto putLinesBefore = [&](size_t end) {
        for (; next < end; ++next) {
            const IniFileLines::Line& span = m_file.lines[next];
            if (!m_entryLine[next])
                body.Put(bytes.substr(span.begin, span.end - span.begin), bytes.substr(span.end, span.next - span.end));
        }
    };

    std::vector<CWString> added, last;
    for (const TranslationRow& row : rows) {
        CWString line = row.english + u"=" + row.chinese;
        bool readInPlace = IsReadAsIniEntry(row.english, row.chinese);
        if (!row.entry) {
            (readInPlace ? added : last).push_back(std::move(line));
            continue;
        }
        const size_t at = m_entryLines[*row.entry];
        putLinesBefore(at);
        body.PutNew(added);
        added.clear();
        const IniFileLines::Line& span = m_file.lines[at];
        std::string_view end = bytes.substr(span.end, span.next - span.end);
        IniLine read = ReadIniLine(m_file.Text(bytes, at));
        if (read.name == row.english && read.value == row.chinese)
            body.Put(bytes.substr(span.begin, span.end - span.begin), end);
        else if (readInPlace) body.PutEdited(line, end);
        else last.push_back(std::move(line));
        next = at + 1;
    }
    if (m_endOfEntries) {
        putLinesBefore(*m_endOfEntries + 1);
        body.PutNew(added);
        added.clear();
    }
    putLinesBefore(m_file.lines.size());
    const CWString header = u"[" + CWString(kTranslationSection) + u"]";
    bool sectionOpen = m_sectionOpenAtEnd;
    if (!added.empty()) {
        body.PutNew(header);
        body.PutNew(added);
        sectionOpen = true;
    }
    if (!last.empty() && sectionOpen) body.PutNew(header);
    body.PutNew(last);
    return WriteFileBytes(path, body.Bytes());
}

}  // namespace rg_qelvane_app
