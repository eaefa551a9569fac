// The window's commands on drawings, in the parts that need no tree: opening from the tree,
// closing a container's drawings, the batch run, web publishing, the exports and the wire list.

#include "manager/DrawingCommands.h"
#include "drawing/DlgFormatForSave.h"
#include "drawing/EditOprt.h"
#include "frame/ManageGlobals.h"
#include "platform/cad/CommandLine.h"
#include "platform/cad/CommandStack.h"
#include "platform/cad/HostProfile.h"
#include "platform/cad/MessageFilters.h"
#include "platform/fs/FileSystem.h"
#include "suite/OvXmInfo/FileInfoNode.h"
#include "suite/OvXmInfo/XmComonPar.h"
#include "support/DrawingSupport.h"
#include "support/HostSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>

using namespace ovtest;
using namespace ui::act;

namespace {

class DrawingCommands : public ::testing::Test {
protected:
    DrawingCommands() {
        folder.WriteBytes(L"P\\P.itm", "");
        folder.WriteBytes(L"P\\E\\E.prj", "");
        for (const wchar_t* name : {L"P\\E\\a.dwg", L"P\\E\\b.dwg", L"P\\E\\c.dwg"})
            SaveDrawing(folder.Path(name), {}, AcDb::kDHL_1800);
    }
    ~DrawingCommands() override {
        acedRegCmds()->removeGroup(L"OVTEST");
        cad::HostProfile::Instance().Reset();
    }
    std::wstring Path(const std::wstring& name) const { return folder.Path(name); }
    AcApDocument* Open(const std::wstring& name) {
        EXPECT_EQ(acDocManager->appContextOpenDocument(Path(name).c_str()), Acad::eOk);
        return host.Current();
    }
    void Change(AcApDocument* pDoc) {
        DocumentLock lock(pDoc);
        AddLine(*pDoc->database(), {0, 0, 0}, {9, 9, 0});
    }
    std::wstring CommandLine() const { return cad::CommandLine::Instance().Text(); }
    std::wstring Format() const {
        std::wstring value;
        acedGetEnv(L"DefaultFormatForSave", value);
        return value;
    }

    TempFolder folder;
    HostSession host;
    ui::ScriptedBackend& backend = host.Boxes();
};

int g_webCalls = 0;
void WebPublishing() {
    ++g_webCalls;
}

} // namespace

TEST_F(DrawingCommands, ClosingAnswerNoStillClosesTheOpenDrawingsWithoutSaving) {
    AcApDocument* pA = Open(L"P\\E\\a.dwg");
    Change(pA);
    std::string before = folder.ReadBytes(L"P\\E\\a.dwg");
    backend.QueueAnswer(ui::IDNO);
    CloseContainerDrawings(Path(L"P\\E\\E.prj"), nullptr);
    ASSERT_EQ(backend.Boxes().size(), 1u);
    EXPECT_EQ(backend.Boxes()[0].text, L"是否保存设备\"E\"中已打开的图纸?");
    EXPECT_EQ(backend.Boxes()[0].flags, ui::MB_YESNO | ui::MB_ICONEXCLAMATION);
    EXPECT_FALSE(acDocManager->contains(pA));
    EXPECT_EQ(folder.ReadBytes(L"P\\E\\a.dwg"), before);

    Change(Open(L"P\\E\\b.dwg"));
    backend.QueueAnswer(ui::IDYES);
    CloseContainerDrawings(Path(L"P\\P.itm"), nullptr);
    EXPECT_EQ(backend.Boxes()[1].text, L"是否保存项目\"P\"中已打开的图纸?");
    EXPECT_EQ(acDocManager->findDocument(Path(L"P\\E\\b.dwg")), nullptr);
    EXPECT_EQ(SavedVersion(Path(L"P\\E\\b.dwg")), AcDb::kDHL_2400) << "saved on Yes";

    CloseContainerDrawings(Path(L"P\\P.itm"), nullptr);
    EXPECT_EQ(backend.Boxes().size(), 2u) << "nothing open, nothing asked";
}

TEST_F(DrawingCommands, TheBatchSavesEveryDrawingInTheChosenFormatAndRestoresTheDefault) {
    AcApDocument* pB = Open(L"P\\E\\b.dwg");
    Change(pB);
    acedSetEnv(L"DefaultFormatForSave", L"24");
    ui::Window button(L"文件批打开保存关闭", ui::WindowKind::Control);
    backend.Script(CDlgFormatForSave::IDD, {Click(CDlgFormatForSave::IDC_RADIO_2007), Ok()});
    backend.QueueAnswer(ui::IDYES);
    ASSERT_TRUE(BatchOpenSaveClose(Path(L"P\\P.itm"), nullptr, &button));
    EXPECT_TRUE(backend.Dialogs()[0].opening.size() > 0);
    ASSERT_EQ(backend.Boxes().size(), 1u);
    EXPECT_EQ(backend.Boxes()[0].text, L"需要关闭\"P\"中已经打开的图纸,是否保存?");
    for (const wchar_t* name : {L"P\\E\\a.dwg", L"P\\E\\b.dwg", L"P\\E\\c.dwg"})
        EXPECT_EQ(SavedVersion(Path(name)), AcDb::kDHL_2100) << name;
    EXPECT_EQ(Format(), L"24") << "the format of before the run";
    EXPECT_EQ(cad::RegisteredFilterCount(), 0);
    EXPECT_TRUE(button.IsWindowEnabled());
    EXPECT_EQ(acDocManager->findDocument(Path(L"P\\E\\b.dwg")), nullptr);
    EXPECT_TRUE(backend.Faults().empty());
}

