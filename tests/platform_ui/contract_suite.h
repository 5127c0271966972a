#pragma once
// The window contract, written once and run on every backend: include this
// header in exactly one source file of a test executable that defines
// ui_contract::ContractDriver().
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform_ui/contract_driver.h"
#include "platform_ui/sample_window.h"

namespace ui_contract {

using Log = std::vector<std::string>;

class UiContract : public ::testing::Test {
protected:
    void SetUp() override { ContractDriver().Reset(); }
    Driver& driver() { return ContractDriver(); }
};

TEST_F(UiContract, CreationHooksThenBuildsThenRaisesCreatedBeforeReturning) {
    SampleWindow w;
    ASSERT_TRUE(w.CreateFormWindow());
    EXPECT_EQ(w.steps, (Log{"hook", "build", "created"}));
    EXPECT_TRUE(w.controlsExistedWhenCreated);
    EXPECT_FALSE(w.CreateFormWindow()) << "an open form is not created twice";
    EXPECT_EQ(w.steps.size(), 3u);
    EXPECT_EQ(w.GetClientRect(), (CQelRect{0, 0, 800, 600}));
    w.Close();
}

TEST_F(UiContract, WithoutNativeWindowsEveryOperationHasAFixedResult) {
    SampleWindow w;
    EXPECT_FALSE(w.line.Create(w, 105, {1, 2, 3, 4}, u"标题")) << "the form has no native window";
    EXPECT_EQ(w.line.GetControlText(), u"标题");
    w.line.SetControlText(u"下次");
    EXPECT_EQ(w.line.GetControlText(), u"下次");
    EXPECT_FALSE(w.check.IsChecked());
    EXPECT_EQ(w.combo.GetCurSel(), -1);
    EXPECT_EQ(w.list.GetItemCount(), 0);
    EXPECT_EQ(w.list.AddItem(u"a"), -1);
    EXPECT_EQ(w.list.GetListItemText(0), u"");
    EXPECT_EQ(w.GetClientRect(), CQelRect{});
    w.source.AppendEditText(u"nothing");
    EXPECT_EQ(w.source.GetControlText(), u"");
    EXPECT_TRUE(w.log.empty());
}

TEST_F(UiContract, ClicksReachTheHandlerWithTheSender) {
    SampleWindow w;
    w.CreateFormWindow();
    EXPECT_TRUE(driver().Click(w.button));
    EXPECT_EQ(w.log, (Log{"click:button"}));
    w.Close();
}

TEST_F(UiContract, MultiLineEditsHoldCrLfText) {
    SampleWindow w;
    w.CreateFormWindow();
    driver().Type(w.source, u"a\nb\r\nc");
    EXPECT_EQ(w.source.GetControlText(), u"a\r\nb\r\nc");
    driver().Type(w.line, u"x y");
    EXPECT_EQ(w.line.GetControlText(), u"x y");
    EXPECT_EQ(w.log, (Log{"change:source", "change:line"}));
    w.Close();
}

TEST_F(UiContract, TextSetFromCodeRaisesTheChangeEventOnce) {
    SampleWindow w;
    w.CreateFormWindow();
    w.source.SetControlText(u"x\ny");
    EXPECT_EQ(w.source.GetControlText(), u"x\r\ny");
    EXPECT_EQ(w.log, (Log{"change:source"}));
    w.source.AppendEditText(u"z");
    EXPECT_EQ(w.source.GetControlText(), u"x\r\nyz\r\n");
    EXPECT_EQ(w.log, (Log{"change:source", "change:source"}));
    w.label.SetControlText(u"新标签");
    EXPECT_EQ(w.label.GetControlText(), u"新标签");
    w.SetControlText(u"新标题");
    EXPECT_EQ(w.GetControlText(), u"新标题");
    w.Close();
}

TEST_F(UiContract, CheckBoxesAndRadioButtons) {
    SampleWindow w;
    w.CreateFormWindow();
    w.check.SetCheck(true);
    EXPECT_TRUE(w.check.IsChecked());
    EXPECT_TRUE(w.log.empty()) << "a check set from code raises nothing";
    driver().Click(w.check);
    EXPECT_FALSE(w.check.IsChecked());
    EXPECT_EQ(w.log, (Log{"click:check", "checked:check"}));

    w.log.clear();
    w.radioB.SetCheck(true);
    EXPECT_TRUE(w.radioB.IsChecked());
    EXPECT_FALSE(w.radioA.IsChecked());
    driver().Click(w.radioA);
    EXPECT_TRUE(w.radioA.IsChecked());
    EXPECT_FALSE(w.radioB.IsChecked());
    EXPECT_EQ(w.log, (Log{"click:radioA", "checked:radioA"}));
    w.Close();
}

TEST_F(UiContract, ListBoxEntriesDataAndSelection) {
    SampleWindow w;
    w.CreateFormWindow();
    rg_list_box& list = w.list;
    EXPECT_EQ(list.AddItem(u"a"), 0);
    EXPECT_EQ(list.AddItem(u"b"), 1);
    EXPECT_EQ(list.AddItem(u"c"), 2);
    EXPECT_EQ(list.InsertItem(1, u"x", 7), 1);
    EXPECT_EQ(list.InsertItem(99, u"end"), 4) << "out of range appends";
    ASSERT_EQ(list.GetItemCount(), 5);
    EXPECT_EQ(list.GetListItemText(1), u"x");
    EXPECT_EQ(list.GetListItemText(2), u"b");
    EXPECT_EQ(list.GetListItemText(9), u"");
    EXPECT_EQ(list.GetItemData(1), 7);
    EXPECT_EQ(list.GetItemData(0), 0);
    list.SetItemData(0, 3);
    EXPECT_EQ(list.GetItemData(0), 3);
    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_FALSE(list.DeleteItem(9));
    EXPECT_EQ(list.GetListItemText(0), u"x");
    EXPECT_EQ(list.GetItemData(0), 7) << "data moves with its entry";

    list.SetCurSel(1);
    EXPECT_EQ(list.GetCurSel(), 1);
    list.SetCurSel(-1);
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_TRUE(w.log.empty()) << "a selection set from code raises nothing";
    driver().Select(list, 2);
    EXPECT_EQ(list.GetCurSel(), 2);
    driver().DoubleClick(list, 0);
    EXPECT_EQ(list.GetCurSel(), 0);
    EXPECT_EQ(w.log, (Log{"select:list", "select:list", "double:list"}));
    list.ClearItems();
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(list.GetCurSel(), -1);
    w.Close();
}

TEST_F(UiContract, RowSpacingMakesEveryListRowTaller) {
    SampleWindow w;
    w.CreateFormWindow();
    w.list.AddItem(u"a");
    int plain = driver().ListRowHeight(w.list);
    EXPECT_GT(plain, 0);
    w.list.SetRowSpacing(6);
    EXPECT_EQ(driver().ListRowHeight(w.list), plain + 5);
    w.Close();
}

TEST_F(UiContract, DropDownListComboTakesItsEntriesFromTheListText) {
    SampleWindow w;
    w.CreateFormWindow();
    ASSERT_EQ(w.combo.GetItemCount(), 3);
    EXPECT_EQ(w.combo.GetListItemText(1), u"乙");
    EXPECT_EQ(w.combo.GetItemData(1), 5);
    EXPECT_EQ(w.combo.GetItemData(2), 9);
    EXPECT_EQ(w.combo.GetCurSel(), -1);
    w.combo.SetCurSel(1);
    EXPECT_EQ(w.combo.GetControlText(), u"乙");
    driver().Select(w.combo, 2);
    EXPECT_EQ(w.combo.GetControlText(), u"丙");
    EXPECT_EQ(w.log, (Log{"select:combo"}));
    w.Close();
}

TEST_F(UiContract, ReopeningBuildsAgainWithTheCreationTexts) {
    SampleWindow w;
    w.CreateFormWindow();
    driver().Type(w.line, u"typed");
    w.check.SetCheck(true);
    w.list.AddItem(u"a");
    EXPECT_TRUE(driver().CloseBox(w));
    EXPECT_EQ(w.lineTextWhenDestroyed, u"typed") << "controls are readable while the window goes";
    EXPECT_FALSE(w.HasNativeWindow());
    EXPECT_FALSE(w.line.HasNativeWindow());
    EXPECT_EQ(w.line.GetControlText(), u"初始") << "typed text is never copied back";
    EXPECT_FALSE(w.check.IsChecked());
    EXPECT_EQ(w.list.GetItemCount(), 0);

    ASSERT_TRUE(w.CreateFormWindow());
    EXPECT_EQ(w.steps, (Log{"hook", "build", "created", "hook", "build", "created"}));
    EXPECT_EQ(w.line.GetControlText(), u"初始");
    EXPECT_EQ(w.combo.GetItemCount(), 3);
    driver().Click(w.button);
    EXPECT_EQ(w.log.back(), "click:button") << "handlers bound again work again";
    w.Close();
}

TEST_F(UiContract, OwnedWindowsOpenOnceAndCloseWithTheirOwner) {
    SampleWindow owner(u"主窗口");
    SampleWindow tool(u"工具");
    owner.CreateFormWindow();
    tool.OpenWindow(owner);
    tool.OpenWindow(owner);
    EXPECT_EQ(tool.steps.size(), 3u) << "opening an open window does nothing";
    driver().Type(tool.line, u"工具文本");
    owner.Close();
    EXPECT_FALSE(tool.HasNativeWindow());
    EXPECT_EQ(tool.lineTextWhenDestroyed, u"工具文本");
}

TEST_F(UiContract, ModalRunDisablesEveryOtherWindowUntilItCloses) {
    SampleWindow mainWindow(u"主窗口");
    SampleWindow tool(u"工具");
    mainWindow.CreateFormWindow();
    tool.OpenWindow(mainWindow);
    SampleWindow dialog(u"对话");
    bool mainUsable = true, toolUsable = true, dialogUsable = false;
    driver().DuringNextModal([&](CQelWinForm& form) {
        EXPECT_EQ(&form, &dialog);
        mainUsable = driver().IsUsable(mainWindow.button);
        toolUsable = driver().IsUsable(tool);
        dialogUsable = driver().IsUsable(dialog.button);
        driver().Click(dialog.button);
        dialog.Close();
    });
    CQelCreateRecord record;
    record.dialogFrame = true;
    EXPECT_EQ(dialog.ShowModal(record), 0);
    EXPECT_FALSE(mainUsable);
    EXPECT_FALSE(toolUsable);
    EXPECT_TRUE(dialogUsable);
    EXPECT_EQ(dialog.log, (Log{"click:button"}));
    EXPECT_FALSE(dialog.HasNativeWindow()) << "the native window is gone when the call returns";
    EXPECT_TRUE(driver().IsUsable(mainWindow.button));
    EXPECT_TRUE(driver().IsUsable(tool));
    mainWindow.Close();
}

TEST_F(UiContract, AModalFormMayCloseItselfFromAHandler) {
    SampleWindow dialog;
    dialog.onButton = [&] { dialog.Close(); };
    driver().DuringNextModal([&](CQelWinForm&) { driver().Click(dialog.button); });
    EXPECT_EQ(dialog.ShowModal(), 0);
    EXPECT_FALSE(dialog.HasNativeWindow());
    EXPECT_EQ(dialog.steps, (Log{"hook", "build", "created"}));
}

TEST_F(UiContract, MessageBoxesAnswerWithTheButtonPressed) {
    SampleWindow w;
    w.CreateFormWindow();
    driver().AnswerMessageBox(IDYES);
    EXPECT_EQ(ShowMessageBox(&w, u"确定要删除[a]？", MB_YESNO, u"信息:"), IDYES);
    driver().AnswerMessageBox(IDNO);
    EXPECT_EQ(ShowMessageBox(&w, u"再问", MB_YESNO, u"信息:"), IDNO);
    driver().AnswerMessageBox(IDOK);
    EXPECT_EQ(ShowMessageBox(nullptr, u"出错", MB_ICONERROR, u"运行时异常"), IDOK);
    std::vector<ShownBox> boxes = driver().ShownBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, u"确定要删除[a]？");
    EXPECT_EQ(boxes[0].title, u"信息:");
    EXPECT_EQ(boxes[2].title, u"运行时异常");
    w.Close();
}

