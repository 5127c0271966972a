#pragma once
// Shared by the generator tests: CR LF text building, readable failures and a
// translation table in a temporary program folder.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "common/data_folder.h"
#include "common/translation.h"
#include "platform/text.h"
#include "support/temp_program_dir.h"

namespace generator_test {

using rg_qelvane_base::CWString;

// Every line followed by CR LF.
inline CWString CrLfLines(std::initializer_list<std::u16string_view> lines) {
    CWString text;
    for (std::u16string_view line : lines) text.append(line).append(u"\r\n");
    return text;
}

inline const CWString kHeader = u"<Qelvane程序 类型 = \"通常\" 版本 = 1 />";

// Failures print as readable UTF-8.
inline std::string U8(const CWString& text) { return text.ToUtf8(); }

// Every test starts with translation off in a program folder of its own.
class GeneratorTest : public ::testing::Test {
protected:
    void SetUp() override { rg_qelvane_app::TranslateEnabled = false; }
    void TearDown() override { rg_qelvane_app::TranslateEnabled = false; }
    // Writes datas\对应关系.ini as the translation window does and turns translation on.
    void UseTranslations(std::initializer_list<std::u16string_view> entries) {
        CWString text = u"[translation]\r\n";
        for (std::u16string_view entry : entries) text.append(entry).append(u"\r\n");
        std::filesystem::create_directories(programDir_ / "datas");
        ASSERT_TRUE(CWString::SaveTextFile(text, rg_qelvane_app::TranslationTableFile()));
        rg_qelvane_app::TranslateEnabled = true;
    }
    const TempProgramDir& ProgramDir() const { return programDir_; }

protected:
    TempProgramDir programDir_;
};

}  // namespace generator_test
