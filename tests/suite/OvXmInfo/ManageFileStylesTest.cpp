// Drawing types and file records of a management file, as the window and the save dialog use
// them.

#include "platform/ui/ScriptedBackend.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "support/StyleCatalogue.h"

#include <gtest/gtest.h>

using ovtest::ScopedStyleCatalogue;

namespace {

std::vector<std::wstring> Names(const CFileStyleNodeInfo* pStyle) {
    std::vector<std::wstring> names;
    for (const auto& pFile : pStyle->Getm_FileInfoArray())
        names.push_back(pFile->Getm_strFileName());
    return names;
}

using Names_t = std::vector<std::wstring>;

class ManageFileStyles : public ::testing::Test {
protected:
    ManageFileStyles() { file.SetPath_FileNameByFullPath(L"\\data\\P\\S", 0); }

    CFileStyleNodeInfo* Add(const std::wstring& name, const Names_t& files) {
        CFileStyleNodeInfo* pStyle = nullptr;
        file.AddOneNewStyData(name, nullptr, pStyle);
        for (const std::wstring& fileName : files)
            pStyle->InsertOneFileInfoToArray(fileName, L"r-" + fileName);
        return pStyle;
    }

    ScopedStyleCatalogue catalogue{{L"屏面布置图=屏面布置", L"屏端子图"}};
    ui::ScriptedBackend boxes;
    CManageFileInfo file;
};

} // namespace

TEST_F(ManageFileStyles, TypesAreFoundBySystemOrDisplayNameAndNeverRepeated) {
    CFileStyleNodeInfo* pLayout = Add(L"屏面布置", {L"1.dwg"});
    EXPECT_EQ(pLayout->Getm_StyleNameNode().GetstrSysTypeName(), L"屏面布置图");
    EXPECT_EQ(file.FindStyNodeByInputSysOrDisName(L"屏面布置图"), pLayout);
    EXPECT_EQ(file.FindStyNodeByInputSysOrDisName(L"屏面布置"), pLayout);

    CFileStyleNodeInfo* pFound = nullptr;
    EXPECT_EQ(file.AddOneNewStyData(L"屏面布置图", nullptr, pFound), 0);
    EXPECT_EQ(pFound, pLayout);
    EXPECT_EQ(file.AddOneNewStyData(L"a<b", nullptr, pFound), 0);
    EXPECT_EQ(pFound, nullptr);
    EXPECT_EQ(file.AddOneNewStyData(L"  ", nullptr, pFound), 0);
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, L"已经存在类型“屏面布置图”。");
    EXPECT_EQ(boxes.Boxes()[1].text, L"类型名称“a<b”中不能包括字符'<'。");
    EXPECT_EQ(file.Getm_FileStyleNodeArray().size(), 1u);
}

TEST_F(ManageFileStyles, FileRecordsAreNeverRepeatedAndLieInTheContainer) {
    CFileStyleNodeInfo* pStyle = Add(L"屏端子图", {L"1.dwg", L"3.DWG"});
    CFileInfoNode* pFirst = pStyle->Getm_FileInfoArray()[0].get();
    EXPECT_NE(pStyle->InsertOneFileInfoToArray(L"2.dwg", L"", pFirst), nullptr);
    EXPECT_EQ(pStyle->InsertOneFileInfoToArray(L"2.DWG", L""), nullptr);
    pStyle->AddOneFileNodeByInputNode(CFileInfoNode(L"4.txt", L"x", L"\\elsewhere"));
    EXPECT_EQ(Names(pStyle), (Names_t{L"1.dwg", L"2.dwg", L"3.DWG", L"4.txt"}));
    EXPECT_EQ(pStyle->Getm_FileInfoArray()[3]->GetFilePathName(), L"\\data\\P\\S\\4.txt");

    EXPECT_NE(file.AddNoStyleFileByInputFileName(L"a.dwg"), nullptr);
    EXPECT_EQ(file.AddNoStyleFileByInputNode(CFileInfoNode(L"A.dwg", L"", L"")), nullptr);
    EXPECT_EQ(file.FindStyNodeByInputFileName(L"A.DWG"),
              file.Getm_FileStyleNodeArray().front().get())
        << "the group without type stands first";
    EXPECT_EQ(pFirst->DeleteTreeDataNode(), 1);
    EXPECT_EQ(Names(pStyle), (Names_t{L"2.dwg", L"3.DWG", L"4.txt"}));
}

