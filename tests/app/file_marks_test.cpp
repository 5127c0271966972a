// Every reader of the translation table and of setup.ini reads a file by its
// byte-order mark, else in the ANSI code page: one table means the same to each
// reader, whatever mark it has.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/translation_window.h"
#include "common/translation.h"
#include "platform/encoding.h"
#include "support/headless_driver.h"
#include "support/temp_program_dir.h"
#include "tools/dbwrap/driver_settings.h"
#include "tools/rules/rule_expansion.h"

using namespace rg_qelvane_app;
using namespace rg_qelvane_base;
using namespace rg_qelvane_base::headless;

namespace {

struct Encoding {
    const char* name;
    std::function<std::string(std::u16string_view)> bytes;
};

const Encoding kEncodings[] = {
    {"GB18030", [](std::u16string_view text) { return Utf16ToAnsi(text); }},
    {"UTF-8 with mark", [](std::u16string_view text) { return "\xEF\xBB\xBF" + Utf16ToUtf8(text); }},
    {"UTF-16LE with mark", [](std::u16string_view text) { return "\xFF\xFE" + TextToUtf16Le(text); }},
};

struct Reader {
    const char* name;
    const char* file;
    std::function<CWString()> read;  // what it makes of the file's one entry
};

CWString ShownByTheTranslationWindow() {
    rg_win_FanYiGuanLi window;
    if (!window.CreateFormWindow() || window.m_grid.GetRowCount() != 1) return u"<no row>";
    CWString shown = window.m_grid.GetCellText(0, 0) + u"=" + window.m_grid.GetCellText(0, 1);
    Close(window);
    return shown;
}

CWString TranslatedByTheRuleWindow() {
    rg_GuiZeZhanKaiYinQing rules;
    rules.working.values = {u"Name"};
    return rules.TranslateData();
}

const Reader kReaders[] = {
    {"lookup", "datas/对应关系.ini", [] { return TranslateWord(u"NAME"); }},
    {"translation window", "datas/对应关系.ini", ShownByTheTranslationWindow},
    {"rule window", "datas/对应关系.ini", TranslatedByTheRuleWindow},
    {"setup.ini", "setup.ini", [] { return ReadSetupIni(u"Translation", u"name", u"<none>"); }},
};

}  // namespace

TEST(FileMarks, EveryReaderReadsTheFileByItsMark) {
    UseHeadlessBackend();
    const CWString expected[] = {u"名称", u"Name=名称", u"名称\r\n", u"名称"};
    for (const Encoding& encoding : kEncodings) {
        for (size_t reader = 0; reader < std::size(kReaders); ++reader) {
            TempProgramDir dir;
            dir.WriteBytes(kReaders[reader].file, encoding.bytes(u"[translation]\r\nName=名称\r\n"));
            TranslateEnabled = true;
            EXPECT_EQ(kReaders[reader].read().ToUtf8(), expected[reader].ToUtf8())
                << kReaders[reader].name << ", " << encoding.name;
            TranslateEnabled = false;
        }
    }
}