TEST_F(UiContract, InputBoxGivesTheTextExactlyAsTypedOrEmptiesItOnCancel) {
    SampleWindow w;
    w.CreateFormWindow();
    CWString text = u"stale";
    driver().AnswerInputBox(CWString(u"  名称 "));
    EXPECT_TRUE(ShowInputBox(&w, text, u"请输入规则组名称", u"输入框", u""));
    EXPECT_EQ(text, u"  名称 ");
    driver().AnswerInputBox(CWString());
    EXPECT_TRUE(ShowInputBox(&w, text, u"输入规则名称", u"", u"{1}"));
    EXPECT_EQ(text, u"") << "an empty answer is an answer";
    driver().AnswerInputBox(std::nullopt);
    text = u"stale";
    EXPECT_FALSE(ShowInputBox(&w, text, u"", u"", u"old"));
    EXPECT_EQ(text, u"");
    std::vector<ShownBox> boxes = driver().ShownBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, u"请输入规则组名称");
    EXPECT_EQ(boxes[0].title, u"输入框");
    EXPECT_EQ(boxes[1].title, u"请输入：") << "no title keeps the template caption";
    w.Close();
}

TEST_F(UiContract, ClipboardHoldsTheLastTextSet) {
    EXPECT_TRUE(SetClipboardText(u"复制\r\n文本"));
    EXPECT_EQ(GetClipboardText(), u"复制\r\n文本");
    EXPECT_EQ(ReadClipboardText(), u"复制\r\n文本");
    EXPECT_TRUE(SetClipboardText(u""));
    EXPECT_EQ(GetClipboardText(), u"");
}

