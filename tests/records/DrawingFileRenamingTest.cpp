// Renaming a container's drawings after its book number: the names, the plan, collisions, and
// records that follow or roll the files back.

#include "records/DrawingFileRenaming.h"
#include "platform/fs/FileIo.h"
#include "platform/ui/ScriptedBackend.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "support/SampleProject.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ovtest;

namespace {

class DrawingFileRenaming : public ::testing::Test {
protected:
    void Container(const std::vector<std::wstring>& content,
                   const std::vector<std::wstring>& files) {
        folder.WriteBytes(L"S\\S.prj", ManageFileBytes({L"设备图册号=B"}, content));
        for (const std::wstring& file : files)
            folder.WriteBytes(L"S\\" + file, "drawing");
        ASSERT_EQ(manageFile.ReadManageFile(folder.Path(L"S\\S.prj")), 1);
    }
    std::vector<std::wstring> Names(const std::vector<CDrawingRename>& plan) const {
        std::vector<std::wstring> names;
        for (const CDrawingRename& rename : plan)
            names.push_back(rename.strOldPath.substr(folder.Path(L"S\\").size()) + L">" +
                            rename.strNewPath.substr(folder.Path(L"S\\").size()));
        return names;
    }
    // "name<remark>" of every record, types in order.
    std::vector<std::wstring> Records() const {
        CManageFileInfo reread;
        EXPECT_EQ(reread.ReadManageFile(folder.Path(L"S\\S.prj")), 1);
        std::vector<std::wstring> records;
        for (const auto& style : reread.Getm_FileStyleNodeArray())
            for (const auto& file : style->Getm_FileInfoArray())
                records.push_back(file->Getm_strFileName() + L"<" + file->Getm_strRemark() + L">");
        return records;
    }

    TempFolder folder;
    ui::ScriptedBackend boxes;
    CManageFileInfo manageFile;
};

} // namespace

TEST(DrawingFileName, ThePrefixGoesOrBecomesTheBookNumber) {
    EXPECT_EQ(RenamedDrawingFileName(L"A-3.dwg", kPageNumberPattern, L""), L"3.dwg");
    EXPECT_EQ(RenamedDrawingFileName(L"3.dwg", kPageNumberPattern, L"B"), L"");
    EXPECT_EQ(RenamedDrawingFileName(L"-3.dwg", kPageNumberPattern, L""), L"") << "no prefix";
    EXPECT_EQ(RenamedDrawingFileName(L"A--3-.dwg", kPageNumberPattern, L""), L"3-.dwg");
    EXPECT_EQ(RenamedDrawingFileName(L"A-.dwg", kPageNumberPattern, L""), L"") << "no base left";
    EXPECT_EQ(RenamedDrawingFileName(L"3.dwg", kBookAndPagePattern, L"B"), L"B-3.dwg");
    EXPECT_EQ(RenamedDrawingFileName(L"A-3.dwg", kBookAndPagePattern, L" B "), L"B-3.dwg");
    EXPECT_EQ(RenamedDrawingFileName(L"B-3.dwg", kBookAndPagePattern, L"B"), L"");
    EXPECT_EQ(RenamedDrawingFileName(L"b-3.dwg", kBookAndPagePattern, L"B"), L"")
        << "the prefix is the book number without regard to case";
    EXPECT_EQ(RenamedDrawingFileName(L"3.dwg", kBookAndPagePattern, L" "), L"")
        << "a blank book number prefixes nothing";
}

TEST_F(DrawingFileRenaming, TwoFilesForOneNameLeaveTheSecondAsItWasAndNameIt) {
    Container({L"YL:", L"3.dwg<三>", L"A-3.dwg<甲三>", L"B-4.dwg<>", L"x.xls<表>"},
              {L"3.dwg", L"A-3.dwg", L"B-4.dwg", L"x.xls", L"5.DWG"});
    std::vector<CDrawingRename> plan =
        PlanDrawingRenames(folder.Path(L"S"), kBookAndPagePattern, L"B");
    EXPECT_EQ(Names(plan),
              (std::vector<std::wstring>{L"3.dwg>B-3.dwg", L"5.DWG>B-5.DWG", L"A-3.dwg>B-3.dwg"}));
    EXPECT_EQ(ApplyDrawingRenames(plan, manageFile, nullptr), 2);
    EXPECT_TRUE(folder.Exists(L"S\\A-3.dwg"));
    EXPECT_TRUE(folder.Exists(L"S\\B-5.DWG")) << "files without a record are renamed too";
    EXPECT_EQ(Records(), (std::vector<std::wstring>{L"B-3.dwg<三>", L"A-3.dwg<甲三>", L"B-4.dwg<>",
                                                    L"x.xls<表>"}))
        << "names follow, remarks stay";
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, L"“A-3.dwg”没有改名为“B-3.dwg”：已经存在“B-3.dwg”");
}

TEST_F(DrawingFileRenaming, AFileWaitsForTheOneThatLeavesItsNewName) {
    Container({L"B-3.dwg<>", L"A-B-3.dwg<>"}, {L"A-B-3.dwg", L"B-3.dwg"});
    std::vector<CDrawingRename> plan =
        PlanDrawingRenames(folder.Path(L"S"), kPageNumberPattern, L"");
    ASSERT_EQ(Names(plan), (std::vector<std::wstring>{L"A-B-3.dwg>B-3.dwg", L"B-3.dwg>3.dwg"}));
    EXPECT_EQ(ApplyDrawingRenames(plan, manageFile, nullptr), 2);
    EXPECT_EQ(Records(), (std::vector<std::wstring>{L"3.dwg<>", L"B-3.dwg<>"}));
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(DrawingFileRenaming, AManagementFileThatCannotBeWrittenTakesTheNamesBack) {
    Container({L"A-1.dwg<一>", L"A-2.dwg<>"}, {L"A-1.dwg", L"A-2.dwg"});
    std::string before = folder.ReadBytes(L"S\\S.prj");
    std::vector<CDrawingRename> plan =
        PlanDrawingRenames(folder.Path(L"S"), kPageNumberPattern, L"");
    fs::FailWritesBeforeRenameForTesting(1);
    EXPECT_EQ(ApplyDrawingRenames(plan, manageFile, nullptr), 0);
    EXPECT_TRUE(folder.Exists(L"S\\A-1.dwg"));
    EXPECT_TRUE(folder.Exists(L"S\\A-2.dwg"));
    EXPECT_FALSE(folder.Exists(L"S\\1.dwg"));
    EXPECT_EQ(folder.ReadBytes(L"S\\S.prj"), before);
    EXPECT_EQ(manageFile.Getm_FileStyleNodeArray()[0]->Getm_FileInfoArray()[0]->Getm_strFileName(),
              L"A-1.dwg")
        << "the records in memory are back too";
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text.rfind(L"管理文件“", 0), 0u) << boxes.Boxes()[0].text;
    EXPECT_NE(boxes.Boxes()[0].text.find(L"图纸没有改名。"), std::wstring::npos);
}
