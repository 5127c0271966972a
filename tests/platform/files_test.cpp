#include <gtest/gtest.h>

#include "platform/encoding.h"
#include "platform/files.h"
#include "support/seams.h"
#include "support/temp_program_dir.h"

using namespace rg_qelvane_base;
namespace fs = std::filesystem;

class FilesTest : public ::testing::Test {
protected:
    TempProgramDir dir;
    CWString Path(const char16_t* relative) { return GetProgramDir() + relative; }
};

TEST_F(FilesTest, ProgramDirEndsWithBackslash) {
    CWString folder = GetProgramDir();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), u'\\');
    EXPECT_EQ(ToNativePath(folder), dir.Folder());
}

TEST_F(FilesTest, LoadTextFileHonoursMarksThenTheRequestedEncoding) {
    struct Case {
        std::string bytes;
        LineEncoding unmarked;
        std::u16string expected;
    };
    const std::string utf8 = "\xE5\x90\x8D\xE7\xA7\xB0";  // 名称
    const std::string gbk = "\xC3\xFB\xB3\xC6";           // 名称
    const Case cases[] = {
        {"\xFF\xFE" + std::string("a\0b\0", 4), LineEncoding::Ansi, u"ab"},
        {"\xEF\xBB\xBF" + utf8, LineEncoding::Ansi, u"名称"},
        {utf8, LineEncoding::Utf8, u"名称"},
        {gbk, LineEncoding::Ansi, u"名称"},
        {std::string("x\0y\0", 4), LineEncoding::Utf16Le, u"xy"},
        {std::string("ab\0cd", 5), LineEncoding::Utf8, u"ab"},
        {std::string("\xFF\xFE"
                     "a\0\0\0b\0",
                     8),
         LineEncoding::Utf8, u"a"},
        {"", LineEncoding::Utf8, u""},
    };
    for (const Case& c : cases) {
        dir.WriteBytes("f.txt", c.bytes);
        EXPECT_EQ(CWString::LoadTextFile(Path(u"f.txt"), c.unmarked), c.expected) << c.bytes;
    }
    EXPECT_EQ(CWString::LoadTextFile(Path(u"missing.txt"), LineEncoding::Utf8), u"");
    fs::create_directories(dir / "folder.txt");
    EXPECT_EQ(CWString::LoadTextFile(Path(u"folder.txt"), LineEncoding::Utf8), u"")
        << "a folder reads as a missing file";
}

TEST_F(FilesTest, SaveTextFileWritesAnsiAndReplacesTheFileWhole) {
    dir.WriteBytes("t.ini", std::string(100, 'z'));
    ASSERT_TRUE(CWString::SaveTextFile(u"[translation]\r\nName=名称\r\n", Path(u"t.ini")));
    EXPECT_EQ(dir.ReadBytes("t.ini"), "[translation]\r\nName=\xC3\xFB\xB3\xC6\r\n");
    EXPECT_EQ(CWString::LoadTextFile(Path(u"t.ini"), LineEncoding::Ansi), u"[translation]\r\nName=名称\r\n");
}

TEST_F(FilesTest, AnsiHoldsEveryCharacter) {
    const std::u16string rare = u"é😀\u4E00";
    EXPECT_EQ(AnsiToUtf16(Utf16ToAnsi(rare)), rare);
}

TEST_F(FilesTest, Utf8BytesWithAndWithoutNul) {
    EXPECT_EQ(TextToUtf8Bytes(u"a名", false).Bytes(), "a\xE5\x90\x8D");
    EXPECT_EQ(TextToUtf8Bytes(u"", true).Bytes(), std::string(1, '\0'));
}

TEST_F(FilesTest, FailedWriteLeavesTheOldFileAndReportsFailure) {
    dir.WriteBytes("keep.dat", "old");
    EXPECT_FALSE(CQelMem("new").WriteFile(u""));
    EXPECT_FALSE(CQelMem("new").WriteFile(Path(u"no\\such\\folder\\x.dat")));
    EXPECT_EQ(dir.ReadBytes("keep.dat"), "old");
    EXPECT_TRUE(CQelMem("new").WriteFile(Path(u"keep.dat")));
    EXPECT_EQ(dir.ReadBytes("keep.dat"), "new");

    fs::create_directories(dir / "folder.dat");
    EXPECT_FALSE(CQelMem("x").WriteFile(Path(u"folder.dat")));
    EXPECT_TRUE(fs::is_directory(dir / "folder.dat"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Folder()), fs::directory_iterator()), 2) << "no temporary left";
}

TEST_F(FilesTest, FoldersAreCreatedWithParentsAndBackslashPaths) {
    EXPECT_FALSE(CreateDirectoryChain(u""));
    EXPECT_TRUE(CreateDirectoryChain(Path(u"datas\\规则组\\a\\")));
    EXPECT_TRUE(CreateDirectoryChain(Path(u"datas\\规则组\\a")));
    EXPECT_TRUE(fs::is_directory(dir / "datas/规则组/a"));
    EXPECT_TRUE(PathExists(Path(u"datas\\规则组\\a\\")));
    EXPECT_FALSE(PathExists(Path(u"datas\\nothing")));
}

