#pragma once
// The editor of one rule group: its template, its markers and, for this
// showing only, a column of values per marker, expanded into declarations.
// Shown modally and thrown away afterwards; "保存规则" keeps the template and
// the markers, nothing else is ever saved.
#include "common/name_list.h"
#include "platform/line_file.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "tools/rules/rule_expansion.h"

namespace rg_qelvane_app {

class rg_win_GuiZePeiZhi : public rg_qelvane_base::CQelWinForm {
public:
    rg_win_GuiZePeiZhi();

    // The controls, open to the tests that drive the window.
    rg_qelvane_base::rg_check_box m_withHeader;
    rg_qelvane_base::rg_FenZuKuang m_templateGroup;
    rg_qelvane_base::rg_edit_box m_template;
    rg_qelvane_base::rg_check_box m_templateOnly;
    rg_qelvane_base::rg_button1 m_save;
    rg_qelvane_base::rg_button1 m_copy;
    rg_qelvane_base::rg_button1 m_generate;
    rg_qelvane_base::rg_FenZuKuang m_resultGroup;
    rg_qelvane_base::rg_edit_box m_result;
    rg_qelvane_base::rg_edit_box m_className;
    rg_qelvane_base::rg_label1 m_classNameLabel;
    rg_qelvane_base::rg_FenZuKuang m_dataGroup;
    rg_qelvane_base::rg_button1 m_translate;
    rg_qelvane_base::rg_edit_box m_data;
    rg_qelvane_base::rg_FenZuKuang m_ruleGroup;
    rg_qelvane_base::rg_list_box m_ruleList;
    rg_qelvane_base::rg_button1 m_delete;
    rg_qelvane_base::rg_button1 m_add;

    // The rules and the working item, with their values.
    rg_GuiZeZhanKaiYinQing m_rules;

protected:
    void HookEvents() override;
    void BuildControls() override;

private:
    void OnOpen(rg_qelvane_base::CQelControl& sender);
    void OnClick(rg_qelvane_base::CQelControl& sender);
    void OnRuleSelected(rg_qelvane_base::CQelControl& sender);
    void OnDataChanged(rg_qelvane_base::CQelControl& sender);

    void LoadRuleGroup();
    bool SaveRuleGroup();
    void AddRule();
    void DeleteRule();
    void ShowRuleData();
    void TranslateData();
    void Generate();
    // Replaces the data box's text without storing it into the rules.
    void RefillData(const CWString& text);

    // The group of this showing, taken when the window opens.
    CWString m_groupName;
    // The rule list's markers: any text, the empty one too, each once.
    CNameList m_markers;
    rg_qelvane_base::ShownLineFile m_ruleListFile;  // "规则"
    // False when a file of the group was there but could not be read: then this showing never saves.
    bool m_groupReadable = true;
    bool m_refilling = false;
};

}  // namespace rg_qelvane_app
