// The message, input and open-file boxes of the wx backend.
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/ui/dialogs.h"
#include "platform/ui/line_ends.h"
#include "platform/ui/wx/wx_backend_impl.h"
#include "platform/ui/wx/wx_peers.h"
#include "platform/ui/wx/wx_text.h"

namespace rg_qelvane_base::wx {

namespace {
wxWindow* FrameOf(CQelWinForm* owner) {
    auto* peer = owner ? dynamic_cast<CWxFormPeer*>(owner->NativeWindow()) : nullptr;
    return peer ? peer->Frame() : nullptr;
}

// Laid out in dialog units, as the system's input box template is.
class CWxInputDialog : public wxDialog {
public:
    CWxInputDialog(wxWindow* owner, const CWString& prompt, const CWString& caption, const CWString& defaultText)
        : wxDialog(owner, wxID_ANY, ToWx(caption)) {
        bool withPrompt = !prompt.empty();
        wxPoint editAt = withPrompt ? wxPoint(7, 45) : wxPoint(7, 7);
        wxSize editSize = withPrompt ? wxSize(238, 12) : wxSize(200, 12);
        wxPoint okAt = withPrompt ? wxPoint(63, 66) : wxPoint(82, 30);
        wxPoint cancelAt = withPrompt ? wxPoint(134, 66) : wxPoint(151, 30);
        wxSize buttonSize(55, 19);
        if (withPrompt)
            new wxStaticText(this, wxID_ANY, ToWx(ToLf(prompt)), Dlu(wxPoint(7, 7)), Dlu(wxSize(238, 35)),
                             wxBORDER_SUNKEN | wxST_NO_AUTORESIZE);
        m_edit = new wxTextCtrl(this, wxID_ANY, ToWx(defaultText), Dlu(editAt), Dlu(editSize));
        auto* ok = new wxButton(this, wxID_OK, wxString::FromUTF8("确认输入(&O)"), Dlu(okAt), Dlu(buttonSize));
        new wxButton(this, wxID_CANCEL, wxString::FromUTF8("取消(&C)"), Dlu(cancelAt), Dlu(buttonSize));
        ok->SetDefault();
        SetEscapeId(wxID_CANCEL);
        SetClientSize(Dlu(withPrompt ? wxSize(252, 92) : wxSize(214, 56)));
        CentreOnParent();
        m_edit->SetFocus();
        m_edit->SelectAll();
    }

    CWString Typed() const { return FromWx(m_edit->GetValue()); }

private:
    wxPoint Dlu(wxPoint p) { return ConvertDialogToPixels(p); }
    wxSize Dlu(wxSize s) { return ConvertDialogToPixels(s); }
    wxTextCtrl* m_edit;
};

// GTK matches file patterns case-sensitively; the system's dialog does not.
wxString CaseBlindWildcard(const CWString& filter) {
    rg_WenBenShuZuLei parts;
    SplitText(filter, parts, u"|", false);
    CWString out;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) out += u'|';
        out += parts[i];
        bool isPattern = i % 2 == 1;
        if (isPattern && AsciiUpperText(parts[i]) != parts[i]) out += Joined({u";", AsciiUpperText(parts[i])});
    }
    return ToWx(out);
}
}  // namespace

int CWxBackend::ShowMessage(CQelWinForm* owner, const CWString& text, int flags, const CWString& title) {
    bool yesNo = (flags & 0xF) == MB_YESNO;
    long style = (yesNo ? wxYES_NO : wxOK) | ((flags & MB_ICONERROR) ? wxICON_ERROR : wxICON_NONE);
    wxMessageDialog box(FrameOf(owner), ToWx(ToLf(text)), ToWx(title), style);
    // The buttons speak the program's language, not the toolkit's locale.
    if (yesNo) box.SetYesNoLabels(wxString::FromUTF8("是(&Y)"), wxString::FromUTF8("否(&N)"));
    else box.SetOKLabel(wxString::FromUTF8("确定"));
    int answer = box.ShowModal();
    if (!yesNo) return IDOK;
    return answer == wxID_YES ? IDYES : IDNO;
}

bool CWxBackend::AskInput(CQelWinForm* owner, const CWString& prompt, const CWString& caption,
                          const CWString& defaultText, CWString& text) {
    CWxInputDialog dialog(FrameOf(owner), prompt, caption, defaultText);
    if (dialog.ShowModal() != wxID_OK) return false;
    text = dialog.Typed();
    return true;
}

bool CWxBackend::OpenFileDialog(CQelWinForm* owner, const CWString& filter, CWString& path) {
    wxFileDialog dialog(FrameOf(owner), wxFileSelectorPromptStr, wxString(), wxString(), CaseBlindWildcard(filter),
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK) return false;
    path = FromWx(dialog.GetPath());
    return true;
}

}  // namespace rg_qelvane_base::wx
