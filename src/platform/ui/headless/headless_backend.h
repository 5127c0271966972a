#pragma once
// The in-memory backend: every native window is a plain record. Tests drive
// it through tests/support/headless_driver.h; this header is for that driver.
#include <chrono>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/ui/backend.h"

namespace rg_qelvane_base::headless {

class CHeadlessBackend;

struct CHeadlessItem {
    CWString text;
    long long data = 0;
    bool checked = false;  // check list boxes
    bool operator==(const CHeadlessItem&) const = default;
};

struct CHeadlessColumn {
    CWString title;
    int width = 0;
    bool operator==(const CHeadlessColumn&) const = default;
};

struct CHeadlessRow {
    std::vector<CWString> cells;
    bool selected = false;
};

// A cell whose editor is open, and what has been typed into it so far.
struct CHeadlessCellEdit {
    int row = 0;
    int column = 0;
    CWString text;
};

// One native window. The fields are what a user would see of it.
class CHeadlessWindow : public CQelNativeWindow {
public:
    CHeadlessWindow(CHeadlessBackend& backend, CQelControl& control, CHeadlessWindow* parent);

    CQelControlKind kind;
    CWString text;
    CQelRect rect;  // scaled, relative to the parent (a form's is its client area)
    CQelFont font;
    unsigned style = CQelStyle::None;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    std::vector<CHeadlessItem> items;
    int selection = -1;
    int rowSpacing = 1;
    std::vector<CHeadlessColumn> columns;  // report lists
    std::vector<CHeadlessRow> rows;
    // The cell whose editor is open; the editor goes with the window.
    std::optional<CHeadlessCellEdit> cellEdit;
    CWString address;  // browsers: where the web view went last
    CQelBrowserOptions browserOptions;
    // Forms only.
    CQelBorderStyle border = CQelBorderStyle::Sizable;
    CHeadlessWindow* owner = nullptr;
    bool modal = false;

    CHeadlessWindow* parent;
    std::vector<std::unique_ptr<CHeadlessWindow>> children;

    // Enabled and shown with every window it sits in.
    bool IsUsable() const;
    CHeadlessWindow& TopLevel();

    CWString GetText() const override;
    void SetText(const CWString& value) override;
    void SetFont(const CQelFont& value) override { font = value; }
    void SetStaticEdge() override { style |= CQelStyle::StaticEdge; }
    void Enable(bool value) override { enabled = value; }
    void Show(bool value) override { visible = value; }
    void Move(const CQelRect& value) override { rect = value; }
    void DestroyWindow() override;
    void AppendText(const CWString& value) override;
    bool GetCheck() const override { return checked; }
    void SetCheck(bool value) override;
    int AddItem(const CWString& value, long long data) override;
    int InsertItem(int index, const CWString& value, long long data) override;
    bool DeleteItem(int index) override;
    void ClearItems() override;
    int GetItemCount() const override { return static_cast<int>(items.size()); }
    CWString GetItemText(int index) const override;
    long long GetItemData(int index) const override;
    void SetItemData(int index, long long data) override;
    int GetSelection() const override { return selection; }
    void SetSelection(int index) override;
    void SetRowSpacing(int pixels) override { rowSpacing = pixels; }
    bool GetItemCheck(int index) const override { return Holds(index) && items[index].checked; }
    void SetItemCheck(int index, bool value) override;
    int GetColumnCount() const override { return static_cast<int>(columns.size()); }
    void AddColumn(const CWString& title, int width) override { columns.push_back({title, width}); }
    void SetColumnWidth(int column, int width) override;
    bool DeleteColumn(int column) override;
    int GetRowCount() const override { return static_cast<int>(rows.size()); }
    int InsertRow(int row, const CWString& firstCell) override;
    bool DeleteRow(int row) override;
    void DeleteSelectedRows() override {
        std::erase_if(rows, [](const CHeadlessRow& row) { return row.selected; });
    }
    void DeleteAllRows() override { rows.clear(); }
    CWString GetCellText(int row, int column) const override;
    void SetCellText(int row, int column, const CWString& value) override;
    std::vector<int> GetSelectedRows() const override {
        std::vector<int> selected;
        for (size_t row = 0; row < rows.size(); ++row)
            if (rows[row].selected) selected.push_back(static_cast<int>(row));
        return selected;
    }
    void SelectRow(int row, bool value) override;
    void CommitCellEdit() override;
    void Navigate(const CWString& value) override { address = value; }
    void SetBrowserOptions(const CQelBrowserOptions& options) override { browserOptions = options; }
    CQelRect GetClientRect() const override;

