#include "common/data_folder.h"

#include "platform/files.h"

namespace rg_qelvane_app {

using rg_qelvane_base::GetProgramDir;
using rg_qelvane_base::Joined;

CWString DataFolder() { return GetProgramDir() + u"datas"; }

CWString TranslationTableFile() { return DataFolder() + u"\\对应关系.ini"; }

CWString RuleGroupListFile() { return DataFolder() + u"\\规则组列表.dat"; }

CWString RuleGroupsFolder() { return DataFolder() + u"\\规则组"; }

CWString RuleGroupFolder(const CWString& groupName) { return Joined({RuleGroupsFolder(), u"\\", groupName}); }

CWString RuleGroupCompanionFile(const CWString& groupName) {
    return Joined({RuleGroupsFolder(), u"\\", groupName, kRuleGroupCompanionSuffix});
}

CWString RuleGroupTemplateFile(const CWString& groupName) { return RuleGroupFolder(groupName) + u"\\模板.dat"; }

CWString RuleGroupMarkersFile(const CWString& groupName) { return RuleGroupFolder(groupName) + u"\\规则.dat"; }

CWString PromptListFile() { return DataFolder() + u"\\提示词组列表.dat"; }

CWString PromptsFolder() { return DataFolder() + u"\\提示词组"; }

CWString PromptFile(const CWString& promptName) {
    return Joined({PromptsFolder(), u"\\", promptName, kPromptFileSuffix});
}

CWString DriverSettingsFile() { return GetProgramDir() + u"setup.ini"; }

}  // namespace rg_qelvane_app
