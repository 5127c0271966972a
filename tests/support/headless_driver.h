#pragma once
// Test driver for the headless backend: act on windows the way a user would
// and script the answers of the boxes the program shows.
//
//   UseHeadlessBackend();                      // fresh backend: no windows, no boxes, empty clipboard
//   window.CreateFormWindow();                 // or the program's own way of opening it
//   Type(window.m_source, u"a\nb");            // sets the text (CR LF in a multi-line edit), raises TextChanged
//   Click(window.m_parse);                     // raises Click (a check box or radio button toggles first)
//   Select(window.m_list, 2);                  // selects entry 2, raises SelectionChanged
//   DoubleClick(window.m_list, 2);             // selects, then raises DoubleClick
//   ClickCheckMark(window.m_tables, 0);  SelectRows(window.m_grid, {1, 3});  EditCell(window.m_grid, 1, 1, u"中")
//   BeginCellEdit(window.m_grid, 1, 1, u"中");  // the editor stays open until the grid is used again
//   EXPECT_EQ(window.m_output.GetControlText(), u"...");   // read state through the controls themselves
//
//   QueueMessageBoxAnswer(IDYES);              // answers, in order; unscripted boxes answer OK / No / Cancel
//   QueueInputBoxAnswer(u"name");  QueueInputBoxCancel();
//   QueueFileDialogAnswer(u"/tmp/a.db");  QueueFileDialogCancel();
//   ShownBoxes()                               // every box shown: kind, owner, text, title, flags, default text
//
//   OnModalForm([](CQelWinForm& form) { ...act...; Close(form); });
//                                              // runs inside every modal run; the form is closed afterwards anyway
//   WaitForPostedTasks(20000);                // runs what other threads posted to the UI thread
//   OnMainLoop([] { ... });                    // runs as the main loop; without it the loop closes the main window
//   OnRepaintingWait([&] { Close(window); });  // runs at each turn of a wait that only repaints (a statement's):
//                                              // the close box still works then, clicks and keys do not
//
// Acting on a control that has no native window, is disabled (itself or any
// window it sits in, as during another window's modal run) or hidden does
// nothing and returns false. The clipboard is an in-memory text, read and
// written with GetClipboardText / SetClipboardText; while a
// CInjectedFault(CQelFault::ClipboardWrite) lives (support/seams.h) it
// refuses new text, as a clipboard held open by another program does.
#include <functional>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/headless/headless_backend.h"
#include "platform/ui/report_list.h"

namespace rg_qelvane_base::headless {

// Installs a fresh headless backend and returns it.
CHeadlessBackend& UseHeadlessBackend();

// The record of a control's native window; null while it has none.
const CHeadlessWindow* FindWindow(const CQelControl& control);
bool IsOpen(const CQelWinForm& form);
// Enabled and shown, with every window it sits in.
bool IsUsable(const CQelControl& control);

bool Click(CQelControl& control);
// Replaces the edit's whole text, as typing or pasting would.
bool Type(rg_edit_box& edit, const CWString& text);
bool Select(CQelItemControl& control, int index);
// -1 keeps the current selection.
bool DoubleClick(rg_list_box& list, int index = -1);
// Clicks the box when its state differs from `checked`.
bool SetCheck(CQelCheckControl& control, bool checked);
// Clicks the check mark of a check list entry: toggles it, raises CheckChanged.
bool ClickCheckMark(rg_XuanZeLieBiaoKuang& list, int index);
// Selects exactly these rows, as clicks with Ctrl held would.
bool SelectRows(rg_ChaoJiLieBiaoKuang& grid, const std::vector<int>& rows);
// Opens a cell's editor (only in a list with editable cells) and types `text`
// into it. The editor stays open until the grid is next used, by the program,
// SelectRows or another edit, all of which keep what it holds; closing the
// window drops it.
bool BeginCellEdit(rg_ChaoJiLieBiaoKuang& grid, int row, int column, const CWString& text);
// Edits a cell in place, ended by Return.
bool EditCell(rg_ChaoJiLieBiaoKuang& grid, int row, int column, const CWString& text);
// The close box.
bool Close(CQelWinForm& form);
// Brings the form to the front, as a click on it would.
bool Activate(CQelWinForm& form);
// Drags the form's border until its client area has this size (before the display scale); raises Resized.
bool ResizeClient(CQelWinForm& form, int width, int height);

void QueueMessageBoxAnswer(int button);
void QueueInputBoxAnswer(const CWString& text);
void QueueInputBoxCancel();
void QueueFileDialogAnswer(const CWString& path);
void QueueFileDialogCancel();
const std::vector<CShownBox>& ShownBoxes();
void ClearShownBoxes();

// Tasks posted to the UI thread (an asynchronous database open's completion)
// and tasks for later (its time-out) run only when a test asks: now, or after
// waiting up to `milliseconds` for one to be due.
int RunPostedTasks();
int WaitForPostedTasks(int milliseconds);

void OnModalForm(std::function<void(CQelWinForm&)> hook);
void OnMainLoop(std::function<void()> hook);
void OnRepaintingWait(std::function<void()> hook);
// How many times the main loop ran.
int MainLoopRuns();
void SetDisplayDpi(int dpi);

}  // namespace rg_qelvane_base::headless
