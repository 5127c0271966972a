#include "app/main_window.h"

#include "common/data_folder.h"
#include "common/window_actions.h"
#include "platform/files.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

rg_my_main_window::rg_my_main_window() : CQelWinForm(u"Qelvane 封装工具") {}

void rg_my_main_window::HookEvents() {
    Bind(CQelEvent::Created, this, &rg_my_main_window::OnCreated);
    for (rg_button1* button :
         {&m_databaseButton, &m_aiButton, &m_androidEnumButton, &m_androidInterfaceButton, &m_androidClassButton,
          &m_androidArrayButton, &m_translationButton, &m_goInterfaceButton, &m_goMethodsButton, &m_goConstantsButton,
          &m_goStructButton, &m_deleteButton, &m_renameButton, &m_createButton})
        button->Bind(CQelEvent::Click, this, &rg_my_main_window::OnClick);
    m_ruleGroupList.Bind(CQelEvent::DoubleClick, this, &rg_my_main_window::OnListDoubleClick);
}

void rg_my_main_window::BuildControls() {
    m_databaseButton.Create(*this, 101, {605, 6, 109, 48}, u"数据库封装", kToolWindowFont);
    m_aiButton.Create(*this, 102, {485, 6, 109, 48}, u"人工智能封装", kToolWindowFont);
    m_androidGroup.Create(*this, 103, {9, 458, 783, 64}, u"安卓功能封装", kToolWindowFont);
    m_androidEnumButton.Create(m_androidGroup, 104, {468, 17, 136, 40}, u"枚举封装", kToolWindowFont);
    m_androidInterfaceButton.Create(m_androidGroup, 105, {318, 17, 136, 40}, u"接口封装", kToolWindowFont);
    m_androidClassButton.Create(m_androidGroup, 106, {170, 17, 136, 40}, u"类封装", kToolWindowFont);
    m_androidArrayButton.Create(m_androidGroup, 107, {18, 17, 136, 40}, u"数组封装", kToolWindowFont);
    m_translationButton.Create(*this, 108, {365, 6, 109, 48}, u"翻译管理", kToolWindowFont);
    m_goGroup.Create(*this, 109, {9, 525, 783, 64}, u"GO功能封装", kToolWindowFont);
    m_goInterfaceButton.Create(m_goGroup, 110, {469, 17, 136, 40}, u"接口封装", kToolWindowFont);
    m_goMethodsButton.Create(m_goGroup, 111, {318, 17, 136, 40}, u"方法封装", kToolWindowFont);
    m_goConstantsButton.Create(m_goGroup, 112, {168, 17, 136, 40}, u"常量封装", kToolWindowFont);
    m_goStructButton.Create(m_goGroup, 113, {18, 17, 136, 40}, u"结构体封装", kToolWindowFont);
    m_ruleGroupBox.Create(*this, 114, {9, 62, 782, 392}, u"规则分组", kToolWindowFont);
    m_ruleGroupList.Create(m_ruleGroupBox, 115, {12, 25, 758, 352}, u"", kToolWindowFont,
                           CQelStyle::VScroll | CQelStyle::StaticEdge);
    m_ruleGroupList.SetRowSpacing(5);
    m_deleteButton.Create(*this, 116, {246, 6, 109, 48}, u"删除规则组", kToolWindowFont);
    m_renameButton.Create(*this, 117, {127, 6, 109, 48}, u"修改规则组", kToolWindowFont);
    m_createButton.Create(*this, 118, {8, 6, 109, 48}, u"创建规则组", kToolWindowFont);
}

void rg_my_main_window::OnCreated(CQelControl&) {
    CreateDirectoryChain(DataFolder());
    CreateDirectoryChain(RuleGroupsFolder());
    CreateDirectoryChain(PromptsFolder());
    LoadRuleGroupList();
}

void rg_my_main_window::OnClick(CQelControl& sender) {
    struct Launch {
        CQelControl* button;
        CQelWinForm* window;
    };
    const Launch launches[] = {
        {&m_databaseButton, &m_databaseWindow},
        {&m_androidEnumButton, &m_androidEnumWindow},
        {&m_aiButton, &m_aiChatWindow},
        {&m_androidInterfaceButton, &m_androidInterfaceWindow},
        {&m_androidClassButton, &m_androidClassWindow},
        {&m_androidArrayButton, &m_androidArrayWindow},
        {&m_goInterfaceButton, &m_goInterfaceWindow},
        {&m_goMethodsButton, &m_goMethodsWindow},
        {&m_goConstantsButton, &m_goConstantsWindow},
        {&m_translationButton, &m_translationWindow},
        {&m_goStructButton, &m_goStructWindow},
    };
    for (const Launch& launch : launches) {
        if (&sender == launch.button) {
            launch.window->OpenWindow(*this);
            return;
        }
    }
    if (&sender == &m_deleteButton) DeleteRuleGroup();
    else if (&sender == &m_renameButton) RenameRuleGroup();
    else if (&sender == &m_createButton) CreateRuleGroup();
}

}  // namespace rg_qelvane_app
