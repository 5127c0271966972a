#include "tools/dbwrap/connection_panels.h"

#include "common/window_actions.h"
#include "platform/ui/dialogs.h"

namespace rg_qelvane_app {

using namespace rg_qelvane_base;

namespace {
constexpr unsigned kPasswordStyle = CQelStyle::Password;
}  // namespace

void rg_control_MoShi::SetPort(int port) { m_port.SetControlText(CWString::Format(u"%d", {port})); }

DatabasePanelValues rg_control_MoShi::Values() const {
    DatabasePanelValues values;
    values.address = m_address.GetControlText();
    values.port = m_port.GetControlText();
    values.database = m_database.GetControlText();
    values.user = m_user.GetControlText();
    values.password = m_password.GetControlText();
    return values;
}

void rg_control_MoShi::BuildControls() {
    m_addressLabel.Create(*this, 101, {7, 4, 47, 24}, u"地址：", kToolWindowFont);
    m_address.Create(*this, 102, {58, 4, 78, 24}, u"127.0.0.1", kToolWindowFont);
    m_portLabel.Create(*this, 103, {140, 4, 41, 24}, u"端口：", kToolWindowFont);
    m_port.Create(*this, 104, {183, 4, 43, 24}, u"3306", kToolWindowFont);
    m_databaseLabel.Create(*this, 105, {233, 4, 41, 24}, u"库名：", kToolWindowFont);
    m_database.Create(*this, 106, {281, 4, 66, 24}, u"", kToolWindowFont);
    m_userLabel.Create(*this, 107, {349, 4, 52, 24}, u"用户名：", kToolWindowFont);
    m_user.Create(*this, 108, {401, 4, 64, 24}, u"", kToolWindowFont);
    m_passwordLabel.Create(*this, 109, {469, 4, 44, 24}, u"密码：", kToolWindowFont);
    m_password.Create(*this, 110, {521, 4, 63, 24}, u"", kToolWindowFont, kPasswordStyle);
}

DatabasePanelValues rg_control_MoShi1::Values() const {
    DatabasePanelValues values;
    values.address = m_address.GetControlText();
    values.user = m_user.GetControlText();
    values.password = m_password.GetControlText();
    return values;
}

void rg_control_MoShi1::BuildControls() {
    m_addressLabel.Create(*this, 101, {6, 4, 47, 24}, u"地址：", kToolWindowFont);
    m_address.Create(*this, 102, {62, 4, 134, 24}, u"127.0.0.1", kToolWindowFont);
    m_userLabel.Create(*this, 103, {205, 4, 52, 24}, u"用户名：", kToolWindowFont);
    m_user.Create(*this, 104, {266, 4, 134, 24}, u"", kToolWindowFont);
    m_passwordLabel.Create(*this, 105, {409, 4, 44, 24}, u"密码：", kToolWindowFont);
    m_password.Create(*this, 106, {463, 4, 113, 24}, u"", kToolWindowFont, kPasswordStyle);
}

DatabasePanelValues rg_control_MoShi2::Values() const {
    DatabasePanelValues values;
    values.address = m_address.GetControlText();
    values.database = m_database.GetControlText();
    values.user = m_user.GetControlText();
    values.password = m_password.GetControlText();
    return values;
}

void rg_control_MoShi2::BuildControls() {
    m_addressLabel.Create(*this, 101, {7, 4, 47, 24}, u"地址：", kToolWindowFont);
    m_address.Create(*this, 102, {58, 4, 94, 24}, u"127.0.0.1,59157", kToolWindowFont);
    m_databaseLabel.Create(*this, 103, {156, 4, 41, 24}, u"库名：", kToolWindowFont);
    m_database.Create(*this, 104, {202, 4, 94, 24}, u"", kToolWindowFont);
    m_userLabel.Create(*this, 105, {302, 4, 52, 24}, u"用户名：", kToolWindowFont);
    m_user.Create(*this, 106, {359, 4, 94, 24}, u"", kToolWindowFont);
    m_passwordLabel.Create(*this, 107, {460, 4, 44, 24}, u"密码：", kToolWindowFont);
    m_password.Create(*this, 108, {505, 4, 80, 24}, u"", kToolWindowFont, kPasswordStyle);
}

void CDatabaseFilePanel::HookEvents() { m_open.Bind(CQelEvent::Click, this, &CDatabaseFilePanel::ChooseFile); }

void CDatabaseFilePanel::ChooseFile(CQelControl& sender) {
    if (&sender != &m_open) return;
    CWString path;
    if (ShowOpenFileDialog(this, m_filter, path)) m_path.SetControlText(path);
}

rg_control_MoShi3::rg_control_MoShi3()
    : CDatabaseFilePanel(u"旧数据库文件(*.mdb)|*.mdb|新数据库文件(*.accdb)|*.accdb") {}

DatabasePanelValues rg_control_MoShi3::Values() const {
    DatabasePanelValues values;
    values.password = m_password.GetControlText();
    values.filePath = m_path.GetControlText();
    return values;
}

void rg_control_MoShi3::BuildControls() {
    m_open.Create(*this, 101, {324, 2, 80, 26}, u"打开");
    m_pathLabel.Create(*this, 102, {6, 4, 66, 24}, u"文件路径：", kToolWindowFont);
    m_path.Create(*this, 103, {78, 4, 240, 24}, u"", kToolWindowFont);
    m_passwordLabel.Create(*this, 104, {412, 4, 44, 24}, u"密码：", kToolWindowFont);
    m_password.Create(*this, 105, {463, 4, 121, 24}, u"", kToolWindowFont, kPasswordStyle);
}

rg_control_MoShi4::rg_control_MoShi4() : CDatabaseFilePanel(u"Sqlite数据库文件(*.db)|*.db") {}

DatabasePanelValues rg_control_MoShi4::Values() const {
    DatabasePanelValues values;
    values.filePath = m_path.GetControlText();
    return values;
}

void rg_control_MoShi4::BuildControls() {
    m_open.Create(*this, 101, {508, 2, 68, 26}, u"打开");
    m_pathLabel.Create(*this, 102, {6, 4, 66, 24}, u"文件路径：", kToolWindowFont);
    m_path.Create(*this, 103, {78, 4, 426, 24}, u"", kToolWindowFont);
}

}  // namespace rg_qelvane_app
