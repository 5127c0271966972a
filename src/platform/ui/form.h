#pragma once
// Forms: top-level windows whose object lives for the whole run (or, for a
// modal form, for the one call) while the native window comes and goes.
//
// Creating the native window always runs, before the call returns:
//   HookEvents()  ->  BuildControls()  ->  the Created event.
// Closing destroys only the native window (after the Destroyed event); the
// next opening builds every control again with its creation text.
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
    // Runs the form modally: every other top-level window of the program is
    // disabled until it closes; then they are enabled again, the owner is
    // activated and the native window is gone. Returns the modal result (0
    // after a close), -1 when the form was open already or could not be made.
    int ShowModal(const CQelCreateRecord& record = {});
    // As the close box does: ends a modal run, destroys the native window.
    void Close();

    // Client area {0, 0, width, height}; all zeros without a native window.
    CQelRect GetClientRect() const;
    CQelWindowHandle WindowHandle() const { return NativeWindow(); }

    void SetBorderStyle(CQelBorderStyle style) { m_border = style; }
    CQelBorderStyle BorderStyle() const { return m_border; }

    // For backends: the native window went away on its own (its owner was destroyed).
    void NativeFormGone();
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
    // Detaches the form and its controls from their native windows; returns the form's one.
    CQelNativeWindow* TearDown(bool raiseDestroyed);

    CQelBorderStyle m_border = CQelBorderStyle::Sizable;
    std::vector<CQelControl*> m_created;
    bool m_modal = false;
    bool m_tearingDown = false;
};

}  // namespace rg_qelvane_base
