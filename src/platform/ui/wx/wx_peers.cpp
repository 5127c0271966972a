#include "platform/ui/wx/wx_peers.h"

#include <algorithm>
#include <vector>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/checklst.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/dataview.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/settings.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

#include "platform/ui/line_ends.h"
#include "platform/ui/wx/wx_backend_impl.h"
#include "platform/ui/wx/wx_captions.h"
#include "platform/ui/wx/wx_report_rows.h"
#include "platform/ui/wx/wx_text.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace rg_qelvane_base::wx {

namespace {
// The windows were laid out for a Chinese system's interface font, whose Latin
// letters are narrower than the toolkit's default face: with that face every
// caption fits its button again.
constexpr char kDefaultFace[] = "WenQuanYi Zen Hei";

wxFont MakeFont(const CQelFont& spec) {
    wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    font.SetFaceName(spec.face.empty() ? wxString::FromUTF8(kDefaultFace) : ToWx(spec.face));
    if (spec.points > 0) font.SetPointSize(spec.points);
    font.SetWeight(spec.bold ? wxFONTWEIGHT_BOLD : wxFONTWEIGHT_NORMAL);
    font.SetStyle(spec.italic ? wxFONTSTYLE_ITALIC : wxFONTSTYLE_NORMAL);
    font.SetUnderlined(spec.underline);
    font.SetStrikethrough(spec.strikeOut);
    return font;
}

#ifdef __WXGTK__
// The cell that draws a list box's rows (a check list box's check mark comes
// before it); null when the toolkit has none.
GtkCellRenderer* ListCell(wxListBox* list) {
    GtkTreeViewColumn* column = list && list->m_treeview ? gtk_tree_view_get_column(list->m_treeview, 0) : nullptr;
    if (!column) return nullptr;
    GList* cells = gtk_cell_layout_get_cells(GTK_CELL_LAYOUT(column));
    GtkCellRenderer* cell = cells ? GTK_CELL_RENDERER(g_list_last(cells)->data) : nullptr;
    g_list_free(cells);
    return cell;
}

// Marks a cell's editor while its context menu is shown: the menu takes the
// focus then, and the edit goes on.
constexpr char kEditorMenuShown[] = "qel-editor-menu-shown";

void NoteEditorMenuGone(GtkWidget*, gpointer editor) { g_object_set_data(G_OBJECT(editor), kEditorMenuShown, nullptr); }

void NoteEditorMenuShown(GtkEntry* editor, GtkWidget* menu, gpointer) {
    g_object_set_data(G_OBJECT(editor), kEditorMenuShown, editor);
    g_signal_connect_object(menu, "unmap", G_CALLBACK(NoteEditorMenuGone), editor, GConnectFlags(0));
}

// The toolkit drops the edit when its editor loses the focus (to a button, to
// another window); here the edit is kept, as a click on another row keeps it.
// This handler runs before the toolkit's own, which ending the edit disconnects.
gboolean KeepEditOnFocusOut(GtkWidget* editor, GdkEvent*, gpointer area) {
    bool editing = gtk_cell_area_get_edit_widget(GTK_CELL_AREA(area)) == GTK_CELL_EDITABLE(editor);
    if (editing && !g_object_get_data(G_OBJECT(editor), kEditorMenuShown))
        gtk_cell_area_stop_editing(GTK_CELL_AREA(area), FALSE);
    return FALSE;
}

// Once the edit has ended, however it did, the editor's focus is nobody's business.
void ForgetEditor(GtkCellEditable* editor, gpointer area) {
    g_signal_handlers_disconnect_by_func(editor, reinterpret_cast<gpointer>(KeepEditOnFocusOut), area);
}

void WatchCellEditor(GtkCellArea* area, GtkCellRenderer*, GtkCellEditable* editor, GdkRectangle*, gchar*, gpointer) {
    g_signal_connect_object(editor, "focus-out-event", G_CALLBACK(KeepEditOnFocusOut), area, GConnectFlags(0));
    g_signal_connect_object(editor, "editing-done", G_CALLBACK(ForgetEditor), area, GConnectFlags(0));
    if (GTK_IS_ENTRY(editor)) g_signal_connect(editor, "populate-popup", G_CALLBACK(NoteEditorMenuShown), nullptr);
}

GtkCellArea* CellArea(wxDataViewColumn* column) {
    return gtk_cell_layout_get_area(GTK_CELL_LAYOUT(column->GetGtkHandle()));
}
#endif

// Ends the edit open in the column, if any, keeping what was typed.
void CommitColumnEdit(wxDataViewColumn* column) {
#ifdef __WXGTK__
    gtk_cell_area_stop_editing(CellArea(column), FALSE);
#else
    column->GetRenderer()->FinishEditing();
#endif
}

// The wx backend while it is the one in use: windows that outlive it tell no one.
CWxBackend* ActiveWxBackend() { return dynamic_cast<CWxBackend*>(&Backend()); }

wxPoint At(wxPoint origin, const CQelRect& rect) { return origin + wxPoint(rect.x, rect.y); }
wxSize SizeOf(const CQelRect& rect) { return {rect.width, rect.height}; }
// A combo's rectangle includes its dropped-down list; the field itself is as
// tall as its font needs.
wxSize ComboSizeOf(const CQelRect& rect) { return {rect.width, -1}; }
}  // namespace

