// The main window's rule-group list: the list file and one folder per group.
#include "app/main_window.h"

#include "common/data_folder.h"
#include "common/rule_groups.h"
#include "common/window_actions.h"
#include "platform/files.h"
#include "platform/line_file.h"
#include "platform/ui/dialogs.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

namespace {
constexpr const char16_t* kNamePrompt = u"请输入规则组名称";
constexpr const char16_t* kUnsafeName = u"规则组名称不能包含 \\ / : * ? \" < > | 等字符，也不能只由点组成！";
constexpr const char16_t* kTooLongName = u"规则组名称过长，无法用作文件夹名称！";
constexpr const char16_t* kNotCreated = u"规则组文件夹创建失败！";
constexpr const char16_t* kNotRenamed = u"规则组文件夹重命名失败！";
constexpr const char16_t* kNotDeleted = u"规则组文件夹删除失败！";
constexpr NameRefusalTexts kRefusals{u"输入名称不能为空！", u"与已有名称重复！", kUnsafeName, kTooLongName};
}  // namespace

bool rg_my_main_window::RuleGroupExists(const CWString& name) { return m_ruleGroupNames.Has(name); }

void rg_my_main_window::LoadRuleGroupList() {
    std::optional<rg_WenBenShuZuLei> lines = m_ruleGroupListFile.Read(RuleGroupListFile(), kNameListFormat);
    if (!lines) {
        ShowInfo(*this, u"规则组列表读取失败，本次运行不会保存！");
        return;
    }
    for (const CWString& name : TrimmedNames(*lines)) {
        m_ruleGroupNames.Add(name);
        m_ruleGroupList.AddItem(name, 0);
    }
}

void rg_my_main_window::SaveRuleGroupList(const CWString& oldName, const CWString& newName) {
    if (!m_ruleGroupListFile.Write(RuleGroupListFile(), m_ruleGroupNames.Names(), kNameListFormat))
        ShowInfo(*this, u"规则组列表保存失败！");
    if (!oldName.empty() && !newName.empty()) {
        CWString oldCompanion = RuleGroupCompanionFile(oldName);
        if (PathExists(oldCompanion)) MovePath(oldCompanion, RuleGroupCompanionFile(newName));
    }
}

bool rg_my_main_window::RenameRuleGroupFolder(const CWString& oldName, const CWString& newName) {
    return MovePath(RuleGroupFolder(oldName), RuleGroupFolder(newName));
}

// False when the user cancelled or the name was refused (the message is shown).
// The name is trimmed as the list file trims it when it loads, so the list,
// the list file and the folder name always agree.
bool rg_my_main_window::AskRuleGroupName(const CWString& defaultName, CWString& name) {
    CWString typed;
    if (!ShowInputBox(this, typed, kNamePrompt, u"输入框", defaultName)) return false;
    name = typed.Trimmed();
    const char16_t* refusal = kRefusals.For(m_ruleGroupNames.Check(name));
    if (refusal) ShowInfo(*this, refusal);
    return !refusal;
}

// Each action changes the list only after its folder step worked, so an entry
// never names a folder that is not its group's.
void rg_my_main_window::CreateRuleGroup() {
    CWString name;
    if (!AskRuleGroupName(u"", name)) return;
    if (!CreateDirectoryChain(RuleGroupFolder(name))) {
        ShowInfo(*this, kNotCreated);
        return;
    }
    m_ruleGroupNames.Add(name);
    m_ruleGroupList.AddItem(name, 0);
    SaveRuleGroupList(u"", u"");
}

void rg_my_main_window::RenameRuleGroup() {
    int index = m_ruleGroupList.GetCurSel();
    if (index < 0) {
        ShowInfo(*this, u"请选择一项");
        return;
    }
    CWString oldName = m_ruleGroupList.GetListItemText(index);
    CWString newName;
    if (!AskRuleGroupName(oldName, newName)) return;
    // A name loaded from a list written elsewhere may have no folder, or none of ours:
    // then it may only take a name that no folder has yet.
    bool ours = IsSafeEntryName(oldName);
    bool moved = ours && PathExists(RuleGroupFolder(oldName)) ? RenameRuleGroupFolder(oldName, newName)
                                                              : !PathExists(RuleGroupFolder(newName));
    if (!moved) {
        ShowInfo(*this, kNotRenamed);
        return;
    }
    m_ruleGroupNames.Replace(index, newName);
    m_ruleGroupList.DeleteItem(index);
    m_ruleGroupList.InsertItem(index, newName, 0);
    m_ruleGroupList.SetCurSel(-1);
    SaveRuleGroupList(ours ? oldName : CWString(), newName);
}

void rg_my_main_window::DeleteRuleGroup() {
    int index = m_ruleGroupList.GetCurSel();
    if (index < 0) {
        ShowInfo(*this, u"请选择一项");
        return;
    }
    CWString name = m_ruleGroupList.GetListItemText(index);
    if (ShowMessageBox(this, u"您确定要删除规则组【" + name + u"】吗？", MB_YESNO, kInfoTitle) != IDYES) return;
    // Only a folder directly below the rule-group root is ever removed.
    CWString folder = RuleGroupFolder(name);
    if (IsSafeEntryName(name) && PathExists(folder) && !DeleteDirectoryTree(folder)) {
        ShowInfo(*this, kNotDeleted);
        return;
    }
    m_ruleGroupNames.Remove(index);
    m_ruleGroupList.DeleteItem(index);
    SaveRuleGroupList(u"", u"");
}

void rg_my_main_window::OnListDoubleClick(CQelControl& sender) {
    if (&sender != &m_ruleGroupList) return;
    int index = m_ruleGroupList.GetCurSel();
    if (index < 0) return;
    CurrentRuleGroupName = m_ruleGroupList.GetListItemText(index);
    rg_win_GuiZePeiZhi ruleWindow;
    CQelCreateRecord record;
    record.dialogFrame = true;
    ruleWindow.ShowModal(record);
}

}  // namespace rg_qelvane_app
