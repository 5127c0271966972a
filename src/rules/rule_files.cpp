#include "rules/rule_files.h"

#include "platform/files.h"
#include "shell/rule_groups.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

namespace {
constexpr int kUtf8 = 1;

CWString RuleFilePath(const CWString& groupName, const CWString& fileName) {
    return RuleGroupRoot() + groupName + u"\\" + fileName + u".dat";
}
}  // namespace

CWString ReadRuleFile(const CWString& groupName, const CWString& fileName) {
    if (!IsSafeEntryName(groupName)) return {};
    return CWString::LoadTextFile(RuleFilePath(groupName, fileName), kUtf8);
}

bool WriteRuleFile(const CWString& groupName, const CWString& fileName, const CWString& text) {
    if (!IsSafeEntryName(groupName)) return false;
    return TextToUtf8Bytes(text, false).WriteFile(RuleFilePath(groupName, fileName));
}

std::vector<rg_ShuJuXiang> LoadRules(const CWString& groupName) {
    std::vector<rg_ShuJuXiang> rules;
    for (CWString& marker : SplitText(ReadRuleFile(groupName, u"规则"), u"\r\n"))
        rules.push_back(rg_ShuJuXiang{std::move(marker), {}});
    return rules;
}

CWString RuleListText(const rg_WenBenShuZuLei& markers) {
    CWString text;
    for (const CWString& marker : markers) text += marker + u"\r\n";
    return text;
}

}  // namespace rg_qelvane_app
