#pragma once
// The interface between the control objects and a windowing backend
// (headless records for tests, wxWidgets for the real program). Nothing but
// the control, form, dialog and clipboard services talks to a backend.
#include <functional>
#include <memory>
#include <vector>

#include "platform/ui/browser.h"
#include "platform/ui/control.h"
#include "platform/ui/font.h"
#include "platform/ui/form.h"
#include "platform/ui_thread.h"

namespace rg_qelvane_base {

// One native window. The backend owns it; it lives until the native window is
// destroyed, and then tells its control, so the control never holds a dangling
// peer. Every operation defaults to the result of a window that lacks the
// feature; each kind overrides what it has.
class CQelNativeWindow {
public:
    explicit CQelNativeWindow(CQelControl& control) : m_control(&control) {}
    virtual ~CQelNativeWindow();
    CQelNativeWindow(const CQelNativeWindow&) = delete;
    CQelNativeWindow& operator=(const CQelNativeWindow&) = delete;

    // The control this window belongs to; null once the control has let go of it.
    CQelControl* Control() const { return m_control; }

    virtual CWString GetText() const = 0;
    virtual void SetText(const CWString& text) = 0;
    virtual void SetFont(const CQelFont& font) = 0;
    virtual void SetStaticEdge() = 0;
    virtual void Enable(bool enabled) = 0;
    virtual void Show(bool visible) = 0;
    virtual void Move(const CQelRect& rect) = 0;
    // Destroys the native window (and its children); the peer may be gone afterwards.
    virtual void DestroyWindow() = 0;

    virtual void AppendText(const CWString& /*text*/) {}
    virtual bool GetCheck() const { return false; }
    virtual void SetCheck(bool /*checked*/) {}

    virtual int AddItem(const CWString& /*text*/, long long /*data*/) { return -1; }
    virtual int InsertItem(int /*index*/, const CWString& /*text*/, long long /*data*/) { return -1; }
    virtual bool DeleteItem(int /*index*/) { return false; }
    virtual void ClearItems() {}
    virtual int GetItemCount() const { return 0; }
    virtual CWString GetItemText(int /*index*/) const { return {}; }
    virtual long long GetItemData(int /*index*/) const { return 0; }
    virtual void SetItemData(int /*index*/, long long /*data*/) {}
    virtual int GetSelection() const { return -1; }
    virtual void SetSelection(int /*index*/) {}
    virtual void SetRowSpacing(int /*pixels*/) {}
    virtual bool GetItemCheck(int /*index*/) const { return false; }
    virtual void SetItemCheck(int /*index*/, bool /*checked*/) {}

    // Report lists: columns, then rows of cells.
    virtual int GetColumnCount() const { return 0; }
    virtual void AddColumn(const CWString& /*title*/, int /*width*/) {}
    virtual void SetColumnWidth(int /*column*/, int /*width*/) {}
    virtual bool DeleteColumn(int /*column*/) { return false; }
    virtual int GetRowCount() const { return 0; }
    virtual int InsertRow(int /*row*/, const CWString& /*firstCell*/) { return -1; }
    virtual bool DeleteRow(int /*row*/) { return false; }
    virtual void DeleteSelectedRows() {}
    virtual void DeleteAllRows() {}
    virtual CWString GetCellText(int /*row*/, int /*column*/) const { return {}; }
    virtual void SetCellText(int /*row*/, int /*column*/, const CWString& /*text*/) {}
    // In ascending order.
    virtual std::vector<int> GetSelectedRows() const { return {}; }
    virtual void SelectRow(int /*row*/, bool /*selected*/) {}
    // Ends an edit still open in a cell, and what was typed becomes the cell's text.
    virtual void CommitCellEdit() {}

    // Browsers.
    virtual void Navigate(const CWString& /*address*/) {}
    virtual void SetBrowserOptions(const CQelBrowserOptions& /*options*/) {}

    virtual CQelRect GetClientRect() const { return {}; }

private:
    friend class CQelControl;
    CQelControl* m_control;
};

// How a form's native window is made.
struct CQelFormSpec {
    CQelNativeWindow* owner = nullptr;
    CWString caption;
    int clientWidth = 0;  // scaled
    int clientHeight = 0;
    CQelBorderStyle border = CQelBorderStyle::Sizable;
};

// A backend runs its windows on the UI thread, and is that thread to the layers beside it.
class CQelUiBackend : public CQelUiThread {
public:
    virtual ~CQelUiBackend() = default;

    // Null when the window cannot be made.
    virtual CQelNativeWindow* CreateForm(CQelWinForm& form, const CQelFormSpec& spec) = 0;
    // Shows a built form centred on the screen and activates it.
    virtual void ShowForm(CQelNativeWindow& form) = 0;
    // `rect` is already scaled and relative to `parent` (a group box's outer corner).
    virtual CQelNativeWindow* CreateControl(CQelControl& control, CQelNativeWindow& parent, const CQelRect& rect) = 0;

    // The top-level form activated last that still has a native window, or null.
    virtual CQelWinForm* LastActiveForm() const = 0;
    // Disables every other top-level window, waits until the form's native
    // window is gone (EndModal), enables them again and activates `owner`.
    virtual int RunModal(CQelWinForm& form, CQelWinForm* owner) = 0;
    virtual void EndModal(CQelWinForm& form) = 0;

    virtual int RunMainLoop() = 0;
    virtual void QuitMainLoop(int exitCode) = 0;
    virtual int DisplayDpi() const = 0;

    virtual int ShowMessage(CQelWinForm* owner, const CWString& text, int flags, const CWString& title) = 0;
    // True on OK with the typed text in `text`.
    virtual bool AskInput(CQelWinForm* owner, const CWString& prompt, const CWString& caption,
                          const CWString& defaultText, CWString& text) = 0;
    // True when a file was chosen; `path` is its full path.
    virtual bool OpenFileDialog(CQelWinForm* owner, const CWString& filter, CWString& path) = 0;

    virtual bool SetClipboardText(const CWString& text) = 0;
    virtual CWString GetClipboardText() = 0;
};

// The backend in use; the headless one until another is installed.
CQelUiBackend& Backend();
void InstallBackend(std::unique_ptr<CQelUiBackend> backend);

}  // namespace rg_qelvane_base
