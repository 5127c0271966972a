#pragma once
// The connection settings of each kind of database: one panel per kind, shown
// as a page of the database window's page holder. The connect operation reads
// the edits' texts as typed.
#include "platform/ui/container.h"
#include "platform/ui/controls.h"
#include "tools/dbwrap/panel_values.h"

namespace rg_qelvane_app {

// One kind's page: the connect operation reads its values.
class CConnectionPanel : public rg_qelvane_base::rg_ZuJianBuJuQi {
public:
    // The texts of the panel's edits; the values it has no edit for stay empty.
    virtual DatabasePanelValues Values() const = 0;
};

// Address, port, database, user and password: the MySQL and PostgreSQL pages.
class rg_control_MoShi : public CConnectionPanel {
public:
    DatabasePanelValues Values() const override;

    // The port edit shows the number in decimal.
    void SetPort(int port);

    rg_qelvane_base::rg_label1 m_addressLabel;
    rg_qelvane_base::rg_edit_box m_address;
    rg_qelvane_base::rg_label1 m_portLabel;
    rg_qelvane_base::rg_edit_box m_port;
    rg_qelvane_base::rg_label1 m_databaseLabel;
    rg_qelvane_base::rg_edit_box m_database;
    rg_qelvane_base::rg_label1 m_userLabel;
    rg_qelvane_base::rg_edit_box m_user;
    rg_qelvane_base::rg_label1 m_passwordLabel;
    rg_qelvane_base::rg_edit_box m_password;

protected:
    void BuildControls() override;
};

// Address, user and password: the Oracle page.
class rg_control_MoShi1 : public CConnectionPanel {
public:
    DatabasePanelValues Values() const override;

    rg_qelvane_base::rg_label1 m_addressLabel;
    rg_qelvane_base::rg_edit_box m_address;
    rg_qelvane_base::rg_label1 m_userLabel;
    rg_qelvane_base::rg_edit_box m_user;
    rg_qelvane_base::rg_label1 m_passwordLabel;
    rg_qelvane_base::rg_edit_box m_password;

protected:
    void BuildControls() override;
};

// Address (host, comma, port), database, user and password: the SQL Server page.
class rg_control_MoShi2 : public CConnectionPanel {
public:
    DatabasePanelValues Values() const override;

    rg_qelvane_base::rg_label1 m_addressLabel;
    rg_qelvane_base::rg_edit_box m_address;
    rg_qelvane_base::rg_label1 m_databaseLabel;
    rg_qelvane_base::rg_edit_box m_database;
    rg_qelvane_base::rg_label1 m_userLabel;
    rg_qelvane_base::rg_edit_box m_user;
    rg_qelvane_base::rg_label1 m_passwordLabel;
    rg_qelvane_base::rg_edit_box m_password;

protected:
    void BuildControls() override;
};

// A database file picked with "打开": shared by the Access and SQLite pages.
class CDatabaseFilePanel : public CConnectionPanel {
public:
    // Asks for a file when `sender` is this panel's "打开" button; a
    // confirmed choice replaces the path, a cancel keeps what was typed.
    void ChooseFile(rg_qelvane_base::CQelControl& sender);

    rg_qelvane_base::rg_button1 m_open;
    rg_qelvane_base::rg_label1 m_pathLabel;
    rg_qelvane_base::rg_edit_box m_path;

protected:
    explicit CDatabaseFilePanel(const CWString& filter) : m_filter(filter) {}
    void HookEvents() override;

private:
    CWString m_filter;
};

// File path and password: the Access page.
class rg_control_MoShi3 : public CDatabaseFilePanel {
public:
    rg_control_MoShi3();
    DatabasePanelValues Values() const override;

    rg_qelvane_base::rg_label1 m_passwordLabel;
    rg_qelvane_base::rg_edit_box m_password;

protected:
    void BuildControls() override;
};

// File path: the SQLite page.
class rg_control_MoShi4 : public CDatabaseFilePanel {
public:
    rg_control_MoShi4();
    DatabasePanelValues Values() const override;

protected:
    void BuildControls() override;
};

}  // namespace rg_qelvane_app
