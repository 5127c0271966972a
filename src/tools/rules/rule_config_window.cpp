#include "tools/rules/rule_config_window.h"

#include "common/rule_groups.h"
#include "common/translation.h"
#include "common/window_actions.h"
#include "platform/ui/dialogs.h"
#include "tools/rules/rule_files.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

namespace {
constexpr unsigned kLinesEditStyle = CQelStyle::MultiLine | CQelStyle::VScroll | CQelStyle::StaticEdge;
// Template and result lines never wrap.
constexpr unsigned kWideEditStyle = kLinesEditStyle | CQelStyle::HScroll;
}  // namespace

rg_win_GuiZePeiZhi::rg_win_GuiZePeiZhi() : CQelWinForm(u"规则配置") {}

void rg_win_GuiZePeiZhi::HookEvents() {
    Bind(CQelEvent::Created, this, &rg_win_GuiZePeiZhi::OnOpen);
    for (rg_button1* button : {&m_add, &m_delete, &m_translate, &m_save, &m_generate, &m_copy})
        button->Bind(CQelEvent::Click, this, &rg_win_GuiZePeiZhi::OnClick);
    m_ruleList.Bind(CQelEvent::SelectionChanged, this, &rg_win_GuiZePeiZhi::OnRuleSelected);
    m_data.Bind(CQelEvent::TextChanged, this, &rg_win_GuiZePeiZhi::OnDataChanged);
}

void rg_win_GuiZePeiZhi::BuildControls() {
    m_classNameLabel.Create(*this, 101, {13, 14, 56, 32}, u"类名称：", kToolWindowFont);
    m_className.Create(*this, 102, {77, 16, 208, 30}, u"用户类", kToolWindowFont, CQelStyle::StaticEdge);
    m_save.Create(*this, 103, {661, 14, 128, 40}, u"保存规则", kToolWindowFont);
    m_templateGroup.Create(*this, 104, {13, 56, 776, 121}, u"模板");
    m_template.Create(m_templateGroup, 105, {9, 18, 758, 93}, u"变量 {1} <公开 类型 = {2} >", kToolWindowFont,
                      kWideEditStyle);
    m_ruleGroup.Create(*this, 106, {13, 185, 272, 201}, u"规则列表", kToolWindowFont);
    m_add.Create(m_ruleGroup, 118, {11, 18, 112, 32}, u"增加", kToolWindowFont);
    m_delete.Create(m_ruleGroup, 117, {144, 18, 112, 32}, u"删除", kToolWindowFont);
    m_ruleList.Create(m_ruleGroup, 116, {11, 57, 245, 132}, u"", kToolWindowFont, CQelStyle::StaticEdge);
    m_ruleList.SetRowSpacing(5);
    m_dataGroup.Create(*this, 107, {293, 185, 496, 201}, u"数据列表", kToolWindowFont);
    m_data.Create(m_dataGroup, 108, {10, 20, 392, 168}, u"", kToolWindowFont, kLinesEditStyle);
    m_translate.Create(m_dataGroup, 109, {409, 14, 80, 36}, u"翻译", kToolWindowFont);
    m_resultGroup.Create(*this, 110, {13, 395, 672, 196}, u"结果", kToolWindowFont);
    m_result.Create(m_resultGroup, 111, {11, 25, 651, 161}, u"", kToolWindowFont, kWideEditStyle);
    m_templateOnly.Create(*this, 112, {693, 430, 92, 24}, u"仅使用模板", kToolWindowFont);
    m_withHeader.Create(*this, 113, {693, 462, 92, 24}, u"使用标识", kToolWindowFont);
    m_generate.Create(*this, 114, {710, 508, 80, 36}, u"生成", kToolWindowFont);
    m_copy.Create(*this, 115, {710, 548, 80, 36}, u"复制", kToolWindowFont);
}

void rg_win_GuiZePeiZhi::OnOpen(CQelControl&) {
    m_groupName = CurrentRuleGroupName;
    SetControlText(u"【" + m_groupName + u"】" + GetControlText());
    LoadRuleGroup();
}