TEST_F(ManageFileStyles, DeletingOnlyTheTypeKeepsItsDrawingsInTheContainer) {
    file.AddNoStyleFileByInputFileName(L"a.dwg");
    CFileStyleNodeInfo* pStyle = Add(L"屏端子图", {L"A.DWG", L"b.dwg"});
    EXPECT_EQ(pStyle->DeleteStyleOnly(), 1);
    ASSERT_EQ(file.Getm_FileStyleNodeArray().size(), 1u);
    EXPECT_EQ(Names(file.Getm_FileStyleNodeArray()[0].get()), (Names_t{L"a.dwg", L"b.dwg"}));
    EXPECT_EQ(file.GetOrCreateNewNullStyleNodeIfNoExist()->DeleteStyleOnly(), 0);
}

TEST_F(ManageFileStyles, RenamingATypeMergesItIntoOneOfThatName) {
    CFileStyleNodeInfo* pA = Add(L"甲", {L"1.dwg", L"2.dwg"});
    CFileStyleNodeInfo* pB = Add(L"乙", {L"2.dwg", L"3.dwg"});
    EXPECT_EQ(file.ModfyStyleNameToNew(pA, L"屏面布置"), pA);
    EXPECT_EQ(pA->Getm_StyleNameNode().GetstrSysTypeName(), L"屏面布置图");
    EXPECT_EQ(file.ModfyStyleNameToNew(pB, L"屏面布置图"), pA);
    EXPECT_EQ(file.Getm_FileStyleNodeArray().size(), 1u);
    EXPECT_EQ(Names(pA), (Names_t{L"1.dwg", L"2.dwg", L"3.dwg"}));
    EXPECT_EQ(file.ModfyStyleNameToNew(pA, L"x<y"), nullptr);
}

TEST_F(ManageFileStyles, PastingATypeLeavesOutFilesAnotherTypeHolds) {
    CManageFileInfo source;
    source.SetPath_FileNameByFullPath(L"\\data\\P\\T", 0);
    CFileStyleNodeInfo* pSource = nullptr;
    source.AddOneNewStyData(L"屏端子图", nullptr, pSource);
    for (const wchar_t* name : {L"1.dwg", L"2.dwg", L"3.dwg", L"4.dwg"})
        pSource->InsertOneFileInfoToArray(name, L"");
    Add(L"甲", {L"2.dwg"});
    file.AddNoStyleFileByInputFileName(L"3.DWG");

    std::wstring message = file.AddStyleAndFileByInputNode(*pSource);
    CFileStyleNodeInfo* pCopy = file.FindStyNodeByInputSysOrDisName(L"屏端子图");
    ASSERT_NE(pCopy, nullptr);
    EXPECT_EQ(Names(pCopy), (Names_t{L"1.dwg", L"4.dwg"}));
    EXPECT_EQ(message,
              L"在类型“甲”下,已经存在同名文件“2.dwg”\n在无类型的文件中,已经存在同名文件“3.dwg”\n"
              L"这些文件没有加入类型“屏端子图”。");
    EXPECT_EQ(file.AddStyleAndFileByInputNode(*pSource), message)
        << "files already there are quietly kept";

    // A type of the same container moved onto another: its records move.
    CFileStyleNodeInfo* pA = file.FindStyNodeByInputSysOrDisName(L"甲");
    EXPECT_EQ(file.AddStyleAndFileByInputNode(*pA, pCopy), L"");
    EXPECT_EQ(Names(pCopy), (Names_t{L"1.dwg", L"4.dwg", L"2.dwg"}));
    EXPECT_TRUE(pA->Getm_FileInfoArray().empty());
}
