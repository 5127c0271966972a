#include <gtest/gtest.h>

#include "platform/ui/headless/driver.h"
#include "platform/ui/ui.h"

using namespace rg_qelvane_base;

namespace {
class Window : public CQelWinForm {
public:
    Window() : CQelWinForm(u"窗口") {}
    rg_button1 button;
    rg_edit_box edit;
    int clicks = 0;

protected:
    void HookEvents() override {
        button.Bind(CQelEvent::Click, [this](CQelControl& sender) { clicks += &sender == &button; });
    }
    void BuildControls() override {
        button.Create(*this, 101, {1, 2, 3, 4}, u"按钮");
        edit.Create(*this, 102, {1, 2, 3, 4}, u"", u", 11, 0, 0, 0, 0, 0", CQelStyle::MultiLine);
    }
};
}  // namespace

TEST(HeadlessSmoke, OpensClicksAndCloses) {
    headless::UseHeadlessBackend();
    Window w;
    ASSERT_TRUE(w.CreateFormWindow());
    EXPECT_TRUE(headless::Click(w.button));
    EXPECT_EQ(w.clicks, 1);
    headless::Type(w.edit, u"a\nb");
    EXPECT_EQ(w.edit.GetControlText(), u"a\r\nb");
    w.Close();
    EXPECT_FALSE(w.HasNativeWindow());
    EXPECT_EQ(w.edit.GetControlText(), u"");
}