void rg_win_GuiZePeiZhi::LoadRuleGroup() {
    std::optional<CWString> templateText = ReadTemplate(m_groupName);
    std::optional<std::vector<rg_ShuJuXiang>> rules = ReadRules(m_groupName, m_ruleListFile);
    // A group without a template file shows an empty box, not the default template.
    m_template.SetControlText(templateText.value_or(CWString()));
    m_rules.rules = rules.value_or(std::vector<rg_ShuJuXiang>());
    for (const rg_ShuJuXiang& rule : m_rules.rules) {
        m_markers.Add(rule.name);
        m_ruleList.AddItem(rule.name, 0);
    }
    m_groupReadable = templateText && rules;
    if (!m_groupReadable) ShowInfo(*this, u"规则组文件读取失败，本次打开不会保存！");
}

bool rg_win_GuiZePeiZhi::SaveRuleGroup() {
    // What the window shows of a file it could not read is no content of that
    // file, so neither file is written over.
    if (!m_groupReadable) return false;
    bool templateSaved = WriteTemplate(m_groupName, m_template.GetControlText());
    bool rulesSaved = WriteRules(m_groupName, m_ruleListFile, m_markers.Names());
    return templateSaved && rulesSaved;
}

void rg_win_GuiZePeiZhi::OnClick(CQelControl& sender) {
    if (&sender == &m_add) {
        AddRule();
    } else if (&sender == &m_delete) {
        DeleteRule();
    } else if (&sender == &m_translate) {
        TranslateData();
    } else if (&sender == &m_save) {
        // A save that worked says nothing.
        if (!SaveRuleGroup()) ShowInfo(*this, u"保存失败！");
    } else if (&sender == &m_generate) {
        Generate();
    } else if (&sender == &m_copy) {
        CopyOutputToClipboard(*this, m_result);
    }
}

void rg_win_GuiZePeiZhi::AddRule() {
    CWString name;
    if (!ShowInputBox(this, name, u"输入规则名称", u"输入", u"{1}")) return;
    // A marker becomes no file: the only refusal it can meet is a taken name.
    if (m_markers.Check(name) == NameRefusal::Taken) {
        ShowInfo(*this, u"与已有名称重复！");
        return;
    }
    m_markers.Add(name);
    m_ruleList.AddItem(name, 0);
    // The selection and the data box stay: what is typed next becomes the new rule's values.
    m_rules.AddRule(name);
}

void rg_win_GuiZePeiZhi::DeleteRule() {
    int index = m_ruleList.GetCurSel();
    if (index < 0) return;
    ShowRuleData();
    m_markers.Remove(index);
    m_ruleList.DeleteItem(index);
    // The data box is not cleared: its values are now a copy that no listed
    // marker owns, so typing there changes no rule.
    m_rules.RemoveWorkingRule();
}

void rg_win_GuiZePeiZhi::OnRuleSelected(CQelControl&) {
    if (m_ruleList.GetCurSel() >= 0) ShowRuleData();
}

void rg_win_GuiZePeiZhi::ShowRuleData() {
    int index = m_ruleList.GetCurSel();
    if (index < 0) return;
    if (std::optional<CWString> text = m_rules.ShowRuleData(m_ruleList.GetListItemText(index))) RefillData(*text);
}

void rg_win_GuiZePeiZhi::OnDataChanged(CQelControl&) {
    if (!m_refilling) m_rules.StoreRuleData(m_data.GetControlText());
}

void rg_win_GuiZePeiZhi::TranslateData() {
    TranslationTableScope translationTable;
    RefillData(m_rules.TranslateData());
    m_rules.StoreRuleData(m_data.GetControlText());
}

void rg_win_GuiZePeiZhi::RefillData(const CWString& text) {
    // Set in one piece: a column of many thousand values is one native update.
    m_refilling = true;
    m_data.SetControlText(text);
    m_refilling = false;
}

void rg_win_GuiZePeiZhi::Generate() {
    m_result.SetControlText(u"");
    rg_GuiZeShengChengJieGuo result = m_rules.Generate(m_template.GetControlText(), m_className.GetControlText(),
                                                       m_templateOnly.IsChecked(), m_withHeader.IsChecked());
    if (!result.refusal.empty()) {
        ShowInfo(*this, result.refusal);
        return;
    }
    m_result.SetControlText(result.text);
}

}  // namespace rg_qelvane_app
