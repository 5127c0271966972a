#include "rules/prompt_list_file.h"

#include <algorithm>

#include "platform/encoding.h"
#include "platform/files.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

namespace {

CWString PromptListPath() { return GetProgramDir() + u"datas\\提示词组列表.dat"; }

// The file's text as UTF-8 bytes: a byte-order mark is honoured, as for every
// text file the program reads.
std::string AsUtf8(std::string bytes) {
    if (bytes.starts_with("\xFF\xFE")) return Utf16ToUtf8(Utf16LeToText(std::string_view(bytes).substr(2)));
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.erase(0, 3);
    return bytes;
}

void TakeLine(std::string_view line, PromptListFile& list) {
    std::u16string text = Utf8ToUtf16(line);
    CWString name = CWString(text).Trimmed();
    bool readable = Utf16ToUtf8(text) == line && name.find(u'\0') == CWString::npos;
    if (!readable) list.keptLines.emplace_back(line);
    else if (!name.empty()) list.names.push_back(std::move(name));
}

}  // namespace

std::optional<PromptListFile> ReadPromptList() {
    std::optional<std::string> bytes = TryReadFileBytes(PromptListPath());
    if (!bytes) return std::nullopt;
    const std::string text = AsUtf8(std::move(*bytes));
    PromptListFile list;
    for (size_t from = 0; from < text.size();) {
        size_t end = std::min(text.find('\n', from), text.size());
        TakeLine(std::string_view(text).substr(from, end - from), list);
        from = end + 1;
    }
    return list;
}

bool WritePromptList(const PromptListFile& list) {
    std::string bytes;
    for (const CWString& name : list.names) bytes += name.ToUtf8() + '\n';
    for (const std::string& line : list.keptLines) bytes += line + '\n';
    return WriteFileBytes(PromptListPath(), bytes);
}

}  // namespace rg_qelvane_app