TEST_F(DrawingCommands, TheBatchStopsAtCancelAndNamesTheDrawingsItCouldNotSave) {
    backend.Script(CDlgFormatForSave::IDD, {Cancel()});
    EXPECT_FALSE(BatchOpenSaveClose(Path(L"P\\P.itm"), nullptr, nullptr));
    EXPECT_EQ(SavedVersion(Path(L"P\\E\\a.dwg")), AcDb::kDHL_1800);

    AcApDocument* pC = Open(L"P\\E\\c.dwg");
    backend.Script(CDlgFormatForSave::IDD, {Ok()});
    backend.QueueAnswer(ui::IDNO);
    {
        FileSizeLimit limit(64);
        EXPECT_TRUE(BatchOpenSaveClose(Path(L"P\\E\\E.prj"), nullptr, nullptr));
    }
    for (const wchar_t* name : {L"P\\E\\a.dwg", L"P\\E\\b.dwg"})
        EXPECT_NE(CommandLine().find(L"文件\"" + Path(name) + L"\"保存失败"), std::wstring::npos)
            << CommandLine();
    EXPECT_FALSE(acDocManager->contains(pC)) << "No closed it unsaved before the run";
    EXPECT_EQ(cad::RegisteredFilterCount(), 0);
}

TEST_F(DrawingCommands, ADrawingOfTheTreeOpensAndTheWindowComesBack) {
    CFileInfoNode drawing(L"a.dwg", L"", Path(L"P\\E"));
    g_strOpenDwgPathName = L"stale";
    OpenTreeDrawing(drawing, 1, nullptr);
    ASSERT_NE(acDocManager->findDocument(Path(L"P\\E\\a.dwg")), nullptr);
    EXPECT_TRUE(g_strOpenDwgPathName.empty()) << "emptied once the host has the drawing";
    auto& pending = host.Current()->pendingStrings();
    ASSERT_EQ(pending.size(), 1u);
    EXPECT_EQ(pending[0].text, L"(Command)\nXmOPenFile\n");

    CFileInfoNode gone(L"gone.dwg", L"", Path(L"P\\E"));
    OpenTreeDrawing(gone, 0, nullptr);
    ASSERT_EQ(backend.Boxes().size(), 1u);
    EXPECT_EQ(backend.Boxes()[0].text,
              L"\"" + Path(L"P\\E\\gone.dwg") + L"\"文件不存在，无法打开。");
}

TEST_F(DrawingCommands, AnyOtherFileGoesToTheDesktopAndAFailureShowsTheSystemsError) {
    folder.WriteBytes(L"P\\E\\清单.xls", "");
    CFileInfoNode sheet(L"清单.xls", L"", Path(L"P\\E"));
    OpenTreeDrawing(sheet, 0, nullptr);
    EXPECT_EQ(backend.OpenedFiles(), std::vector<std::wstring>{Path(L"P\\E\\清单.xls")});
    EXPECT_TRUE(backend.Boxes().empty());
    backend.QueueOpenFailure(ENOSYS);
    OpenTreeDrawing(sheet, 0, nullptr);
    ASSERT_EQ(backend.Boxes().size(), 1u);
    EXPECT_EQ(backend.Boxes()[0].caption, L"Error");
    EXPECT_EQ(backend.Boxes()[0].text, fs::ErrorText(ENOSYS));
}

TEST_F(DrawingCommands, WebPublishingHandsThePathToTheRegisteredCommand) {
    EXPECT_EQ(IsWebPublishingRegistered(), 0);
    g_webCalls = 0;
    acedRegCmds()->addCommand(L"OVTEST", kWebPublishingCommand, kWebPublishingCommand,
                              ACRX_CMD_TRANSPARENT, WebPublishing);
    EXPECT_EQ(IsWebPublishingRegistered(), 1);
    SendWebPublishing(Path(L"P\\E\\E.prj"));
    EXPECT_EQ(g_XmComonPar.Getm_StrWebPubManageFilePathName(), Path(L"P\\E\\E.prj"));
    EXPECT_EQ(g_XmComonPar.Getm_StrWebPubInvoker(), L"XMMANAGE");
    acDocManager->runPendingStrings();
    EXPECT_EQ(g_webCalls, 1);
}

TEST(DrawingCommandsExports, EachExportCommandHasItsKind) {
    EXPECT_EQ(ExportKindOfCommand(239), 1);
    EXPECT_EQ(ExportKindOfCommand(251), 6);
    EXPECT_EQ(ExportKindOfCommand(282), 7);
    EXPECT_EQ(ExportKindOfCommand(215), 0);
}
