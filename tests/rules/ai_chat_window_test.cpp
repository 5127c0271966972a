#include <gtest/gtest.h>

#include "support/headless_driver.h"
#include "tools/rules/ai_chat_window.h"
#include "tools/rules/prompt_window.h"

using namespace rg_qelvane_app;
using namespace rg_qelvane_base;
using namespace rg_qelvane_base::headless;

class AiChatWindowTest : public ::testing::Test {
protected:
    rg_win_RenGongZhiNeng_YuanShi w;
    void SetUp() override {
        UseHeadlessBackend();
        ASSERT_TRUE(w.CreateFormWindow());
    }
};

TEST_F(AiChatWindowTest, EveryOpeningShowsTheChatPageWithAllOptionsOn) {
    for (int opening = 0; opening < 2; ++opening) {
        EXPECT_EQ(w.GetControlText(), u"DeepSeek");
        EXPECT_EQ(FindWindow(w)->border, CQelBorderStyle::Sizable);
        EXPECT_EQ(FindWindow(w.m_promptButton)->text, u"提示词管理");
        EXPECT_EQ(FindWindow(w.m_promptButton)->rect, (CQelRect{13, 5, 152, 35}));
        EXPECT_EQ(w.m_promptButton.FontDescription(), u"");
        const CHeadlessWindow* browser = FindWindow(w.m_browser);
        ASSERT_NE(browser, nullptr);
        EXPECT_EQ(browser->rect, (CQelRect{5, 45, 792, 552}));
        EXPECT_EQ(w.m_browser.Id(), 102);
        EXPECT_EQ(browser->address, u"https://chat.deepseek.com/");
        EXPECT_EQ(browser->browserOptions, (CQelBrowserOptions{true, true, true, true, true}));
        Close(w);
        ASSERT_TRUE(w.CreateFormWindow());
    }
}

TEST_F(AiChatWindowTest, TheBrowserFillsTheClientAreaBelowTheButtonStrip) {
    struct Case {
        int width, height;
        CQelRect browser;
    };
    for (const Case& c :
         {Case{800, 300, {0, 45, 800, 255}}, Case{1000, 700, {0, 45, 1000, 655}}, Case{300, 20, {0, 45, 300, 0}}}) {
        ASSERT_TRUE(ResizeClient(w, c.width, c.height));
        EXPECT_EQ(FindWindow(w.m_browser)->rect, c.browser);
        EXPECT_EQ(FindWindow(w.m_promptButton)->rect, (CQelRect{13, 5, 152, 35}));
    }
}

TEST_F(AiChatWindowTest, ThePromptButtonShowsThePromptWindowModally) {
    bool shown = false;
    OnModalForm([&](CQelWinForm& form) {
        shown = dynamic_cast<rg_win_DiShiCiGuanLi*>(&form) != nullptr;
        EXPECT_FALSE(IsUsable(w.m_promptButton));
        EXPECT_EQ(FindWindow(form)->owner, FindWindow(w));
    });
    ASSERT_TRUE(Click(w.m_promptButton));
    EXPECT_TRUE(shown);
    EXPECT_TRUE(IsUsable(w.m_promptButton));
}