TEST_F(UiContract, CheckListEntriesCarryCheckMarks) {
    ListsWindow w;
    w.CreateFormWindow();
    rg_XuanZeLieBiaoKuang& tables = w.tables;
    tables.AddItem(u"users");
    tables.AddItem(u"orders");
    EXPECT_FALSE(tables.GetCheck(0));
    tables.SetCheck(1, true);
    EXPECT_TRUE(tables.GetCheck(1));
    EXPECT_FALSE(tables.GetCheck(5));
    EXPECT_TRUE(w.log.empty()) << "a check set from code raises nothing";
    driver().ClickCheckMark(tables, 0);
    EXPECT_TRUE(tables.GetCheck(0));
    driver().Select(tables, 1);
    EXPECT_EQ(tables.GetCurSel(), 1);
    EXPECT_EQ(w.log, (Log{"check", "select"}));
    tables.ClearItems();
    EXPECT_EQ(tables.GetItemCount(), 0);
    w.Close();
    EXPECT_FALSE(tables.GetCheck(0));
}

TEST_F(UiContract, ReportListRowsCellsAndSelections) {
    ListsWindow w;
    w.CreateFormWindow();
    rg_ChaoJiLieBiaoKuang& grid = w.grid;
    ASSERT_EQ(grid.GetColumnCount(), 2) << "columns from the description text";
    EXPECT_EQ(grid.AddRow(u"Name"), 0);
    grid.SetCellText(0, 1, u"名称");
    EXPECT_EQ(grid.AddRow(u"Age"), 1);
    grid.SelectRow(1, true);
    EXPECT_EQ(grid.InsertRow(0, u"请输入内容"), 0);
    ASSERT_EQ(grid.GetRowCount(), 3);
    EXPECT_EQ(grid.GetCellText(0, 0), u"请输入内容");
    EXPECT_EQ(grid.GetCellText(0, 1), u"");
    EXPECT_EQ(grid.GetCellText(1, 1), u"名称");
    EXPECT_EQ(grid.GetCellText(9, 0), u"");
    EXPECT_TRUE(grid.IsRowSelected(2)) << "the selection stays on its row";
    EXPECT_EQ(grid.GetFirstSelectedRow(), 2);
    grid.SelectRow(0, true);
    EXPECT_EQ(grid.GetSelectedRows(), (std::vector<int>{0, 2})) << "in row order, whatever the order of selecting";
    EXPECT_EQ(grid.GetFirstSelectedRow(), 0);
    grid.SelectRow(0, false);
    EXPECT_TRUE(grid.DeleteRow(0));
    EXPECT_FALSE(grid.DeleteRow(7));
    EXPECT_EQ(grid.GetCellText(0, 0), u"Name");

    grid.AddColumn(u"备注", 100);
    EXPECT_EQ(grid.GetColumnCount(), 3);
    EXPECT_EQ(grid.GetCellText(0, 1), u"名称") << "adding a column keeps the cells";
    EXPECT_TRUE(grid.IsRowSelected(1));
    grid.SetCellText(0, 2, u"说明");
    EXPECT_EQ(grid.GetCellText(0, 2), u"说明");
    grid.DeleteAllRows();
    EXPECT_EQ(grid.GetRowCount(), 0);
    EXPECT_EQ(grid.GetFirstSelectedRow(), -1);
    while (grid.GetColumnCount() > 0) grid.DeleteColumn(grid.GetColumnCount() - 1);
    EXPECT_EQ(grid.GetColumnCount(), 0);
    w.Close();
    EXPECT_EQ(grid.GetRowCount(), 0);
}

