// The four Go windows driven through the headless backend as a user would.
#include "platform/ui/clipboard.h"
#include "support/headless_driver.h"
#include "support/seams.h"
#include "support/tool_window_test.h"
#include "tools/gowrap/go_constants_window.h"
#include "tools/gowrap/go_interface_window.h"
#include "tools/gowrap/go_methods_window.h"
#include "tools/gowrap/go_struct_window.h"

using namespace rg_qelvane_app;
using namespace rg_qelvane_base::headless;
using generator_test::CrLfLines;
using generator_test::kHeader;
using generator_test::U8;
using rg_qelvane_base::GetClipboardText;

namespace {

using GoWindows = generator_test::ToolWindowTest;

TEST_F(GoWindows, MethodsWindowFromClipboardToClipboard) {
    rg_win_GOFangFaFengZhuang window;
    ASSERT_TRUE(window.CreateFormWindow());
    EXPECT_EQ(U8(window.GetControlText()), "GO方法封装");

    // Text copied on this system ends its lines with LF alone.
    rg_qelvane_base::SetClipboardText(u"func Sum(a, b int) int {\n\treturn a + b\n}\nfunc (s *Srv) Stop() {\n");
    ASSERT_TRUE(Click(window.m_paste));
    ASSERT_TRUE(Type(window.m_package, u"mathx"));
    ASSERT_TRUE(Click(window.m_parse));
    CWString expected = CrLfLines({kHeader, u"方法 Sum <公开 静态 类型= int @嵌入式方法 = \"\" >", u"参数 a <类型 = int >",
                                   u"参数 b <类型 = int >", u"{", u"  @ mathx.Sum(@<a>,@<b>)", u"}",
                                   u"方法 Stop <公开 静态 @嵌入式方法 = \"\" >", u"参数 欲操作本对象 <类型 = Srv >", u"{",
                                   u"  @ @<欲操作本对象>.Stop()", u"}"});
    EXPECT_EQ(U8(window.m_output.GetControlText()), U8(expected));
    EXPECT_TRUE(ShownBoxes().empty());

    rg_qelvane_base::SetClipboardText(u"something else");
    {
        rg_qelvane_base::CInjectedFault busy(rg_qelvane_base::CQelFault::ClipboardWrite);
        ASSERT_TRUE(Click(window.m_copy));
        ExpectOneNotice(u"复制失败！");
        EXPECT_EQ(U8(GetClipboardText()), "something else");
    }
    ClearShownBoxes();
    ASSERT_TRUE(Click(window.m_copy));
    EXPECT_EQ(U8(GetClipboardText()), U8(expected));
    ExpectOneNotice(u"复制成功，去粘贴！");
}

TEST_F(GoWindows, TranslateBoxSetsTheFlagForEveryParse) {
    UseTranslations({u"int=整数"});
    rg_win_GOFangFaFengZhuang window;
    ASSERT_TRUE(window.CreateFormWindow());
    Type(window.m_source, u"func One() int {");
    Click(window.m_parse);
    EXPECT_TRUE(TranslateEnabled);
    EXPECT_TRUE(window.m_output.GetControlText().Contains(u"类型= 整数 "));
    UseTranslations({u"int=整数型"});
    Click(window.m_parse);
    EXPECT_TRUE(window.m_output.GetControlText().Contains(u"类型= 整数型 ")) << "a table saved between clicks counts";
    SetCheck(window.m_translate, false);
    Click(window.m_parse);
    EXPECT_FALSE(TranslateEnabled);
    EXPECT_TRUE(window.m_output.GetControlText().Contains(u"类型= int "));
}

TEST_F(GoWindows, ReopeningBuildsTheWindowEmpty) {
    rg_win_GOFangFaFengZhuang window;
    ASSERT_TRUE(window.CreateFormWindow());
    Type(window.m_source, u"func A() {");
    Type(window.m_package, u"p");
    SetCheck(window.m_translate, false);
    SetCheck(window.m_noBraceCheck, true);
    Click(window.m_parse);
    ASSERT_TRUE(Close(window));
    ASSERT_TRUE(window.CreateFormWindow());
    EXPECT_EQ(window.m_source.GetControlText(), u"");
    EXPECT_EQ(window.m_package.GetControlText(), u"");
    EXPECT_EQ(window.m_output.GetControlText(), u"");
    EXPECT_TRUE(window.m_translate.IsChecked());
    EXPECT_FALSE(window.m_noBraceCheck.IsChecked());
}

TEST_F(GoWindows, ConstantsWindowNeedsAPackage) {
    rg_win_GOChangLiangFengZhuang window;
    ASSERT_TRUE(window.CreateFormWindow());
    EXPECT_TRUE(window.m_translate.IsChecked());
    Type(window.m_source, u"type Color int\nconst (\nRed Color = iota\n)");
    Type(window.m_output, u"earlier result");
    Click(window.m_parse);
    ExpectOneNotice(u"Qelvane类名、包名不为空！");
    EXPECT_EQ(window.m_output.GetControlText(), u"earlier result");

    ClearShownBoxes();
    Type(window.m_package, u"img");
    Type(window.m_className, u"颜色");
    Click(window.m_parse);
    EXPECT_TRUE(ShownBoxes().empty());
    EXPECT_EQ(U8(window.m_output.GetControlText()),
              U8(CrLfLines({kHeader, u"", u"类 颜色 <公开 @别名 = \"img.Color\" @别名类型 = 本地值类型>", u"{",
                            u"\t常量 Red <公开 类型 = 颜色 值 = @img.Red>"}) +
                 u"}"));
}

TEST_F(GoWindows, InterfaceWindowNeedsAPackageAndShowsRefusals) {
    rg_win_GOJieKouFengZhuang window;
    ASSERT_TRUE(window.CreateFormWindow());
    EXPECT_TRUE(window.m_translate.IsChecked());
    rg_qelvane_base::SetClipboardText(u"type Store interface{\n}");
    Click(window.m_paste);
    Click(window.m_parse);
    ExpectOneNotice(u"包名不为空！");
    EXPECT_EQ(window.m_output.GetControlText(), u"");

    Type(window.m_package, u" ");
    Click(window.m_parse);
    EXPECT_EQ(U8(window.m_output.GetControlText()), "接口声明格式不正确，无法封装");
}

TEST_F(GoWindows, StructWindowWritesTheChosenAliasKind) {
    rg_win_GOJieGouTiFengZhuang window;
    ASSERT_TRUE(window.CreateFormWindow());
    EXPECT_TRUE(window.m_translate.IsChecked());
    ASSERT_EQ(window.m_aliasKind.GetItemCount(), 6);
    EXPECT_EQ(window.m_aliasKind.GetCurSel(), 1);
    Type(window.m_source, u"type User struct {\nID int\n}");
    Click(window.m_parse);
    ExpectOneNotice(u"包名不为空！");

    Type(window.m_package, u"model");
    Click(window.m_parse);
    EXPECT_TRUE(window.m_output.GetControlText().Contains(u"@别名 = \"model.User\" @别名类型 = 本地类>\r\n"));
    Select(window.m_aliasKind, 5);
    Click(window.m_parse);
    EXPECT_TRUE(window.m_output.GetControlText().Contains(u"@别名类型 = 本地参考类型>\r\n"));
    EXPECT_TRUE(window.m_output.GetControlText().Contains(u"\t变量 ID <公开 类型 = int @输出名 = \"ID\">\r\n"));

    Close(window);
    ASSERT_TRUE(window.CreateFormWindow());
    EXPECT_EQ(window.m_aliasKind.GetCurSel(), 1);
}

}  // namespace