CWxPeer::CWxPeer(CQelControl& control, wxWindow* window, wxPoint origin)
    : CQelNativeWindow(control), m_window(window), m_origin(origin), m_text(control.CreationText()) {
    m_window->Enable(control.IsEnabledProperty());
    m_window->Bind(wxEVT_DESTROY, [this](wxWindowDestroyEvent& event) {
        event.Skip();
        if (event.GetEventObject() != m_window) return;
        OnWindowGone();
        delete this;
    });
}

CWxPeer::~CWxPeer() = default;

void CWxPeer::SetText(const CWString& text) {
    m_text = text;
    m_window->SetLabel(ToWx(ToLf(text)));
    m_window->Refresh();
}

void CWxPeer::SetFont(const CQelFont& font) {
    m_window->SetFont(MakeFont(font));
    m_window->Refresh();
}

void CWxPeer::SetStaticEdge() {
    m_window->SetWindowStyleFlag((m_window->GetWindowStyleFlag() & ~wxBORDER_MASK) | wxBORDER_STATIC);
    m_window->Refresh();
}

void CWxPeer::Enable(bool enabled) { m_window->Enable(enabled); }

void CWxPeer::Show(bool visible) { m_window->Show(visible); }

void CWxPeer::Move(const CQelRect& rect) {
    m_window->SetSize(wxRect(At(m_origin, rect), SizeOf(rect)));
    m_window->Refresh();
}

void CWxPeer::DestroyWindow() { m_window->Destroy(); }

// ---------------------------------------------------------------------------------------------

CWxFormPeer::CWxFormPeer(CQelWinForm& form, CWxFrame* frame, int clientWidth, int clientHeight)
    : CWxPeer(form, frame, {0, 0}), m_client(new wxPanel(frame)) {
    frame->peer = this;
    frame->SetClientSize(clientWidth, clientHeight);
    frame->Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) {
        if (Control()) static_cast<CQelWinForm*>(Control())->Close();
        else Frame()->Destroy();
    });
    frame->Bind(wxEVT_ACTIVATE, [this](wxActivateEvent& event) {
        event.Skip();
        if (!event.GetActive()) return;
        if (CWxBackend* backend = ActiveWxBackend()) backend->NoteActivated(*this);
    });
    m_client->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        event.Skip();
        Raise(CQelEvent::Resized);
    });
}

void CWxFormPeer::SetText(const CWString& text) {
    m_text = text;
    Frame()->SetTitle(ToWx(text));
}

void CWxFormPeer::SetFont(const CQelFont& font) { m_client->SetFont(wxFont(MakeFont(font))); }

void CWxFormPeer::DestroyWindow() {
    // Owned windows go with their owner, each through its own close.
    wxWindowList children = Frame()->GetChildren();
    for (wxWindow* child : children) {
        auto* owned = dynamic_cast<CWxFrame*>(child);
        if (owned && owned->peer && owned->peer->Control()) static_cast<CQelWinForm*>(owned->peer->Control())->Close();
    }
    if (CWxBackend* backend = ActiveWxBackend()) backend->Forget(*this);
    Frame()->Hide();
    Frame()->Destroy();
}

