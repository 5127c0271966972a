#pragma once
// The editor of the translation table: one grid row per entry, edited in place,
// written back whole on "保存". The rows live only in the grid.
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/report_list.h"

namespace rg_qelvane_app {

class rg_win_FanYiGuanLi : public rg_qelvane_base::CQelWinForm {
public:
    rg_win_FanYiGuanLi();

    // Appends a row for every "English=中文" line of the table file.
    void LoadTable();
    // Writes every row to the table file; false when the file could not be written.
    bool SaveTable();

    // The controls in creation order, open to the tests that drive the window.
    rg_qelvane_base::rg_button1 m_batchInsert;
    rg_qelvane_base::rg_button1 m_delete;
    rg_qelvane_base::rg_button1 m_insert;
    rg_qelvane_base::rg_button1 m_save;
    rg_qelvane_base::rg_FenZuKuang m_contentGroup;
    rg_qelvane_base::rg_ChaoJiLieBiaoKuang m_grid;

protected:
    void HookEvents() override;
    void BuildControls() override;

private:
    void OnClick(rg_qelvane_base::CQelControl& sender);
    void BatchInsert();
    void DeleteSelectedRows();
    void InsertPlaceholderRow();
};

}  // namespace rg_qelvane_app
