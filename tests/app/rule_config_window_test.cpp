#include <gtest/gtest.h>

#include <optional>

#include "app/main_window.h"
#include "platform/ui/clipboard.h"
#include "support/seams.h"
#include "support/tool_window_test.h"
#include "tools/rules/rule_config_window.h"

using namespace rg_qelvane_app;
using namespace rg_qelvane_base;
using namespace rg_qelvane_base::headless;
using namespace generator_test;

namespace {

std::vector<CWString> Entries(const rg_list_box& list) {
    std::vector<CWString> entries;
    for (int i = 0; i < list.GetItemCount(); ++i) entries.push_back(list.GetListItemText(i));
    return entries;
}

void AddRule(rg_win_GuiZePeiZhi& window, const CWString& name) {
    QueueInputBoxAnswer(name);
    ASSERT_TRUE(Click(window.m_add));
}

}  // namespace

// The window as the main window opens it: a double-click on a group of its list.
class RuleConfigWindowTest : public ToolWindowTest {
protected:
    const TempProgramDir& dir = ProgramDir();
    std::unique_ptr<rg_my_main_window> main = std::make_unique<rg_my_main_window>();

    void SetUp() override {
        ToolWindowTest::SetUp();
        ASSERT_TRUE(main->CreateFormWindow());
        CreateGroup(u"组");
    }
    void CreateGroup(const CWString& name) {
        QueueInputBoxAnswer(name);
        ASSERT_TRUE(Click(main->m_createButton));
    }
    // Opens the rule window of the group at `index`, acts inside it, then closes it.
    // What the window showed while it opened is kept in `shownAtOpening`.
    void Open(std::function<void(rg_win_GuiZePeiZhi&)> act, int index = 0) {
        bool shown = false;
        ClearShownBoxes();
        OnModalForm([&](CQelWinForm& form) {
            shown = true;
            shownAtOpening = ShownBoxes();
            ClearShownBoxes();
            act(dynamic_cast<rg_win_GuiZePeiZhi&>(form));
        });
        ASSERT_TRUE(DoubleClick(main->m_ruleGroupList, index));
        EXPECT_TRUE(shown);
    }
    std::string GroupFile(const std::string& name) { return dir.ReadBytes("datas/规则组/组/" + name); }

    std::vector<CShownBox> shownAtOpening;
};

TEST_F(RuleConfigWindowTest, ControlsStandWhereTheyBelong) {
    Open([this](rg_win_GuiZePeiZhi& w) {
        EXPECT_EQ(U8(w.GetControlText()), "【组】规则配置");
        EXPECT_EQ(w.GetClientRect(), (CQelRect{0, 0, 800, 600}));
        struct Case {
            CQelControl* control;
            CWString text;
            CQelRect rect;
        };
        const Case cases[] = {
            {&w.m_classNameLabel, u"类名称：", {13, 14, 56, 32}},
            {&w.m_className, u"用户类", {77, 16, 208, 30}},
            {&w.m_save, u"保存规则", {661, 14, 128, 40}},
            {&w.m_templateGroup, u"模板", {13, 56, 776, 121}},
            {&w.m_template, u"", {9, 18, 758, 93}},
            {&w.m_ruleGroup, u"规则列表", {13, 185, 272, 201}},
            {&w.m_add, u"增加", {11, 18, 112, 32}},
            {&w.m_delete, u"删除", {144, 18, 112, 32}},
            {&w.m_ruleList, u"", {11, 57, 245, 132}},
            {&w.m_dataGroup, u"数据列表", {293, 185, 496, 201}},
            {&w.m_data, u"", {10, 20, 392, 168}},
            {&w.m_translate, u"翻译", {409, 14, 80, 36}},
            {&w.m_resultGroup, u"结果", {13, 395, 672, 196}},
            {&w.m_result, u"", {11, 25, 651, 161}},
            {&w.m_templateOnly, u"仅使用模板", {693, 430, 92, 24}},
            {&w.m_withHeader, u"使用标识", {693, 462, 92, 24}},
            {&w.m_generate, u"生成", {710, 508, 80, 36}},
            {&w.m_copy, u"复制", {710, 548, 80, 36}},
        };
        for (const Case& c : cases) {
            const CHeadlessWindow* native = FindWindow(*c.control);
            ASSERT_NE(native, nullptr);
            EXPECT_EQ(U8(native->text), U8(c.text));
            EXPECT_EQ(native->rect, c.rect) << U8(c.text);
            EXPECT_EQ(c.control->FontDescription().empty(), c.control == &w.m_templateGroup) << U8(c.text);
        }
        EXPECT_EQ(w.m_add.Id(), 118);
        EXPECT_EQ(w.m_delete.Id(), 117);
        EXPECT_EQ(w.m_ruleList.Id(), 116);
        EXPECT_EQ(FindWindow(w.m_ruleList)->rowSpacing, 5);
        EXPECT_TRUE(w.m_result.HasStyle(CQelStyle::MultiLine | CQelStyle::HScroll | CQelStyle::VScroll));
        EXPECT_FALSE(w.m_data.HasStyle(CQelStyle::HScroll));
        EXPECT_FALSE(IsUsable(main->m_createButton));
    });
    EXPECT_TRUE(IsUsable(main->m_createButton));
}

