#pragma once
// The two files of a rule group in its folder: "模板" holds the template,
// "规则" the markers, one per CR LF line. Both are UTF-8 without a byte-order
// mark, written whole. A group name that is not one plain folder below the
// rule-group root (a hand-edited list can hold "..") reads as empty files and
// cannot be written, so the rule window never touches anything outside it.
#include <optional>
#include <vector>

#include "platform/line_file.h"
#include "platform/text.h"
#include "tools/rules/rule_expansion.h"

namespace rg_qelvane_app {

// The template: empty when its file is missing or the group name is unsafe,
// nullopt when the file is there but cannot be read.
std::optional<CWString> ReadTemplate(const CWString& groupName);
// False when the group name is unsafe or the file could not be written.
bool WriteTemplate(const CWString& groupName, const CWString& text);

// One rule without values per non-blank line of "规则", trimmed, in file
// order: none when the file is missing or the group name is unsafe, nullopt
// when it is there but cannot be read. `file` keeps what it cannot show for
// WriteRules.
std::optional<std::vector<rg_ShuJuXiang>> ReadRules(const CWString& groupName, rg_qelvane_base::ShownLineFile& file);
// The markers, then the lines `file` could not show; false when the group
// name is unsafe, the file could not be read before, or could not be written.
bool WriteRules(const CWString& groupName, const rg_qelvane_base::ShownLineFile& file,
                const rg_qelvane_base::rg_WenBenShuZuLei& markers);

}  // namespace rg_qelvane_app
