#pragma once
// The two files of a rule group in its folder: "模板" holds the template,
// "规则" the markers, one per CR LF line. Both are UTF-8 without a byte-order
// mark, written whole. A group name that is not one plain folder below the
// rule-group root (a hand-edited list can hold "..") reads as empty files and
// cannot be written, so the rule window never touches anything outside it.
#include <vector>

#include "platform/text.h"
#include "rules/rule_expansion.h"

namespace rg_qelvane_app {

// The file's text, empty when it is missing or the group name is unsafe.
CWString ReadRuleFile(const CWString& groupName, const CWString& fileName);
// False when the group name is unsafe or the file could not be written.
bool WriteRuleFile(const CWString& groupName, const CWString& fileName, const CWString& text);

// One rule without values per non-blank line of "规则", trimmed, in file order.
std::vector<rg_ShuJuXiang> LoadRules(const CWString& groupName);
// The text of "规则" for these markers.
CWString RuleListText(const rg_WenBenShuZuLei& markers);

}  // namespace rg_qelvane_app