TEST_F(RuleConfigWindowTest, AGroupAtWorkFromAddingRulesToReopening) {
    UseTranslations({u"string=文本型", u"int=整数型"});
    TranslateEnabled = false;
    const CWString expected =
        CrLfLines({kHeader, u"", u"类 用户类 <公开>", u"{", u"    变量 name <公开 类型 = 文本型 >",
                   u"    变量 age <公开 类型 = 整数型 >", u"}"});
    Open([&](rg_win_GuiZePeiZhi& w) {
        EXPECT_EQ(w.m_template.GetControlText(), u"");  // no template file yet: not the default text
        Type(w.m_template, u"变量 {1} <公开 类型 = {2} >");
        AddRule(w, u"{1}");
        Type(w.m_data, u"name\n  age  \n\n");
        AddRule(w, u"{2}");
        ClearShownBoxes();
        Click(w.m_generate);  // {2} has no values yet
        ExpectOneNotice(u"第【2】与第【1】个数量不一致（以第1个为基准）");
        EXPECT_EQ(w.m_result.GetControlText(), u"");
        AddRule(w, u"{1}");
        Type(w.m_data, u"string\nint");
        EXPECT_EQ(Entries(w.m_ruleList), (std::vector<CWString>{u"{1}", u"{2}"}));

        Select(w.m_ruleList, 0);
        EXPECT_EQ(w.m_data.GetControlText(), u"name\r\nage\r\n");
        Select(w.m_ruleList, 1);
        EXPECT_EQ(w.m_data.GetControlText(), u"string\r\nint\r\n");
        Click(w.m_translate);
        EXPECT_EQ(U8(w.m_data.GetControlText()), "文本型\r\n整数型\r\n");
        Select(w.m_ruleList, 0);
        Select(w.m_ruleList, 1);
        EXPECT_EQ(U8(w.m_data.GetControlText()), "文本型\r\n整数型\r\n");

        Click(w.m_generate);
        EXPECT_EQ(U8(w.m_result.GetControlText()), U8(expected));
        ClearShownBoxes();
        Click(w.m_save);
        EXPECT_TRUE(ShownBoxes().empty());  // a save that worked says nothing
        Click(w.m_copy);
        ExpectOneNotice(u"复制成功，去粘贴！");
    });
    EXPECT_EQ(U8(GetClipboardText()), U8(expected));
    EXPECT_EQ(GroupFile("规则.dat"), "{1}\r\n{2}\r\n");
    EXPECT_EQ(GroupFile("模板.dat"), "变量 {1} <公开 类型 = {2} >");

    Open([](rg_win_GuiZePeiZhi& w) {
        EXPECT_EQ(U8(w.m_template.GetControlText()), "变量 {1} <公开 类型 = {2} >");
        EXPECT_EQ(Entries(w.m_ruleList), (std::vector<CWString>{u"{1}", u"{2}"}));
        Select(w.m_ruleList, 0);
        EXPECT_EQ(w.m_data.GetControlText(), u"");  // values live only while the window is open
        EXPECT_EQ(U8(w.m_className.GetControlText()), "用户类");
    });
}

