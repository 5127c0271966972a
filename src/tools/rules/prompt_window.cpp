#include "tools/rules/prompt_window.h"

#include "common/data_folder.h"
#include "common/window_actions.h"
#include "platform/files.h"
#include "platform/line_file.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/dialogs.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

namespace {
constexpr const char16_t* kInputTitle = u"输入框";
constexpr const char16_t* kUnsafeName = u"提示词名称不能包含 \\ / : * ? \" < > | 等字符，也不能只由点组成！";
constexpr const char16_t* kTooLongName = u"提示词名称过长，无法用作文件名称！";
constexpr NameRefusalTexts kRefusals{u"输入提示词名称不能为空！", u"与已有名称重复！", kUnsafeName, kTooLongName};

// Empty for a name that could not have been entered here (a list file written
// elsewhere): such a name stands for no file of ours.
CWString SafePromptFile(const CWString& name) {
    if (!IsSafeEntryName(name)) return {};
    return PromptFile(name);
}

// UTF-8 closed by a zero byte, the form every prompt file has: readers stop at
// the zero, so an empty prompt is a file of that one byte.
bool WritePromptFile(const CWString& name, const CWString& text) {
    return TextToUtf8Bytes(text, true).WriteFile(SafePromptFile(name));
}
}  // namespace

rg_win_DiShiCiGuanLi::rg_win_DiShiCiGuanLi() : CQelWinForm(u"提示词管理") {
    SetBorderStyle(CQelBorderStyle::FixedSingle);
}

void rg_win_DiShiCiGuanLi::HookEvents() {
    Bind(CQelEvent::Created, [this](CQelControl&) { LoadPromptList(); });
    m_promptList.Bind(CQelEvent::SelectionChanged, this, &rg_win_DiShiCiGuanLi::LoadSelectedPrompt);
    for (rg_button1* button : {&m_renameButton, &m_copyButton, &m_saveButton, &m_deleteButton, &m_addButton})
        button->Bind(CQelEvent::Click, this, &rg_win_DiShiCiGuanLi::PromptWindow_OnClick);
}

void rg_win_DiShiCiGuanLi::BuildControls() {
    m_addButton.Create(*this, 101, {21, 14, 144, 35}, u"增加");
    m_renameButton.Create(*this, 102, {177, 14, 144, 35}, u"修改");
    m_deleteButton.Create(*this, 103, {333, 14, 144, 35}, u"删除");
    m_saveButton.Create(*this, 104, {489, 14, 144, 35}, u"保存");
    m_copyButton.Create(*this, 105, {645, 14, 144, 35}, u"复制");
    m_listGroup.Create(*this, 106, {8, 62, 200, 528}, u"提示词列表");
    m_promptList.Create(m_listGroup, 107, {7, 18, 184, 504});
    m_contentGroup.Create(*this, 108, {217, 63, 575, 528}, u"提示词内容");
    m_content.Create(m_contentGroup, 109, {7, 17, 561, 504}, u"", u"",
                     CQelStyle::MultiLine | CQelStyle::VScroll | CQelStyle::HScroll | CQelStyle::StaticEdge);
}

void rg_win_DiShiCiGuanLi::LoadPromptList() {
    m_currentName.clear();
    std::optional<rg_WenBenShuZuLei> lines = m_promptListFile.Read(PromptListFile(), kNameListFormat);
    if (!lines) {
        ShowInfo(*this, u"提示词列表读取失败，本次打开不会保存！");
        return;
    }
    for (const CWString& name : TrimmedNames(*lines)) {
        m_promptNames.Add(name);
        m_promptList.AddItem(name, 0);
    }
}

void rg_win_DiShiCiGuanLi::LoadSelectedPrompt(CQelControl& sender) {
    if (&sender != &m_promptList) return;
    m_currentName = m_promptList.GetListItemText(m_promptList.GetCurSel());
    std::optional<CWString> text = TryLoadTextFile(SafePromptFile(m_currentName), LineEncoding::Utf8);
    m_content.SetControlText(text.value_or(CWString()));
    m_contentReadable = text.has_value();
    if (!m_contentReadable) ShowInfo(*this, u"提示词内容读取失败，重新选择前不会保存！");
}

