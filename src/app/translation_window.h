#pragma once
// The editor of the translation table: one grid row per entry, edited in place,
// written back whole on "保存". The rows live only in the grid.
#include "platform/line_file.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/report_list.h"

namespace rg_qelvane_app {

class rg_win_FanYiGuanLi : public rg_qelvane_base::CQelWinForm {
public:
    rg_win_FanYiGuanLi();

    // Appends a row for every "English=中文" line of the table file and keeps
    // the other lines; a file that cannot be read is reported.
    void LoadTable();
    // Writes every row, then the kept and the damaged lines, to the table
    // file; false when the file could not be written or was unreadable at
    // this opening.
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
    void InsertPlaceholderRow();

    // Lines of the file that make no row (comments, "a=b=c", other section
    // headers, keys the lookup reads as no entry), written back after the rows
    // so that no save loses them.
    rg_qelvane_base::rg_WenBenShuZuLei m_keptLines;
    // The table file; lines that cannot be shown (a zero byte, bytes that are
    // no GB18030) are written back byte for byte after the kept ones.
    rg_qelvane_base::ShownLineFile m_tableFile;
};

}  // namespace rg_qelvane_app
