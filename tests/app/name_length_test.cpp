// Both windows whose names become files: the main window's rule groups and
// the prompt library. A name that fits its files is taken; one byte more is
// refused with the notice that it is too long, not that it holds a bad character.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "support/headless_driver.h"
#include "support/temp_program_dir.h"
#include "tools/rules/prompt_window.h"

using namespace rg_qelvane_app;
using namespace rg_qelvane_base;
using namespace rg_qelvane_base::headless;
using Names = std::vector<CWString>;

namespace {

enum class Window { RuleGroups, Prompts };
enum class Action { Add, Rename };

Names Entries(const rg_list_box& list) {
    Names entries;
    for (int i = 0; i < list.GetItemCount(); ++i) entries.push_back(list.GetListItemText(i));
    return entries;
}

// The window opened on a list holding "p" (selected) after its button for `action` was given `name`.
Names EntriesAfter(Window window, Action action, const CWString& name) {
    if (window == Window::RuleGroups) {
        rg_my_main_window w;
        EXPECT_TRUE(w.CreateFormWindow());
        Select(w.m_ruleGroupList, 0);
        QueueInputBoxAnswer(name);
        Click(action == Action::Add ? w.m_createButton : w.m_renameButton);
        return Entries(w.m_ruleGroupList);
    }
    rg_win_DiShiCiGuanLi w;
    EXPECT_TRUE(w.CreateFormWindow());
    Select(w.m_promptList, 0);
    QueueInputBoxAnswer(name);
    Click(action == Action::Add ? w.m_addButton : w.m_renameButton);
    return Entries(w.m_promptList);
}

}  // namespace

TEST(NameLengthTest, ANameTooLongForItsFilesIsRefusedAsTooLong) {
    UseHeadlessBackend();
    const char16_t* const groupTooLong = u"规则组名称过长，无法用作文件夹名称！";
    const char16_t* const promptTooLong = u"提示词名称过长，无法用作文件名称！";
    struct Case {
        Window window;
        Action action;
        CWString name;
        const char16_t* refusal;  // null: the name is taken
    };
    // A group is a folder and <name>.ini: 251 bytes; a prompt is <name>.dat
    // saved through a temporary 15 bytes longer: 236. A Chinese character is 3 bytes.
    const Case cases[] = {
        {Window::RuleGroups, Action::Add, CWString(251, u'a'), nullptr},
        {Window::RuleGroups, Action::Add, CWString(252, u'a'), groupTooLong},
        {Window::RuleGroups, Action::Rename, CWString(83, u'中') + u"ab", nullptr},
        {Window::RuleGroups, Action::Rename, CWString(84, u'中'), groupTooLong},
        {Window::Prompts, Action::Add, CWString(78, u'中') + u"ab", nullptr},
        {Window::Prompts, Action::Add, CWString(79, u'中'), promptTooLong},
        {Window::Prompts, Action::Rename, CWString(236, u'a'), nullptr},
        {Window::Prompts, Action::Rename, CWString(237, u'a'), promptTooLong},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.ToUtf8());
        TempProgramDir dir;
        dir.WriteBytes("datas/规则组列表.dat", "p\n");
        std::filesystem::create_directories(dir / "datas/规则组/p");
        dir.WriteBytes("datas/提示词组列表.dat", "p\n");
        dir.WriteBytes("datas/提示词组/p.dat", std::string(1, '\0'));
        ClearShownBoxes();
        Names entries = EntriesAfter(c.window, c.action, c.name);
        if (!c.refusal) {
            const Names named = c.action == Action::Add ? Names{u"p", c.name} : Names{c.name};
            EXPECT_EQ(entries, named);
            continue;
        }
        EXPECT_EQ(entries, Names{u"p"});
        ASSERT_FALSE(ShownBoxes().empty());
        EXPECT_EQ(ShownBoxes().back().text.ToUtf8(), CWString(c.refusal).ToUtf8());
    }
}
