#pragma once
// The "翻译" box of every window that generates, written once and run over
// each of them: include this header in one source file of a test executable
// and instantiate TranslateBox with that tool's windows.
#include <functional>
#include <memory>
#include <string>

#include "support/file_open_watch.h"
#include "support/tool_window_test.h"

namespace generator_test {

// A window open and filled in so that each `generate` makes text in which the
// case's word stands where the table's entry for it would.
struct TranslatingWindow {
    std::shared_ptr<rg_qelvane_base::CQelWinForm> window;
    rg_qelvane_base::rg_check_box& translateBox;
    rg_qelvane_base::rg_edit_box& output;
    std::function<void()> generate;
};

struct TranslateBoxCase {
    std::string name;
    bool tickedWhenOpened;
    CWString word;
    std::function<TranslatingWindow(const TempProgramDir&)> open;
};

class TranslateBox : public ToolWindowTest, public ::testing::WithParamInterface<TranslateBoxCase> {
protected:
    // Sizes differ from save to save, so that every save is a change of the file.
    void SaveTable(const char16_t* translation) { UseTranslations({GetParam().word + u"=" + translation}); }
};

TEST_P(TranslateBox, EachClickTranslatesAsTheBoxSaysAndReadsTheTableOnlyWhenTicked) {
    using rg_qelvane_base::headless::SetCheck;
    SaveTable(u"译一");
    TranslatingWindow w = GetParam().open(ProgramDir());
    EXPECT_EQ(w.translateBox.IsChecked(), GetParam().tickedWhenOpened);
    SetCheck(w.translateBox, true);
    w.generate();
    EXPECT_TRUE(w.output.GetControlText().Contains(u"译一")) << U8(w.output.GetControlText());

    SaveTable(u"译二二");
    w.generate();
    EXPECT_TRUE(w.output.GetControlText().Contains(u"译二二")) << "a table saved between clicks counts";

    SaveTable(u"译三三三");
    FileOpenWatch tableReads(ProgramDir() / "datas/对应关系.ini");
    ASSERT_TRUE(tableReads.Watching());
    SetCheck(w.translateBox, false);
    w.generate();
    EXPECT_FALSE(w.output.GetControlText().Contains(u"译")) << U8(w.output.GetControlText());
    EXPECT_FALSE(tableReads.Opened()) << "an unticked click never reads the table";
    SetCheck(w.translateBox, true);
    w.generate();
    EXPECT_TRUE(w.output.GetControlText().Contains(u"译三三三"));
    EXPECT_TRUE(tableReads.Opened());
}

}  // namespace generator_test
