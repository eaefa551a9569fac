// Containers: loading, finding children one folder down, removing and renaming.

#include "suite/OvXmInfo/XmSbInfo.h"
#include "platform/cad/CommandLine.h"
#include "platform/ui/ScriptedBackend.h"
#include "suite/OvXmInfo/XmInfoPath.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using ovtest::Cp936Lines;
using ovtest::TempFolder;

namespace {

std::string Minimal(const std::vector<std::wstring>& content = {}) {
    std::vector<std::wstring> lines = {L"$BEGIN NOTE OF PRJ", L"$END NOTE OF PRJ",
                                       L"$BEGIN CONTENT OF PRJ"};
    lines.insert(lines.end(), content.begin(), content.end());
    lines.insert(lines.end(), {L"$End CONTENT OF PRJ", L"$EOF"});
    return Cp936Lines(lines);
}

std::vector<std::wstring> ChildNames(const CXmSbInfo& node) {
    std::vector<std::wstring> names;
    for (const auto& pChild : node.Getm_ChildXmSbArray())
        names.push_back(pChild->Getm_pManageFileInfo()->Getm_StrDirName() +
                        (pChild->IsXmOfThisNode() ? L".itm" : L".prj"));
    return names;
}

} // namespace

TEST(XmSbInfo, ChildrenAreTheContainersOneFolderDown) {
    TempFolder folder;
    folder.WriteBytes(L"P\\P.itm", Minimal());
    folder.WriteBytes(L"P\\S1\\S1.prj", Minimal({L"1.dwg<>"}));
    folder.WriteBytes(L"P\\s2\\S2.PRJ", Minimal());
    folder.WriteBytes(L"P\\X\\X.itm", Minimal());
    folder.WriteBytes(L"P\\X\\X.prj", Minimal());
    folder.WriteBytes(L"P\\X\\Deep\\Deep.prj", Minimal());
    folder.WriteBytes(L"P\\Mismatch\\Other.prj", Minimal());
    folder.WriteBytes(L"P\\Broken\\Broken.prj", "$BEGIN NOTE OF PRJ\r\n");
    folder.MakeFolder(L"P\\Empty");

    CXmSbInfo project;
    ASSERT_EQ(project.SetPrimerInfoByInputManageFilePathName(folder.Path(L"P\\P.itm")), 1);
    EXPECT_EQ(project.IsXmOfThisNode(), 1);
    cad::CommandLine::Instance().Clear();
    EXPECT_EQ(project.SearchVaildChildXmSbOneLevel(1), 3);
    EXPECT_EQ(ChildNames(project), (std::vector<std::wstring>{L"S1.prj", L"X.itm", L"s2.prj"}));
    EXPECT_NE(cad::CommandLine::Instance().Text().find(L"Broken.prj 文件格式不对"),
              std::wstring::npos);
    const CXmSbInfo& s1 = *project.Getm_ChildXmSbArray()[0];
    EXPECT_EQ(s1.Getm_pParentNode(), &project);
    EXPECT_EQ(s1.Getm_pManageFileInfo()->Getm_FileStyleNodeArray().size(), 1u);
    EXPECT_EQ(s1.Getm_ChildXmSbArray().size(), 0u);
    CXmSbInfo* pEquipment = project.Getm_ChildXmSbArray()[0].get();
    EXPECT_EQ(pEquipment->SearchVaildChildXmSbOneLevel(0), 0) << "an Equipment holds no containers";

    // Searched once, the node stays as it is until it is told to search again.
    folder.WriteBytes(L"P\\A\\A.prj", Minimal());
    EXPECT_EQ(project.SearchVaildChildXmSbOneLevel(1), 3);
    project.ClearIsInvokedSearchXmSbFn();
    EXPECT_EQ(project.SearchVaildChildXmSbOneLevel(1), 4);
    std::filesystem::remove_all(folder.NativePath(L"P\\X"));
    folder.WriteBytes(L"P\\B\\B.itm", Minimal());
    EXPECT_EQ(project.SearchVaildChildXmSbOneLevel(0), 4);
    EXPECT_EQ(ChildNames(project),
              (std::vector<std::wstring>{L"A.prj", L"B.itm", L"S1.prj", L"s2.prj"}));
    EXPECT_EQ(project.Getm_ChildXmSbArray()[2].get(), pEquipment)
        << "children still there keep their objects";

    EXPECT_EQ(pEquipment->DeleteTreeDataNode(), 1);
    EXPECT_EQ(ChildNames(project), (std::vector<std::wstring>{L"A.prj", L"B.itm", L"s2.prj"}));
    EXPECT_EQ(project.DeleteTreeDataNode(), 0);
    EXPECT_TRUE(folder.Exists(L"P\\S1\\S1.prj"));
}

