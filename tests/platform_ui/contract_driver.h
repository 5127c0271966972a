#pragma once
// What the window contract suite needs of a backend to act as a user: each
// test executable (headless, wx) supplies one through ContractDriver().
#include <functional>
#include <optional>
#include <vector>

#include "platform/ui/ui.h"

namespace ui_contract {

using namespace rg_qelvane_base;

struct ShownBox {
    CWString text;   // message or prompt
    CWString title;  // the caption shown
};

class Driver {
public:
    virtual ~Driver() = default;
    // A clean slate before each test: no scripted answers, no boxes recorded.
    virtual void Reset() = 0;

    virtual bool Click(CQelControl& control) = 0;
    virtual bool Type(rg_edit_box& edit, const CWString& text) = 0;
    virtual bool Select(CQelItemControl& control, int index) = 0;
    virtual bool DoubleClick(rg_list_box& list, int index) = 0;
    virtual bool ClickCheckMark(rg_XuanZeLieBiaoKuang& list, int index) = 0;
    // Opens a cell's editor, as two clicks on the cell do, and types `text`
    // into it; the editor stays open.
    virtual bool BeginCellEdit(rg_ChaoJiLieBiaoKuang& grid, int row, int column, const CWString& text) = 0;
    virtual bool CloseBox(CQelWinForm& form) = 0;
    virtual bool IsUsable(const CQelControl& control) = 0;
    // How tall one row of the list is drawn, in pixels.
    virtual int ListRowHeight(rg_list_box& list) = 0;

    // Runs `action` inside the next modal run, on its form; the form is closed afterwards.
    virtual void DuringNextModal(std::function<void(CQelWinForm&)> action) = 0;
    virtual void AnswerMessageBox(int button) = 0;
    // nullopt: cancel.
    virtual void AnswerInputBox(std::optional<CWString> text) = 0;
    virtual std::vector<ShownBox> ShownBoxes() = 0;
};

Driver& ContractDriver();

}  // namespace ui_contract