TEST_F(UiContract, DeletingTheSelectedRowsKeepsTheOthersInOrder) {
    ListsWindow w;
    w.CreateFormWindow();
    rg_ChaoJiLieBiaoKuang& grid = w.grid;
    for (const char16_t* first : {u"r0", u"r1", u"r2", u"r3", u"r4", u"r5"}) grid.AddRow(first);
    grid.SetCellText(4, 1, u"四");
    grid.DeleteSelectedRows();
    EXPECT_EQ(grid.GetRowCount(), 6) << "nothing selected, nothing deleted";
    for (int row : {2, 3, 5}) grid.SelectRow(row, true);
    grid.DeleteSelectedRows();
    ASSERT_EQ(grid.GetRowCount(), 3);
    EXPECT_EQ(grid.GetCellText(0, 0), u"r0");
    EXPECT_EQ(grid.GetCellText(1, 0), u"r1");
    EXPECT_EQ(grid.GetCellText(2, 0), u"r4");
    EXPECT_EQ(grid.GetCellText(2, 1), u"四");
    EXPECT_EQ(grid.GetFirstSelectedRow(), -1);
    grid.SelectRow(1, true);
    EXPECT_EQ(grid.InsertRow(0, u"new"), 0);
    EXPECT_TRUE(grid.IsRowSelected(2)) << "the grid works on as before";

    // Many rows at once, three in every four.
    grid.DeleteAllRows();
    for (int row = 0; row < 400; ++row) {
        grid.AddRow(CWString::FromUtf8(std::to_string(row)));
        if (row % 4 != 0) grid.SelectRow(row, true);
    }
    grid.DeleteSelectedRows();
    ASSERT_EQ(grid.GetRowCount(), 100);
    for (int row = 0; row < 100; ++row)
        EXPECT_EQ(grid.GetCellText(row, 0), CWString::FromUtf8(std::to_string(row * 4)));
    EXPECT_EQ(grid.GetFirstSelectedRow(), -1);
    w.Close();
}