TEST_F(FilesTest, MoveFailsWhenTheTargetExistsOrTheSourceIsMissing) {
    dir.WriteBytes("a.txt", "a");
    dir.WriteBytes("b.txt", "b");
    EXPECT_FALSE(MovePath(Path(u"a.txt"), Path(u"b.txt")));
    EXPECT_EQ(dir.ReadBytes("b.txt"), "b");
    EXPECT_FALSE(MovePath(Path(u"none.txt"), Path(u"c.txt")));
    EXPECT_TRUE(MovePath(Path(u"a.txt"), Path(u"c.txt")));
    EXPECT_EQ(dir.ReadBytes("c.txt"), "a");
}

TEST_F(FilesTest, DeleteTreeRemovesContentsButNeverFollowsLinks) {
    dir.WriteBytes("outside/precious.txt", "keep");
    dir.WriteBytes("group/sub/file.txt", "x");
    fs::create_directory_symlink(dir / "outside", dir / "group/link");
    EXPECT_TRUE(DeleteDirectoryTree(Path(u"group")));
    EXPECT_FALSE(fs::exists(dir / "group"));
    EXPECT_EQ(dir.ReadBytes("outside/precious.txt"), "keep");
    EXPECT_FALSE(DeleteDirectoryTree(Path(u"group")));

    fs::create_directory_symlink(dir / "outside", dir / "linked");
    EXPECT_TRUE(DeleteDirectoryTree(Path(u"linked\\")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "linked")));
    EXPECT_EQ(dir.ReadBytes("outside/precious.txt"), "keep");
}

TEST_F(FilesTest, DeleteFileOnlyTakesFiles) {
    dir.WriteBytes("f.txt", "x");
    fs::create_directories(dir / "folder");
    EXPECT_TRUE(DeleteFilePath(Path(u"f.txt")));
    EXPECT_FALSE(DeleteFilePath(Path(u"f.txt")));
    EXPECT_FALSE(DeleteFilePath(Path(u"folder")));
}

TEST_F(FilesTest, SavesWriteThroughALinkAndKeepTheFilesPermissions) {
    dir.WriteBytes("real/table.ini", "old");
    fs::permissions(dir / "real/table.ini", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real/table.ini", dir / "link.ini");
    ASSERT_TRUE(WriteFileBytes(Path(u"link.ini"), "new"));
    EXPECT_TRUE(fs::is_symlink(dir / "link.ini"));
    EXPECT_EQ(dir.ReadBytes("real/table.ini"), "new");
    EXPECT_EQ(fs::status(dir / "real/table.ini").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "real"), fs::directory_iterator()), 1) << "no temporary left";

    fs::create_symlink("real/new.ini", dir / "dangling.ini");
    ASSERT_TRUE(WriteFileBytes(Path(u"dangling.ini"), "x"));
    EXPECT_EQ(dir.ReadBytes("real/new.ini"), "x") << "a dangling link gets its file";
}

TEST_F(FilesTest, AnUnreadableFileIsToldFromAMissingOne) {
    EXPECT_EQ(TryReadFileBytes(Path(u"missing.txt")), std::string());
    EXPECT_EQ(TryLoadTextFile(Path(u"no\\such\\missing.txt"), LineEncoding::Utf8), CWString());
    fs::create_directories(dir / "folder.txt");
    EXPECT_EQ(TryReadFileBytes(Path(u"folder.txt")), std::nullopt);
    dir.WriteBytes("f.txt", "abc");
    EXPECT_EQ(TryLoadTextFile(Path(u"f.txt"), LineEncoding::Utf8), CWString(u"abc"));
}

TEST_F(FilesTest, InjectedFaultsRefuseTheirOperationAndChangeNothing) {
    dir.WriteBytes("a/f.txt", "a");
    {
        CInjectedFault fault(CQelFault::Move);
        EXPECT_FALSE(MovePath(Path(u"a"), Path(u"b")));
    }
    {
        CInjectedFault fault(CQelFault::CreateFolder);
        EXPECT_FALSE(CreateDirectoryChain(Path(u"c")));
    }
    {
        CInjectedFault fault(CQelFault::Delete);
        EXPECT_FALSE(DeleteDirectoryTree(Path(u"a")));
        EXPECT_FALSE(DeleteFilePath(Path(u"a\\f.txt")));
    }
    {
        CInjectedFault fault(CQelFault::Read);
        EXPECT_EQ(TryReadFileBytes(Path(u"a\\f.txt")), std::nullopt);
        EXPECT_EQ(CWString::LoadTextFile(Path(u"a\\f.txt"), LineEncoding::Utf8), u"");
    }
    EXPECT_FALSE(fs::exists(dir / "b"));
    EXPECT_FALSE(fs::exists(dir / "c"));
    EXPECT_EQ(dir.ReadBytes("a/f.txt"), "a");
    EXPECT_EQ(ReadFileBytes(Path(u"a\\f.txt")), "a") << "a fault lasts as long as its object";
}
