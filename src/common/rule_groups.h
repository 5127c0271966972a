#pragma once
// The rule group the rule configuration window edits.
#include "platform/text.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;

// The rule group being edited: set just before the rule configuration window opens.
extern CWString CurrentRuleGroupName;

}  // namespace rg_qelvane_app