// Whatever the program does next with the grid, it finds the text typed into
// a cell whose editor is still open as that cell's text.
TEST_F(UiContract, AnEditStillOpenInACellIsItsTextForWhateverComesNext) {
    struct Case {
        const char* next;
        // Does it, then gives the text of the cell that was being edited.
        std::function<CWString(ListsWindow&)> editedCellAfterwards;
    };
    const Case cases[] = {
        {"a click on a button whose handler reads the cell",
         [this](ListsWindow& w) {
             CWString read;
             w.first.open.Bind(CQelEvent::Click, [&](CQelControl&) { read = w.grid.GetCellText(1, 1); });
             EXPECT_TRUE(driver().Click(w.first.open));
             return read;
         }},
        {"a row inserted above it",
         [](ListsWindow& w) {
             w.grid.InsertRow(0, u"new");
             return w.grid.GetCellText(2, 1);
         }},
        {"the row above it deleted",
         [](ListsWindow& w) {
             w.grid.DeleteRow(0);
             return w.grid.GetCellText(0, 1);
         }},
        {"the selected rows above it deleted",
         [](ListsWindow& w) {
             w.grid.SelectRow(0, true);
             w.grid.DeleteSelectedRows();
             return w.grid.GetCellText(0, 1);
         }},
        {"another cell edited",
         [this](ListsWindow& w) {
             EXPECT_TRUE(driver().BeginCellEdit(w.grid, 0, 0, u"second"));
             EXPECT_EQ(w.grid.GetCellText(0, 0), u"second");
             return w.grid.GetCellText(1, 1);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.next);
        ListsWindow w;
        w.CreateFormWindow();
        for (const char16_t* word : {u"a", u"b"}) w.grid.AddRow(word);
        w.grid.SetCellText(1, 1, u"old");
        ASSERT_TRUE(driver().BeginCellEdit(w.grid, 1, 1, u"typed"));
        EXPECT_EQ(c.editedCellAfterwards(w), u"typed");
        w.Close();
    }

    // The close box takes the window, the editor and the edit with it.
    ListsWindow w;
    w.CreateFormWindow();
    w.grid.AddRow(u"a");
    ASSERT_TRUE(driver().BeginCellEdit(w.grid, 0, 1, u"dropped"));
    EXPECT_TRUE(driver().CloseBox(w));
    EXPECT_FALSE(w.HasNativeWindow());
    ASSERT_TRUE(w.CreateFormWindow());
    EXPECT_EQ(w.grid.GetRowCount(), 0);
    w.Close();
}

TEST_F(UiContract, APageHolderShowsOnePageAndPagesBuildTheirOwnControls) {
    ListsWindow w;
    w.CreateFormWindow();
    EXPECT_EQ(w.first.path.GetControlText(), u"第一页");
    EXPECT_TRUE(driver().IsUsable(w.first.open));
    EXPECT_FALSE(driver().IsUsable(w.second.open));
    EXPECT_TRUE(driver().Click(w.first.open));
    EXPECT_EQ(w.first.clicks, 1);
    w.pages.ShowPage(1);
    EXPECT_FALSE(driver().IsUsable(w.first.open));
    EXPECT_TRUE(driver().Click(w.second.open));
    EXPECT_EQ(w.second.clicks, 1);
    w.pages.ShowPage(-1);
    EXPECT_FALSE(driver().IsUsable(w.second.open));
    driver().Type(w.second.path, u"typed");
    w.Close();
    EXPECT_EQ(w.second.path.GetControlText(), u"第二页");
}

}  // namespace ui_contract
