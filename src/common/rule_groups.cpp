#include "common/rule_groups.h"

#include "platform/files.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

CWString CurrentRuleGroupName;

CWString RuleGroupListPath() { return GetProgramDir() + u"datas\\规则组列表.dat"; }
CWString RuleGroupRoot() { return GetProgramDir() + u"datas\\规则组\\"; }

}  // namespace rg_qelvane_app
