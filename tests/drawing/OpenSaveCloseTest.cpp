// The open-save-close routine, its guard and the drawings of a container, run in the stand-in
// host as the management window runs them.

#include "drawing/OpenSaveClose.h"
#include "drawing/ContainerDrawings.h"
#include "drawing/EditOprt.h"
#include "drawing/RunningToolGuard.h"
#include "platform/cad/CommandLine.h"
#include "platform/cad/CommandProcessor.h"
#include "platform/cad/CommandStack.h"
#include "platform/cad/DrawingLock.h"
#include "platform/cad/HostProfile.h"
#include "platform/cad/SystemVariables.h"
#include "support/DrawingSupport.h"
#include "support/HostSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ovtest;

namespace {

std::vector<std::wstring> g_zoomAnswers;

// Stands in for the host's ZOOM, to see what the routine asks of it.
void RecordZoom() {
    for (int i = 0; i < 3; ++i)
        if (auto answer = cad::CommandProcessor::Instance().GetInput(L""))
            g_zoomAnswers.push_back(*answer);
}

class OpenSaveClose : public ::testing::Test {
protected:
    OpenSaveClose() {
        g_zoomAnswers.clear();
        SaveDrawing(Path(L"A.dwg"), [](AcDbDatabase& db) {
            AddLine(db, {10, 20, 0}, {70, 50, 0});
        });
        SaveDrawing(Path(L"B.dwg"));
    }
    ~OpenSaveClose() override {
        acedRegCmds()->removeGroup(L"OVTEST");
        cad::HostProfile::Instance().Reset();
        cad::SystemVariables::Instance().Reset();
    }
    std::wstring Path(const std::wstring& name) const { return folder.Path(name); }
    void Open(const std::wstring& name) {
        ASSERT_EQ(acDocManager->appContextOpenDocument(Path(name).c_str()), Acad::eOk);
    }
    // Leaves only the drawings the test opens.
    void CloseStartDrawing() { acDocManager->closeDocument(host.Current()); }
    std::wstring CommandLine() const { return cad::CommandLine::Instance().Text(); }

    TempFolder folder;
    HostSession host;
};

} // namespace

TEST_F(OpenSaveClose, SavesInTheProfilesFormatAndLeavesANewDrawingWhenItClosedTheLast) {
    CloseStartDrawing();
    acedSetEnv(L"DefaultFormatForSave", L"24");
    CEditOprt::SetShortSysVar(L"ISAVEBAK", 0);
    ASSERT_EQ(OpenSaveCloseDrawing(Path(L"A.dwg"), 1), 1);
    EXPECT_EQ(SavedVersion(Path(L"A.dwg")), AcDb::kDHL_1800);
    ASSERT_EQ(acDocManager->documentCount(), 1);
    EXPECT_FALSE(host.Current()->isTitled()) << "a new empty drawing";
    short nSaveBak = 1;
    CEditOprt::GetShortSysVar(L"ISAVEBAK", nSaveBak);
    EXPECT_EQ(nSaveBak, 0) << "ISAVEBAK back as it was";
    EXPECT_FALSE(folder.Exists(L"A.bak")) << "the back-up the save made is gone";
    EXPECT_FALSE(folder.Exists(L"A.dwl"));
    EXPECT_TRUE(g_zoomAnswers.empty());
    EXPECT_TRUE(host.Boxes().Boxes().empty());
}

TEST_F(OpenSaveClose, For2007ItZoomsToTheExtentsWidenedByASixthOfTheLargerSide) {
    acedRegCmds()->addCommand(L"OVTEST", L"ZOOM", L"ZOOM", ACRX_CMD_TRANSPARENT, RecordZoom);
    acedSetEnv(L"DefaultFormatForSave", L"36");
    ASSERT_EQ(OpenSaveCloseDrawing(Path(L"A.dwg"), 1), 1);
    EXPECT_EQ(g_zoomAnswers, (std::vector<std::wstring>{L"W", L"0.000000,10.000000,0.000000",
                                                        L"80.000000,60.000000,0.000000"}));
    EXPECT_EQ(SavedVersion(Path(L"A.dwg")), AcDb::kDHL_2100);

    g_zoomAnswers.clear();
    acedSetEnv(L"DefaultFormatForSave", L"48");
    SaveDrawing(Path(L"A.dwg"), {}, AcDb::kDHL_1800);
    ASSERT_EQ(OpenSaveCloseDrawing(Path(L"A.dwg"), 1), 1);
    EXPECT_TRUE(g_zoomAnswers.empty());
    EXPECT_EQ(SavedVersion(Path(L"A.dwg")), AcDb::kDHL_2400)
        << "the empty format answer keeps the host's default";
}

TEST_F(OpenSaveClose, ALockFileAnotherProgramHoldsStopsItAndNamesTheHolder) {
    int nDocuments = acDocManager->documentCount();
    {
        cad::DrawingLockFiles elsewhere;
        ASSERT_TRUE(elsewhere.Acquire(Path(L"A.dwg")));
        EXPECT_EQ(OpenSaveCloseDrawing(Path(L"A.dwg"), 1), 0);
        ASSERT_EQ(host.Boxes().Boxes().size(), 1u);
        const ui::RecordedMessageBox& box = host.Boxes().Boxes()[0];
        EXPECT_EQ(box.text,
                  L"\"" + Path(L"A.dwg") + L"\"文件在另一软件被打开，无法执行打开保存操作。");
        EXPECT_EQ(box.caption, L"Tessaline");
        EXPECT_EQ(box.flags, ui::MB_OK | ui::MB_ICONEXCLAMATION);
        EXPECT_NE(CommandLine().find(L"正由"), std::wstring::npos) << CommandLine();
        EXPECT_EQ(acDocManager->documentCount(), nDocuments) << "neither opened nor saved";
    }
    // The holder went without cleaning up: its files are stale and go.
    folder.WriteBytes(L"A.dwl", "gone\r\n");
    folder.WriteBytes(L"A.dwl2", "gone\r\n");
    EXPECT_EQ(OpenSaveCloseDrawing(Path(L"A.dwg"), 1), 1);
    EXPECT_FALSE(folder.Exists(L"A.dwl"));
    EXPECT_FALSE(folder.Exists(L"A.dwl2"));
    EXPECT_EQ(host.Boxes().Boxes().size(), 1u);
}

