#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "app/startup.h"
#include "platform/ui/backend.h"
#include "platform/ui/scale.h"
#include "platform/ui/ui.h"
#include "support/headless_driver.h"
#include "support/seams.h"

using namespace rg_qelvane_base;
using namespace rg_qelvane_app;
namespace hl = rg_qelvane_base::headless;

namespace {

class StandInWindow : public CQelWinForm {
public:
    rg_button1 button;

protected:
    void BuildControls() override { button.Create(*this, 1, {10, 20, 100, 40}, u"按钮"); }
};

class Startup : public ::testing::Test {
protected:
    void SetUp() override {
        hl::UseHeadlessBackend();
        MainWindowHandle = nullptr;
    }
    void TearDown() override { SetDisplayScale(1.0); }
};

TEST_F(Startup, APlatformExceptionIsReportedWithItsCodeAndDescription) {
    int exitCode = RunApplication([]() -> bool { throw CQelException(-42, u"坏了"); });
    EXPECT_EQ(exitCode, -1);
    ASSERT_EQ(hl::ShownBoxes().size(), 1u);
    const hl::CShownBox& box = hl::ShownBoxes()[0];
    EXPECT_EQ(box.text, u"俘获到异常,代码值为: -42, 描述为: 坏了");
    EXPECT_EQ(box.title, u"运行时异常");
    EXPECT_EQ(box.flags, MB_ICONERROR);
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(hl::MainLoopRuns(), 0);
}

TEST_F(Startup, AnyOtherExceptionIsReportedAsUnmanaged) {
    for (std::function<bool()> start : {std::function<bool()>([]() -> bool { throw std::runtime_error("x"); }),
                                        std::function<bool()>([]() -> bool { throw 3; })}) {
        hl::ClearShownBoxes();
        EXPECT_EQ(RunApplication(start), -1);
        ASSERT_EQ(hl::ShownBoxes().size(), 1u);
        EXPECT_EQ(hl::ShownBoxes()[0].text, u"程序在运行时抛出了未被管理的异常");
        EXPECT_EQ(hl::ShownBoxes()[0].title, u"运行时异常");
    }
    EXPECT_EQ(hl::MainLoopRuns(), 0);
}

TEST_F(Startup, ExitCodesWithoutAMainWindow) {
    EXPECT_EQ(RunApplication([] { return false; }), -1) << "a refused start";
    EXPECT_EQ(RunApplication([] { return true; }), 0) << "no main window: no loop";
    EXPECT_EQ(hl::MainLoopRuns(), 0);
    EXPECT_TRUE(hl::ShownBoxes().empty());
}

TEST_F(Startup, ClosingTheMainWindowEndsTheLoopWithZeroAndClosesOwnedWindows) {
    StandInWindow mainWindow, tool;
    bool toolWasOpen = false;
    hl::OnMainLoop([&] {
        tool.OpenWindow(mainWindow);
        toolWasOpen = hl::IsOpen(tool);
        hl::Close(mainWindow);
    });
    int exitCode = RunApplication([&] {
        if (mainWindow.CreateFormWindow()) MainWindowHandle = mainWindow.WindowHandle();
        return true;
    });
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(hl::MainLoopRuns(), 1);
    EXPECT_TRUE(toolWasOpen);
    EXPECT_FALSE(hl::IsOpen(tool));
    EXPECT_EQ(MainWindowHandle, nullptr);
}

TEST_F(Startup, TheApplicationObjectOpensTheMainWindowCentredAt800By600) {
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "qel_startup_test";
    std::filesystem::create_directories(folder);
    SetProgramDirForTests(folder);
    rg_startup_class application;
    EXPECT_EQ(CQelUserApp::Instance(), &application);
    CQelRect clientRect;
    hl::OnMainLoop([&] {
        auto* mainWindow = Backend().LastActiveForm();
        ASSERT_NE(mainWindow, nullptr);
        EXPECT_EQ(mainWindow->WindowHandle(), MainWindowHandle);
        clientRect = mainWindow->GetClientRect();
        hl::Close(*mainWindow);
    });
    EXPECT_EQ(RunApplication([&] { return application.Start(); }), 0);
    EXPECT_EQ(clientRect, (CQelRect{0, 0, 800, 600}));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "datas"));
    std::filesystem::remove_all(folder);
}

TEST_F(Startup, DisplayScaleFollowsTheDpiAndNeverShrinks) {
    EXPECT_EQ(ScaleFromDpi(96), 1.0);
    EXPECT_EQ(ScaleFromDpi(72), 1.0);
    EXPECT_EQ(ScaleFromDpi(144), 1.5);
    EXPECT_EQ(ScaleFromDpi(192), 2.0);
}

TEST_F(Startup, TheScaleAppliesToFixedRectanglesAndClientSizes) {
    hl::SetDisplayDpi(144);
    InitialiseDisplayScale();
    EXPECT_EQ(DisplayScale(), 1.5);
    StandInWindow w;
    w.CreateFormWindow();
    EXPECT_EQ(hl::FindWindow(w)->rect, (CQelRect{0, 0, 1200, 900}));
    EXPECT_EQ(hl::FindWindow(w.button)->rect, (CQelRect{15, 30, 150, 60}));
    EXPECT_EQ(w.GetClientRect(), (CQelRect{0, 0, 800, 600})) << "read back in the windows' own units";
}

}  // namespace
