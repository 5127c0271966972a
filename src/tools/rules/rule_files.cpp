#include "tools/rules/rule_files.h"

#include "common/name_list.h"
#include "common/rule_groups.h"
#include "platform/files.h"

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

std::optional<CWString> ReadRuleFile(const CWString& groupName, const CWString& fileName) {
    if (!IsSafeEntryName(groupName)) return CWString();
    return TryLoadTextFile(RuleFilePath(groupName, fileName), kUtf8);
}

bool WriteRuleFile(const CWString& groupName, const CWString& fileName, const CWString& text) {
    if (!IsSafeEntryName(groupName)) return false;
    return TextToUtf8Bytes(text, false).WriteFile(RuleFilePath(groupName, fileName));
}

std::optional<std::vector<rg_ShuJuXiang>> ReadRules(const CWString& groupName, ShownLineFile& file) {
    std::vector<rg_ShuJuXiang> rules;
    if (!IsSafeEntryName(groupName)) return rules;
    const std::optional<rg_WenBenShuZuLei> lines = file.Read(RuleFilePath(groupName, kRuleListFile), kRuleListFormat);
    if (!lines) return std::nullopt;
    for (CWString& marker : TrimmedNames(*lines)) rules.push_back(rg_ShuJuXiang{std::move(marker), {}});
    return rules;
}

bool WriteRules(const CWString& groupName, const ShownLineFile& file, const rg_WenBenShuZuLei& markers) {
    if (!IsSafeEntryName(groupName)) return false;
    return file.Write(RuleFilePath(groupName, kRuleListFile), markers, kRuleListFormat);
}

}  // namespace rg_qelvane_app
