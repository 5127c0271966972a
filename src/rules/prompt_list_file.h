#pragma once
// The prompt list file, datas\提示词组列表.dat: every name followed by LF,
// UTF-8 without a byte-order mark, written whole. A line the list cannot show
// (a zero byte inside a name, bytes that are no UTF-8) is damage from
// elsewhere; it is kept as it stands and written back after the names, so a
// save of the list never drops a line that an earlier save wrote.
#include <optional>
#include <string>
#include <vector>

#include "platform/text.h"

namespace rg_qelvane_app {

struct PromptListFile {
    // In file order: each line trimmed, empty lines dropped.
    rg_qelvane_base::rg_WenBenShuZuLei names;
    // The damaged lines, each as its bytes without the LF.
    std::vector<std::string> keptLines;
};

// Empty when the file is missing; nullopt when it exists but cannot be read.
std::optional<PromptListFile> ReadPromptList();
// The names, then the kept lines; false when the file could not be written.
bool WritePromptList(const PromptListFile& list);

}  // namespace rg_qelvane_app
