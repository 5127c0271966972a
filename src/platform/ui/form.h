#pragma once
// Forms: top-level windows whose object lives for the whole run (or, for a
// modal form, for the one call) while the native window comes and goes.
//
// Lifetime of one opening:
//  1. Creating the native window runs, before the call returns:
//     HookEvents()  ->  BuildControls()  ->  the Created event.
//  2. Every ending raises the Destroyed event exactly once:
//     - closed by the program, the close box or the owner's closing: first,
//       while the form and all its controls still have their native windows,
//       so the handler reads and changes them as at any other time;
//     - taken away by the toolkit on its own (it cannot wait): last, once the
//       form and its controls have let go of their native windows.
//     While it runs the form is no longer an owner: boxes shown then have no
//     owner, it is not the last active form, and Close() does nothing.
//  3. After that every control works as one that was never created (texts
//     read their creation text, lists are empty, changes are dropped or
//     stored for the next opening), so a handler that runs later, such as
//     a database connection's events, is always safe.
//  4. Destroying the form object raises nothing: a window whose handlers
//     must not run then unbinds them in its own destructor.
// The next opening builds every control again with its creation text.
#include <vector>

#include "platform/ui/control.h"

namespace rg_qelvane_base {

enum class CQelBorderStyle {
    Sizable,      // sizable border with minimize and maximize boxes
    FixedSingle,  // fixed single-line border with minimize and maximize boxes
    DialogFrame,  // fixed dialog frame, close box only
};

struct CQelCreateRecord {
    // Owner window. For a modal form, none means the last activated top-level window.
    CQelWinForm* owner = nullptr;
    // Replaces the caption when not empty.
    CWString caption;
    // Fixed dialog frame, whatever the form's own border style.
    bool dialogFrame = false;
};

// Identifies a native window; compares equal only to itself while it exists.
using CQelWindowHandle = const CQelNativeWindow*;

// The main window's native window, recorded at start-up: its destruction ends
// the main loop with exit code 0.
extern CQelWindowHandle MainWindowHandle;

class CQelWinForm : public CQelControl {
public:
    explicit CQelWinForm(const CWString& caption = u"");
    ~CQelWinForm() override;

    // Client size of every opening (before the display scale).
    virtual int ClientWidth() const { return 800; }
    virtual int ClientHeight() const { return 600; }

    // Non-modal top-level window, centred; false when it is open already or cannot be made.
    bool CreateFormWindow(const CQelCreateRecord& record = {});
    // Opens the form non-modally, owned by `owner`. Nothing when it is open already.
    void OpenWindow(CQelWinForm& owner);
    // Runs the form modally, so the user must finish with it before any other
    // window of the program takes input again. Once it closes those windows
    // are usable, the owner has the focus back and the native window is gone.
    // Returns the modal result (0 after a close), -1 when the form was open
    // already or could not be made.
    int ShowModal(const CQelCreateRecord& record = {});
    // As the close box does: ends a modal run, destroys the native window.
    void Close();

    // Client area {0, 0, width, height}; all zeros without a native window.
    CQelRect GetClientRect() const;
    CQelWindowHandle WindowHandle() const { return NativeWindow(); }

    void SetBorderStyle(CQelBorderStyle style) { m_border = style; }

    // For backends: the toolkit took the native window away on its own.
    void NativeFormGone();
    // True while the Destroyed event of an ending runs.
    bool IsClosing() const { return m_tearingDown; }
    // The controls of the current opening, in creation order.
    const std::vector<CQelControl*>& CreatedControls() const { return m_created; }

protected:
    virtual void HookEvents() {}
    virtual void BuildControls() {}

private:
    friend class CQelControl;
    void AddCreatedControl(CQelControl& control);
    void RemoveCreatedControl(CQelControl& control);
    bool MakeNativeWindow(const CQelCreateRecord& record, bool modal);
    enum class Ending { Closed, Gone, Silent };
    // Detaches the form and its controls from their native windows, raising
    // Destroyed as the ending asks; returns the form's native window.
    CQelNativeWindow* TearDown(Ending ending);

    CQelBorderStyle m_border = CQelBorderStyle::Sizable;
    std::vector<CQelControl*> m_created;
    bool m_modal = false;
    bool m_tearingDown = false;
};

}  // namespace rg_qelvane_base
