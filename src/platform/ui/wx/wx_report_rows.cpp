#include "platform/ui/wx/wx_report_rows.h"

#include <algorithm>

#include "platform/ui/wx/wx_text.h"

namespace rg_qelvane_base::wx {

void CWxReportRows::AddColumn() {
    ++m_columns;
    for (auto& row : m_rows) row.emplace_back();
}

void CWxReportRows::DeleteColumn(unsigned column) {
    --m_columns;
    for (auto& row : m_rows) row.erase(row.begin() + column);
}

void CWxReportRows::InsertRow(unsigned row, const CWString& firstCell) {
    std::vector<CWString> cells(m_columns);
    if (m_columns > 0) cells[0] = firstCell;
    m_rows.insert(m_rows.begin() + row, std::move(cells));
    RowInserted(row);
}

void CWxReportRows::DeleteRows(std::vector<unsigned> rows) {
    if (rows.empty()) return;
    std::sort(rows.begin(), rows.end());
    size_t kept = 0, doomed = 0;
    for (size_t row = 0; row < m_rows.size(); ++row) {
        if (doomed < rows.size() && rows[doomed] == row) ++doomed;
        else m_rows[kept++] = std::move(m_rows[row]);
    }
    m_rows.resize(kept);
    wxArrayInt deleted;
    deleted.reserve(rows.size());
    for (unsigned row : rows) deleted.push_back(static_cast<int>(row));
    RowsDeleted(deleted);
}

void CWxReportRows::DeleteAllRows() {
    m_rows.clear();
    Reset(0);
}

void CWxReportRows::SetCell(unsigned row, unsigned column, const CWString& text) {
    m_rows[row][column] = text;
    RowValueChanged(row, column);
}

void CWxReportRows::GetValueByRow(wxVariant& value, unsigned row, unsigned column) const {
    value = row < m_rows.size() && column < m_columns ? ToWx(m_rows[row][column]) : wxString();
}

bool CWxReportRows::SetValueByRow(const wxVariant& value, unsigned row, unsigned column) {
    if (row >= m_rows.size() || column >= m_columns) return false;
    m_rows[row][column] = FromWx(value.GetString());
    return true;
}

}  // namespace rg_qelvane_base::wx
