#include <gtest/gtest.h>

#include "platform/encoding.h"
#include "platform/line_file.h"
#include "support/temp_program_dir.h"

using namespace rg_qelvane_base;
namespace fs = std::filesystem;

class LineFileTest : public ::testing::Test {
protected:
    TempProgramDir dir;
    const CWString path = GetProgramDir() + u"list.dat";
    static constexpr LineFileFormat kList{LineEncoding::Utf8, LineEnd::Lf};
};

// Each file is read, saved with the lines given, and read again: the save
// writes exactly the bytes given, and the second read shows what was saved.
TEST_F(LineFileTest, ASaveKeepsTheBytesOfEveryLineItDidNotChange) {
    using namespace std::string_literals;
    struct Case {
        const char* fault;
        std::string file;
        rg_WenBenShuZuLei shown, saving;
        std::string saved;
    };
    const Case cases[] = {
        {"a UTF-8 list that begins with FF FE",
         "\xFF\xFE"
         "ab\ncd\n",
         {u"\x6261\x630A\x0A64"},
         {u"\x6261\x630A\x0A64", u"新"},
         "\xFF\xFE"
         "ab\ncd\n"
         "\n\0\xB0\x65\n\0"s},
        {"an unpaired surrogate in UTF-16",
         "\xFF\xFE"
         "a\0\n\0\x00\xD8\n\0"s,
         {u"a"},
         {u"a", u"新"},
         "\xFF\xFE"
         "a\0\n\0\xB0\x65\n\0\x00\xD8\n\0"s},
        {"an odd last byte in UTF-16",
         "\xFF\xFE"
         "a\0\n\0b\0c"s,
         {u"a"},
         {u"a", u"新"},
         "\xFF\xFE"
         "a\0\n\0\xB0\x65\n\0b\0c"s},
        {"a UTF-8 mark",
         "\xEF\xBB\xBF"
         "a\n",
         {u"a"},
         {u"a", u"新"},
         "\xEF\xBB\xBF"
         "a\n\xE6\x96\xB0\n"},
        {"a first line that begins with U+FEFF",
         "",
         {},
         {u"\xFEFF"
          "a"},
         "\xEF\xBB\xBF\xEF\xBB\xBF"
         "a\n"},
        {"a kept line that begins with FF FE comes first",
         "a\n\xFF\xFE"
         "b\n",
         {u"a"},
         {},
         "\xEF\xBB\xBF\xFF\xFE"
         "b\n"},
    };
    for (const Case& c : cases) {
        dir.WriteBytes("list.dat", c.file);
        ShownLineFile file;
        EXPECT_EQ(file.Read(path, kList), c.shown) << c.fault;
        ASSERT_TRUE(file.Write(path, c.saving, kList)) << c.fault;
        EXPECT_EQ(dir.ReadBytes("list.dat"), c.saved) << c.fault;
        EXPECT_EQ(ShownLineFile().Read(path, kList), c.saving) << c.fault;
    }
}

TEST_F(LineFileTest, APathThatCannotBeExaminedIsUnreadableAndNeverRewritten) {
    fs::create_symlink("loop.dat", dir / "loop.dat");
    dir.WriteBytes("file", "x");
    for (const char16_t* name : {u"loop.dat", u"file\\list.dat"}) {
        ShownLineFile file;
        EXPECT_EQ(file.Read(GetProgramDir() + name, kList), std::nullopt) << Utf16ToUtf8(name);
        EXPECT_FALSE(file.Write(GetProgramDir() + name, {u"a"}, kList)) << Utf16ToUtf8(name);
    }
    EXPECT_TRUE(fs::is_symlink(dir / "loop.dat"));
    EXPECT_EQ(ShownLineFile().Read(GetProgramDir() + u"missing\\list.dat", kList), rg_WenBenShuZuLei{})
        << "a missing file is an empty list";
}
