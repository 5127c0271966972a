#pragma once
// What every source tool window does the same way, written once and run over
// each of them: include this header in one source file of a test executable
// and instantiate SourceWindow, and TranslateBox with SourceWindowsTranslating,
// with that tool's windows.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/source_tool_window.h"
#include "platform/ui/clipboard.h"
#include "support/seams.h"
#include "support/tool_window_test.h"
#include "support/translate_box_suite.h"

namespace generator_test {

struct SourceWindowCase {
    std::string name;
    std::function<std::unique_ptr<rg_qelvane_app::SourceToolWindow>()> make;
    CWString caption;
    CWString packageRefusal;  // the notice for an empty package; empty where the window takes one
    CWString package;
    CWString source;     // as copied on this system: lines end with LF alone
    CWString generated;  // a line that parsing them as class "Cls" writes, showing all three reached the engine
    CWString word;       // a word of the source that the output shows translated when "翻译" is ticked
};

template <class Window>
std::unique_ptr<rg_qelvane_app::SourceToolWindow> MakeWindow() {
    return std::make_unique<Window>();
}

inline std::vector<TranslateBoxCase> SourceWindowsTranslating(const std::vector<SourceWindowCase>& windows) {
    std::vector<TranslateBoxCase> cases;
    for (const SourceWindowCase& c : windows)
        cases.push_back({c.name, true, c.word, [c](const TempProgramDir&) {
                             std::shared_ptr<rg_qelvane_app::SourceToolWindow> window = c.make();
                             EXPECT_TRUE(window->CreateFormWindow());
                             rg_qelvane_base::headless::Type(window->m_source, c.source);
                             rg_qelvane_base::headless::Type(window->m_package, c.package);
                             return TranslatingWindow{window, window->m_translate, window->m_output,
                                                      [window] { rg_qelvane_base::headless::Click(window->m_parse); }};
                         }});
    return cases;
}

class SourceWindow : public ToolWindowTest, public ::testing::WithParamInterface<SourceWindowCase> {
protected:
    void SetUp() override {
        ToolWindowTest::SetUp();
        window = GetParam().make();
        ASSERT_TRUE(window->CreateFormWindow());
    }
    std::unique_ptr<rg_qelvane_app::SourceToolWindow> window;
};

TEST_P(SourceWindow, FromClipboardToClipboard) {
    using namespace rg_qelvane_base::headless;
    const SourceWindowCase& c = GetParam();
    EXPECT_EQ(U8(window->GetControlText()), U8(c.caption));
    EXPECT_TRUE(window->m_translate.IsChecked());

    rg_qelvane_base::SetClipboardText(c.source);
    ASSERT_TRUE(Click(window->m_paste));
    EXPECT_EQ(U8(window->m_source.GetControlText()), U8(c.source.ReplacedAll(u"\n", u"\r\n")));
    ASSERT_TRUE(Type(window->m_className, u"Cls"));
    ASSERT_TRUE(Type(window->m_package, c.package));
    ASSERT_TRUE(Click(window->m_parse));
    CWString output = window->m_output.GetControlText();
    EXPECT_TRUE(output.Contains(c.generated + u"\r\n")) << U8(output);
    EXPECT_TRUE(ShownBoxes().empty());

    rg_qelvane_base::SetClipboardText(u"something else");
    {
        rg_qelvane_base::CInjectedFault busy(rg_qelvane_base::CQelFault::ClipboardWrite);
        ASSERT_TRUE(Click(window->m_copy));
        ExpectOneNotice(u"复制失败！");
        EXPECT_EQ(U8(rg_qelvane_base::GetClipboardText()), "something else");
    }
    ClearShownBoxes();
    ASSERT_TRUE(Click(window->m_copy));
    EXPECT_EQ(U8(rg_qelvane_base::GetClipboardText()), U8(output));
    ExpectOneNotice(u"复制成功，去粘贴！");
}

TEST_P(SourceWindow, CopyOfAnEmptyOutputStillSaysSo) {
    rg_qelvane_base::SetClipboardText(u"something else");
    ASSERT_TRUE(rg_qelvane_base::headless::Click(window->m_copy));
    EXPECT_EQ(rg_qelvane_base::GetClipboardText(), u"");
    ExpectOneNotice(u"复制成功，去粘贴！");
}

TEST_P(SourceWindow, OnlyAnEmptyPackageIsRefusedAndOnlyWhereOneIsNeeded) {
    using namespace rg_qelvane_base::headless;
    const CWString& refusal = GetParam().packageRefusal;
    Type(window->m_source, GetParam().source);
    // Tested before trimming: a package of blanks passes.
    for (const char16_t* package : {u"", u" "}) {
        ClearShownBoxes();
        Type(window->m_package, package);
        Type(window->m_output, u"earlier result");
        Click(window->m_parse);
        bool refused = package == std::u16string_view() && !refusal.empty();
        EXPECT_EQ(window->m_output.GetControlText() == u"earlier result", refused) << U8(CWString(package));
        if (refused) ExpectOneNotice(refusal);
        else EXPECT_TRUE(ShownBoxes().empty());
    }
}

TEST_P(SourceWindow, ReopeningBuildsTheWindowEmpty) {
    using namespace rg_qelvane_base::headless;
    const SourceWindowCase& c = GetParam();
    Type(window->m_source, c.source);
    Type(window->m_className, u"A");
    Type(window->m_package, c.package);
    SetCheck(window->m_translate, false);
    Click(window->m_parse);
    ASSERT_TRUE(Close(*window));
    ASSERT_TRUE(window->CreateFormWindow());
    for (const rg_qelvane_base::rg_edit_box* box :
         {&window->m_source, &window->m_className, &window->m_package, &window->m_output})
        EXPECT_EQ(box->GetControlText(), u"");
    EXPECT_TRUE(window->m_translate.IsChecked());
}

}  // namespace generator_test