CQelRect CWxFormPeer::GetClientRect() const {
    wxSize size = m_client->GetClientSize();
    return {0, 0, size.x, size.y};
}

void CWxFormPeer::OnWindowGone() {
    if (CWxBackend* backend = ActiveWxBackend()) backend->Forget(*this);
    if (Control()) static_cast<CQelWinForm*>(Control())->NativeFormGone();
}

// ---------------------------------------------------------------------------------------------

namespace {

// A control that shows a caption: whatever changes its text, font or size
// fits the caption into its rectangle again.
class CWxCaptionPeer : public CWxPeer {
public:
    CWxCaptionPeer(CQelControl& control, wxWindow* window, wxPoint origin, const CQelRect& rect)
        : CWxPeer(control, window, origin), m_size(SizeOf(rect)) {}

    void SetText(const CWString& text) override {
        CWxPeer::SetText(text);
        Fit();
    }
    void SetFont(const CQelFont& font) override {
        m_described = MakeFont(font);
        Fit();
    }
    void Move(const CQelRect& rect) override {
        m_size = SizeOf(rect);
        CWxPeer::Move(rect);
        Fit();
    }

protected:
    void Fit() { FitCaption(m_window, m_described, m_size); }

private:
    // Controls without a font description draw with the program's default face.
    wxFont m_described = MakeFont({});
    wxSize m_size;
};

class CWxButtonPeer : public CWxCaptionPeer {
public:
    CWxButtonPeer(CQelControl& control, wxWindow* container, wxPoint origin, const CQelRect& rect)
        : CWxCaptionPeer(
              control, new wxButton(container, wxID_ANY, ToWx(control.CreationText()), At(origin, rect), SizeOf(rect)),
              origin, rect) {
        UseNarrowPadding(m_window);
        Fit();
        m_window->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Raise(CQelEvent::Click); });
    }
};

class CWxLabelPeer : public CWxCaptionPeer {
public:
    CWxLabelPeer(CQelControl& control, wxWindow* container, wxPoint origin, const CQelRect& rect)
        : CWxCaptionPeer(
              control,
              new wxStaticText(container, wxID_ANY, wxString(), At(origin, rect), SizeOf(rect), Style(control)), origin,
              rect) {
        SetWordWrap(m_window, control.HasStyle(CQelStyle::WordWrap));
        SetText(m_text);
    }

private:
    static long Style(const CQelControl& control) {
        long style = wxST_NO_AUTORESIZE;
        if (control.HasStyle(CQelStyle::AlignRight)) style |= wxALIGN_RIGHT;
        if (control.HasStyle(CQelStyle::StaticEdge)) style |= wxBORDER_STATIC;
        return style;
    }
};

class CWxGroupPeer : public CWxCaptionPeer {
public:
    CWxGroupPeer(CQelControl& control, wxWindow* container, wxPoint origin, const CQelRect& rect)
        : CWxCaptionPeer(
              control,
              new wxStaticBox(container, wxID_ANY, ToWx(control.CreationText()), At(origin, rect), SizeOf(rect)),
              origin, rect),
          m_childOrigin(At(origin, rect)) {
        Fit();
    }

    wxWindow* ChildContainer() const override { return m_window->GetParent(); }
    wxPoint ChildOrigin() const override { return m_childOrigin; }

private:
    wxPoint m_childOrigin;
};

