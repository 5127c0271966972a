#pragma once
// Where the program keeps its files. What it writes lives in the folder
// "datas" beside the program; the driver settings, which only the user edits,
// sit beside the program itself. Every path to these files is made here.
// Folders are given without a final "\".
#include <string_view>

#include "platform/text.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CWString;

CWString DataFolder();

// The English-to-Chinese table.
CWString TranslationTableFile();

// The names of the rule groups, one per line.
CWString RuleGroupListFile();
// Holds one folder per rule group and, beside each, the group's companion file.
CWString RuleGroupsFolder();
CWString RuleGroupFolder(const CWString& groupName);
// A companion file's name is the group name followed by this.
inline constexpr std::u16string_view kRuleGroupCompanionSuffix = u".ini";
CWString RuleGroupCompanionFile(const CWString& groupName);
// The two files in a group's folder.
CWString RuleGroupTemplateFile(const CWString& groupName);
CWString RuleGroupMarkersFile(const CWString& groupName);

// The names of the prompts, one per line.
CWString PromptListFile();
// Holds one file per prompt.
CWString PromptsFolder();
// A prompt file's name is the prompt name followed by this.
inline constexpr std::u16string_view kPromptFileSuffix = u".dat";
CWString PromptFile(const CWString& promptName);

// "setup.ini" beside the program.
CWString DriverSettingsFile();

}  // namespace rg_qelvane_app
