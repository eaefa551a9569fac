#include "platform/fs/FileSystem.h"
#include "platform/fs/LogicalPath.h"
#include "platform/fs/Wildcard.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>

using ovtest::FileSizeLimit;
using ovtest::TempFolder;

TEST(LogicalPath, MapsBackslashPathsToNativeAndBack) {
    EXPECT_EQ(fs::ToNative(L"\\home\\u\\工程\\P.itm"), std::filesystem::path("/home/u/工程/P.itm"));
    EXPECT_EQ(fs::ToLogical("/home/u/工程/P.itm"), L"\\home\\u\\工程\\P.itm");
}

TEST(FileSystem, ResolvesEveryComponentWithoutRegardToCase) {
    TempFolder folder;
    folder.WriteBytes(L"Project\\Sub\\P.ITM", "x");
    EXPECT_TRUE(fs::IsFile(folder.Path(L"project\\SUB\\p.itm")));
    EXPECT_TRUE(fs::IsFolder(folder.Path(L"PROJECT\\sub")));
    EXPECT_EQ(fs::Resolve(folder.Path(L"project\\sub\\new.dwg")),
              folder.NativePath(L"Project\\Sub\\new.dwg"));
    EXPECT_FALSE(fs::Exists(folder.Path(L"project\\sub\\p.itm\\")));
    EXPECT_FALSE(fs::Exists(L""));
}

TEST(FileSystem, WildcardsMatchAsOnWindows) {
    EXPECT_TRUE(fs::MatchWildcard(L"*.dwg", L"A.DWG"));
    EXPECT_TRUE(fs::MatchWildcard(L"*.*", L"README"));
    EXPECT_TRUE(fs::MatchWildcard(L"a?c.*", L"ABC"));
    EXPECT_FALSE(fs::MatchWildcard(L"*.dwg", L"a.dwg.bak"));

    TempFolder folder;
    folder.WriteBytes(L"P\\b.DWG", "");
    folder.WriteBytes(L"P\\a.dwg", "");
    folder.WriteBytes(L"P\\P.itm", "");
    folder.MakeFolder(L"P\\S.dwg");
    EXPECT_EQ(fs::FindMatches(folder.Path(L"p\\*.dwg"), fs::EntryKind::Files),
              (std::vector<std::wstring>{folder.Path(L"p\\a.dwg"), folder.Path(L"p\\b.DWG")}));
    EXPECT_EQ(fs::FindMatches(folder.Path(L"P\\*.*")).size(), 4u);
    folder.MakeFolder(L"Empty");
    EXPECT_TRUE(fs::FindAny(folder.Path(L"Empty\\*.*"))) << "\".\" matches in any existing folder";
    EXPECT_FALSE(fs::FindAny(folder.Path(L"Empty\\*.dwg")));
    EXPECT_FALSE(fs::FindAny(folder.Path(L"Missing\\*.*")));
}

TEST(FileSystem, ListingTellsFilesFromFoldersThroughLinks) {
    TempFolder folder;
    folder.WriteBytes(L"P\\图纸一.DWG", "");
    folder.WriteBytes(L"P\\屏\\屏.prj", "");
    folder.MakeFolder(L"P\\空");
    std::filesystem::create_symlink(folder.NativePath(L"P\\图纸一.DWG"),
                                    folder.NativePath(L"P\\link.dwg"));
    std::filesystem::create_symlink(folder.NativePath(L"P\\屏"), folder.NativePath(L"P\\链"));
    std::filesystem::create_symlink(folder.NativePath(L"P\\gone.dwg"),
                                    folder.NativePath(L"P\\broken.dwg"));
    EXPECT_EQ(
        fs::FindMatches(folder.Path(L"p\\*.dwg"), fs::EntryKind::Files),
        (std::vector<std::wstring>{folder.Path(L"p\\link.dwg"), folder.Path(L"p\\图纸一.DWG")}))
        << "a link counts as what it leads to; a broken one as nothing";
    EXPECT_EQ(fs::FindMatches(folder.Path(L"P\\*"), fs::EntryKind::Folders),
              (std::vector<std::wstring>{folder.Path(L"P\\屏"), folder.Path(L"P\\空"),
                                         folder.Path(L"P\\链")}));
    EXPECT_EQ(fs::FindMatches(folder.Path(L"P\\*")).size(), 6u) << "never \".\" or \"..\"";
    EXPECT_TRUE(fs::FindMatches(folder.Path(L"P\\空\\*")).empty());
    EXPECT_TRUE(fs::FindMatches(folder.Path(L"P\\missing\\*")).empty());
}