class CWxEditPeer : public CWxPeer {
public:
    CWxEditPeer(CQelControl& control, wxWindow* container, wxPoint origin, const CQelRect& rect)
        : CWxPeer(control,
                  new wxTextCtrl(container, wxID_ANY, wxString(), At(origin, rect), SizeOf(rect), Style(control)),
                  origin),
          m_multiLine(control.HasStyle(CQelStyle::MultiLine)),
          m_described(m_window->GetFont()),
          m_size(SizeOf(rect)) {
        SetText(m_text);
#ifdef __WXGTK__
        // The toolkit's own mask is a dot; the program's password edits show "*".
        if (control.HasStyle(CQelStyle::Password)) gtk_entry_set_invisible_char(GTK_ENTRY(m_window->GetHandle()), '*');
#endif
        m_window->Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
            FitText();
            if (!m_quiet) Raise(CQelEvent::TextChanged);
        });
    }

    CWString GetText() const override {
        CWString text = FromWx(Text()->GetValue());
        return m_multiLine ? ToCrLf(text) : text;
    }

    // The control raises TextChanged itself, once, for a text set from code.
    void SetText(const CWString& text) override {
        Quietly([&] { Text()->ChangeValue(ToWx(m_multiLine ? ToLf(text) : text)); });
        FitText();
    }

    void AppendText(const CWString& text) override {
        Quietly([&] {
            Text()->SetInsertionPointEnd();
            Text()->WriteText(ToWx(m_multiLine ? ToLf(text) : text));
            Text()->ShowPosition(Text()->GetLastPosition());
        });
        FitText();
    }

    void SetFont(const CQelFont& font) override {
        m_described = MakeFont(font);
        if (m_multiLine) m_window->SetFont(m_described);
        FitText();
        m_window->Refresh();
    }

    void Move(const CQelRect& rect) override {
        m_size = SizeOf(rect);
        CWxPeer::Move(rect);
        FitText();
    }

private:
    static long Style(const CQelControl& control) {
        long style = 0;
        if (control.HasStyle(CQelStyle::MultiLine)) {
            style |= wxTE_MULTILINE;
            style |= control.HasStyle(CQelStyle::HScroll) ? wxHSCROLL | wxTE_DONTWRAP : wxTE_WORDWRAP;
        }
        if (control.HasStyle(CQelStyle::ReadOnly)) style |= wxTE_READONLY;
        if (control.HasStyle(CQelStyle::Password)) style |= wxTE_PASSWORD;
        if (control.HasStyle(CQelStyle::StaticEdge)) style |= wxBORDER_STATIC;
        return style;
    }
    wxTextCtrl* Text() const { return static_cast<wxTextCtrl*>(m_window); }
    template <class F>
    void Quietly(F change) {
        m_quiet = true;
        change();
        m_quiet = false;
    }
    // A single line shows whole where a smaller font lets it; many lines scroll.
    void FitText() {
        if (!m_multiLine) FitEditText(m_window, m_described, m_size);
    }

    bool m_multiLine;
    bool m_quiet = false;
    wxFont m_described;  // without a font description, the toolkit's own
    wxSize m_size;
};

class CWxCheckPeer : public CWxCaptionPeer {
public:
    CWxCheckPeer(CQelControl& control, wxWindow* container, wxPoint origin, const CQelRect& rect)
        : CWxCaptionPeer(
              control,
              new wxCheckBox(container, wxID_ANY, ToWx(control.CreationText()), At(origin, rect), SizeOf(rect)), origin,
              rect) {
        Fit();
        m_window->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { RaiseClickAndCheck(*this); });
    }
    bool GetCheck() const override { return static_cast<wxCheckBox*>(m_window)->GetValue(); }
    void SetCheck(bool checked) override { static_cast<wxCheckBox*>(m_window)->SetValue(checked); }

    static void RaiseClickAndCheck(CWxPeer& peer) {
        if (CQelControl* control = peer.Control()) control->RaiseEvent(CQelEvent::Click);
        if (CQelControl* control = peer.Control()) control->RaiseEvent(CQelEvent::CheckChanged);
    }
};

class CWxRadioPeer : public CWxCaptionPeer {
public:
    CWxRadioPeer(CQelControl& control, wxWindow* container, wxPoint origin, const CQelRect& rect)
        : CWxCaptionPeer(control,
                         new wxRadioButton(container, wxID_ANY, ToWx(control.CreationText()), At(origin, rect),
                                           SizeOf(rect), StartsGroup(container) ? wxRB_GROUP : 0),
                         origin, rect) {
        Fit();
        m_window->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { CWxCheckPeer::RaiseClickAndCheck(*this); });
    }
    bool GetCheck() const override { return static_cast<wxRadioButton*>(m_window)->GetValue(); }
    void SetCheck(bool checked) override { static_cast<wxRadioButton*>(m_window)->SetValue(checked); }

