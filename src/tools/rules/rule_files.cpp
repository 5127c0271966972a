#include "tools/rules/rule_files.h"

#include "common/data_folder.h"
#include "common/name_list.h"
#include "platform/files.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

namespace {
constexpr LineEncoding kRuleFileEncoding = LineEncoding::Utf8;
constexpr LineFileFormat kRuleListFormat{kRuleFileEncoding, LineEnd::CrLf};
}  // namespace

std::optional<CWString> ReadTemplate(const CWString& groupName) {
    if (!IsSafeEntryName(groupName)) return CWString();
    return TryLoadTextFile(RuleGroupTemplateFile(groupName), kRuleFileEncoding);
}

bool WriteTemplate(const CWString& groupName, const CWString& text) {
    if (!IsSafeEntryName(groupName)) return false;
    return TextToUtf8Bytes(text, false).WriteFile(RuleGroupTemplateFile(groupName));
}

std::optional<std::vector<rg_ShuJuXiang>> ReadRules(const CWString& groupName, ShownLineFile& file) {
    std::vector<rg_ShuJuXiang> rules;
    if (!IsSafeEntryName(groupName)) return rules;
    const std::optional<rg_WenBenShuZuLei> lines = file.Read(RuleGroupMarkersFile(groupName), kRuleListFormat);
    if (!lines) return std::nullopt;
    for (CWString& marker : TrimmedNames(*lines)) rules.push_back(rg_ShuJuXiang{std::move(marker), {}});
    return rules;
}

bool WriteRules(const CWString& groupName, const ShownLineFile& file, const rg_WenBenShuZuLei& markers) {
    if (!IsSafeEntryName(groupName)) return false;
    return file.Write(RuleGroupMarkersFile(groupName), markers, kRuleListFormat);
}

}  // namespace rg_qelvane_app