    // A cell that exists: row in range, column 0 or a column of the list.
    bool HoldsCell(int row, int column) const {
        return HoldsRow(row) && column >= 0 && (column == 0 || column < GetColumnCount());
    }

private:
    bool Holds(int index) const { return index >= 0 && index < GetItemCount(); }
    bool HoldsRow(int row) const { return row >= 0 && row < GetRowCount(); }
    CHeadlessBackend& m_backend;
};

// A box the program showed, in the order shown.
struct CShownBox {
    enum class Kind { Message, Input, OpenFile };
    Kind kind = Kind::Message;
    const CQelWinForm* owner = nullptr;
    CWString text;         // message text, input prompt or file filter
    CWString title;        // the caption shown
    int flags = 0;         // message boxes
    CWString defaultText;  // input boxes
};

class CHeadlessBackend : public CQelUiBackend {
public:
    ~CHeadlessBackend() override;

    CQelNativeWindow* CreateForm(CQelWinForm& form, const CQelFormSpec& spec) override;
    void ShowForm(CQelNativeWindow& form) override;
    CQelNativeWindow* CreateControl(CQelControl& control, CQelNativeWindow& parent, const CQelRect& rect) override;
    CQelWinForm* LastActiveForm() const override;
    int RunModal(CQelWinForm& form, CQelWinForm* owner) override;
    void EndModal(CQelWinForm&) override {}
    int RunMainLoop() override;
    void QuitMainLoop(int exitCode) override { m_exitCode = exitCode; }
    int DisplayDpi() const override { return m_dpi; }
    int ShowMessage(CQelWinForm* owner, const CWString& text, int flags, const CWString& title) override;
    bool AskInput(CQelWinForm* owner, const CWString& prompt, const CWString& caption, const CWString& defaultText,
                  CWString& text) override;
    bool OpenFileDialog(CQelWinForm* owner, const CWString& filter, CWString& path) override;
    bool SetClipboardText(const CWString& text) override;
    CWString GetClipboardText() override { return m_clipboard; }
    void PostToUiThread(std::function<void()> task) override;
    void RunLaterOnUiThread(int milliseconds, std::function<void()> task) override;
    void WaitRepainting(const std::function<bool()>& done) override;

    // Runs the tasks posted so far and the later ones whose time has come, in
    // order; returns how many ran.
    int RunPostedTasks();
    // Waits up to `milliseconds` for a task to run, then runs what is due.
    int WaitForPostedTasks(int milliseconds);

    // Used by the records and the driver.
    void Destroy(CHeadlessWindow& window);
    void Activate(CHeadlessWindow& form);
    bool IsTopLevel(const CHeadlessWindow* window) const;

    std::vector<CShownBox> shownBoxes;
    std::deque<int> messageAnswers;
    std::deque<std::optional<CWString>> inputAnswers;
    std::deque<std::optional<CWString>> fileAnswers;
    std::function<void(CQelWinForm&)> modalHook;
    std::function<void()> mainLoopHook;
    std::function<void()> repaintingWaitHook;
    int mainLoopRuns = 0;

    void SetDisplayDpi(int dpi) { m_dpi = dpi; }

private:
    std::vector<std::unique_ptr<CHeadlessWindow>> m_topLevels;
    std::vector<CHeadlessWindow*> m_activation;  // oldest first
    CWString m_clipboard;
    std::mutex m_postedLock;
    std::deque<std::function<void()>> m_posted;
    std::vector<std::pair<std::chrono::steady_clock::time_point, std::function<void()>>> m_later;  // UI thread only
    int m_dpi = 96;
    int m_exitCode = 0;
};

}  // namespace rg_qelvane_base::headless
