#pragma once
// Shared by the Android tool tests: CR LF text building, readable failures and
// a translation table in a temporary program folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>

#include "platform/files.h"
#include "platform/text.h"
#include "shell/translation.h"

namespace android_test {

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
class AndroidToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() /
                  ("androidwrap-test-" + std::string(test->test_suite_name()) + "-" + test->name());
        std::filesystem::create_directories(folder_ / "datas");
        rg_qelvane_base::SetProgramDirForTests(folder_);
        rg_qelvane_app::TranslateEnabled = false;
    }
    void TearDown() override {
        rg_qelvane_app::TranslateEnabled = false;
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    // Writes datas\对应关系.ini as the translation window does and turns translation on.
    void UseTranslations(std::initializer_list<std::u16string_view> entries) {
        CWString text = u"[translation]\r\n";
        for (std::u16string_view entry : entries) text.append(entry).append(u"\r\n");
        ASSERT_TRUE(CWString::SaveTextFile(text, rg_qelvane_app::TranslationTablePath()));
        rg_qelvane_app::TranslateEnabled = true;
    }

private:
    std::filesystem::path folder_;
};

}  // namespace android_test
