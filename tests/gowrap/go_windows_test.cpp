// The four Go windows driven through the headless backend as a user would.
#include "support/source_window_suite.h"
#include "tools/gowrap/go_constants_window.h"
#include "tools/gowrap/go_interface_window.h"
#include "tools/gowrap/go_methods_window.h"
#include "tools/gowrap/go_struct_window.h"

using namespace rg_qelvane_app;
using namespace rg_qelvane_base::headless;
using namespace generator_test;

namespace {

const std::vector<SourceWindowCase> kGoWindows = {
    {"Constants", MakeWindow<rg_win_GOChangLiangFengZhuang>, u"GO常量封装", u"Qelvane类名、包名不为空！", u"img",
     u"type Color int\nconst (\nRed Color = iota\n)", u"类 Cls <公开 @别名 = \"img.Color\" @别名类型 = 本地值类型>",
     u"Red"},
    {"Interface", MakeWindow<rg_win_GOJieKouFengZhuang>, u"GO接口封装", u"包名不为空！", u"kv",
     u"type Store interface {\nGet(key string) string\n}",
     u"类 Cls <公开 @别名 = \"kv.Store\" @别名类型 = 本地参考类型>", u"string"},
    {"Methods", MakeWindow<rg_win_GOFangFaFengZhuang>, u"GO方法封装", u"", u"mathx",
     u"func Sum(a, b int) int {\n\treturn a + b\n}\nfunc (s *Srv) Stop() {",
     u"  @ mathx.Sum(@<a>,@<b>)\r\n}\r\n方法 Stop <公开 静态 @嵌入式方法 = \"\" >\r\n参数 欲操作本对象 <类型 = Cls >",
     u"int"},
    {"Struct", MakeWindow<rg_win_GOJieGouTiFengZhuang>, u"GO结构体封装", u"包名不为空！", u"model",
     u"type User struct {\nID int\n}", u"类 Cls <公开 @别名 = \"model.User\" @别名类型 = 本地类>", u"int"},
};

INSTANTIATE_TEST_SUITE_P(Go, SourceWindow, ::testing::ValuesIn(kGoWindows), CaseName<SourceWindowCase>);
INSTANTIATE_TEST_SUITE_P(Go, TranslateBox, ::testing::ValuesIn(SourceWindowsTranslating(kGoWindows)),
                         CaseName<TranslateBoxCase>);

using GoWindows = ToolWindowTest;

TEST_F(GoWindows, MethodsWindowPassesItsBraceBoxAndReopensItUnticked) {
    rg_win_GOFangFaFengZhuang window;
    ASSERT_TRUE(window.CreateFormWindow());
    Type(window.m_source, u"func A()");
    Click(window.m_parse);
    CWString refused = window.m_output.GetControlText();
    SetCheck(window.m_noBraceCheck, true);
    Click(window.m_parse);
    EXPECT_NE(window.m_output.GetControlText(), refused);
    ASSERT_TRUE(Close(window));
    ASSERT_TRUE(window.CreateFormWindow());
    EXPECT_FALSE(window.m_noBraceCheck.IsChecked());
}

TEST_F(GoWindows, StructWindowWritesTheChosenAliasKind) {
    rg_win_GOJieGouTiFengZhuang window;
    ASSERT_TRUE(window.CreateFormWindow());
    ASSERT_EQ(window.m_aliasKind.GetItemCount(), 6);
    EXPECT_EQ(window.m_aliasKind.GetCurSel(), 1);
    Type(window.m_source, u"type User struct {\nID int\n}");
    Type(window.m_package, u"model");
    Select(window.m_aliasKind, 5);
    Click(window.m_parse);
    EXPECT_TRUE(window.m_output.GetControlText().Contains(u"@别名类型 = 本地参考类型>\r\n"));

    Close(window);
    ASSERT_TRUE(window.CreateFormWindow());
    EXPECT_EQ(window.m_aliasKind.GetCurSel(), 1);
}

}  // namespace
