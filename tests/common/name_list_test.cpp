#include <gtest/gtest.h>

#include "common/name_list.h"

using namespace rg_qelvane_app;

namespace {
CWString Repeat(const CWString& piece, int times) {
    CWString text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}
}  // namespace

// The three lists as the windows keep them: a rule group is a folder and a
// companion <name>.ini, a prompt a file <name>.dat written through a
// temporary, a marker no file at all.
TEST(NameListTest, ANewNameMeetsTheFirstRefusalThatApplies) {
    CNameList groups({{u""}, {u".ini"}}), prompts({{u".dat", true}}), markers;
    for (CNameList* list : {&groups, &prompts, &markers})
        for (const char16_t* name : {u"abc", u"..", u""}) list->Add(name);

    using R = NameRefusal;
    struct Case {
        const CNameList& list;
        CWString name;
        NameRefusal expected;
    };
    const Case cases[] = {
        {groups, u"", R::Empty},
        {prompts, u"", R::Empty},
        {markers, u"", R::Taken},
        {groups, u"abc", R::Taken},
        {prompts, u"abc", R::Taken},
        {markers, u"abc", R::Taken},
        {groups, u"..", R::Taken},
        {groups, u"ABC", R::None},
        {markers, u"{1}", R::None},
        // What would name another folder, or no file at all.
        {groups, u".", R::Unsafe},
        {prompts, u"...", R::Unsafe},
        {groups, u"a/b", R::Unsafe},
        {prompts, u"a\\b", R::Unsafe},
        {groups, u"c:d", R::Unsafe},
        {prompts, u"a*", R::Unsafe},
        {groups, u"a?", R::Unsafe},
        {prompts, u"a\"b", R::Unsafe},
        {groups, u"<a>", R::Unsafe},
        {prompts, u"a|b", R::Unsafe},
        {groups, u".a", R::None},
        {prompts, u"a.b", R::None},
        // Control characters: C0, DEL and C1; the character after them is text.
        {groups, u"a\tb", R::Unsafe},
        {prompts, u"\u001F", R::Unsafe},
        {groups, u"a\u007F", R::Unsafe},
        {prompts, u"\u0080a", R::Unsafe},
        {groups, u"a\u0085b", R::Unsafe},
        {prompts, u"\u009F", R::Unsafe},
        {groups, u"a\u00A0b", R::None},
        {markers, u"a/\t\u0085", R::None},
        // 255 bytes hold a group's <name>.ini, and a prompt's <name>.dat with ".saving-" and a 7-digit process id.
        {groups, Repeat(u"a", 251), R::None},
        {groups, Repeat(u"a", 252), R::TooLong},
        {groups, Repeat(u"中", 83), R::None},
        {groups, Repeat(u"中", 84), R::TooLong},
        {prompts, Repeat(u"a", 236), R::None},
        {prompts, Repeat(u"a", 237), R::TooLong},
        {prompts, Repeat(u"中", 78), R::None},
        {prompts, Repeat(u"中", 81), R::TooLong},
        {markers, Repeat(u"中", 1000), R::None},
        // A long name that could name no file at all is refused for that.
        {groups, Repeat(u"a", 252) + u"|", R::Unsafe},
        {prompts, Repeat(u".", 237), R::Unsafe},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.list.Check(c.name), c.expected) << c.name.ToUtf8() << " (" << c.name.size() << " units)";
}
