#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "support/seams.h"

#include "common/data_folder.h"
#include "common/text_helpers.h"
#include "common/translation.h"
#include "support/temp_program_dir.h"
#include "support/wait.h"

using namespace rg_qelvane_app;

class TranslateWordTest : public ::testing::Test {
protected:
    TempProgramDir dir;
    void SetUp() override { TranslateEnabled = true; }
    void TearDown() override { TranslateEnabled = false; }
    void WriteTable(const std::string& ansiLines) {
        dir.WriteBytes("datas/对应关系.ini", "[translation]\r\n" + ansiLines);
    }
};

TEST_F(TranslateWordTest, FlagOffGivesEveryWordBack) {
    WriteTable("Name=\xC3\xFB\xB3\xC6\r\n");
    TranslateEnabled = false;
    EXPECT_EQ(TranslateWord(u"Name"), u"Name");
}

TEST_F(TranslateWordTest, KeysMatchWithoutCaseAndTheFirstWins) {
    WriteTable("Name=\xC3\xFB\xB3\xC6\r\nname=other\r\nEmpty=\r\na=b=c\r\n");
    EXPECT_EQ(TranslateWord(u"Name"), u"名称");
    EXPECT_EQ(TranslateWord(u"NAME"), u"名称");
    EXPECT_EQ(TranslateWord(u"Names"), u"Names");
    EXPECT_EQ(TranslateWord(u"Empty"), u"Empty");
    EXPECT_EQ(TranslateWord(u"a"), u"b=c");
    EXPECT_EQ(TranslateWord(u""), u"");
}

TEST_F(TranslateWordTest, LfOnlyTablesStillReadEveryEntryAndAMissingTableGivesTheWord) {
    EXPECT_EQ(TranslateWord(u"x"), u"x");
    dir.WriteBytes("datas/对应关系.ini", "[translation]\nx=1\ny=2\n");
    EXPECT_EQ(TranslateWord(u"y"), u"2");
}

TEST_F(TranslateWordTest, ASavedTableIsSeenByTheNextWord) {
    WriteTable("k=1\r\n");
    EXPECT_EQ(TranslateWord(u"k"), u"1");
    ASSERT_TRUE(rg_qelvane_base::CWString::SaveTextFile(u"[translation]\r\nk=2\r\n", TranslationTableFile()));
    EXPECT_EQ(TranslateWord(u"k"), u"2");
}

TEST_F(TranslateWordTest, AFileTimeFarFromNowStillLeavesTheLookupAHashProbe) {
    using namespace std::chrono_literals;
    using rg_qelvane_base::CInjectedFault;
    using rg_qelvane_base::CQelFault;
    namespace fs = std::filesystem;
    WriteTable("Name=\xC3\xFB\xB3\xC6\r\n");
    fs::last_write_time(dir / "datas/对应关系.ini", fs::file_time_type::clock::now() + 1h);
    EXPECT_EQ(TranslateWord(u"Name"), u"名称");
    {
        CInjectedFault unreadable(CQelFault::Read);
        EXPECT_EQ(TranslateWord(u"NAME"), u"名称") << "the file was not read again";
        ASSERT_TRUE(rg_qelvane_base::CWString::SaveTextFile(u"[translation]\r\nName=新\r\n", TranslationTableFile()));
        EXPECT_EQ(TranslateWord(u"Name"), u"Name") << "a new file is read, and this one cannot be";
    }
    EXPECT_EQ(TranslateWord(u"Name"), u"新");
}

TEST_F(TranslateWordTest, ARewriteThatKeepsSizeAndTimeIsSeenOnceItsClockTickIsOver) {
    using namespace std::chrono_literals;
    namespace fs = std::filesystem;
    const fs::path table = dir / "datas/对应关系.ini";
    // Only a read within the clock tick of the write can miss such a rewrite;
    // a busy machine may come to read later than that, and then writes again.
    fs::file_time_type written;
    ASSERT_TRUE(WaitFor("a read within the clock tick of its write", [&] {
        WriteTable("k=1\r\n");
        written = fs::last_write_time(table);
        EXPECT_EQ(TranslateWord(u"k"), u"1");
        return fs::file_time_type::clock::now() - written < 40ms;
    }));
    WriteTable("k=2\r\n");
    fs::last_write_time(table, written);
    EXPECT_TRUE(WaitFor("the rewrite to be seen", [] { return TranslateWord(u"k") == u"2"; }));
}

TEST_F(TranslateWordTest, AClickLooksAtTheTableOnceAndTheNextClickSeesAChange) {
    WriteTable("k=1\r\n");
    {
        TranslationTableScope click;
        EXPECT_EQ(TranslateWord(u"k"), u"1");
        WriteTable("k=22\r\n");
        EXPECT_EQ(TranslateWord(u"k"), u"1") << "a click works with the table as it began";
        {
            TranslationTableScope nested;
            EXPECT_EQ(TranslateWord(u"k"), u"22");
        }
        EXPECT_EQ(TranslateWord(u"k"), u"1");
    }
    TranslationTableScope nextClick;
    EXPECT_EQ(TranslateWord(u"k"), u"22");
}

TEST(TextHelpers, CaseChangesTouchOnlyAsciiLetters) {
    EXPECT_EQ(LowerFirstLetter(u"URL"), u"uRL");
    EXPECT_EQ(LowerFirstLetter(u"É"), u"É");
    EXPECT_EQ(LowerFirstLetter(u""), u"");
    EXPECT_EQ(UpperFirstLetter(u"user_name"), u"User_name");
    EXPECT_EQ(UpperFirstLetter(u"ａb"), u"ａb");
}

TEST(TextHelpers, IsLowerInitialJudgesTheNameWithoutStars) {
    struct Case {
        const char16_t* name;
        bool lower;
    };
    for (Case c : {Case{u"", false},
                   {u"*", true},
                   {u"node", true},
                   {u"_node", true},
                   {u"[]Node", true},
                   {u"9x", true},
                   {u"Node", false},
                   {u"*Node", false},
                   {u"**node", true}})
        EXPECT_EQ(IsLowerInitial(c.name), c.lower);
}
