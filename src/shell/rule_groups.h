#pragma once
// Where rule groups live on disk, and which names may become a group folder.
#include "platform/text.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;

// The rule group being edited: set just before the rule configuration window opens.
extern CWString CurrentRuleGroupName;

CWString RuleGroupListPath();
// The folder that holds one folder per rule group, ending with "\".
CWString RuleGroupRoot();

// A name becomes one folder directly below the rule-group root: it may not
// contain a path separator or a character that folders cannot hold, nor be
// made of dots only ("." and ".." would name the root or its parent).
bool IsSafeRuleGroupName(const CWString& name);

}  // namespace rg_qelvane_app
