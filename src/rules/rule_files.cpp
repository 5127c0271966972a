#include "rules/rule_files.h"

#include "platform/files.h"
#include "shell/rule_groups.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

namespace {
constexpr int kUtf8 = 1;
constexpr const char16_t* kRuleListFile = u"规则";
constexpr LineFileFormat kRuleListFormat{LineEncoding::Utf8, LineEnd::CrLf};

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

std::optional<LineFile> ReadRuleList(const CWString& groupName) {
    if (!IsSafeEntryName(groupName)) return LineFile{};
    return ReadLineFile(RuleFilePath(groupName, kRuleListFile), kRuleListFormat);
}

std::vector<rg_ShuJuXiang> RulesOf(const LineFile& ruleList) {
    std::vector<rg_ShuJuXiang> rules;
    for (CWString& marker : TrimmedNames(ruleList.lines)) rules.push_back(rg_ShuJuXiang{std::move(marker), {}});
    return rules;
}

bool WriteRuleList(const CWString& groupName, const LineFile& ruleList) {
    if (!IsSafeEntryName(groupName)) return false;
    return WriteLineFile(RuleFilePath(groupName, kRuleListFile), ruleList, kRuleListFormat);
}

}  // namespace rg_qelvane_app