TEST_F(OpenSaveClose, ASaveThatFailsLeavesTheChangedDrawingOpenAndSaysSo) {
    Open(L"A.dwg");
    AcApDocument* pDoc = host.Current();
    {
        DocumentLock lock(pDoc);
        AddLine(*pDoc->database(), {0, 0, 0}, {5, 5, 0});
    }
    std::string before = folder.ReadBytes(L"A.dwg");
    {
        FileSizeLimit limit(64);
        EXPECT_EQ(OpenSaveCloseDrawing(Path(L"A.dwg"), 1), 0);
    }
    EXPECT_TRUE(acDocManager->contains(pDoc)) << "the changes are not thrown away";
    EXPECT_EQ(folder.ReadBytes(L"A.dwg"), before);
    EXPECT_NE(CommandLine().find(L"文件\"" + Path(L"A.dwg") + L"\"保存失败，图纸未关闭。"),
              std::wstring::npos)
        << CommandLine();
}

TEST_F(OpenSaveClose, WithoutSavingAChangedDrawingIsClosedAndItsFileKept) {
    Open(L"B.dwg");
    Open(L"A.dwg");
    AcApDocument* pDoc = host.Current();
    {
        DocumentLock lock(pDoc);
        AddLine(*pDoc->database(), {0, 0, 0}, {5, 5, 0});
    }
    std::string before = folder.ReadBytes(L"A.dwg");
    acDocManager->activateDocument(acDocManager->findDocument(Path(L"B.dwg")));
    EXPECT_EQ(OpenSaveCloseDrawing(Path(L"A.dwg"), 0), 1);
    EXPECT_FALSE(acDocManager->contains(pDoc));
    EXPECT_EQ(folder.ReadBytes(L"A.dwg"), before);
    EXPECT_TRUE(host.Boxes().Boxes().empty()) << "nobody is asked about the changes";
}

TEST_F(OpenSaveClose, AnUnreadableDrawingIsSkippedSilentlyAndOneThatWillNotOpenIsReported) {
    folder.WriteBytes(L"C.dwg", "not a drawing");
    EXPECT_EQ(OpenSaveCloseDrawing(Path(L"C.dwg"), 1), 0);
    EXPECT_EQ(OpenSaveCloseDrawing(Path(L"missing.dwg"), 1), 0);
    EXPECT_TRUE(host.Boxes().Boxes().empty());
    EXPECT_TRUE(CommandLine().empty()) << CommandLine();
}

TEST(RunningToolGuard, NamesTheFirstOpenToolInItsOrder) {
    ui::ScriptedBackend backend;
    EXPECT_EQ(CheckRunningTools(nullptr), 0);
    ui::Window detail(L"明细表");
    ui::Window wiring(L"接线生成");
    detail.CreateWindowObject();
    wiring.CreateWindowObject();
    EXPECT_EQ(CheckRunningTools(nullptr), 1);
    ASSERT_EQ(backend.Boxes().size(), 1u);
    EXPECT_EQ(backend.Boxes()[0].text, L"\n在此操作前，请关闭正在运行的\"接线生成\"");
    EXPECT_EQ(backend.Boxes()[0].caption, L"Tessaline");
    EXPECT_EQ(backend.Boxes()[0].flags, ui::MB_OK | ui::MB_ICONEXCLAMATION);
    ui::Window similar(L"端子表生成 ");
    similar.CreateWindowObject();
    wiring.DestroyWindow();
    detail.DestroyWindow();
    EXPECT_EQ(CheckRunningTools(nullptr), 0) << "titles match exactly";
}

TEST(ContainerDrawings, AProjectTakesItsOwnAndItsEquipmentsDrawings) {
    TempFolder folder;
    for (const wchar_t* file :
         {L"P\\P.itm", L"P\\b.dwg", L"P\\A.DWG", L"P\\note.txt", L"P\\E1\\E1.PRJ", L"P\\E1\\x.dwg",
          L"P\\E2\\other.prj", L"P\\E2\\y.dwg", L"P\\S\\S.itm", L"P\\S\\z.dwg",
          L"P\\E1\\deep\\deep.prj", L"P\\E1\\deep\\w.dwg"})
        folder.WriteBytes(file, "");
    std::vector<std::wstring> paths;
    EXPECT_EQ(CollectContainerDrawings(folder.Path(L"P\\P.itm"), paths), 3);
    EXPECT_EQ(paths, (std::vector<std::wstring>{folder.Path(L"P\\A.DWG"), folder.Path(L"P\\b.dwg"),
                                                folder.Path(L"P\\E1\\x.dwg")}));
    EXPECT_EQ(CollectContainerDrawings(folder.Path(L"P\\E1\\E1.PRJ"), paths), 1);
    EXPECT_EQ(CollectContainerDrawings(folder.Path(L"P\\note.txt"), paths), 0);
    EXPECT_TRUE(paths.empty());
}
