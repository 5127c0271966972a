// The four Android windows driven through the headless backend as a user would.
#include "platform/ui/clipboard.h"
#include "support/crafted_java.h"
#include "support/headless_driver.h"
#include "support/tool_window_test.h"
#include "tools/androidwrap/android_array_window.h"
#include "tools/androidwrap/android_class_window.h"
#include "tools/androidwrap/android_enum_window.h"
#include "tools/androidwrap/android_interface_window.h"

using namespace rg_qelvane_app;
using namespace rg_qelvane_base::headless;
using generator_test::CraftedStaticMethods;
using generator_test::CrLfLines;
using generator_test::kHeader;
using generator_test::U8;
using rg_qelvane_base::CQelWinForm;
using rg_qelvane_base::GetClipboardText;
using rg_qelvane_base::rg_button1;
using rg_qelvane_base::rg_edit_box;
using rg_qelvane_base::SetClipboardText;

namespace {

using AndroidWindows = generator_test::ToolWindowTest;

}  // namespace

TEST_F(AndroidWindows, InterfaceWindowFromClipboardToClipboard) {
    rg_win_AnZhuoJieKouFengZhuang window;
    ASSERT_TRUE(window.CreateFormWindow());
    EXPECT_EQ(U8(window.GetControlText()), "安卓接口封装");
    EXPECT_TRUE(window.m_translate.IsChecked());

    // Text copied on this system ends its lines with LF alone.
    SetClipboardText(u"package com.x;\npublic interface Api {\n    int count(String key); // note\n}\n");
    ASSERT_TRUE(Click(window.m_paste));
    ASSERT_TRUE(Type(window.m_name, u"MyApi"));
    ASSERT_TRUE(Click(window.m_parse));
    CWString expected = CrLfLines({kHeader, u"", u"类 MyApi <公开 @别名 = \"com.x.Api\" @别名类型 = 本地参考类型 >", u"{",
                                   u"\t方法 count <公开 静态 类型 = int @嵌入式方法 = \"\">",
                                   u"\t参数 欲操作本对象 <类型 = MyApi>", u"\t参数 key <类型 = String  >", u"\t{",
                                   u"\t\t @ @<欲操作本对象>.count(@<key>)", u"\t}", u"", u""}) +
                        u"}";
    EXPECT_EQ(U8(window.m_output.GetControlText()), U8(expected));
    EXPECT_TRUE(ShownBoxes().empty());

    SetClipboardText(u"something else");
    ASSERT_TRUE(Click(window.m_copy));
    EXPECT_EQ(U8(GetClipboardText()), U8(expected));
    ExpectOneNotice(u"复制成功，去粘贴！");
}

TEST_F(AndroidWindows, EnumWindowNamesItsToolAndRefusesInItsOutput) {
    rg_win_AnZhuoMeiJuFengZhuang window;
    ASSERT_TRUE(window.CreateFormWindow());
    EXPECT_EQ(U8(window.GetControlText()), "安卓枚举封装");
    EXPECT_EQ(U8(window.m_nameLabel.GetControlText()), "枚举名：");
    EXPECT_EQ(U8(window.m_sourceGroup.GetControlText()), "安卓枚举源码");

    ASSERT_TRUE(Click(window.m_parse));
    EXPECT_EQ(U8(window.m_output.GetControlText()), "找不到枚举");
    Type(window.m_source, u"package p;\r\nenum Color { RED, BLUE; }");
    Type(window.m_package, u"q");
    Click(window.m_parse);
    EXPECT_TRUE(window.m_output.GetControlText().Contains(u"\t常量 BLUE <公开 类型 = Color 值 = @q.Color.BLUE>\r\n"));
    EXPECT_TRUE(ShownBoxes().empty());
}

TEST_F(AndroidWindows, TranslateBoxSetsTheFlagForEveryParse) {
    UseTranslations({u"int=整数型", u"RED=红"});
    rg_win_AnZhuoLeiFengZhuang classWindow;
    rg_win_AnZhuoMeiJuFengZhuang enumWindow;
    ASSERT_TRUE(classWindow.CreateFormWindow());
    ASSERT_TRUE(enumWindow.CreateFormWindow());
    Type(classWindow.m_source, u"class A {\r\npublic int x;\r\n}");
    Type(enumWindow.m_source, u"enum E { RED; }");

    Click(classWindow.m_parse);
    EXPECT_TRUE(TranslateEnabled);
    EXPECT_TRUE(classWindow.m_output.GetControlText().Contains(u"类型 = 整数型 "));
    SetCheck(enumWindow.m_translate, false);
    Click(enumWindow.m_parse);
    EXPECT_FALSE(TranslateEnabled);
    EXPECT_TRUE(enumWindow.m_output.GetControlText().Contains(u"\t常量 RED <"));
    Click(classWindow.m_parse);
    EXPECT_TRUE(TranslateEnabled);
}

