// The library's shared parameters: folders, the remembered containers, templates and the file
// operations.

#include "suite/OvXmInfo/XmComonPar.h"
#include "platform/ui/ScriptedBackend.h"
#include "support/TestSupport.h"

#include <cstdlib>
#include <gtest/gtest.h>

using ovtest::TempFolder;
using ovtest::TempInstallation;

TEST(XmComonPar, TheRememberedContainerIsForgotten) {
    TempInstallation installation;
    EXPECT_EQ(g_XmComonPar.WriteCurrentXmOrSbNameToFile(L"\\x\\S\\S.prj", 0), 1);
    EXPECT_EQ(installation.ReadBytes(L"Data\\default.dat"), "\\x\\S\\S.prj");
    EXPECT_EQ(g_XmComonPar.DeleteRecentDatOrDefaultDatFile(0, nullptr), 1);
    EXPECT_FALSE(installation.Exists(L"Data\\default.dat"));
    EXPECT_EQ(g_XmComonPar.DeleteRecentDatOrDefaultDatFile(0, nullptr), 1)
        << "nothing left to forget";
}

TEST(XmComonPar, ATemplateIsCopiedAndItsManagementFileRenamed) {
    ui::ScriptedBackend boxes;
    TempFolder folder;
    folder.WriteBytes(L"T\\Std\\Std.prj", "block");
    folder.WriteBytes(L"T\\Std\\01.dwg", "drawing");
    folder.WriteBytes(L"T\\Std\\sub\\x.txt", "x");
    folder.MakeFolder(L"P\\New");
    ASSERT_EQ(g_XmComonPar.CopyAllFileToDestAndRenameManageFileName(
                  folder.Path(L"T\\Std\\"), folder.Path(L"P\\New"), 0, nullptr),
              1);
    EXPECT_EQ(folder.ReadBytes(L"P\\New\\New.prj"), "block");
    EXPECT_EQ(folder.ReadBytes(L"P\\New\\01.dwg"), "drawing");
    EXPECT_TRUE(folder.Exists(L"P\\New\\sub\\x.txt"));
    EXPECT_FALSE(folder.Exists(L"P\\New\\Std.prj"));
    EXPECT_TRUE(folder.Exists(L"T\\Std\\Std.prj"));
    EXPECT_TRUE(boxes.Boxes().empty());

    EXPECT_EQ(g_XmComonPar.CopyAllFileToDestAndRenameManageFileName(
                  folder.Path(L"T\\Std"), folder.Path(L"P\\Q"), 1, nullptr),
              0);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text,
              L"模板“" + folder.Path(L"T\\Std") + L"”中没有项目管理文件“Std.itm”。");
}

TEST(XmComonPar, CopyingAsksBeforeReplacing) {
    ui::ScriptedBackend boxes;
    TempFolder folder;
    folder.WriteBytes(L"src\\a.dwg", "new a");
    folder.WriteBytes(L"src\\b.dwg", "new b");
    folder.WriteBytes(L"dst\\a.dwg", "old a");
    std::wstring list =
        CXmComonPar::GenStringForShFileOp({folder.Path(L"src\\a.dwg"), folder.Path(L"src\\b.dwg")});
    EXPECT_EQ(CXmComonPar::SplitShFileOpString(list).size(), 2u);

    boxes.QueueAnswer(ui::IDNO);
    EXPECT_EQ(g_XmComonPar.CopyByShFileOperat(list, folder.Path(L"dst"), nullptr), 1);
    EXPECT_EQ(folder.ReadBytes(L"dst\\a.dwg"), "old a");
    EXPECT_EQ(folder.ReadBytes(L"dst\\b.dwg"), "new b");
    EXPECT_EQ(boxes.Boxes()[0].text, L"“" + folder.Path(L"dst\\a.dwg") + L"”已经存在，是否替换？");

    boxes.QueueAnswer(ui::IDCANCEL);
    EXPECT_EQ(
        g_XmComonPar.CopyByShFileOperat(folder.Path(L"src\\*.dwg"), folder.Path(L"dst"), nullptr),
        0);
    EXPECT_EQ(folder.ReadBytes(L"dst\\a.dwg"), "old a");

    boxes.QueueAnswer(ui::IDYES);
    boxes.QueueAnswer(ui::IDYES);
    EXPECT_EQ(
        g_XmComonPar.CopyByShFileOperat(folder.Path(L"src"), folder.Path(L"dst\\..\\"), nullptr), 0)
        << "a folder onto itself";
    EXPECT_EQ(g_XmComonPar.CopyByShFileOperat(folder.Path(L"src\\a.dwg"),
                                              folder.Path(L"dst\\a.dwg"), nullptr),
              1);
    EXPECT_EQ(folder.ReadBytes(L"dst\\a.dwg"), "new a");
    EXPECT_EQ(g_XmComonPar.CopyByShFileOperat(folder.Path(L"src\\a.dwg"),
                                              folder.Path(L"dst\\重 a.dwg"), nullptr),
              1);
    EXPECT_EQ(folder.ReadBytes(L"dst\\重 a.dwg"), "new a");
    EXPECT_EQ(g_XmComonPar.CopyByShFileOperat(folder.Path(L"src\\gone.dwg"), folder.Path(L"dst"),
                                              nullptr),
              0);
    EXPECT_EQ(boxes.Boxes().back().text, L"找不到“" + folder.Path(L"src\\gone.dwg") + L"”。");
}

TEST(XmComonPar, DeletingWithUndoGoesToTheTrash) {
    ui::ScriptedBackend boxes;
    TempFolder folder;
    TempFolder dataHome;
    ::setenv("XDG_DATA_HOME", dataHome.Native().c_str(), 1);
    folder.WriteBytes(L"P\\S\\a.dwg", "a");
    folder.WriteBytes(L"P\\S\\b.dwg", "b");
    folder.WriteBytes(L"P\\keep.dwg", "k");

    EXPECT_EQ(g_XmComonPar.DeleteByShFileOperat(
                  CXmComonPar::GenStringForShFileOp(
                      {folder.Path(L"P\\keep.dwg"), folder.Path(L"P\\gone.dwg")}),
                  nullptr, 1),
              0)
        << "a list naming a missing file does nothing";
    EXPECT_TRUE(folder.Exists(L"P\\keep.dwg"));

    EXPECT_EQ(g_XmComonPar.DeleteByShFileOperat(folder.Path(L"P\\S\\*.*"), nullptr, 1), 1);
    EXPECT_FALSE(folder.Exists(L"P\\S\\a.dwg"));
    EXPECT_TRUE(folder.Exists(L"P\\S"));
    EXPECT_EQ(dataHome.ReadBytes(L"Trash\\files\\a.dwg"), "a");
    std::string info = dataHome.ReadBytes(L"Trash\\info\\a.dwg.trashinfo");
    EXPECT_NE(info.find("Path=" + folder.NativePath(L"P\\S\\a.dwg").string()), std::string::npos)
        << info;

    folder.WriteBytes(L"P\\S\\a.dwg", "a2");
    EXPECT_EQ(g_XmComonPar.DeleteByShFileOperat(folder.Path(L"P\\S\\a.dwg"), nullptr, 1), 1);
    EXPECT_EQ(dataHome.ReadBytes(L"Trash\\files\\a.dwg.2"), "a2")
        << "an earlier one is not replaced";

    EXPECT_EQ(g_XmComonPar.DeleteByShFileOperat(folder.Path(L"P\\S"), nullptr, 0), 1);
    EXPECT_FALSE(folder.Exists(L"P\\S"));
    ::unsetenv("XDG_DATA_HOME");
}
