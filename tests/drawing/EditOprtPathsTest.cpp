#include "drawing/EditOprt.h"
#include "platform/ui/ScriptedBackend.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using ovtest::TempFolder;

TEST(EditOprtPaths, PathPartsWithAndWithoutBackslashes) {
    EXPECT_EQ(CEditOprt::GetFileNamePart(L"name.dwg"), L"");
    EXPECT_EQ(CEditOprt::GetParentPath(L"name.dwg"), L"");
    EXPECT_EQ(CEditOprt::GetLastPathItem(L"name"), L"");
    EXPECT_EQ(CEditOprt::GetLastPathItem(L"\\a\\工程\\"), L"工程");
    EXPECT_EQ(CEditOprt::GetParentPath(L"\\a\\b\\c.dwg"), L"\\a\\b");
    EXPECT_EQ(CEditOprt::GetFileNamePart(L"\\a\\b\\c.dwg"), L"c.dwg");
}

TEST(EditOprtPaths, JoinPathPutsExactlyOneBackslashAtTheSeam) {
    EXPECT_EQ(CEditOprt::JoinPath(L"\\a\\", L"\\Data\\word.mdb"), L"\\a\\Data\\word.mdb");
    EXPECT_EQ(CEditOprt::JoinPath(L"\\a", L"Data"), L"\\a\\Data");
    EXPECT_EQ(CEditOprt::JoinPath(L"\\a\\", L"Data"), L"\\a\\Data");
    EXPECT_EQ(CEditOprt::JoinPath(L"", L"Data"), L"\\Data");
}

TEST(EditOprtPaths, ExtensionsBelongToTheFileNameOnly) {
    EXPECT_EQ(CEditOprt::HasExtension(L"\\a.b\\name"), 0);
    EXPECT_EQ(CEditOprt::HasExtension(L"\\a\\name."), 0);
    EXPECT_EQ(CEditOprt::HasExtension(L"\\a\\name.x"), 1);
    EXPECT_EQ(CEditOprt::GetExtension(L"\\a\\P.itm"), L"itm");
    EXPECT_EQ(CEditOprt::GetExtension(L"\\a.b\\name"), L"");
    EXPECT_EQ(CEditOprt::RemoveExtension(L"\\a\\P.itm"), L"\\a\\P");
    EXPECT_EQ(CEditOprt::RemoveExtension(L"\\a.b\\name"), L"\\a.b\\name");
}

TEST(EditOprtPaths, Com1AndCom2AreNeverLookedUp) {
    TempFolder folder;
    folder.WriteBytes(L"COM1.txt", "x");
    folder.WriteBytes(L"COM1.", "x");
    folder.WriteBytes(L"com3", "x");
    folder.WriteBytes(L"LPT1.dwg", "x");
    EXPECT_EQ(CEditOprt::IsFileExist(folder.Path(L"COM1.txt")), 0);
    EXPECT_EQ(CEditOprt::IsFileExist(folder.Path(L"com2")), 0);
    EXPECT_EQ(CEditOprt::IsFileExist(folder.Path(L"COM1.")), 0) << "an empty extension";
    EXPECT_EQ(CEditOprt::IsFileExist(folder.Path(L"COM3")), 1);
    EXPECT_EQ(CEditOprt::IsFileExist(folder.Path(L"lpt1.DWG")), 1);
    EXPECT_EQ(CEditOprt::IsFileExist(folder.Path(L"*.txt")), 1) << "wildcards find COM1.txt";
    EXPECT_EQ(CEditOprt::IsDirExist(L""), 0);
    EXPECT_EQ(CEditOprt::IsDirExist(folder.Logical()), 1);
    EXPECT_EQ(CEditOprt::IsDirExist(folder.Path(L"com3")), 0);
}

TEST(EditOprtPaths, ReadLinesTrimsAndDropsOrKeepsBlankLines) {
    TempFolder folder;
    folder.WriteBytes(L"list.txt", ovtest::Cp936(L"  工程 \r\n\r\n\t值\t\n"));
    std::vector<std::wstring> lines{L"stale"};
    ASSERT_EQ(CEditOprt::ReadLines(folder.Path(L"LIST.TXT"), lines, 0), 1);
    EXPECT_EQ(lines, (std::vector<std::wstring>{L"工程", L"值"}));
    ASSERT_EQ(CEditOprt::ReadLines(folder.Path(L"list.txt"), lines, 1), 1);
    EXPECT_EQ(lines, (std::vector<std::wstring>{L"工程", L"", L"值"}));
    EXPECT_EQ(CEditOprt::ReadLines(folder.Path(L"none.txt"), lines, 1), 0);
    EXPECT_TRUE(lines.empty());

    ASSERT_EQ(CEditOprt::WriteLines(folder.Path(L"empty.txt"), {}), 1);
    EXPECT_TRUE(folder.Exists(L"empty.txt"));
    EXPECT_EQ(folder.ReadBytes(L"empty.txt"), "");
    ASSERT_EQ(CEditOprt::WriteTextFile(folder.Path(L"t.txt"), L"\\a\\P.itm"), 1);
    std::wstring first;
    ASSERT_EQ(CEditOprt::ReadFirstLine(folder.Path(L"t.txt"), first), 1);
    EXPECT_EQ(first, L"\\a\\P.itm");
}

TEST(EditOprtPaths, CreateDirPathMakesEveryLevel) {
    TempFolder folder;
    EXPECT_EQ(CEditOprt::CreateDirPath(L""), 0);
    EXPECT_EQ(CEditOprt::CreateDirPath(folder.Path(L"a\\b\\c\\\\")), 1);
    EXPECT_TRUE(folder.Exists(L"a\\b\\c"));
    EXPECT_EQ(CEditOprt::CreateDirPath(folder.Path(L"a\\b")), 1) << "an existing folder";
    folder.WriteBytes(L"file", "x");
    EXPECT_EQ(CEditOprt::CreateDirPath(folder.Path(L"file\\sub")), 0);
}

TEST(EditOprtPaths, ShowLastErrorShowsTheSystemTextInAnErrorBox) {
    ui::ScriptedBackend backend;
    TempFolder folder;
    EXPECT_EQ(CEditOprt::CreateDirPath(folder.Path(L"missing\\x")), 1);
    EXPECT_EQ(CEditOprt::WriteTextFile(folder.Path(L"none\\x\\y.txt"), L"x"), 0);
    CEditOprt::ShowLastError(nullptr);
    ASSERT_EQ(backend.Boxes().size(), 1u);
    EXPECT_EQ(backend.Boxes()[0].caption, L"Error");
    EXPECT_EQ(backend.Boxes()[0].flags, ui::MB_OK | ui::MB_ICONINFORMATION);
    EXPECT_EQ(backend.Boxes()[0].text, L"No such file or directory");
}
