#pragma once
// Where rule groups live on disk.
#include "platform/text.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;

// The rule group being edited: set just before the rule configuration window opens.
extern CWString CurrentRuleGroupName;

CWString RuleGroupListPath();
// The folder that holds one folder per rule group, ending with "\".
CWString RuleGroupRoot();

}  // namespace rg_qelvane_app
