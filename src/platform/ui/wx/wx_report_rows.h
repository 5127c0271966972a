#pragma once
// The rows of a report list as the wx view sees them. A virtual list model: the
// view asks for the cells of the rows it shows and numbers rows by position,
// so inserting or deleting a row costs the same however many rows there are.
#include <vector>

#include <wx/dataview.h>

#include "platform/text.h"

namespace rg_qelvane_base::wx {

class CWxReportRows : public wxDataViewVirtualListModel {
public:
    // Every row gains an empty cell at the end, or loses the column's cell.
    void AddColumn();
    void DeleteColumn(unsigned column);

    // `row` at most the row count.
    void InsertRow(unsigned row, const CWString& firstCell);
    // Each row once, in any order.
    void DeleteRows(std::vector<unsigned> rows);
    void DeleteAllRows();
    // Within the rows and columns.
    const CWString& Cell(unsigned row, unsigned column) const { return m_rows[row][column]; }
    void SetCell(unsigned row, unsigned column, const CWString& text);

    // The view's questions, and its in-place edits.
    void GetValueByRow(wxVariant& value, unsigned row, unsigned column) const override;
    bool SetValueByRow(const wxVariant& value, unsigned row, unsigned column) override;

private:
    unsigned m_columns = 0;
    std::vector<std::vector<CWString>> m_rows;  // each of m_columns cells
};

}  // namespace rg_qelvane_base::wx
