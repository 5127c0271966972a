#include "platform/ui/report_list.h"

#include <algorithm>

#include "platform/ui/backend.h"
#include "platform/ui/scale.h"

namespace rg_qelvane_base {

void rg_ChaoJiLieBiaoKuang::SetColumnsText(const CWString& description) { m_columnsText = description; }

// An edit still open in a cell is the user's last word on it: every use of
// the rows and columns comes after it, whatever ended it (a click on a button
// that reads the cells) or whether anything did.
CQelNativeWindow* rg_ChaoJiLieBiaoKuang::Grid() const {
    CQelNativeWindow* grid = NativeWindow();
    if (grid) grid->CommitCellEdit();
    return grid;
}

void rg_ChaoJiLieBiaoKuang::OnNativeCreated() {
    rg_WenBenShuZuLei lines;
    SplitText(m_columnsText, lines, u"\n", false);
    for (size_t i = 0; i + 4 < lines.size(); i += 5) AddColumn(lines[i + 4], TextToInt(lines[i + 3]));
}

int rg_ChaoJiLieBiaoKuang::GetColumnCount() const {
    CQelNativeWindow* grid = Grid();
    return grid ? grid->GetColumnCount() : 0;
}

void rg_ChaoJiLieBiaoKuang::AddColumn(const CWString& title, int width) {
    if (CQelNativeWindow* grid = Grid()) grid->AddColumn(title, ScaleLength(width));
}

void rg_ChaoJiLieBiaoKuang::SetColumnWidth(int column, int width) {
    if (CQelNativeWindow* grid = Grid()) grid->SetColumnWidth(column, ScaleLength(width));
}

bool rg_ChaoJiLieBiaoKuang::DeleteColumn(int column) {
    CQelNativeWindow* grid = Grid();
    return grid && grid->DeleteColumn(column);
}

int rg_ChaoJiLieBiaoKuang::GetRowCount() const {
    CQelNativeWindow* grid = Grid();
    return grid ? grid->GetRowCount() : 0;
}

int rg_ChaoJiLieBiaoKuang::InsertRow(int row, const CWString& firstCell) {
    CQelNativeWindow* grid = Grid();
    return grid ? grid->InsertRow(row, firstCell) : -1;
}

bool rg_ChaoJiLieBiaoKuang::DeleteRow(int row) {
    CQelNativeWindow* grid = Grid();
    return grid && grid->DeleteRow(row);
}

void rg_ChaoJiLieBiaoKuang::DeleteSelectedRows() {
    if (CQelNativeWindow* grid = Grid()) grid->DeleteSelectedRows();
}

void rg_ChaoJiLieBiaoKuang::DeleteAllRows() {
    if (CQelNativeWindow* grid = Grid()) grid->DeleteAllRows();
}

CWString rg_ChaoJiLieBiaoKuang::GetCellText(int row, int column) const {
    CQelNativeWindow* grid = Grid();
    return grid ? grid->GetCellText(row, column) : CWString();
}

void rg_ChaoJiLieBiaoKuang::SetCellText(int row, int column, const CWString& text) {
    if (CQelNativeWindow* grid = Grid()) grid->SetCellText(row, column, text);
}

bool rg_ChaoJiLieBiaoKuang::IsRowSelected(int row) const {
    const std::vector<int> selected = GetSelectedRows();
    return std::binary_search(selected.begin(), selected.end(), row);
}

std::vector<int> rg_ChaoJiLieBiaoKuang::GetSelectedRows() const {
    CQelNativeWindow* grid = Grid();
    return grid ? grid->GetSelectedRows() : std::vector<int>();
}

int rg_ChaoJiLieBiaoKuang::GetFirstSelectedRow() const {
    std::vector<int> selected = GetSelectedRows();
    return selected.empty() ? -1 : selected.front();
}

void rg_ChaoJiLieBiaoKuang::SelectRow(int row, bool selected) {
    if (CQelNativeWindow* grid = Grid()) grid->SelectRow(row, selected);
}

}  // namespace rg_qelvane_base
