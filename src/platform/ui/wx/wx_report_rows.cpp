#include "platform/ui/wx/wx_report_rows.h"

#include <algorithm>

#include "platform/ui/wx/wx_text.h"

namespace rg_qelvane_base::wx {

namespace {
// Rows the view takes in afresh in the time it handles one deleted row.
constexpr size_t kRowsTakenInPerDeletion = 32;
// Deleted rows the view is always told of one by one: a moment's work, and
// the view keeps its place.
constexpr size_t kFewRows = 100;
}  // namespace

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
        if (doomed < rows.size() && rows[doomed] == row) {
            ++doomed;
            continue;
        }
        if (kept != row) m_rows[kept] = std::move(m_rows[row]);  // moved onto itself, a row would empty
        ++kept;
    }
    m_rows.resize(kept);
    // The view handles a deleted row dozens of times slower than it takes in a
    // row afresh: beyond a few rows, showing the rows left anew costs less,
    // although the view then starts again at the top.
    if (rows.size() > kFewRows && rows.size() * kRowsTakenInPerDeletion > kept) {
        Reset(static_cast<unsigned>(kept));
        return;
    }
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
