#pragma once
// The report list view: titled columns over rows of text cells; several rows
// may be selected at once. Without a native window it has no columns and no rows.
// Cells created editable are edited in place; an edit still open in a cell is
// that cell's text for every operation below.
#include <vector>

#include "platform/ui/control.h"

namespace rg_qelvane_base {

class rg_ChaoJiLieBiaoKuang : public CQelControl {
public:
    rg_ChaoJiLieBiaoKuang() : CQelControl(CQelControlKind::ReportList) {}

    // Columns for the next creation: five lines per column, the fourth its
    // width and the fifth its title («0\n-1\n0\n200\n英文\n...»).
    void SetColumnsText(const CWString& description);

    int GetColumnCount() const;
    // A left-aligned column at the right end.
    void AddColumn(const CWString& title, int width);
    void SetColumnWidth(int column, int width);
    bool DeleteColumn(int column);

    int GetRowCount() const;
    // A row before `row` (at the end when out of range) with its first cell
    // set; the index of the new row, -1 without a native window. Selections stay on their rows.
    int InsertRow(int row, const CWString& firstCell);
    int AddRow(const CWString& firstCell) { return InsertRow(GetRowCount(), firstCell); }
    bool DeleteRow(int row);
    // Deletes every selected row in one pass; the other rows keep their order.
    void DeleteSelectedRows();
    void DeleteAllRows();
    // Empty out of range.
    CWString GetCellText(int row, int column) const;
    void SetCellText(int row, int column, const CWString& text);

    bool IsRowSelected(int row) const;
    // In ascending order: one look at the grid, however many rows it holds.
    std::vector<int> GetSelectedRows() const;
    // -1 when no row is selected.
    int GetFirstSelectedRow() const;
    // From code: raises nothing.
    void SelectRow(int row, bool selected);

protected:
    void OnNativeCreated() override;

private:
    // The native window, once an edit open in a cell has become the cell's text.
    CQelNativeWindow* Grid() const;

    CWString m_columnsText;
};

}  // namespace rg_qelvane_base
