// The renumbering engine: the planned names of both directions, and their application to files
// and records in an order that never lands on a drawing that has not moved on yet.

#include "manager/Renumbering.h"

#include "support/SampleProject.h"
#include "support/TestSupport.h"

#include "platform/ui/ScriptedBackend.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"

#include <gtest/gtest.h>

using namespace ovtest;

namespace {

using Names = std::vector<std::wstring>;

Names Planned(const std::wstring& reference, const Names& names, int upward, int onlyBigger = 0) {
    return PlanRenumbering(reference, names, upward, onlyBigger);
}

} // namespace

TEST(RenumberingPlan, DownwardClosesTheGapOfADeletedDrawing) {
    // 03-B.dwg was deleted from 01-A, 02-X, 03-B, 04-C, 010-D.
    EXPECT_EQ(Planned(L"03-B.dwg", {L"04-C.dwg", L"010-D.dwg"}, 0),
              (Names{L"03-C.dwg", L"04-D.dwg"}));
    EXPECT_EQ(Planned(L"03-B.dwg", {L"说明.dwg", L"04-C.dwg", L"X.dwg", L"05-E.dwg"}, 0),
              (Names{L"", L"03-C.dwg", L"", L"04-E.dwg"}))
        << "names without a number keep them and do not count";
    EXPECT_EQ(Planned(L"A.dwg", {L"04-C.dwg"}, 0), (Names{L""}))
        << "an unnumbered drawing leaves no gap: 04-C.dwg does not become -C.dwg";
    EXPECT_EQ(Planned(L"3.dwg", {L"4.dwg", L"09.dwg", L"10"}, 0), (Names{L"3.dwg", L"4.dwg", L"5"}))
        << "width of the reference; a name of digits is its own number";
}

TEST(RenumberingPlan, UpwardFollowsTheNewNumber) {
    EXPECT_EQ(Planned(L"05-X.dwg", {L"03-B.dwg", L"04-C.dwg"}, 1),
              (Names{L"06-B.dwg", L"07-C.dwg"}));
    EXPECT_EQ(Planned(L"05.dwg", {L"02.dwg", L"09.dwg", L"03.dwg"}, 1, 1),
              (Names{L"", L"06.dwg", L""}))
        << "only when bigger: 02 and 03 are smaller and stay; 09 becomes 06";
    EXPECT_EQ(Planned(L"99-A", {L"01-B"}, 1), (Names{L"100-B"})) << "the number may grow";
}

TEST(RenumberingPlan, NumbersOfAnyLength) {
    EXPECT_EQ(Planned(L"202401159999-A.dwg", {L"1-B.dwg", L"2-C.dwg"}, 1),
              (Names{L"202401160000-B.dwg", L"202401160001-C.dwg"}))
        << "a twelve-digit prefix counts on as a number";
    EXPECT_EQ(NumberPrefix(L"20240115-总图.dwg"), L"20240115");
    EXPECT_EQ(NumberPrefix(L"A01.dwg"), L"");
}

namespace {

// Drawings of one type, in a container folder, with their records.
class RenumberingFiles : public ::testing::Test {
protected:
    void Make(const std::vector<std::wstring>& names,
              const std::vector<std::wstring>& others = {}) {
        std::vector<std::wstring> content = {L"PM:"};
        for (const std::wstring& name : names) {
            content.push_back(name + L"<>");
            folder.WriteBytes(L"Q\\" + name, "drawing " + std::string(name.begin(), name.end()));
        }
        for (const std::wstring& name : others)
            folder.WriteBytes(L"Q\\" + name, "other");
        folder.WriteBytes(L"Q\\Q.prj", ManageFileBytes({}, content));
        ASSERT_TRUE(file.ReadManageFile(folder.Path(L"Q\\Q.prj")));
    }
    std::vector<CFileInfoNode*> Records() {
        std::vector<CFileInfoNode*> records;
        for (const auto& pFile : file.Getm_FileStyleNodeArray().back()->Getm_FileInfoArray())
            records.push_back(pFile.get());
        return records;
    }
    std::string Content(const std::wstring& name) { return folder.ReadBytes(L"Q\\" + name); }

    TempFolder folder;
    CManageFileInfo file;
    ui::ScriptedBackend boxes;
};

} // namespace

TEST_F(RenumberingFiles, ATargetHeldByALaterDrawingIsFreedFirst) {
    // 01.dwg was renamed 05.dwg above 02, 03, 06: 02 must not land on 06 before 06 moved on.
    Make({L"02.dwg", L"03.dwg", L"06.dwg"});
    std::vector<CFileInfoNode*> records = Records();
    EXPECT_EQ(ApplyRenumbering(records, Planned(L"05.dwg", {L"02.dwg", L"03.dwg", L"06.dwg"}, 1),
                               nullptr),
              3);
    EXPECT_EQ(Content(L"06.dwg"), "drawing 02.dwg");
    EXPECT_EQ(Content(L"07.dwg"), "drawing 03.dwg");
    EXPECT_EQ(Content(L"08.dwg"), "drawing 06.dwg");
    EXPECT_FALSE(folder.Exists(L"Q\\02.dwg"));
    CManageFileInfo reread;
    ASSERT_TRUE(reread.ReadManageFile(folder.Path(L"Q\\Q.prj")));
    const auto& arrFiles = reread.Getm_FileStyleNodeArray().back()->Getm_FileInfoArray();
    ASSERT_EQ(arrFiles.size(), 3u);
    EXPECT_EQ(arrFiles[0]->Getm_strFileName(), L"06.dwg");
    EXPECT_EQ(arrFiles[2]->Getm_strFileName(), L"08.dwg");
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(RenumberingFiles, ACycleIsBrokenThroughAFreeName) {
    Make({L"1-a", L"2-a"});
    EXPECT_EQ(ApplyRenumbering(Records(), {L"2-a", L"1-a"}, nullptr), 2);
    EXPECT_EQ(Content(L"2-a"), "drawing 1-a");
    EXPECT_EQ(Content(L"1-a"), "drawing 2-a");
}

TEST_F(RenumberingFiles, AForeignFileEndsTheWalkWithTheLibrarysMessage) {
    Make({L"04-C.dwg", L"05-D.dwg", L"06-E.dwg"}, {L"04-D.dwg"});
    EXPECT_EQ(ApplyRenumbering(Records(),
                               Planned(L"03-B.dwg", {L"04-C.dwg", L"05-D.dwg", L"06-E.dwg"}, 0),
                               nullptr),
              1);
    EXPECT_EQ(Content(L"03-C.dwg"), "drawing 04-C.dwg");
    EXPECT_EQ(Content(L"04-D.dwg"), "other") << "the file outside the plan is not replaced";
    EXPECT_EQ(Content(L"05-D.dwg"), "drawing 05-D.dwg");
    EXPECT_EQ(Content(L"06-E.dwg"), "drawing 06-E.dwg") << "the walk ended";
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_NE(boxes.Boxes()[0].text.find(L"04-D.dwg"), std::wstring::npos) << boxes.Boxes()[0].text;
    EXPECT_EQ(file.Getm_FileStyleNodeArray().back()->Getm_FileInfoArray()[0]->Getm_strFileName(),
              L"03-C.dwg");
}