void rg_win_DiShiCiGuanLi::PromptWindow_OnClick(CQelControl& sender) {
    if (&sender == &m_renameButton) RenamePrompt();
    else if (&sender == &m_copyButton) {
        // A copied prompt is silent; only a refused clipboard is worth a word.
        if (!SetClipboardText(m_content.GetControlText())) ShowInfo(*this, u"复制失败！");
    } else if (&sender == &m_saveButton) SavePrompt();
    else if (&sender == &m_deleteButton) DeletePrompt();
    else if (&sender == &m_addButton) AddPrompt();
}

bool rg_win_DiShiCiGuanLi::AskPromptName(const CWString& prompt, const CWString& defaultName, CWString& name) {
    if (!ShowInputBox(this, name, prompt, kInputTitle, defaultName)) return false;
    name = name.Trimmed();
    const char16_t* refusal = kRefusals.For(m_promptNames.Check(name));
    if (refusal) ShowInfo(*this, refusal);
    return !refusal;
}

bool rg_win_DiShiCiGuanLi::HasCurrentPrompt() {
    if (m_promptList.GetCurSel() >= 0 && !m_currentName.empty()) return true;
    ShowInfo(*this, u"请选择一项提示词！");
    return false;
}

// The new prompt joins the list only once its file exists, so an entry never
// stands without its file; the selection stays where it was.
void rg_win_DiShiCiGuanLi::AddPrompt() {
    CWString name;
    if (!AskPromptName(u"请输入提示词名称", u"", name)) return;
    // A file of that name that no list entry names (its list was lost or
    // edited) still holds somebody's prompt: the new entry takes it over
    // instead of blanking it, as a new rule group takes over its folder.
    if (!PathExists(PromptFile(name)) && !WritePromptFile(name, u"")) {
        ShowInfo(*this, u"保存失败！");
        return;
    }
    m_promptNames.Add(name);
    m_promptList.AddItem(name, 0);
    SavePromptList();
}

void rg_win_DiShiCiGuanLi::RenamePrompt() {
    if (!HasCurrentPrompt()) return;
    int index = m_promptList.GetCurSel();
    CWString oldFile = SafePromptFile(m_promptList.GetListItemText(index));
    CWString newName;
    if (!AskPromptName(u"请输入新提示词名称", m_currentName, newName)) return;
    if (!oldFile.empty() && !MovePath(oldFile, SafePromptFile(newName))) return;
    m_promptNames.Replace(index, newName);
    m_promptList.DeleteItem(index);
    m_promptList.InsertItem(index, newName, 0);
    m_promptList.SetCurSel(index);
    m_currentName = newName;
    SavePromptList();
    ShowInfo(*this, u"修改成功！");
}

void rg_win_DiShiCiGuanLi::DeletePrompt() {
    if (!HasCurrentPrompt()) return;
    CWString question = CWString::Format(u"确定要删除[%s]？", {m_currentName});
    if (ShowMessageBox(this, question, MB_YESNO, kInfoTitle) != IDYES) return;
    CWString file = SafePromptFile(m_currentName);
    if (!file.empty() && !DeleteFilePath(file)) return;
    m_promptNames.Remove(m_promptList.GetCurSel());
    m_promptList.DeleteItem(m_promptList.GetCurSel());
    m_promptList.SetCurSel(-1);
    m_currentName.clear();
    SavePromptList();
    m_content.SetControlText(u"");
    ShowInfo(*this, u"删除成功！");
}

void rg_win_DiShiCiGuanLi::SavePrompt() {
    if (!HasCurrentPrompt()) return;
    // The box shows nothing of a file it could not read: saving it would erase the prompt.
    bool saved = m_contentReadable && WritePromptFile(m_currentName, m_content.GetControlText());
    ShowInfo(*this, saved ? u"保存成功！" : u"保存失败！");
}

void rg_win_DiShiCiGuanLi::SavePromptList() {
    if (!m_promptListFile.Write(PromptListFile(), m_promptNames.Names(), kNameListFormat))
        ShowInfo(*this, u"提示词列表保存失败！");
}

}  // namespace rg_qelvane_app
