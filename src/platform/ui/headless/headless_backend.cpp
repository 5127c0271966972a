#include "platform/ui/headless/headless_backend.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/seams.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/line_ends.h"

namespace rg_qelvane_base::headless {

namespace {
CQelWinForm* FormOf(const CHeadlessWindow* window) {
    CQelControl* control = window ? window->Control() : nullptr;
    return control && control->Kind() == CQelControlKind::Form ? static_cast<CQelWinForm*>(control) : nullptr;
}

CHeadlessWindow* RecordOf(const CQelControl* control) {
    return control ? dynamic_cast<CHeadlessWindow*>(control->NativeWindow()) : nullptr;
}
}  // namespace

CHeadlessWindow::CHeadlessWindow(CHeadlessBackend& backend, CQelControl& control, CHeadlessWindow* parentWindow)
    : CQelNativeWindow(control),
      kind(control.Kind()),
      text(control.CreationText()),
      style(control.Style()),
      enabled(control.IsEnabledProperty()),
      parent(parentWindow),
      m_backend(backend) {
    if (kind == CQelControlKind::Edit && (style & CQelStyle::MultiLine)) text = ToCrLf(text);
}

bool CHeadlessWindow::IsUsable() const {
    for (const CHeadlessWindow* w = this; w; w = w->parent)
        if (!w->enabled || !w->visible) return false;
    return true;
}

CHeadlessWindow& CHeadlessWindow::TopLevel() {
    CHeadlessWindow* w = this;
    while (w->parent) w = w->parent;
    return *w;
}

CWString CHeadlessWindow::GetText() const {
    // A drop-down list shows only its chosen entry.
    if (kind == CQelControlKind::ComboBox && (style & CQelStyle::DropDownList)) return GetItemText(selection);
    return text;
}

void CHeadlessWindow::SetText(const CWString& value) {
    text = kind == CQelControlKind::Edit && (style & CQelStyle::MultiLine) ? ToCrLf(value) : value;
}

void CHeadlessWindow::DestroyWindow() { m_backend.Destroy(*this); }

void CHeadlessWindow::AppendText(const CWString& value) { SetText(text + value); }

void CHeadlessWindow::SetCheck(bool value) {
    checked = value;
    if (kind != CQelControlKind::RadioButton || !value || !parent) return;
    for (auto& sibling : parent->children)
        if (sibling.get() != this && sibling->kind == CQelControlKind::RadioButton) sibling->checked = false;
}

int CHeadlessWindow::AddItem(const CWString& value, long long data) {
    items.push_back({value, data});
    return GetItemCount() - 1;
}

int CHeadlessWindow::InsertItem(int index, const CWString& value, long long data) {
    if (!Holds(index)) return AddItem(value, data);
    items.insert(items.begin() + index, {value, data});
    if (selection >= index) ++selection;
    return index;
}

bool CHeadlessWindow::DeleteItem(int index) {
    if (!Holds(index)) return false;
    items.erase(items.begin() + index);
    if (selection == index) selection = -1;
    else if (selection > index) --selection;
    return true;
}

void CHeadlessWindow::ClearItems() {
    items.clear();
    selection = -1;
}

CWString CHeadlessWindow::GetItemText(int index) const { return Holds(index) ? items[index].text : CWString(); }

long long CHeadlessWindow::GetItemData(int index) const { return Holds(index) ? items[index].data : 0; }

void CHeadlessWindow::SetItemData(int index, long long data) {
    if (Holds(index)) items[index].data = data;
}

void CHeadlessWindow::SetSelection(int index) {
    selection = Holds(index) ? index : -1;
    if (kind == CQelControlKind::ComboBox && selection >= 0) text = items[selection].text;
}

void CHeadlessWindow::SetItemCheck(int index, bool value) {
    if (Holds(index)) items[index].checked = value;
}

void CHeadlessWindow::SetColumnWidth(int column, int width) {
    if (column >= 0 && column < GetColumnCount()) columns[column].width = width;
}

bool CHeadlessWindow::DeleteColumn(int column) {
    if (column < 0 || column >= GetColumnCount()) return false;
    columns.erase(columns.begin() + column);
    for (CHeadlessRow& row : rows)
        if (column < static_cast<int>(row.cells.size())) row.cells.erase(row.cells.begin() + column);
    return true;
}

int CHeadlessWindow::InsertRow(int row, const CWString& firstCell) {
    if (!HoldsRow(row)) row = GetRowCount();
    rows.insert(rows.begin() + row, CHeadlessRow{{firstCell}, false});
    return row;
}

bool CHeadlessWindow::DeleteRow(int row) {
    if (!HoldsRow(row)) return false;
    rows.erase(rows.begin() + row);
    return true;
}

CWString CHeadlessWindow::GetCellText(int row, int column) const {
    if (!HoldsCell(row, column) || column >= static_cast<int>(rows[row].cells.size())) return {};
    return rows[row].cells[column];
}

void CHeadlessWindow::SetCellText(int row, int column, const CWString& value) {
    if (!HoldsCell(row, column)) return;
    std::vector<CWString>& cells = rows[row].cells;
    if (column >= static_cast<int>(cells.size())) cells.resize(column + 1);
    cells[column] = value;
}

void CHeadlessWindow::SelectRow(int row, bool value) {
    if (HoldsRow(row)) rows[row].selected = value;
}

void CHeadlessWindow::CommitCellEdit() {
    if (!cellEdit) return;
    SetCellText(cellEdit->row, cellEdit->column, cellEdit->text);
    cellEdit.reset();
}

CQelRect CHeadlessWindow::GetClientRect() const { return {0, 0, rect.width, rect.height}; }

CHeadlessBackend::~CHeadlessBackend() {
    m_activation.clear();
    m_topLevels.clear();
}

CQelNativeWindow* CHeadlessBackend::CreateForm(CQelWinForm& form, const CQelFormSpec& spec) {
    auto window = std::make_unique<CHeadlessWindow>(*this, form, nullptr);
    window->text = spec.caption;
    window->rect = {0, 0, spec.clientWidth, spec.clientHeight};
    window->border = spec.border;
    window->owner = dynamic_cast<CHeadlessWindow*>(spec.owner);
    window->visible = false;
    m_topLevels.push_back(std::move(window));
    return m_topLevels.back().get();
}

void CHeadlessBackend::ShowForm(CQelNativeWindow& form) {
    auto& window = static_cast<CHeadlessWindow&>(form);
    window.visible = true;
    Activate(window);
}

CQelNativeWindow* CHeadlessBackend::CreateControl(CQelControl& control, CQelNativeWindow& parent,
                                                  const CQelRect& rect) {
    auto* parentWindow = dynamic_cast<CHeadlessWindow*>(&parent);
    if (!parentWindow) return nullptr;
    auto window = std::make_unique<CHeadlessWindow>(*this, control, parentWindow);
    window->rect = rect;
    parentWindow->children.push_back(std::move(window));
    return parentWindow->children.back().get();
}

bool CHeadlessBackend::IsTopLevel(const CHeadlessWindow* window) const {
    return std::any_of(m_topLevels.begin(), m_topLevels.end(), [&](auto& w) { return w.get() == window; });
}

void CHeadlessBackend::Destroy(CHeadlessWindow& window) {
    std::unique_ptr<CHeadlessWindow> doomed;
    if (IsTopLevel(&window)) {
        // Owned windows go with their owner, each told before its record goes.
        for (;;) {
            auto owned =
                std::find_if(m_topLevels.begin(), m_topLevels.end(), [&](auto& w) { return w->owner == &window; });
            if (owned == m_topLevels.end()) break;
            CHeadlessWindow& ownedWindow = **owned;
            if (CQelWinForm* form = FormOf(&ownedWindow)) form->Close();
            if (IsTopLevel(&ownedWindow)) Destroy(ownedWindow);
        }
        std::erase(m_activation, &window);
        auto it = std::find_if(m_topLevels.begin(), m_topLevels.end(), [&](auto& w) { return w.get() == &window; });
        doomed = std::move(*it);
        m_topLevels.erase(it);
    } else if (window.parent) {
        auto& siblings = window.parent->children;
        auto it = std::find_if(siblings.begin(), siblings.end(), [&](auto& w) { return w.get() == &window; });
        if (it == siblings.end()) return;
        doomed = std::move(*it);
        siblings.erase(it);
    }
}

void CHeadlessBackend::Activate(CHeadlessWindow& form) {
    std::erase(m_activation, &form);
    m_activation.push_back(&form);
}

CQelWinForm* CHeadlessBackend::LastActiveForm() const {
    for (auto it = m_activation.rbegin(); it != m_activation.rend(); ++it)
        if (CQelWinForm* form = FormOf(*it); form && !form->IsClosing()) return form;
    return nullptr;
}

int CHeadlessBackend::RunModal(CQelWinForm& form, CQelWinForm* owner) {
    CHeadlessWindow* window = RecordOf(&form);
    if (!window) return 0;
    window->modal = true;
    std::vector<CHeadlessWindow*> disabled;
    for (auto& other : m_topLevels) {
        if (other.get() != window && other->enabled) {
            other->enabled = false;
            disabled.push_back(other.get());
        }
    }
    // The user's part of the nested loop: the test acts inside the form and closes it.
    if (auto hook = modalHook) hook(form);
    form.Close();
    for (CHeadlessWindow* other : disabled)
        if (IsTopLevel(other)) other->enabled = true;
    if (CHeadlessWindow* ownerWindow = RecordOf(owner)) Activate(ownerWindow->TopLevel());
    return 0;
}

int CHeadlessBackend::RunMainLoop() {
    ++mainLoopRuns;
    m_exitCode = 0;
    if (auto hook = mainLoopHook) {
        hook();
    } else if (CQelWinForm* main = FormOf(static_cast<const CHeadlessWindow*>(MainWindowHandle))) {
        main->Close();
    }
    return m_exitCode;
}

int CHeadlessBackend::ShowMessage(CQelWinForm* owner, const CWString& text, int flags, const CWString& title) {
    shownBoxes.push_back({CShownBox::Kind::Message, owner, text, title, flags, {}});
    if (!messageAnswers.empty()) {
        int answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    // Unscripted: the answer that changes nothing.
    return (flags & 0xF) == MB_YESNO ? IDNO : IDOK;
}

bool CHeadlessBackend::AskInput(CQelWinForm* owner, const CWString& prompt, const CWString& caption,
                                const CWString& defaultText, CWString& text) {
    shownBoxes.push_back({CShownBox::Kind::Input, owner, prompt, caption, 0, defaultText});
    if (inputAnswers.empty()) return false;
    std::optional<CWString> answer = inputAnswers.front();
    inputAnswers.pop_front();
    if (!answer) return false;
    text = *answer;
    return true;
}

bool CHeadlessBackend::OpenFileDialog(CQelWinForm* owner, const CWString& filter, CWString& path) {
    shownBoxes.push_back({CShownBox::Kind::OpenFile, owner, filter, {}, 0, {}});
    if (fileAnswers.empty()) return false;
    std::optional<CWString> answer = fileAnswers.front();
    fileAnswers.pop_front();
    if (!answer) return false;
    path = *answer;
    return true;
}

bool CHeadlessBackend::SetClipboardText(const CWString& text) {
    // Another program holding the clipboard open leaves it as it was.
    if (IsFaultInjected(CQelFault::ClipboardWrite)) return false;
    m_clipboard = text;
    return true;
}

}  // namespace rg_qelvane_base::headless

namespace rg_qelvane_base::headless {

void CHeadlessBackend::PostToUiThread(std::function<void()> task) {
    std::lock_guard lock(m_postedLock);
    m_posted.push_back(std::move(task));
}

void CHeadlessBackend::WaitRepainting(const std::function<bool()>& done) {
    // Nothing to paint here: the test acts as the user still can meanwhile, and the wait goes on.
    while (!done()) {
        if (auto hook = repaintingWaitHook) hook();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void CHeadlessBackend::RunLaterOnUiThread(int milliseconds, std::function<void()> task) {
    m_later.emplace_back(std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds), std::move(task));
}

int CHeadlessBackend::RunPostedTasks() {
    std::deque<std::function<void()>> tasks;
    {
        std::lock_guard lock(m_postedLock);
        tasks.swap(m_posted);
    }
    const auto now = std::chrono::steady_clock::now();
    for (auto later = m_later.begin(); later != m_later.end();) {
        if (later->first > now) {
            ++later;
            continue;
        }
        tasks.push_back(std::move(later->second));
        later = m_later.erase(later);
    }
    for (auto& task : tasks) task();
    return static_cast<int>(tasks.size());
}

int CHeadlessBackend::WaitForPostedTasks(int milliseconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    auto due = [this] {
        const auto now = std::chrono::steady_clock::now();
        for (const auto& later : m_later)
            if (later.first <= now) return true;
        std::lock_guard lock(m_postedLock);
        return !m_posted.empty();
    };
    while (std::chrono::steady_clock::now() < until && !due())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return RunPostedTasks();
}

}  // namespace rg_qelvane_base::headless
