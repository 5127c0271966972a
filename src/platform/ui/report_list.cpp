#include "platform/ui/report_list.h"

#include "platform/ui/backend.h"
#include "platform/ui/scale.h"

namespace rg_qelvane_base {

void rg_ChaoJiLieBiaoKuang::SetColumnsText(const CWString& description) { m_columnsText = description; }

void rg_ChaoJiLieBiaoKuang::OnNativeCreated() {
    rg_WenBenShuZuLei lines;
    SplitText(m_columnsText, lines, u"\n", false);
    for (size_t i = 0; i + 4 < lines.size(); i += 5) AddColumn(lines[i + 4], TextToInt(lines[i + 3]));
}

int rg_ChaoJiLieBiaoKuang::GetColumnCount() const { return NativeWindow() ? NativeWindow()->GetColumnCount() : 0; }

void rg_ChaoJiLieBiaoKuang::AddColumn(const CWString& title, int width) {
    if (NativeWindow()) NativeWindow()->AddColumn(title, ScaleLength(width));
}

void rg_ChaoJiLieBiaoKuang::SetColumnWidth(int column, int width) {
    if (NativeWindow()) NativeWindow()->SetColumnWidth(column, ScaleLength(width));
}

bool rg_ChaoJiLieBiaoKuang::DeleteColumn(int column) { return NativeWindow() && NativeWindow()->DeleteColumn(column); }

int rg_ChaoJiLieBiaoKuang::GetRowCount() const { return NativeWindow() ? NativeWindow()->GetRowCount() : 0; }

int rg_ChaoJiLieBiaoKuang::InsertRow(int row, const CWString& firstCell) {
    return NativeWindow() ? NativeWindow()->InsertRow(row, firstCell) : -1;
}

bool rg_ChaoJiLieBiaoKuang::DeleteRow(int row) { return NativeWindow() && NativeWindow()->DeleteRow(row); }

void rg_ChaoJiLieBiaoKuang::DeleteSelectedRows() {
    if (NativeWindow()) NativeWindow()->DeleteSelectedRows();
}

void rg_ChaoJiLieBiaoKuang::DeleteAllRows() {
    if (NativeWindow()) NativeWindow()->DeleteAllRows();
}

CWString rg_ChaoJiLieBiaoKuang::GetCellText(int row, int column) const {
    return NativeWindow() ? NativeWindow()->GetCellText(row, column) : CWString();
}

void rg_ChaoJiLieBiaoKuang::SetCellText(int row, int column, const CWString& text) {
    if (NativeWindow()) NativeWindow()->SetCellText(row, column, text);
}

bool rg_ChaoJiLieBiaoKuang::IsRowSelected(int row) const {
    return NativeWindow() && NativeWindow()->IsRowSelected(row);
}

int rg_ChaoJiLieBiaoKuang::GetFirstSelectedRow() const {
    for (int row = 0, count = GetRowCount(); row < count; ++row)
        if (IsRowSelected(row)) return row;
    return -1;
}

void rg_ChaoJiLieBiaoKuang::SelectRow(int row, bool selected) {
    if (NativeWindow()) NativeWindow()->SelectRow(row, selected);
}

}  // namespace rg_qelvane_base
