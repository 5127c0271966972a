#pragma once
// The prompt library: named texts for the AI chat page, one file per prompt
// and a list of their names, in the data folder.
//
// The window always acts on the selected prompt: the current name is the
// selected entry's text (empty when none is selected), the content box shows
// that prompt's file, and a name typed for "增加" or "修改" becomes the current
// name only once the prompt carries it.
#include "common/data_folder.h"
#include "common/name_list.h"
#include "platform/line_file.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CQelControl;
using rg_qelvane_base::CWString;

class rg_win_DiShiCiGuanLi : public rg_qelvane_base::CQelWinForm {
public:
    rg_win_DiShiCiGuanLi();

    // The controls in member order, open to the tests that drive the window.
    rg_qelvane_base::rg_button1 m_renameButton;
    rg_qelvane_base::rg_button1 m_copyButton;
    rg_qelvane_base::rg_button1 m_saveButton;
    rg_qelvane_base::rg_button1 m_deleteButton;
    rg_qelvane_base::rg_button1 m_addButton;
    rg_qelvane_base::rg_FenZuKuang m_contentGroup;
    rg_qelvane_base::rg_edit_box m_content;
    rg_qelvane_base::rg_FenZuKuang m_listGroup;
    rg_qelvane_base::rg_list_box m_promptList;
    CWString m_currentName;

protected:
    void HookEvents() override;
    void BuildControls() override;

private:
    // Each prompt is one file, written whole.
    CNameList m_promptNames{{{kPromptFileSuffix, true}}};
    rg_qelvane_base::ShownLineFile m_promptListFile;
    // False when the selected prompt's file was there but could not be read.
    bool m_contentReadable = true;

    void LoadPromptList();
    void LoadSelectedPrompt(CQelControl& sender);
    void PromptWindow_OnClick(CQelControl& sender);
    void AddPrompt();
    void RenamePrompt();
    void DeletePrompt();
    void SavePrompt();
    void SavePromptList();

    // Asks for a name; false when cancelled or refused (the reason is shown).
    bool AskPromptName(const CWString& prompt, const CWString& defaultName, CWString& name);
    // False, with the notice shown, when no prompt is selected.
    bool HasCurrentPrompt();
};

}  // namespace rg_qelvane_app
