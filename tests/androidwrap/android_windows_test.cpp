// The four Android windows driven through the headless backend as a user would.
#include "support/crafted_java.h"
#include "support/source_window_suite.h"
#include "tools/androidwrap/android_array_window.h"
#include "tools/androidwrap/android_class_window.h"
#include "tools/androidwrap/android_enum_window.h"
#include "tools/androidwrap/android_interface_window.h"

using namespace rg_qelvane_app;
using namespace rg_qelvane_base::headless;
using namespace generator_test;
using rg_qelvane_base::GetClipboardText;

namespace {

const std::vector<SourceWindowCase> kAndroidWindows = {
    {"Class", MakeWindow<rg_win_AnZhuoLeiFengZhuang>, u"安卓类封装", u"", u"q",
     u"package p;\npublic class A {\npublic int x;\n}", u"类 Cls <公开 @别名 = \"q.A\" >", u"int"},
    {"Interface", MakeWindow<rg_win_AnZhuoJieKouFengZhuang>, u"安卓接口封装", u"", u"q",
     u"package com.x;\npublic interface Api {\n    int count(String key); // note\n}\n",
     u"类 Cls <公开 @别名 = \"q.Api\" @别名类型 = 本地参考类型 >", u"int"},
    {"Enum", MakeWindow<rg_win_AnZhuoMeiJuFengZhuang>, u"安卓枚举封装", u"", u"q",
     u"package p;\nenum Color { RED, BLUE; }", u"\t常量 BLUE <公开 类型 = Cls 值 = @q.Color.BLUE>", u"RED"},
};

INSTANTIATE_TEST_SUITE_P(Android, SourceWindow, ::testing::ValuesIn(kAndroidWindows), CaseName<SourceWindowCase>);
INSTANTIATE_TEST_SUITE_P(Android, TranslateBox, ::testing::ValuesIn(SourceWindowsTranslating(kAndroidWindows)),
                         CaseName<TranslateBoxCase>);

using AndroidWindows = ToolWindowTest;

TEST_F(AndroidWindows, EnumWindowNamesItsBoxesAndRefusesInItsOutput) {
    rg_win_AnZhuoMeiJuFengZhuang window;
    ASSERT_TRUE(window.CreateFormWindow());
    EXPECT_EQ(U8(window.m_classNameLabel.GetControlText()), "枚举名：");
    EXPECT_EQ(U8(window.m_sourceGroup.GetControlText()), "安卓枚举源码");
    ASSERT_TRUE(Click(window.m_parse));
    EXPECT_EQ(U8(window.m_output.GetControlText()), "找不到枚举");
    EXPECT_TRUE(ShownBoxes().empty());
}

TEST_F(AndroidWindows, ClassWindowPassesItsNoCreateBoxAndReopensItUnticked) {
    rg_win_AnZhuoLeiFengZhuang window;
    ASSERT_TRUE(window.CreateFormWindow());
    EXPECT_FALSE(window.m_noCreate.IsChecked());
    Type(window.m_source, u"package p;\r\npublic class A {\r\n}");
    SetCheck(window.m_noCreate, true);
    Type(window.m_className, u"B");
    Click(window.m_parse);
    EXPECT_EQ(U8(window.m_output.GetControlText()),
              U8(CrLfLines({kHeader, u"", u"类 B <公开 @别名 = \"p.A\" @禁止创建对象 = 真>", u"{", u""}) + u"}"));
    ASSERT_TRUE(Close(window));
    ASSERT_TRUE(window.CreateFormWindow());
    EXPECT_FALSE(window.m_noCreate.IsChecked());
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

TEST_F(AndroidWindows, ParseCutShortShowsWhatItFoundAndSaysSoOnce) {
    // Each "/**" scans to the end of the text for its "*/".
    CWString unclosedComments;
    for (int i = 0; i < 100000; ++i) unclosedComments += u"/** ";
    rg_win_AnZhuoJieKouFengZhuang interfaceWindow;
    rg_win_AnZhuoMeiJuFengZhuang enumWindow;
    rg_win_AnZhuoLeiFengZhuang classWindow;
    struct Case {
        SourceToolWindow& window;
        CWString paste;
    } cases[] = {
        {interfaceWindow, unclosedComments + u"interface A {}"},
        {enumWindow, unclosedComments},
        {classWindow, CraftedStaticMethods(8)},
    };
    for (Case& c : cases) {
        ClearShownBoxes();
        ASSERT_TRUE(c.window.CreateFormWindow());
        Type(c.window.m_source, c.paste);
        ASSERT_TRUE(Click(c.window.m_parse));
        // What was found depends on the machine's speed; that something is shown does not.
        EXPECT_FALSE(c.window.m_output.GetControlText().empty()) << U8(c.window.GetControlText());
        ExpectOneNotice(u"源码未能完整解析，只显示了已解析的部分！");
    }
}

}  // namespace
