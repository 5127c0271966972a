// The window contract on the headless backend.
#include "platform_ui/contract_suite.h"
#include "support/headless_driver.h"

namespace ui_contract {

namespace {
namespace hl = rg_qelvane_base::headless;

class HeadlessDriver : public Driver {
public:
    void Reset() override { hl::UseHeadlessBackend(); }
    bool Click(CQelControl& control) override { return hl::Click(control); }
    bool Type(rg_edit_box& edit, const CWString& text) override { return hl::Type(edit, text); }
    bool Select(CQelItemControl& control, int index) override { return hl::Select(control, index); }
    bool DoubleClick(rg_list_box& list, int index) override { return hl::DoubleClick(list, index); }
    bool ClickCheckMark(rg_XuanZeLieBiaoKuang& list, int index) override { return hl::ClickCheckMark(list, index); }
    bool BeginCellEdit(rg_ChaoJiLieBiaoKuang& grid, int row, int column, const CWString& text) override {
        return hl::BeginCellEdit(grid, row, column, text);
    }
    bool CloseBox(CQelWinForm& form) override { return hl::Close(form); }
    bool IsUsable(const CQelControl& control) override { return hl::IsUsable(control); }
    // A record has no font to measure: rows of a 16-pixel font, one pixel apart by default.
    int ListRowHeight(rg_list_box& list) override {
        const hl::CHeadlessWindow* record = hl::FindWindow(list);
        return record ? 15 + record->rowSpacing : 0;
    }
    void DuringNextModal(std::function<void(CQelWinForm&)> action) override {
        hl::OnModalForm([action](CQelWinForm& form) {
            hl::OnModalForm(nullptr);
            action(form);
        });
    }
    void AnswerMessageBox(int button) override { hl::QueueMessageBoxAnswer(button); }
    void AnswerInputBox(std::optional<CWString> text) override {
        if (text) hl::QueueInputBoxAnswer(*text);
        else hl::QueueInputBoxCancel();
    }
    std::vector<ShownBox> ShownBoxes() override {
        std::vector<ShownBox> boxes;
        for (const hl::CShownBox& box : hl::ShownBoxes()) boxes.push_back({box.text, box.title});
        return boxes;
    }
};
}  // namespace

Driver& ContractDriver() {
    static HeadlessDriver driver;
    return driver;
}

}  // namespace ui_contract
