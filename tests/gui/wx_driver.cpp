#include "wx_driver.h"

#include <deque>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/checklst.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/dataview.h>
#include <wx/listbox.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/ui/dialogs.h"
#include "platform/ui/wx/wx_peers.h"
#include "platform/ui/wx/wx_text.h"
#include "toolkit_wait.h"

namespace ui_contract {

using rg_qelvane_base::wx::CWxPeer;
using rg_qelvane_base::wx::FromWx;
using rg_qelvane_base::wx::ToWx;

wxWindow* WxWindowOf(const CQelControl& control) {
    auto* peer = dynamic_cast<CWxPeer*>(control.NativeWindow());
    return peer ? peer->Window() : nullptr;
}

GtkEntry* CellEditor(const rg_ChaoJiLieBiaoKuang& grid) {
    auto* list = dynamic_cast<wxDataViewCtrl*>(WxWindowOf(grid));
    if (!list) return nullptr;
    GtkEntry* editor = nullptr;
    WaitForToolkit("the cell's editor", [&] {
        GList* children = gtk_container_get_children(GTK_CONTAINER(list->GtkGetTreeView()));
        for (GList* child = children; child && !editor; child = child->next)
            if (GTK_IS_ENTRY(child->data)) editor = GTK_ENTRY(child->data);
        g_list_free(children);
        return editor != nullptr;
    });
    return editor;
}

namespace {

template <class T>
T* ChildOfKind(wxWindow* parent) {
    for (wxWindow* child : parent->GetChildren())
        if (auto* found = dynamic_cast<T*>(child)) return found;
    return nullptr;
}

// Answers every modal box from the script instead of showing it.
class ScriptedBoxes : public wxModalDialogHook {
public:
    std::deque<int> messageAnswers;
    std::deque<std::optional<CWString>> inputAnswers;
    std::vector<ShownBox> shown;

protected:
    int Enter(wxDialog* dialog) override {
        if (auto* box = dynamic_cast<wxMessageDialogBase*>(dialog)) {
            shown.push_back({FromWx(box->GetMessage()), FromWx(box->GetTitle())});
            int answer = Pop(messageAnswers, (box->GetMessageDialogStyle() & wxYES_NO) ? IDNO : IDOK);
            return answer == IDYES ? wxID_YES : answer == IDNO ? wxID_NO : wxID_OK;
        }
        auto* prompt = ChildOfKind<wxStaticText>(dialog);
        shown.push_back({prompt ? FromWx(prompt->GetLabel()) : CWString(), FromWx(dialog->GetTitle())});
        std::optional<CWString> answer = Pop(inputAnswers, std::optional<CWString>());
        auto* edit = ChildOfKind<wxTextCtrl>(dialog);
        if (!answer || !edit) return wxID_CANCEL;
        edit->SetValue(ToWx(*answer));
        return wxID_OK;
    }
    void Exit(wxDialog*) override {}

private:
    template <class T>
    static T Pop(std::deque<T>& queue, T fallback) {
        if (queue.empty()) return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

bool Reachable(wxWindow* window) {
    if (!window || !window->IsEnabled()) return false;
    for (wxWindow* w = window; w; w = w->IsTopLevel() ? nullptr : w->GetParent())
        if (!w->IsShown()) return false;
    return true;
}

void Send(wxWindow* window, wxEventType type, int value = 0) {
    wxCommandEvent event(type, window->GetId());
    event.SetEventObject(window);
    event.SetInt(value);
    window->HandleWindowEvent(event);
}

class WxDriver : public Driver {
public:
    void Reset() override {
        if (!m_registered) {
            m_boxes.Register();
            m_registered = true;
        }
        m_boxes.messageAnswers.clear();
        m_boxes.inputAnswers.clear();
        m_boxes.shown.clear();
        // Windows closed by the previous test go now.
        wxTheApp->ProcessIdle();
    }

    bool Click(CQelControl& control) override {
        wxWindow* window = WxWindowOf(control);
        if (!Reachable(window)) return false;
        if (dynamic_cast<wxButton*>(window)) {
            Send(window, wxEVT_BUTTON);
        } else if (auto* check = dynamic_cast<wxCheckBox*>(window)) {
            check->SetValue(!check->GetValue());
            Send(window, wxEVT_CHECKBOX, check->GetValue());
        } else if (auto* radio = dynamic_cast<wxRadioButton*>(window)) {
            radio->SetValue(true);
            Send(window, wxEVT_RADIOBUTTON, 1);
        } else {
            return false;
        }
        return true;
    }

    bool Type(rg_edit_box& edit, const CWString& text) override {
        auto* window = dynamic_cast<wxTextCtrl*>(WxWindowOf(edit));
        if (!Reachable(window)) return false;
        window->SetValue(ToWx(text));  // raises the toolkit's text event, as typing does
        return true;
    }

    bool Select(CQelItemControl& control, int index) override {
        wxWindow* window = WxWindowOf(control);
        auto* items = dynamic_cast<wxControlWithItems*>(window);
        if (!Reachable(window) || !items || index < 0 || index >= static_cast<int>(items->GetCount())) return false;
        items->SetSelection(index);
        wxEventType type = dynamic_cast<wxListBox*>(window)  ? wxEVT_LISTBOX
                           : dynamic_cast<wxChoice*>(window) ? wxEVT_CHOICE
                                                             : wxEVT_COMBOBOX;
        Send(window, type, index);
        return true;
    }

    bool DoubleClick(rg_list_box& list, int index) override {
        if (index >= 0 && !Select(list, index)) return false;
        wxWindow* window = WxWindowOf(list);
        if (!Reachable(window)) return false;
        Send(window, wxEVT_LISTBOX_DCLICK, index);
        return true;
    }

    bool ClickCheckMark(rg_XuanZeLieBiaoKuang& list, int index) override {
        auto* window = dynamic_cast<wxCheckListBox*>(WxWindowOf(list));
        if (!Reachable(window) || index < 0 || index >= static_cast<int>(window->GetCount())) return false;
        window->Check(index, !window->IsChecked(index));
        Send(window, wxEVT_CHECKLISTBOX, index);
        wxTheApp->ProcessPendingEvents();  // the click is over before the user acts again
        return true;
    }

    bool BeginCellEdit(rg_ChaoJiLieBiaoKuang& grid, int row, int column, const CWString& text) override {
        auto* list = dynamic_cast<wxDataViewCtrl*>(WxWindowOf(grid));
        // Reading the grid keeps an edit open in it, as the user's clicks would.
        bool inRange = row >= 0 && row < grid.GetRowCount() && column >= 0 && column < grid.GetColumnCount();
        if (!Reachable(list) || !grid.HasStyle(CQelStyle::EditableCells) || !inRange) return false;
        auto* rows = static_cast<wxDataViewVirtualListModel*>(list->GetModel());
        list->EditItem(rows->GetItem(row), list->GetColumn(column));
        GtkEntry* editor = CellEditor(grid);
        if (!editor) return false;
        gtk_entry_set_text(editor, text.ToUtf8().c_str());
        return true;
    }

    bool CloseBox(CQelWinForm& form) override {
        wxWindow* window = WxWindowOf(form);
        if (!Reachable(window)) return false;
        window->Close();
        return true;
    }

    bool IsUsable(const CQelControl& control) override { return Reachable(WxWindowOf(control)); }
    int ListRowHeight(rg_list_box& list) override {
        return rg_qelvane_base::wx::ListRowHeight(dynamic_cast<wxListBox*>(WxWindowOf(list)));
    }

    void DuringNextModal(std::function<void(CQelWinForm&)> action) override {
        // Runs from inside the modal run's own event loop, on the form it shows.
        wxTheApp->CallAfter([action] {
            CQelWinForm* form = rg_qelvane_base::Backend().LastActiveForm();
            if (!form) return;
            action(*form);
            form->Close();
        });
    }

    void AnswerMessageBox(int button) override { m_boxes.messageAnswers.push_back(button); }
    void AnswerInputBox(std::optional<CWString> text) override { m_boxes.inputAnswers.push_back(text); }
    std::vector<ShownBox> ShownBoxes() override { return m_boxes.shown; }

private:
    ScriptedBoxes m_boxes;
    bool m_registered = false;
};

}  // namespace

Driver& ContractDriver() {
    static WxDriver driver;
    return driver;
}

}  // namespace ui_contract