private:
    // Radio buttons created one after another form one group.
    static bool StartsGroup(wxWindow* container) {
        const wxWindowList& siblings = container->GetChildren();
        return siblings.empty() || !dynamic_cast<wxRadioButton*>(siblings.GetLast()->GetData());
    }
};

// List boxes and combo boxes: the wx item container plus the entries' data.
class CWxItemsPeer : public CWxPeer {
public:
    CWxItemsPeer(CQelControl& control, wxControlWithItems* window, wxPoint origin)
        : CWxPeer(control, window, origin), m_items(window) {}

    int AddItem(const CWString& text, long long data) override {
        int index = m_items->Append(ToWx(text));
        m_data.insert(m_data.begin() + index, data);
        return index;
    }
    int InsertItem(int index, const CWString& text, long long data) override {
        if (!Holds(index)) return AddItem(text, data);
        int at = m_items->Insert(ToWx(text), static_cast<unsigned>(index));
        m_data.insert(m_data.begin() + at, data);
        return at;
    }
    bool DeleteItem(int index) override {
        if (!Holds(index)) return false;
        m_items->Delete(static_cast<unsigned>(index));
        m_data.erase(m_data.begin() + index);
        return true;
    }
    void ClearItems() override {
        m_items->Clear();
        m_data.clear();
    }
    int GetItemCount() const override { return static_cast<int>(m_items->GetCount()); }
    CWString GetItemText(int index) const override {
        return Holds(index) ? FromWx(m_items->GetString(static_cast<unsigned>(index))) : CWString();
    }
    long long GetItemData(int index) const override { return Holds(index) ? m_data[index] : 0; }
    void SetItemData(int index, long long data) override {
        if (Holds(index)) m_data[index] = data;
    }
    int GetSelection() const override { return m_items->GetSelection(); }
    void SetSelection(int index) override { m_items->SetSelection(Holds(index) ? index : wxNOT_FOUND); }

protected:
    bool Holds(int index) const { return index >= 0 && index < GetItemCount(); }
    wxControlWithItems* m_items;
    std::vector<long long> m_data;
};

class CWxListPeer : public CWxItemsPeer {
public:
    CWxListPeer(CQelControl& control, wxWindow* container, wxPoint origin, const CQelRect& rect)
        : CWxItemsPeer(control,
                       new wxListBox(container, wxID_ANY, At(origin, rect), SizeOf(rect), 0, nullptr, Style(control)),
                       origin) {
        m_window->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { Raise(CQelEvent::SelectionChanged); });
        m_window->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) { Raise(CQelEvent::DoubleClick); });
    }

    void SetRowSpacing(int pixels) override {
        m_rowSpacing = pixels;
        ApplyRowHeight();
    }
    void SetFont(const CQelFont& font) override {
        CWxPeer::SetFont(font);
        ApplyRowHeight();
    }

private:
    // The spacing counts from the one pixel rows are apart by default: every
    // row is `spacing - 1` pixels taller than its font needs. wx has no item
    // height for a list box, so the toolkit's own cell gets it.
    void ApplyRowHeight() {
#ifdef __WXGTK__
        GtkCellRenderer* cell = ListCell(static_cast<wxListBox*>(m_window));
        if (!cell) return;
        gtk_cell_renderer_set_fixed_size(cell, -1, -1);
        int natural = 0;
        gtk_cell_renderer_get_preferred_height(cell, GTK_WIDGET(static_cast<wxListBox*>(m_window)->m_treeview), nullptr,
                                               &natural);
        gtk_cell_renderer_set_fixed_size(cell, -1, natural + std::max(0, m_rowSpacing - 1));
#endif
    }

    static long Style(const CQelControl& control) {
        long style = wxLB_SINGLE;
        if (control.HasStyle(CQelStyle::VScroll)) style |= wxLB_ALWAYS_SB;
        if (control.HasStyle(CQelStyle::StaticEdge)) style |= wxBORDER_STATIC;
        return style;
    }

    int m_rowSpacing = 1;
};