TEST(XmSbInfo, RenamingAContainerMovesFolderFileAndRecords) {
    ui::ScriptedBackend boxes;
    TempFolder folder;
    folder.WriteBytes(L"P\\P.itm", Minimal({L"p.dwg<>"}));
    folder.WriteBytes(L"P\\S1\\S1.prj", Minimal({L"1.dwg<>"}));
    folder.MakeFolder(L"Taken");
    CXmSbInfo project;
    ASSERT_EQ(project.SetPrimerInfoByInputManageFilePathName(folder.Path(L"P\\P.itm")), 1);
    project.SearchVaildChildXmSbOneLevel(1);

    EXPECT_EQ(project.ChangeFileAndPathName(L"Taken", nullptr), 0);
    EXPECT_EQ(project.ChangeFileAndPathName(L"a:b", nullptr), 0);
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, L"在" + folder.Logical() + L"的位置上，已经存在“Taken”。");
    EXPECT_EQ(boxes.Boxes()[1].text, L"“a:b”不能用作项目名称。");
    EXPECT_TRUE(folder.Exists(L"P\\P.itm"));

    ASSERT_EQ(project.ChangeFileAndPathName(L"新项目", nullptr), 1);
    EXPECT_FALSE(folder.Exists(L"P"));
    EXPECT_TRUE(folder.Exists(L"新项目\\新项目.itm"));
    const CManageFileInfo& file = *project.Getm_pManageFileInfo();
    EXPECT_EQ(file.Getm_StrManageFilePathName(), folder.Path(L"新项目\\新项目.itm"));
    EXPECT_EQ(file.Getm_FileStyleNodeArray()[0]->Getm_FileInfoArray()[0]->GetFilePathName(),
              folder.Path(L"新项目\\p.dwg"));
    const CManageFileInfo& child = *project.Getm_ChildXmSbArray()[0]->Getm_pManageFileInfo();
    EXPECT_EQ(child.Getm_StrManageFilePathName(), folder.Path(L"新项目\\S1\\S1.prj"));
    CXmSbInfo reread;
    EXPECT_EQ(reread.SetPrimerInfoByInputManageFilePathName(file.Getm_StrManageFilePathName()), 1);
}

TEST(XmInfoPath, TheOneNameRuleRefusesWhatWindowsCannotHoldOrWouldChange) {
    for (const wchar_t* good : {L"A", L"甲-123", L"a.b", L" lead", L"COM10", L"CONSOLE", L"..a"})
        EXPECT_TRUE(xmpath::IsUsableName(good)) << good;
    for (const wchar_t* bad :
         {L"",    L" ",       L".",        L"..",   L"a/b",    L"..\\x", L"a:b",
          L"a*",  L"a?",      L"\"a\"",    L"<a>",  L"a|b",    L"a.",    L"a ",
          L"con", L"Con.txt", L"NUL .dwg", L"com1", L"LPT9.x", L"a\tb"})
        EXPECT_FALSE(xmpath::IsUsableName(bad)) << bad;
}

TEST(XmSbInfo, TheNewNameIsCheckedBeforeAnythingIsRenamed) {
    TempFolder folder;
    ui::ScriptedBackend boxes;
    folder.WriteBytes(L"P\\P.itm", Minimal());
    folder.MakeFolder(L"Q");
    CXmSbInfo project;
    ASSERT_EQ(project.SetPrimerInfoByInputManageFilePathName(folder.Path(L"P\\P.itm")), 1);
    const CManageFileInfo& file = *project.Getm_pManageFileInfo();
    EXPECT_EQ(CXmSbInfo::CheckNewName(file, L"p", nullptr), 1) << "its own name in another case";
    EXPECT_EQ(CXmSbInfo::CheckNewName(file, L"新", nullptr), 1);
    EXPECT_EQ(CXmSbInfo::CheckNewName(file, L"q", nullptr), 0);
    EXPECT_EQ(CXmSbInfo::CheckNewName(file, L"aux", nullptr), 0);
    EXPECT_EQ(project.ChangeFileAndPathName(L"x.", nullptr), 0);
    ASSERT_EQ(boxes.Boxes().size(), 3u);
    EXPECT_EQ(boxes.Boxes()[1].text, L"“aux”不能用作项目名称。");
    EXPECT_EQ(boxes.Boxes()[2].text, L"“x.”不能用作项目名称。");
    EXPECT_TRUE(folder.Exists(L"P\\P.itm"));
}