TEST_F(AndroidWindows, ClassWindowNoCreateBoxAndReopening) {
    rg_win_AnZhuoLeiFengZhuang window;
    ASSERT_TRUE(window.CreateFormWindow());
    EXPECT_EQ(U8(window.GetControlText()), "安卓类封装");
    EXPECT_FALSE(window.m_noCreate.IsChecked());
    Type(window.m_source, u"package p;\r\npublic class A {\r\n}");
    SetCheck(window.m_noCreate, true);
    Type(window.m_className, u"B");
    Click(window.m_parse);
    EXPECT_EQ(U8(window.m_output.GetControlText()),
              U8(CrLfLines({kHeader, u"", u"类 B <公开 @别名 = \"p.A\" @禁止创建对象 = 真>", u"{", u""}) + u"}"));

    ASSERT_TRUE(Close(window));
    ASSERT_TRUE(window.CreateFormWindow());
    EXPECT_EQ(window.m_source.GetControlText(), u"");
    EXPECT_EQ(window.m_className.GetControlText(), u"");
    EXPECT_EQ(window.m_output.GetControlText(), u"");
    EXPECT_FALSE(window.m_noCreate.IsChecked());
    EXPECT_TRUE(window.m_translate.IsChecked());
}

TEST_F(AndroidWindows, ArrayWindowWantsANameAndNeverTranslates) {
    UseTranslations({u"整数类=Integer"});
    rg_win_AnZhuoShuZuFengZhuang window;
    ASSERT_TRUE(window.CreateFormWindow());
    EXPECT_EQ(U8(window.GetControlText()), "安卓数组封装");
    EXPECT_EQ(U8(window.m_ending.GetControlText()), "类");
    EXPECT_EQ(U8(window.m_document.GetControlText()), "辅助类");
    EXPECT_FALSE(window.m_twoDimensional.IsChecked());

    ASSERT_TRUE(Click(window.m_parse));
    ExpectOneNotice(u"数组名不为空！");
    EXPECT_EQ(window.m_output.GetControlText(), u"");
    ClearShownBoxes();

    Type(window.m_className, u"整数类");
    SetCheck(window.m_twoDimensional, true);
    TranslateEnabled = false;
    Click(window.m_parse);
    EXPECT_FALSE(TranslateEnabled);
    CWString output = window.m_output.GetControlText();
    EXPECT_TRUE(output.starts_with(kHeader + u"\r\n\r\n# --整数类--\r\n\r\n\r\n类 整数二维列表集合类 <"));
    EXPECT_TRUE(output.ends_with(u"@模板实现类 = \"整数类, 整数二维列表类\">\r\n\r\n"));
    EXPECT_TRUE(ShownBoxes().empty());

    // A name of blanks passes the test and becomes the empty base name.
    Type(window.m_className, u"  ");
    Click(window.m_parse);
    EXPECT_TRUE(window.m_output.GetControlText().Contains(u"\r\n类 二维列表集合类 <"));
    EXPECT_TRUE(ShownBoxes().empty());

    Click(window.m_copy);
    EXPECT_EQ(GetClipboardText(), window.m_output.GetControlText());
    ExpectOneNotice(u"复制成功，去粘贴！");
}

TEST_F(AndroidWindows, CopyOfAnEmptyOutputStillSaysSo) {
    rg_win_AnZhuoJieKouFengZhuang window;
    ASSERT_TRUE(window.CreateFormWindow());
    Click(window.m_copy);
    ExpectOneNotice(u"复制成功，去粘贴！");
}

TEST_F(AndroidWindows, ParseCutShortShowsWhatItFoundAndSaysSoOnce) {
    // Each "/**" scans to the end of the text for its "*/".
    CWString unclosedComments;
    for (int i = 0; i < 100000; ++i) unclosedComments += u"/** ";
    rg_win_AnZhuoJieKouFengZhuang interfaceWindow;
    rg_win_AnZhuoMeiJuFengZhuang enumWindow;
    rg_win_AnZhuoLeiFengZhuang classWindow;
    struct Case {
        CQelWinForm& window;
        rg_edit_box& source;
        rg_button1& parse;
        rg_edit_box& output;
        CWString paste;
    } cases[] = {
        {interfaceWindow, interfaceWindow.m_source, interfaceWindow.m_parse, interfaceWindow.m_output,
         unclosedComments + u"interface A {}"},
        {enumWindow, enumWindow.m_source, enumWindow.m_parse, enumWindow.m_output, unclosedComments},
        {classWindow, classWindow.m_source, classWindow.m_parse, classWindow.m_output, CraftedStaticMethods(8)},
    };
    for (Case& c : cases) {
        ClearShownBoxes();
        ASSERT_TRUE(c.window.CreateFormWindow());
        Type(c.source, c.paste);
        ASSERT_TRUE(Click(c.parse));
        // What was found depends on the machine's speed; that something is shown does not.
        EXPECT_FALSE(c.output.GetControlText().empty()) << U8(c.window.GetControlText());
        ExpectOneNotice(u"源码未能完整解析，只显示了已解析的部分！");
    }
}