TEST(FileSystem, RenameNeverReplacesButMayChangeCase) {
    TempFolder folder;
    folder.WriteBytes(L"a.dwg", "a");
    folder.WriteBytes(L"b.dwg", "b");
    EXPECT_FALSE(fs::Rename(folder.Path(L"a.dwg"), folder.Path(L"B.DWG")));
    EXPECT_EQ(folder.ReadBytes(L"b.dwg"), "b");
    EXPECT_TRUE(fs::Rename(folder.Path(L"a.dwg"), folder.Path(L"A.DWG")));
    EXPECT_EQ(folder.ReadBytes(L"A.DWG"), "a");
    EXPECT_FALSE(fs::Rename(folder.Path(L"missing"), folder.Path(L"x")));
}

TEST(FileSystem, CopyMoveAndDeleteWholeFolders) {
    TempFolder folder;
    folder.WriteBytes(L"T\\T.prj", "prj");
    folder.WriteBytes(L"T\\Sub\\1.dwg", "dwg");
    ASSERT_TRUE(fs::CopyTree(folder.Path(L"t"), folder.Path(L"Copy")));
    EXPECT_EQ(folder.ReadBytes(L"Copy\\Sub\\1.dwg"), "dwg");
    EXPECT_FALSE(fs::CopyTree(folder.Path(L"T"), folder.Path(L"Copy"))) << "target exists";
    EXPECT_FALSE(fs::CopyTree(folder.Path(L"T"), folder.Path(L"T\\Sub\\Inner"))) << "into itself";
    EXPECT_FALSE(folder.Exists(L"T\\Sub\\Inner"));
    ASSERT_TRUE(fs::Move(folder.Path(L"Copy"), folder.Path(L"Moved")));
    EXPECT_FALSE(folder.Exists(L"Copy"));
    EXPECT_FALSE(fs::CopyFile(folder.Path(L"T\\T.prj"), folder.Path(L"Moved\\T.prj"), false));
    EXPECT_TRUE(fs::CopyFile(folder.Path(L"T\\T.prj"), folder.Path(L"Moved\\T.prj"), true));
    EXPECT_EQ(fs::FindMatches(folder.Path(L"Moved\\*.ovtmp")).size(), 0u)
        << "no copy left beside it";
    EXPECT_FALSE(fs::CopyFile(folder.Path(L"T\\T.prj"), folder.Path(L"Moved\\Sub"), true))
        << "a folder is never replaced by a file";
    EXPECT_FALSE(fs::DeleteFile(folder.Path(L"Moved"))) << "a folder is not a file";
    EXPECT_TRUE(fs::DeleteTree(folder.Path(L"moved")));
    EXPECT_FALSE(folder.Exists(L"Moved"));
    EXPECT_FALSE(fs::DeleteTree(folder.Path(L"Moved")));
    EXPECT_NE(fs::LastError(), 0);
    EXPECT_FALSE(fs::ErrorText(fs::LastError()).empty());
}

TEST(FileSystem, CreateFolderIsOneLevelCreateFoldersIsAll) {
    TempFolder folder;
    EXPECT_FALSE(fs::CreateFolder(folder.Path(L"a\\b")));
    EXPECT_TRUE(fs::CreateFolders(folder.Path(L"a\\b\\c")));
    EXPECT_FALSE(fs::CreateFolder(folder.Path(L"A")));
    EXPECT_TRUE(fs::CreateFolder(folder.Path(L"a\\d")));
}

TEST(FileSystem, ACopyThatHitsTheFileSizeLimitLeavesNothingBehind) {
    TempFolder folder;
    folder.WriteBytes(L"图1.dwg", std::string(100 * 1024, 'd'));
    folder.WriteBytes(L"图1.bak", "old backup");
    {
        FileSizeLimit limit(20 * 1024);
        EXPECT_FALSE(fs::CopyFile(folder.Path(L"图1.dwg"), folder.Path(L"图1.bak"), true));
        EXPECT_EQ(fs::LastError(), EFBIG);
    }
    EXPECT_EQ(fs::FindMatches(folder.Path(L"*.ovtmp")).size(), 0u);
    EXPECT_EQ(folder.ReadBytes(L"图1.bak"), "old backup");
}