// Each value holds the next marker twice, so every marker doubles the line:
// 28 of them would make billions of characters.
TEST_F(RuleConfigWindowTest, AChainOfDoublingMarkersIsRefusedWithNothingGenerated) {
    Open([](rg_win_GuiZePeiZhi& w) {
        Type(w.m_template, u"{1}");
        AddRule(w, u"{1}");
        Type(w.m_data, u"ordinary");
        Click(w.m_generate);
        ASSERT_TRUE(w.m_result.GetControlText().Contains(u"    ordinary\r\n"));
        for (int k = 1; k <= 28; ++k) {
            if (k > 1) AddRule(w, CWString::Format(u"{%d}", {k}));
            Type(w.m_data, CWString::Format(u"{%d}{%d}", {k + 1, k + 1}));
        }
        ClearShownBoxes();
        Click(w.m_generate);
        ExpectOneNotice(u"生成结果过大，未生成任何内容！");
        EXPECT_EQ(w.m_result.GetControlText(), u"");
    });
}

TEST_F(RuleConfigWindowTest, AddingAsksForANameAndRefusesDuplicatesOnly) {
    Open([](rg_win_GuiZePeiZhi& w) {
        QueueInputBoxCancel();
        Click(w.m_add);
        const CShownBox& ask = ShownBoxes().front();
        EXPECT_EQ(U8(ask.text), "输入规则名称");
        EXPECT_EQ(U8(ask.title), "输入");
        EXPECT_EQ(ask.defaultText, u"{1}");
        for (const char16_t* name : {u"{1}", u"{1} ", u"", u"{1}", u""}) AddRule(w, name);
        EXPECT_EQ(Entries(w.m_ruleList), (std::vector<CWString>{u"{1}", u"{1} ", u""}));
        EXPECT_EQ(U8(ShownBoxes().back().text), "与已有名称重复！");
        Click(w.m_save);
    });
    EXPECT_EQ(GroupFile("规则.dat"), "{1}\r\n{1} \r\n\r\n");
    Open([](rg_win_GuiZePeiZhi& w) { EXPECT_EQ(Entries(w.m_ruleList), (std::vector<CWString>{u"{1}", u"{1}"})); });
}

TEST_F(RuleConfigWindowTest, DeletingAsksNothingAndLeavesTheValuesShownButUnkept) {
    Open([](rg_win_GuiZePeiZhi& w) {
        AddRule(w, u"{1}");
        Type(w.m_data, u"a");
        AddRule(w, u"{2}");
        Type(w.m_data, u"b");
        Click(w.m_delete);  // nothing selected
        EXPECT_EQ(w.m_ruleList.GetItemCount(), 2);
        Select(w.m_ruleList, 0);
        Select(w.m_ruleList, 1);
        w.m_ruleList.SetCurSel(0);
        ClearShownBoxes();
        Click(w.m_delete);
        EXPECT_TRUE(ShownBoxes().empty());
        EXPECT_EQ(Entries(w.m_ruleList), (std::vector<CWString>{u"{2}"}));
        EXPECT_EQ(w.m_data.GetControlText(), u"a\r\n");
        Type(w.m_data, u"c");
        Select(w.m_ruleList, 0);
        EXPECT_EQ(w.m_data.GetControlText(), u"b\r\n");
    });
}

TEST_F(RuleConfigWindowTest, RuleFilesAreReadAsTheyWereWritten) {
    struct Case {
        std::string rules;
        std::vector<CWString> entries;
        std::string templateBytes;
        CWString templateText;
    };
    const Case cases[] = {
        {"{1}\r\n\r\n {2} \r\n",
         {u"{1}", u"{2}"},
         "\xEF\xBB\xBF"
         "A\r\nB",
         u"A\r\nB"},
        {" {1}\n{2} \n",
         {u"{1}\n{2}"},
         std::string("\xFF\xFE"
                     "x\0y\0",
                     6),
         u"xy"},
        {"", {}, std::string("t\0rest", 6), u"t"},
    };
    for (const Case& c : cases) {
        dir.WriteBytes("datas/规则组/组/规则.dat", c.rules);
        dir.WriteBytes("datas/规则组/组/模板.dat", c.templateBytes);
        Open([&](rg_win_GuiZePeiZhi& w) {
            EXPECT_EQ(Entries(w.m_ruleList), c.entries) << c.rules;
            EXPECT_EQ(w.m_template.GetControlText(), c.templateText) << c.templateBytes;
        });
    }
}

