#pragma once
// The two files of a rule group in its folder: "模板" holds the template,
// "规则" the markers, one per CR LF line. Both are UTF-8 without a byte-order
// mark, written whole. A group name that is not one plain folder below the
// rule-group root (a hand-edited list can hold "..") reads as empty files and
// cannot be written, so the rule window never touches anything outside it.
#include <optional>
#include <string>
#include <vector>

#include "platform/line_file.h"
#include "platform/text.h"
#include "rules/rule_expansion.h"

namespace rg_qelvane_app {

// The file's text, empty when it is missing or the group name is unsafe.
CWString ReadRuleFile(const CWString& groupName, const CWString& fileName);
// False when the group name is unsafe or the file could not be written.
bool WriteRuleFile(const CWString& groupName, const CWString& fileName, const CWString& text);

// The lines of "规则", and those it cannot show (kept for the next write);
// empty when it is missing or the group name is unsafe, nullopt when it
// exists but cannot be read.
std::optional<rg_qelvane_base::LineFile> ReadRuleList(const CWString& groupName);
// One rule without values per non-blank line, trimmed, in file order.
std::vector<rg_ShuJuXiang> RulesOf(const rg_qelvane_base::LineFile& ruleList);
// The markers, then the lines the list could not show; false when the group
// name is unsafe or the file could not be written.
bool WriteRuleList(const CWString& groupName, const rg_qelvane_base::LineFile& ruleList);

}  // namespace rg_qelvane_app
