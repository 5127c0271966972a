#pragma once
// The control kinds that windows are built from.
#include "platform/ui/control.h"

namespace rg_qelvane_base {

class rg_button1 : public CQelControl {
public:
    rg_button1() : CQelControl(CQelControlKind::Button) {}
};

class rg_label1 : public CQelControl {
public:
    rg_label1() : CQelControl(CQelControlKind::Label) {}
};

// A group box is a parent: its children's rectangles are relative to its outer corner.
class rg_FenZuKuang : public CQelControl {
public:
    rg_FenZuKuang() : CQelControl(CQelControlKind::GroupBox) {}
};

// A multi-line edit holds CR LF text, whatever line ends the toolkit uses.
class rg_edit_box : public CQelControl {
public:
    rg_edit_box() : CQelControl(CQelControlKind::Edit) {}
    // Adds a line at the end, as a log box would: the text and then CR LF, with
    // the caret left after it and scrolled into sight; TextChanged fires. Before
    // the native window exists there is nothing to add to.
    void AppendEditText(const CWString& text);
};

// Shared by check boxes and radio buttons.
class CQelCheckControl : public CQelControl {
public:
    using CQelControl::CQelControl;
    // Unticked without a native window.
    bool IsChecked() const;
    // From code: raises no event. A ticked radio button unticks the others of its parent.
    void SetCheck(bool checked);
};

class rg_check_box : public CQelCheckControl {
public:
    rg_check_box() : CQelCheckControl(CQelControlKind::CheckBox) {}
};

class rg_radio_box1 : public CQelCheckControl {
public:
    rg_radio_box1() : CQelCheckControl(CQelControlKind::RadioButton) {}
};

// Shared by list boxes and combo boxes: entries with an integer of data each.
// Without a native window there are no entries and no selection (-1);
// changing the selection from code raises no event.
class CQelItemControl : public CQelControl {
public:
    using CQelControl::CQelControl;
    // Index of the new entry, -1 without a native window.
    int AddItem(const CWString& text, long long data = 0);
    // Inserts before `index` (at the end when out of range); index of the new entry or -1.
    int InsertItem(int index, const CWString& text, long long data = 0);
    bool DeleteItem(int index);
    void ClearItems();
    int GetItemCount() const;
    // Empty for an index out of range.
    CWString GetListItemText(int index) const;
    long long GetItemData(int index) const;
    void SetItemData(int index, long long data);
    int GetCurSel() const;
    // -1 (or any index out of range) clears the selection.
    void SetCurSel(int index);
};

class rg_list_box : public CQelItemControl {
public:
    rg_list_box() : CQelItemControl(CQelControlKind::ListBox) {}
    // Extra pixels per row (the platform draws rows 1 pixel apart by default).
    void SetRowSpacing(int pixels);

protected:
    void OnNativeCreated() override;

private:
    int m_rowSpacing = 1;
};

// A list box whose entries carry check marks the user can click; no entry is
// ticked when added. Clicking a mark raises CheckChanged, a click on the text SelectionChanged.
class rg_XuanZeLieBiaoKuang : public CQelItemControl {
public:
    rg_XuanZeLieBiaoKuang() : CQelItemControl(CQelControlKind::CheckListBox) {}
    // False for an entry out of range and without a native window.
    bool GetCheck(int index) const;
    // From code: redraws the entry and raises nothing.
    void SetCheck(int index, bool checked);
};

// GetControlText of a drop-down-list combo gives the chosen entry's text.
class rg_combo_box : public CQelItemControl {
public:
    rg_combo_box() : CQelItemControl(CQelControlKind::ComboBox) {}
    // Entries for the next creation, as "\n"-separated pairs of entry text and entry data:
    // «A\n0\nB\n1». A trailing text without data gets data 0.
    void SetListText(const CWString& pairs);

protected:
    void OnNativeCreated() override;

private:
    CWString m_listText;
};

}  // namespace rg_qelvane_base
