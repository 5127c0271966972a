#include <gtest/gtest.h>

#include <thread>

#include "platform/ini.h"
#include "support/temp_program_dir.h"

using namespace rg_qelvane_base;

class IniTest : public ::testing::Test {
protected:
    TempProgramDir dir;
    CWString file = GetProgramDir() + u"t.ini";
    CWString Read(std::u16string_view section, std::u16string_view key) {
        return ReadIniText(file, section, key, u"<default>");
    }
};

TEST_F(IniTest, MatchesSectionsAndKeysWithoutRegardToCaseFirstKeyWins) {
    dir.WriteBytes("t.ini", "[Translation]\r\nName=first\r\nname=second\r\na=b=c\r\nEmpty=\r\n");
    EXPECT_EQ(Read(u"translation", u"NAME"), u"first");
    EXPECT_EQ(Read(u"TRANSLATION", u"name"), u"first");
    EXPECT_EQ(Read(u"translation", u"a"), u"b=c");
    EXPECT_EQ(Read(u"translation", u"Empty"), u"");
    EXPECT_EQ(Read(u"translation", u"Names"), u"<default>");
    EXPECT_EQ(Read(u"other", u"Name"), u"<default>");
}

TEST_F(IniTest, TrimsBlanksStripsQuotesSkipsCommentsAndKeysBeforeSections) {
    dir.WriteBytes("t.ini",
                   "orphan=1\n; a comment\n[ s ]\n  key  =  \" quoted \"  \n;key=commented\nplain = 'x'\nnoequals\n");
    EXPECT_EQ(Read(u"s", u"key"), u" quoted ");
    EXPECT_EQ(Read(u"s", u"plain"), u"x");
    EXPECT_EQ(Read(u"s", u"orphan"), u"<default>");
    EXPECT_EQ(Read(u"s", u"noequals"), u"<default>");
}

TEST_F(IniTest, EmptyArgumentsGiveEmptyTextAndAMissingFileTheDefault) {
    EXPECT_EQ(ReadIniText(u"", u"s", u"k", u"d"), u"");
    EXPECT_EQ(ReadIniText(file, u"", u"k", u"d"), u"");
    EXPECT_EQ(ReadIniText(file, u"s", u"", u"d"), u"");
    EXPECT_EQ(Read(u"s", u"k"), u"<default>");
}

TEST_F(IniTest, ReadsAFileByItsMarkElseAsAnsi) {
    dir.WriteBytes("t.ini", "[s]\nk=\xC3\xFB\xB3\xC6\n");
    EXPECT_EQ(Read(u"s", u"k"), u"名称");
    dir.WriteBytes("t.ini", std::string("\xFF\xFE[\0s\0]\0\n\0k\0=\0\x0D\x54\n\0", 18));
    EXPECT_EQ(Read(u"s", u"k"), u"名");
    dir.WriteBytes("t.ini", "\xEF\xBB\xBF[s]\nk=\xE5\x90\x8D\n");
    EXPECT_EQ(Read(u"s", u"k"), u"名");
}

TEST_F(IniTest, LongValuesAreCutAtTheServiceBuffer) {
    dir.WriteBytes("t.ini", "[s]\nk=" + std::string(20000, 'v') + "\n");
    EXPECT_EQ(Read(u"s", u"k").size(), 10239u);
}

TEST_F(IniTest, ASaveIsSeenByTheNextLookup) {
    dir.WriteBytes("t.ini", "[s]\nk=old\n");
    EXPECT_EQ(Read(u"s", u"k"), u"old");
    // Same size, written at once: the cache must still notice the new content.
    dir.WriteBytes("t.ini", "[s]\nk=new\n");
    EXPECT_EQ(Read(u"s", u"k"), u"new");
    std::filesystem::remove(dir / "t.ini");
    EXPECT_EQ(Read(u"s", u"k"), u"<default>");
}
