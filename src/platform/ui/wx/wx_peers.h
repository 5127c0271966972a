#pragma once
// The wx peers: one wx window per native window. A peer lives exactly as long
// as its wx window (it deletes itself on the window's destroy event) and turns
// the window's user events into the control's events.
#include <vector>

#include <wx/frame.h>
#include <wx/listbox.h>
#include <wx/panel.h>

#include "platform/ui/backend.h"

namespace rg_qelvane_base::wx {

class CWxPeer : public CQelNativeWindow {
public:
    // `origin`: where the parent's client corner is inside `window`'s wx parent.
    CWxPeer(CQelControl& control, wxWindow* window, wxPoint origin);
    ~CWxPeer() override;

    wxWindow* Window() const { return m_window; }
    // Where children go, and the offset of their rectangles in it. A group box
    // puts its children beside itself, so their rectangles stay relative to its outer corner.
    virtual wxWindow* ChildContainer() const { return m_window; }
    virtual wxPoint ChildOrigin() const { return {0, 0}; }

    CWString GetText() const override { return m_text; }
    void SetText(const CWString& text) override;
    void SetFont(const CQelFont& font) override;
    void SetStaticEdge() override;
    void Enable(bool enabled) override;
    void Show(bool visible) override;
    void Move(const CQelRect& rect) override;
    void DestroyWindow() override;

protected:
    void Raise(CQelEvent event) {
        if (Control()) Control()->RaiseEvent(event);
    }
    // Called just before the peer goes with its wx window.
    virtual void OnWindowGone() {}

    wxWindow* m_window;
    wxPoint m_origin;
    CWString m_text;  // the exact text given, line ends and all
};

class CWxFormPeer;

// The frame of a form; it knows its peer so that owned frames can be found.
class CWxFrame : public wxFrame {
public:
    CWxFrame(wxWindow* owner, const wxString& caption, long style)
        : wxFrame(owner, wxID_ANY, caption, wxDefaultPosition, wxDefaultSize, style) {}
    CWxFormPeer* peer = nullptr;
};

class CWxFormPeer : public CWxPeer {
public:
    CWxFormPeer(CQelWinForm& form, CWxFrame* frame, int clientWidth, int clientHeight);

    CWxFrame* Frame() const { return static_cast<CWxFrame*>(m_window); }
    wxWindow* ChildContainer() const override { return m_client; }

    void SetText(const CWString& text) override;
    void SetFont(const CQelFont& font) override;
    void Move(const CQelRect&) override {}
    void DestroyWindow() override;
    CQelRect GetClientRect() const override;

protected:
    void OnWindowGone() override;

private:
    wxPanel* m_client;
};

// The web view of a browser control at `rect` (relative to `origin` in
// `container`); null when the toolkit has no web engine.
CWxPeer* CreateBrowserPeer(CQelControl& control, wxWindow* container, wxPoint origin, const CQelRect& rect);

// The height in pixels of one row of a list box, as the toolkit draws it.
int ListRowHeight(wxListBox* list);

// A new peer for `control` inside `parent`; null for a kind this backend lacks.
CWxPeer* CreateControlPeer(CQelControl& control, CWxPeer& parent, const CQelRect& rect);

}  // namespace rg_qelvane_base::wx