class CWxChoicePeer : public CWxItemsPeer {
public:
    CWxChoicePeer(CQelControl& control, wxWindow* container, wxPoint origin, const CQelRect& rect)
        : CWxItemsPeer(control, new wxChoice(container, wxID_ANY, At(origin, rect), ComboSizeOf(rect)), origin),
          m_width(rect.width) {
        Fit();
        m_window->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { Raise(CQelEvent::SelectionChanged); });
    }
    int AddItem(const CWString& text, long long data) override {
        int index = CWxItemsPeer::AddItem(text, data);
        Fit();
        return index;
    }
    int InsertItem(int index, const CWString& text, long long data) override {
        int at = CWxItemsPeer::InsertItem(index, text, data);
        Fit();
        return at;
    }
    void SetFont(const CQelFont& font) override {
        m_described = MakeFont(font);
        Fit();
    }
    void Move(const CQelRect& rect) override {
        m_width = rect.width;
        CWxItemsPeer::Move(rect);
        Fit();
    }
    CWString GetText() const override {
        int selection = GetSelection();
        return selection < 0 ? CWString() : GetItemText(selection);
    }
    void SetText(const CWString&) override {}

private:
    void Fit() { FitEntries(m_window, m_described, m_width); }

    wxFont m_described = MakeFont({});
    int m_width;
};

class CWxComboPeer : public CWxItemsPeer {
public:
    CWxComboPeer(CQelControl& control, wxWindow* container, wxPoint origin, const CQelRect& rect)
        : CWxItemsPeer(
              control,
              new wxComboBox(container, wxID_ANY, ToWx(control.CreationText()), At(origin, rect), ComboSizeOf(rect)),
              origin) {
        m_window->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent&) { Raise(CQelEvent::SelectionChanged); });
    }
    CWString GetText() const override { return FromWx(static_cast<wxComboBox*>(m_window)->GetValue()); }
    void SetText(const CWString& text) override { static_cast<wxComboBox*>(m_window)->ChangeValue(ToWx(text)); }
};

class CWxCheckListPeer : public CWxItemsPeer {
public:
    CWxCheckListPeer(CQelControl& control, wxWindow* container, wxPoint origin, const CQelRect& rect)
        : CWxItemsPeer(
              control,
              new wxCheckListBox(container, wxID_ANY, At(origin, rect), SizeOf(rect), 0, nullptr, Style(control)),
              origin) {
#ifdef __WXGTK__
        // GTK draws its scroll bars over the entries and only while the
        // pointer moves there: a list that scrolls sideways keeps its bar in
        // sight, so that the user can tell a name is cut and scroll to read it.
        if (control.HasStyle(CQelStyle::HScroll))
            gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(m_window->m_widget), FALSE);
#endif
        // The toolkit also selects the entry whose mark was clicked, just
        // after reporting the mark: a click on a mark only ticks, so the
        // selection goes back to where it was and nobody hears of it.
        m_window->Bind(wxEVT_CHECKLISTBOX, [this](wxCommandEvent&) {
            if (!m_markClicked) {
                m_markClicked = true;
                m_selectionBeforeMark = GetSelection();
                m_window->CallAfter([this] { m_markClicked = false; });
            }
            Raise(CQelEvent::CheckChanged);
        });
        m_window->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) {
            if (m_markClicked) SetSelection(m_selectionBeforeMark);
            else Raise(CQelEvent::SelectionChanged);
        });
    }
    bool GetItemCheck(int index) const override { return Holds(index) && List()->IsChecked(index); }
    void SetItemCheck(int index, bool checked) override {
        if (Holds(index)) List()->Check(index, checked);
    }

private:
    wxCheckListBox* List() const { return static_cast<wxCheckListBox*>(m_window); }
    static long Style(const CQelControl& control) {
        long style = 0;
        if (control.HasStyle(CQelStyle::HScroll)) style |= wxLB_HSCROLL;
        if (control.HasStyle(CQelStyle::StaticEdge)) style |= wxBORDER_STATIC;
        return style;
    }

    bool m_markClicked = false;  // until the toolkit has done with the click
    int m_selectionBeforeMark = -1;
};

