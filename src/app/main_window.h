#pragma once
// The launcher: one button per tool window, and the user's rule groups.
#include "app/translation_window.h"
#include "common/data_folder.h"
#include "common/name_list.h"
#include "common/rule_groups.h"
#include "platform/line_file.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "tools/androidwrap/android_array_window.h"
#include "tools/androidwrap/android_class_window.h"
#include "tools/androidwrap/android_enum_window.h"
#include "tools/androidwrap/android_interface_window.h"
#include "tools/dbwrap/database_window.h"
#include "tools/gowrap/go_constants_window.h"
#include "tools/gowrap/go_interface_window.h"
#include "tools/gowrap/go_methods_window.h"
#include "tools/gowrap/go_struct_window.h"
#include "tools/rules/ai_chat_window.h"
#include "tools/rules/rule_config_window.h"

namespace rg_qelvane_app {

using rg_qelvane_base::CQelControl;
using rg_qelvane_base::CWString;

class rg_my_main_window : public rg_qelvane_base::CQelWinForm {
public:
    rg_my_main_window();

    bool RuleGroupExists(const CWString& name);
    void LoadRuleGroupList();
    // Rewrites the list file; with two names also moves the group's companion .ini.
    void SaveRuleGroupList(const CWString& oldName, const CWString& newName);
    bool RenameRuleGroupFolder(const CWString& oldName, const CWString& newName);

protected:
    void HookEvents() override;
    void BuildControls() override;

private:
    void OnCreated(CQelControl& sender);
    void OnClick(CQelControl& sender);
    void OnListDoubleClick(CQelControl& sender);

    void CreateRuleGroup();
    void RenameRuleGroup();
    void DeleteRuleGroup();
    bool AskRuleGroupName(const CWString& defaultName, CWString& name);

    // Each group is a folder of its name, with its companion file beside it.
    CNameList m_ruleGroupNames{{{u""}, {kRuleGroupCompanionSuffix}}};
    rg_qelvane_base::ShownLineFile m_ruleGroupListFile;

public:
    // The controls and tool windows, open to tests that drive them as a user would.
    rg_qelvane_base::rg_button1 m_databaseButton;
    rg_qelvane_base::rg_button1 m_aiButton;
    rg_qelvane_base::rg_FenZuKuang m_androidGroup;
    rg_qelvane_base::rg_button1 m_androidEnumButton;
    rg_qelvane_base::rg_button1 m_androidInterfaceButton;
    rg_qelvane_base::rg_button1 m_androidClassButton;
    rg_qelvane_base::rg_button1 m_androidArrayButton;
    rg_qelvane_base::rg_button1 m_translationButton;
    rg_qelvane_base::rg_FenZuKuang m_goGroup;
    rg_qelvane_base::rg_button1 m_goInterfaceButton;
    rg_qelvane_base::rg_button1 m_goMethodsButton;
    rg_qelvane_base::rg_button1 m_goConstantsButton;
    rg_qelvane_base::rg_button1 m_goStructButton;
    rg_qelvane_base::rg_FenZuKuang m_ruleGroupBox;
    rg_qelvane_base::rg_list_box m_ruleGroupList;
    rg_qelvane_base::rg_button1 m_deleteButton;
    rg_qelvane_base::rg_button1 m_renameButton;
    rg_qelvane_base::rg_button1 m_createButton;

    rg_win_AnZhuoJieKouFengZhuang m_androidInterfaceWindow;
    rg_win_AnZhuoLeiFengZhuang m_androidClassWindow;
    rg_win_AnZhuoShuZuFengZhuang m_androidArrayWindow;
    rg_win_GOJieKouFengZhuang m_goInterfaceWindow;
    rg_win_GOFangFaFengZhuang m_goMethodsWindow;
    rg_win_GOChangLiangFengZhuang m_goConstantsWindow;
    rg_win_FanYiGuanLi m_translationWindow;
    rg_win_GOJieGouTiFengZhuang m_goStructWindow;
    rg_win_AnZhuoMeiJuFengZhuang m_androidEnumWindow;
    rg_win_RenGongZhiNeng_YuanShi m_aiChatWindow;
    rg_win_ShuJuKuFengZhuang m_databaseWindow;
};

}  // namespace rg_qelvane_app