// A zero byte inside a marker and bytes that are no UTF-8: the list shows the
// markers around them, and "保存规则" writes the damaged lines back after them.
TEST_F(RuleConfigWindowTest, ADamagedRuleListKeepsWhatItCannotShowAcrossASave) {
    const std::string zeroByte("{2}\0x\r\n", 7), noUtf8 = "{\xC3\x28}\r\n";
    dir.WriteBytes("datas/规则组/组/规则.dat", "{1}\r\n" + zeroByte + "{3}\r\n" + noUtf8);
    Open([](rg_win_GuiZePeiZhi& w) {
        EXPECT_EQ(Entries(w.m_ruleList), (std::vector<CWString>{u"{1}", u"{3}"}));
        AddRule(w, u"{4}");
        ClearShownBoxes();
        Click(w.m_save);
        EXPECT_TRUE(ShownBoxes().empty());  // a save that worked says nothing
    });
    EXPECT_EQ(GroupFile("规则.dat"), "{1}\r\n{3}\r\n{4}\r\n" + zeroByte + noUtf8);
}

// Files that are there but cannot be read show as empty boxes: the window says
// so as it opens, and "保存规则" then writes neither file, edited or not.
TEST_F(RuleConfigWindowTest, AGroupWhoseFilesCannotBeReadIsNeverSaved) {
    const std::string templateBytes = "变量 {1}", rules = "{1}\r\n";
    dir.WriteBytes("datas/规则组/组/模板.dat", templateBytes);
    dir.WriteBytes("datas/规则组/组/规则.dat", rules);
    for (bool edited : {false, true}) {
        std::optional<CInjectedFault> unreadable(CQelFault::Read);
        Open([&](rg_win_GuiZePeiZhi& w) {
            unreadable.reset();
            EXPECT_EQ(shownAtOpening.size(), 1u);
            for (const CShownBox& box : shownAtOpening) {
                EXPECT_EQ(U8(box.text), "规则组文件读取失败，本次打开不会保存！");
                EXPECT_EQ(U8(box.title), "信息:");
            }
            EXPECT_EQ(w.m_template.GetControlText(), u"");
            EXPECT_EQ(w.m_ruleList.GetItemCount(), 0);
            if (edited) {
                Type(w.m_template, u"new");
                AddRule(w, u"{2}");
                ClearShownBoxes();
            }
            Click(w.m_save);
            ExpectOneNotice(u"保存失败！");
        });
        EXPECT_EQ(GroupFile("模板.dat"), templateBytes) << edited;
        EXPECT_EQ(GroupFile("规则.dat"), rules) << edited;
    }
    Open([](rg_win_GuiZePeiZhi& w) {
        EXPECT_EQ(U8(w.m_template.GetControlText()), "变量 {1}") << "a later opening reads them again";
        EXPECT_EQ(w.m_ruleList.GetItemCount(), 1);
    });
    EXPECT_TRUE(shownAtOpening.empty());
}

TEST_F(RuleConfigWindowTest, AGroupNameFromAForeignListNeverLeavesItsFolder) {
    dir.WriteBytes("datas/规则组列表.dat", "..\n");
    dir.WriteBytes("datas/模板.dat", "outside");
    dir.WriteBytes("datas/规则.dat", "{outside}\r\n");
    main = std::make_unique<rg_my_main_window>();
    ASSERT_TRUE(main->CreateFormWindow());
    Open([](rg_win_GuiZePeiZhi& w) {
        EXPECT_EQ(U8(w.GetControlText()), "【..】规则配置");
        EXPECT_EQ(w.m_template.GetControlText(), u"");
        EXPECT_EQ(w.m_ruleList.GetItemCount(), 0);
        Click(w.m_save);
        ExpectOneNotice(u"保存失败！");
    });
    EXPECT_EQ(dir.ReadBytes("datas/模板.dat"), "outside");
    EXPECT_EQ(dir.ReadBytes("datas/规则.dat"), "{outside}\r\n");
}
