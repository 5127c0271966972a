#include "support/headless_driver.h"

#include <stdexcept>

#include "platform/ui/scale.h"

namespace rg_qelvane_base::headless {

namespace {
CHeadlessBackend& Headless() {
    auto* backend = dynamic_cast<CHeadlessBackend*>(&Backend());
    if (!backend) throw std::logic_error("the headless test driver needs the headless backend");
    return *backend;
}

CHeadlessWindow* Usable(const CQelControl& control) {
    auto* window = dynamic_cast<CHeadlessWindow*>(control.NativeWindow());
    return window && window->IsUsable() ? window : nullptr;
}
}  // namespace

CHeadlessBackend& UseHeadlessBackend() {
    InstallBackend(std::make_unique<CHeadlessBackend>());
    return Headless();
}

const CHeadlessWindow* FindWindow(const CQelControl& control) {
    return dynamic_cast<const CHeadlessWindow*>(control.NativeWindow());
}

bool IsOpen(const CQelWinForm& form) { return FindWindow(form) != nullptr; }

bool IsUsable(const CQelControl& control) { return Usable(control) != nullptr; }

bool Click(CQelControl& control) {
    CHeadlessWindow* window = Usable(control);
    if (!window) return false;
    bool toggles = control.Kind() == CQelControlKind::CheckBox ||
                   (control.Kind() == CQelControlKind::RadioButton && !window->checked);
    if (toggles) window->SetCheck(!window->checked);
    control.RaiseEvent(CQelEvent::Click);
    if (toggles && control.HasNativeWindow()) control.RaiseEvent(CQelEvent::CheckChanged);
    return true;
}

bool Type(rg_edit_box& edit, const CWString& text) {
    CHeadlessWindow* window = Usable(edit);
    if (!window || (edit.Style() & CQelStyle::ReadOnly)) return false;
    window->SetText(text);
    edit.RaiseEvent(CQelEvent::TextChanged);
    return true;
}

bool Select(CQelItemControl& control, int index) {
    CHeadlessWindow* window = Usable(control);
    if (!window || index < 0 || index >= window->GetItemCount()) return false;
    window->SetSelection(index);
    control.RaiseEvent(CQelEvent::SelectionChanged);
    return true;
}

bool DoubleClick(rg_list_box& list, int index) {
    if (!Usable(list)) return false;
    if (index >= 0 && !Select(list, index)) return false;
    if (list.HasNativeWindow()) list.RaiseEvent(CQelEvent::DoubleClick);
    return true;
}

bool SetCheck(CQelCheckControl& control, bool checked) {
    if (!Usable(control)) return false;
    return control.IsChecked() == checked || Click(control);
}

bool ClickCheckMark(rg_XuanZeLieBiaoKuang& list, int index) {
    CHeadlessWindow* window = Usable(list);
    if (!window || index < 0 || index >= window->GetItemCount()) return false;
    window->SetItemCheck(index, !window->GetItemCheck(index));
    list.RaiseEvent(CQelEvent::CheckChanged);
    return true;
}

bool SelectRows(rg_ChaoJiLieBiaoKuang& grid, const std::vector<int>& rows) {
    CHeadlessWindow* window = Usable(grid);
    if (!window) return false;
    window->CommitCellEdit();
    for (int row = 0; row < window->GetRowCount(); ++row) window->SelectRow(row, false);
    for (int row : rows) window->SelectRow(row, true);
    return true;
}

bool BeginCellEdit(rg_ChaoJiLieBiaoKuang& grid, int row, int column, const CWString& text) {
    CHeadlessWindow* window = Usable(grid);
    if (!window || !grid.HasStyle(CQelStyle::EditableCells) || !window->HoldsCell(row, column)) return false;
    window->CommitCellEdit();
    window->cellEdit = CHeadlessCellEdit{row, column, text};
    return true;
}

bool EditCell(rg_ChaoJiLieBiaoKuang& grid, int row, int column, const CWString& text) {
    if (!BeginCellEdit(grid, row, column, text)) return false;
    Usable(grid)->CommitCellEdit();  // Return
    return true;
}

bool Close(CQelWinForm& form) {
    if (!Usable(form)) return false;
    form.Close();
    return true;
}

bool Activate(CQelWinForm& form) {
    CHeadlessWindow* window = Usable(form);
    if (!window) return false;
    Headless().Activate(*window);
    return true;
}

bool ResizeClient(CQelWinForm& form, int width, int height) {
    CHeadlessWindow* window = Usable(form);
    if (!window || window->border != CQelBorderStyle::Sizable) return false;
    window->rect.width = ScaleLength(width);
    window->rect.height = ScaleLength(height);
    form.RaiseEvent(CQelEvent::Resized);
    return true;
}

void QueueMessageBoxAnswer(int button) { Headless().messageAnswers.push_back(button); }
void QueueInputBoxAnswer(const CWString& text) { Headless().inputAnswers.emplace_back(text); }
void QueueInputBoxCancel() { Headless().inputAnswers.emplace_back(std::nullopt); }
void QueueFileDialogAnswer(const CWString& path) { Headless().fileAnswers.emplace_back(path); }
void QueueFileDialogCancel() { Headless().fileAnswers.emplace_back(std::nullopt); }
const std::vector<CShownBox>& ShownBoxes() { return Headless().shownBoxes; }
void ClearShownBoxes() { Headless().shownBoxes.clear(); }

void OnModalForm(std::function<void(CQelWinForm&)> hook) { Headless().modalHook = std::move(hook); }
int RunPostedTasks() { return Headless().RunPostedTasks(); }
int WaitForPostedTasks(int milliseconds) { return Headless().WaitForPostedTasks(milliseconds); }

void OnMainLoop(std::function<void()> hook) { Headless().mainLoopHook = std::move(hook); }
void OnRepaintingWait(std::function<void()> hook) { Headless().repaintingWaitHook = std::move(hook); }
int MainLoopRuns() { return Headless().mainLoopRuns; }
void SetDisplayDpi(int dpi) { Headless().SetDisplayDpi(dpi); }

}  // namespace rg_qelvane_base::headless
