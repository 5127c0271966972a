#include "common/rule_groups.h"

namespace rg_qelvane_app {

CWString CurrentRuleGroupName;

}  // namespace rg_qelvane_app
