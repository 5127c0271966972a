#pragma once
// The database tool: pick a kind of database, fill in its connection panel,
// connect, see the tables in a check list and the columns of the clicked
// table in a grid, and turn one table or the ticked ones into Qelvane
// classes. The caption of the connect button ("连接" or "断开") is the only
// record of whether a connection is open.
#include <array>

#include "platform/db/connection.h"
#include "platform/db/sqlite.h"
#include "platform/ui/container.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/report_list.h"
#include "tools/dbwrap/connection_panels.h"
#include "tools/dbwrap/database_connect.h"
#include "tools/dbwrap/database_parser.h"

namespace rg_qelvane_app {

class rg_win_ShuJuKuFengZhuang : public rg_qelvane_base::CQelWinForm {
public:
    rg_win_ShuJuKuFengZhuang();
    ~rg_win_ShuJuKuFengZhuang() override;

    // The controls in creation order, open to the tests that drive the window.
    rg_qelvane_base::rg_FenZuKuang m_structureGroup;
    rg_qelvane_base::rg_ChaoJiLieBiaoKuang m_grid;
    rg_qelvane_base::rg_FenZuKuang m_wrapGroup;
    rg_qelvane_base::rg_check_box m_json;
    rg_qelvane_base::rg_check_box m_gorm;
    rg_qelvane_base::rg_check_box m_translate;
    rg_qelvane_base::rg_button1 m_copy;
    rg_qelvane_base::rg_button1 m_wrapTicked;
    rg_qelvane_base::rg_radio_box1 m_serverCode;
    rg_qelvane_base::rg_radio_box1 m_plainCode;
    rg_qelvane_base::rg_FenZuKuang m_outputGroup;
    rg_qelvane_base::rg_edit_box m_output;
    rg_qelvane_base::rg_FenZuKuang m_tablesGroup;
    rg_qelvane_base::rg_button1 m_refresh;
    rg_qelvane_base::rg_check_box m_selectAll;
    rg_qelvane_base::rg_XuanZeLieBiaoKuang m_tables;
    rg_qelvane_base::rg_FenZuKuang m_settingsGroup;
    rg_qelvane_base::rg_ZuJianBuJuQi m_pages;
    rg_control_MoShi m_postgreSqlPanel;
    rg_control_MoShi4 m_sqlitePanel;
    rg_control_MoShi3 m_accessPanel;
    rg_control_MoShi2 m_sqlServerPanel;
    rg_control_MoShi1 m_oraclePanel;
    rg_control_MoShi m_mySqlPanel;
    rg_qelvane_base::rg_button1 m_connect;
    rg_qelvane_base::rg_combo_box m_kind;
    rg_qelvane_base::rg_label1 m_kindLabel;

protected:
    void HookEvents() override;
    void BuildControls() override;

private:
    // The connection's ConnectComplete reaches OnDatabaseEvent.
    void HearConnectComplete();
    void OnCreatedEvent(rg_qelvane_base::CQelControl& sender);
    void CloseDatabaseEvent(rg_qelvane_base::CQelControl& sender);
    void OnKindChanged(rg_qelvane_base::CQelControl& sender);
    void OnSelectAll(rg_qelvane_base::CQelControl& sender);
    void OnTableSelected(rg_qelvane_base::CQelControl& sender);
    void OnClick(rg_qelvane_base::CQelControl& sender);
    void OnDatabaseEvent(int status);
    void OnDisconnected();

    // Each kind's panel with its control id, in creation order.
    struct KindPanel {
        CConnectionPanel& panel;
        int id;
        DatabaseKind kind;
    };
    std::array<KindPanel, kDatabaseKindCount> KindPanels();
    std::optional<DatabaseKind> SelectedKind() const;
    bool SqliteSelected() const;

    void OpenDatabase();
    DatabasePanelValues PanelValues(std::optional<DatabaseKind> kind);
    void Disconnect();
    void RefreshTableList();
    void AddTables(const rg_qelvane_base::rg_WenBenShuZuLei& names);
    void ShowTableColumns(const CWString& table);
    // index -1: every ticked table; otherwise the one table at that entry.
    void WrapSelectedTables(int index);
    bool ConnectionIsOpen() const;

    rg_qelvane_windows_ShuJuKu::rg_ShuJuKuLei m_database;
    rg_qelvane_windows_SQLiteshjk::rg_SQLiteShuJuKuLei m_sqlite;
    rg_ShuJuKuJieXiQi m_parser;
};

}  // namespace rg_qelvane_app
