#pragma once
// The editor of the translation table: one grid row per entry the lookup reads,
// edited in place; "保存" writes back only what the rows changed. The rows'
// texts live only in the grid.
#include <optional>
#include <vector>

#include "common/translation_table.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/report_list.h"

namespace rg_qelvane_app {

class rg_win_FanYiGuanLi : public rg_qelvane_base::CQelWinForm {
public:
    rg_win_FanYiGuanLi();

    // Appends a row for every entry of the table file that the lookup reads;
    // a file that cannot be read is reported.
    void LoadTable();
    // Writes the rows into the table file in their entries' place; false when
    // the file could not be written or was unreadable at this opening.
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
    void DeleteSelectedRows();
    void AppendRow(const CWString& english, const CWString& chinese, std::optional<size_t> entry);

    // The table file as this opening read it.
    CTranslationTableFile m_tableFile;
    // For each grid row, the entry of the file it was read from; none for a
    // row added in this opening.
    std::vector<std::optional<size_t>> m_rowEntries;
};

}  // namespace rg_qelvane_app