// Rows of text cells; several rows may be selected. The cells live in the
// model, which the view asks only for the rows it shows.
class CWxReportPeer : public CWxPeer {
public:
    CWxReportPeer(CQelControl& control, wxWindow* container, wxPoint origin, const CQelRect& rect)
        : CWxPeer(control, new wxDataViewCtrl(container, wxID_ANY, At(origin, rect), SizeOf(rect), Style(control)),
                  origin),
          m_rows(new CWxReportRows),
          m_editable(control.HasStyle(CQelStyle::EditableCells)) {
        List()->AssociateModel(m_rows.get());
    }

    void SetFont(const CQelFont& font) override {
        CWxPeer::SetFont(font);
        m_described = MakeFont(font);
        for (int column = 0; column < GetColumnCount(); ++column) FitTitle(column);
    }
    int GetColumnCount() const override { return static_cast<int>(m_columns.size()); }
    void AddColumn(const CWString& title, int width) override {
        m_columns.push_back({title, width});
        m_rows->AddColumn();
        ShowColumn(GetColumnCount() - 1);
    }
    void SetColumnWidth(int column, int width) override {
        if (column < 0 || column >= GetColumnCount()) return;
        m_columns[column].width = width;
        List()->GetColumn(column)->SetWidth(width);
        FitTitle(column);
    }
    // The view's columns show the model's by number: those behind the deleted
    // one are shown again under their new numbers.
    bool DeleteColumn(int column) override {
        if (column < 0 || column >= GetColumnCount()) return false;
        m_columns.erase(m_columns.begin() + column);
        m_rows->DeleteColumn(column);
        List()->ClearColumns();
        for (int shown = 0; shown < GetColumnCount(); ++shown) ShowColumn(shown);
        return true;
    }
    int GetRowCount() const override { return static_cast<int>(m_rows->GetCount()); }
    int InsertRow(int row, const CWString& firstCell) override {
        if (row < 0 || row > GetRowCount()) row = GetRowCount();
        m_rows->InsertRow(row, firstCell);
        return row;
    }
    // The toolkit moves the cursor off a deleted row and selects only its new
    // row, so the other rows' selections are put back afterwards.
    bool DeleteRow(int row) override {
        if (row < 0 || row >= GetRowCount()) return false;
        const unsigned deleted = static_cast<unsigned>(row);
        std::vector<unsigned> kept;
        for (unsigned selected : SelectedRows())
            if (selected != deleted) kept.push_back(selected < deleted ? selected : selected - 1);
        m_rows->DeleteRows({deleted});
        List()->UnselectAll();
        for (unsigned selected : kept) List()->Select(m_rows->GetItem(selected));
        return true;
    }
    // Afterwards no row is selected, not even the one the toolkit moved the cursor to.
    void DeleteSelectedRows() override {
        std::vector<unsigned> selected = SelectedRows();
        if (selected.empty()) return;
        m_rows->DeleteRows(std::move(selected));
        List()->UnselectAll();
    }
    void DeleteAllRows() override { m_rows->DeleteAllRows(); }
    CWString GetCellText(int row, int column) const override {
        return Holds(row, column) ? m_rows->Cell(row, column) : CWString();
    }
    void SetCellText(int row, int column, const CWString& text) override {
        if (Holds(row, column)) m_rows->SetCell(row, column, text);
    }
    std::vector<int> GetSelectedRows() const override {
        std::vector<unsigned> rows = SelectedRows();
        std::sort(rows.begin(), rows.end());
        return {rows.begin(), rows.end()};
    }
    void SelectRow(int row, bool selected) override {
        if (row < 0 || row >= GetRowCount()) return;
        if (selected) List()->Select(m_rows->GetItem(row));
        else List()->Unselect(m_rows->GetItem(row));
    }
    void CommitCellEdit() override {
        if (!m_editable) return;
        for (int column = 0; column < GetColumnCount(); ++column) CommitColumnEdit(List()->GetColumn(column));
    }

private:
    struct Column {
        CWString title;
        int width;
    };
    static long Style(const CQelControl& control) {
        long style = wxDV_MULTIPLE | wxDV_HORIZ_RULES | wxDV_VERT_RULES;
        if (control.HasStyle(CQelStyle::StaticEdge)) style |= wxBORDER_STATIC;
        return style;
    }
    wxDataViewCtrl* List() const { return static_cast<wxDataViewCtrl*>(m_window); }
    bool Holds(int row, int column) const {
        return row >= 0 && row < GetRowCount() && column >= 0 && column < GetColumnCount();
    }
    std::vector<unsigned> SelectedRows() const {
        wxDataViewItemArray selection;
        List()->GetSelections(selection);
        std::vector<unsigned> rows;
        for (const wxDataViewItem& item : selection) rows.push_back(m_rows->GetRow(item));
        return rows;
    }
    // The view's column for the model's column `column`.
    void ShowColumn(int column) {
        wxDataViewCellMode mode = m_editable ? wxDATAVIEW_CELL_EDITABLE : wxDATAVIEW_CELL_INERT;
        wxDataViewColumn* shown = List()->AppendTextColumn(ToWx(m_columns[column].title), column, mode,
                                                           m_columns[column].width, wxALIGN_LEFT);
#ifdef __WXGTK__
        if (m_editable) g_signal_connect(CellArea(shown), "add-editable", G_CALLBACK(WatchCellEditor), nullptr);
#endif
        FitTitle(column);
    }
    void FitTitle(int column) { FitColumnTitle(List()->GetColumn(column), m_described, m_columns[column].width); }

