#include "platform/ui/controls.h"

#include "platform/ui/backend.h"

namespace rg_qelvane_base {

void rg_edit_box::AppendEditText(const CWString& text) {
    if (!NativeWindow()) return;
    NativeWindow()->AppendText(text + u"\r\n");
    RaiseEvent(CQelEvent::TextChanged);
}

bool CQelCheckControl::IsChecked() const { return NativeWindow() && NativeWindow()->GetCheck(); }

void CQelCheckControl::SetCheck(bool checked) {
    if (NativeWindow()) NativeWindow()->SetCheck(checked);
}

int CQelItemControl::AddItem(const CWString& text, long long data) {
    return NativeWindow() ? NativeWindow()->AddItem(text, data) : -1;
}

int CQelItemControl::InsertItem(int index, const CWString& text, long long data) {
    return NativeWindow() ? NativeWindow()->InsertItem(index, text, data) : -1;
}

bool CQelItemControl::DeleteItem(int index) { return NativeWindow() && NativeWindow()->DeleteItem(index); }

void CQelItemControl::ClearItems() {
    if (NativeWindow()) NativeWindow()->ClearItems();
}

int CQelItemControl::GetItemCount() const { return NativeWindow() ? NativeWindow()->GetItemCount() : 0; }

CWString CQelItemControl::GetListItemText(int index) const {
    return NativeWindow() ? NativeWindow()->GetItemText(index) : CWString();
}

long long CQelItemControl::GetItemData(int index) const {
    return NativeWindow() ? NativeWindow()->GetItemData(index) : 0;
}

void CQelItemControl::SetItemData(int index, long long data) {
    if (NativeWindow()) NativeWindow()->SetItemData(index, data);
}

int CQelItemControl::GetCurSel() const { return NativeWindow() ? NativeWindow()->GetSelection() : -1; }

void CQelItemControl::SetCurSel(int index) {
    if (NativeWindow()) NativeWindow()->SetSelection(index);
}

bool rg_XuanZeLieBiaoKuang::GetCheck(int index) const { return NativeWindow() && NativeWindow()->GetItemCheck(index); }

void rg_XuanZeLieBiaoKuang::SetCheck(int index, bool checked) {
    if (NativeWindow()) NativeWindow()->SetItemCheck(index, checked);
}

void rg_list_box::SetRowSpacing(int pixels) {
    m_rowSpacing = pixels;
    if (NativeWindow()) NativeWindow()->SetRowSpacing(pixels);
}

void rg_list_box::OnNativeCreated() { NativeWindow()->SetRowSpacing(m_rowSpacing); }

void rg_combo_box::SetListText(const CWString& pairs) { m_listText = pairs; }

void rg_combo_box::OnNativeCreated() {
    rg_WenBenShuZuLei pieces;
    SplitText(m_listText, pieces, u"\n", false);
    if (!pieces.empty() && pieces.back().empty()) pieces.pop_back();
    for (size_t i = 0; i < pieces.size(); i += 2) {
        long long data = i + 1 < pieces.size() ? TextToInt(pieces[i + 1]) : 0;
        NativeWindow()->AddItem(pieces[i], data);
    }
}

}  // namespace rg_qelvane_base