    wxObjectDataPtr<CWxReportRows> m_rows;
    bool m_editable;
    std::vector<Column> m_columns;
    wxFont m_described = MakeFont({});
};

class CWxContainerPeer : public CWxPeer {
public:
    CWxContainerPeer(CQelControl& control, wxWindow* container, wxPoint origin, const CQelRect& rect)
        : CWxPeer(control, new wxPanel(container, wxID_ANY, At(origin, rect), SizeOf(rect)), origin) {}
};

}  // namespace

int ListRowHeight(wxListBox* list) {
    int natural = 0;
#ifdef __WXGTK__
    if (GtkCellRenderer* cell = ListCell(list))
        gtk_cell_renderer_get_preferred_height(cell, GTK_WIDGET(list->m_treeview), nullptr, &natural);
#endif
    return natural;
}

CWxPeer* CreateControlPeer(CQelControl& control, CWxPeer& parent, const CQelRect& rect) {
    wxWindow* container = parent.ChildContainer();
    wxPoint origin = parent.ChildOrigin();
    switch (control.Kind()) {
        case CQelControlKind::Button: return new CWxButtonPeer(control, container, origin, rect);
        case CQelControlKind::Label: return new CWxLabelPeer(control, container, origin, rect);
        case CQelControlKind::GroupBox: return new CWxGroupPeer(control, container, origin, rect);
        case CQelControlKind::Edit: return new CWxEditPeer(control, container, origin, rect);
        case CQelControlKind::CheckBox: return new CWxCheckPeer(control, container, origin, rect);
        case CQelControlKind::RadioButton: return new CWxRadioPeer(control, container, origin, rect);
        case CQelControlKind::ComboBox:
            if (control.HasStyle(CQelStyle::DropDownList)) return new CWxChoicePeer(control, container, origin, rect);
            return new CWxComboPeer(control, container, origin, rect);
        case CQelControlKind::ListBox: return new CWxListPeer(control, container, origin, rect);
        case CQelControlKind::CheckListBox: return new CWxCheckListPeer(control, container, origin, rect);
        case CQelControlKind::ReportList: return new CWxReportPeer(control, container, origin, rect);
        case CQelControlKind::Container: return new CWxContainerPeer(control, container, origin, rect);
        case CQelControlKind::Browser: return CreateBrowserPeer(control, container, origin, rect);
        case CQelControlKind::Form: return nullptr;
    }
    return nullptr;
}

}  // namespace rg_qelvane_base::wx
