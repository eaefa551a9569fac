#include "frame/ManageCommands.h"
#include "drawing/EditOprt.h"
#include "frame/ManageApp.h"
#include "frame/ManageGlobals.h"
#include "frame/SaveToContainer.h"
#include "platform/cad/CommandLine.h"
#include "platform/cad/Host.h"
#include "platform/cad/HostProfile.h"
#include "platform/fs/FileSystem.h"
#include "platform/ui/WaitCursor.h"
#include "platform/ui/Window.h"
#include "server/WordDictionaryRefresh.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"
#include "suite/OvDwgBtlInfo/OvDwgBtlInfo.h"
#include "suite/OvXmInfo/AllStyNameInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmComonPar.h"
#include "support/DrawingSupport.h"
#include "support/HostSupport.h"
#include "support/SampleProject.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ovtest;

namespace {

class ManageCommands : public ::testing::Test {
protected:
    ManageCommands() {
        // Every command loads the installation's drawing-type catalogue.
        installation.WriteBytes(L"Data\\dwgstyle.dat", Cp936Lines({L"PM=屏面布置图"}));
        acrxEntryPoint(AcRx::kInitAppMsg, nullptr);
    }
    ~ManageCommands() override {
        acrxEntryPoint(AcRx::kUnloadAppMsg, nullptr);
        g_strOpenDwgPathName.clear();
        g_bExpandTreeAfterSave = 0;
    }

    // Makes a Project (kind word 项目, ".itm") or Equipment (".prj") folder holding its
    // management file and a drawing A.dwg, and opens the drawing.
    std::wstring OpenDrawingInContainer(const std::wstring& folder,
                                        const std::wstring& managementFile) {
        installation.WriteBytes(folder + L"\\" + managementFile, "$BEGIN NOTE OF PRJ\r\n");
        std::wstring path = installation.Path(folder + L"\\A.dwg");
        SaveDrawing(path);
        EXPECT_EQ(acDocManager->appContextOpenDocument(path.c_str()), Acad::eOk);
        DocumentLock lock(host.Current());
        AddText(*host.CurrentDatabase(), {0, 0, 0}, L"changed");
        return path;
    }
    void MakeProjectAndEquipmentCurrent() {
        installation.WriteBytes(L"Data\\recent.dat", Cp936(L"\\P\\P.itm\r\n"));
        installation.WriteBytes(L"Data\\default.dat", Cp936(L"\\P\\Q\\Q.prj\r\n"));
    }
    std::vector<std::wstring> Lines() const { return cad::CommandLine::Instance().Lines(); }
    // Every way out of a command gives the host its resources and cursor back.
    void ExpectRestored() const {
        EXPECT_EQ(acDocManager->resourceStackDepth(), 0u);
        EXPECT_EQ(ui::WaitCursorDepth(), 0);
    }

    TempInstallation installation;
    HostSession host;
};

} // namespace

TEST_F(ManageCommands, ADrawingInAContainerFolderIsSavedInPlaceByEitherCommand) {
    struct Case {
        const wchar_t* command;
        const wchar_t* folder;
        const wchar_t* file;
        const wchar_t* message;
    } cases[] = {
        {L"SAVETOXM", L"P", L"P.itm", L"文件\"A.dwg\"已经保存在项目\"P\"中"},
        {L"SAVETOSB", L"P", L"p.ITM", L"文件\"A.dwg\"已经保存在项目\"P\"中"},
        {L"SAVETOXM", L"Q", L"Q.prj", L"文件\"A.dwg\"已经保存在设备\"Q\"中"},
        {L"SAVETOSB", L"Q", L"Q.prj", L"文件\"A.dwg\"已经保存在设备\"Q\"中"},
    };
    MakeProjectAndEquipmentCurrent();
    ASSERT_EQ(acedSetEnv(L"DefaultFormatForSave", L"36"), RTNORM);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::wstring(c.command) + L" in " + c.file);
        std::wstring path = OpenDrawingInContainer(c.folder, c.file);
        cad::CommandLine::Instance().Clear();
        host.Run(std::wstring(c.command) + L"\n");
        EXPECT_EQ(Lines(), std::vector<std::wstring>{c.message});
        EXPECT_TRUE(host.Boxes().Boxes().empty());
        EXPECT_EQ(SavedVersion(path), 27) << "in the host's default save format";
        AcDbDatabase saved(false, true);
        ASSERT_EQ(saved.readDwgFile(path.c_str()), Acad::eOk);
        EXPECT_EQ(ModelSpaceIds(saved).size(), 1u) << "the change is in the file";
        EXPECT_FALSE(installation.Exists(std::wstring(c.folder) + L"\\A.bak"));
        ExpectRestored();
        acDocManager->closeDocument(host.Current());
    }
    cad::HostProfile::Instance().Reset();
}

TEST_F(ManageCommands, AnInPlaceSaveThatCannotWriteSaysSoAndKeepsTheOldFile) {
    MakeProjectAndEquipmentCurrent();
    std::wstring path = OpenDrawingInContainer(L"Q", L"Q.prj");
    std::string before = installation.ReadBytes(L"Q\\A.dwg");
    cad::CommandLine::Instance().Clear();
    {
        FileSizeLimit limit(4096);
        host.Run(L"SAVETOSB\n");
    }
    EXPECT_EQ(Lines(), std::vector<std::wstring>{
                           L"文件\"A.dwg\"没有保存到设备\"Q\"中：文件超过了允许的大小"});
    EXPECT_EQ(installation.ReadBytes(L"Q\\A.dwg"), before);
    EXPECT_TRUE(fs::FindMatches(installation.Path(L"Q\\*.ovtmp")).empty());
    EXPECT_TRUE(host.CurrentDatabase()->isModified()) << "the changes are still in the drawing";
    ExpectRestored();
}

TEST_F(ManageCommands, WithoutACurrentContainerOnlyTheMessageIsShown) {
    installation.WriteBytes(L"Data\\default.dat", Cp936(L"\\P\\Q\\Q.prj\r\n"));
    std::wstring path = OpenDrawingInContainer(L"P", L"P.itm");
    std::string before = installation.ReadBytes(L"P\\A.dwg");
    host.Run(L"SAVETOXM\n");
    ASSERT_EQ(host.Boxes().Boxes().size(), 1u);
    const ui::RecordedMessageBox& box = host.Boxes().Boxes()[0];
    EXPECT_EQ(box.text, L"当前没有打开的项目文件。");
    EXPECT_EQ(box.caption, L"Tessaline");
    EXPECT_EQ(box.flags, ui::MB_OK | ui::MB_ICONEXCLAMATION);
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(installation.ReadBytes(L"P\\A.dwg"), before) << "nothing saved";
    ExpectRestored();

    installation.WriteBytes(L"Data\\default.dat", "\r\n");
    host.Run(L"SAVETOSB\n");
    ASSERT_EQ(host.Boxes().Boxes().size(), 2u);
    EXPECT_EQ(host.Boxes().Boxes()[1].text, L"当前没有打开的设备文件。");
    (void)path;
}

TEST_F(ManageCommands, OtherDrawingsGoToTheSaveDialog) {
    installation.WriteBytes(L"E\\E.prj", ManageFileBytes({L"设备名称=E"}, {}));
    installation.WriteBytes(L"Data\\default.dat", Cp936(installation.Path(L"E\\E.prj") + L"\r\n"));
    // Q's management file is named after another folder: Q is no container folder.
    std::wstring path = OpenDrawingInContainer(L"Q", L"R.prj");
    std::string before = installation.ReadBytes(L"Q\\A.dwg");
    host.Run(L"SAVETOSB\n");
    ASSERT_EQ(host.Boxes().Dialogs().size(), 1u);
    EXPECT_EQ(host.Boxes().Dialogs()[0].caption, L"文件保存到设备");
    EXPECT_EQ(host.Boxes().Dialogs()[0].result, ui::IDCANCEL) << "nobody pressed Save";
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(installation.ReadBytes(L"Q\\A.dwg"), before);
    ExpectRestored();

    acDocManager->appContextNewDocument(L"");
    host.Run(L"SAVETOSB\n");
    ASSERT_EQ(host.Boxes().Dialogs().size(), 2u) << "untitled";
    EXPECT_TRUE(Lines().empty());
    (void)path;
}

TEST_F(ManageCommands, AnOpenPropertySheetStopsTheCommandSilently) {
    ui::Window options(L"选项", ui::WindowKind::PropertySheet);
    options.CreateWindowObject();
    g_XmComonPar.SetTessalInstallPath(L"", L"");
    host.Run(L"SAVETOXM\nXMMANAGE\n");
    EXPECT_TRUE(host.Boxes().Boxes().empty());
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(g_XmComonPar.GetCommonResFolder(), L"") << "the folders were not handed over either";
    ExpectRestored();
}

TEST_F(ManageCommands, EveryModeHandsTheInstallationFoldersToTheLibraries) {
    host.Run(L"SAVETOSB\n");
    std::wstring common = GetTessalCommonResInstallPath();
    EXPECT_EQ(g_XmComonPar.GetCommonResFolder(), common);
    EXPECT_EQ(g_XmComonPar.GetLocalFolder(), GetTessalLocalInstallPath());
    ASSERT_NE(CManageFileInfo::Getm_AllStyNameInfo(), nullptr);
    EXPECT_EQ(CManageFileInfo::Getm_AllStyNameInfo()->GetStyleFolder(), common);
    EXPECT_EQ(OvGetBtlDefFilePath(), common);
}

TEST_F(ManageCommands, ClientsRefreshTheWordDictionaryBeforeEveryMode) {
    std::vector<std::wstring> downloads;
    SetWordDictionaryDownloadForTesting([&downloads](const std::wstring& path) {
        downloads.push_back(path);
        return 0; // no server: the command goes on without a word about it
    });
    host.Run(L"SAVETOXM\n");
    EXPECT_TRUE(downloads.empty()) << "a stand-alone installation follows no server";
    for (int kind : {1, 2}) {
        installation.WriteBytes(L"Installation.ini", "Kind=" + std::to_string(kind) + "\n");
        Ov2002ReloadInstallation();
        host.Run(L"XMMANAGE\nSAVETOSB\n");
    }
    SetWordDictionaryDownloadForTesting({});
    std::wstring local = installation.Path(L"Data\\word.mdb");
    EXPECT_EQ(downloads, std::vector<std::wstring>(4, local));
    for (const ui::RecordedMessageBox& box : host.Boxes().Boxes())
        EXPECT_EQ(box.text.rfind(L"当前没有打开的", 0), 0u)
            << "only the save commands' own messages";
}

TEST_F(ManageCommands, ManagementCommandsCloseAnyWindowAndBuildANewOne) {
    g_pManageDlg = new ui::Window(L"设备管理");
    g_pManageDlg->CreateWindowObject();
    acedRegisterFilterWinMsg(FilterMouseMsg);
    host.Run(L"XMMANAGE\n");
    EXPECT_EQ(ui::FindWindowW(nullptr, L"设备管理"), nullptr);
    EXPECT_EQ(cad::RegisteredFilterCount(), 0);
    ASSERT_NE(g_pManageDlg, nullptr);
    EXPECT_EQ(g_pManageDlg->GetWindowText(), L"项目管理");
    EXPECT_TRUE(g_pManageDlg->IsWindowVisible());
    EXPECT_EQ(ui::Window::GetActiveWindow(), g_pManageDlg);
    EXPECT_TRUE(Lines().empty());
    ui::Window* first = g_pManageDlg;
    host.Run(L"SBMANAGE\n");
    EXPECT_NE(g_pManageDlg, nullptr);
    EXPECT_EQ(g_pManageDlg->GetWindowText(), L"设备管理");
    EXPECT_FALSE(ui::IsWindowAlive(first));
    ExpectRestored();
}

TEST_F(ManageCommands, OpenFileCommandsShowTheWindowOnlyWhenNoDrawingIsPending) {
    host.Run(L"XmOPenFile\n");
    EXPECT_EQ(ui::Window::GetActiveWindow(), acedGetAcadFrame()) << "no window: only the frame";

    g_pManageDlg = new ui::Window(L"项目管理");
    g_pManageDlg->CreateWindowObject();
    g_pManageDlg->ShowWindow(ui::SW_MINIMIZE);
    g_strOpenDwgPathName = L"\\P\\A.dwg";
    host.Run(L"SbOPenFile\n");
    EXPECT_TRUE(g_strOpenDwgPathName.empty());
    EXPECT_TRUE(g_pManageDlg->IsIconic()) << "a drawing was pending: the window stays as it is";
    EXPECT_EQ(ui::Window::GetActiveWindow(), acedGetAcadFrame());

    host.Run(L"(Command)\nXmOPenFile\n");
    EXPECT_FALSE(g_pManageDlg->IsIconic());
    EXPECT_TRUE(g_pManageDlg->IsWindowVisible());
    EXPECT_EQ(ui::Window::GetActiveWindow(), g_pManageDlg);
    CloseManageDlg();
}

TEST_F(ManageCommands, MouseFilterSwallowsMovesButtonsAndTheWheelOnly) {
    for (unsigned message : {512u, 513u, 514u, 515u, 516u, 517u, 522u}) {
        MSG msg{nullptr, message, 0, 0};
        EXPECT_TRUE(FilterMouseMsg(&msg)) << message;
    }
    for (unsigned message : {WM_MBUTTONDOWN, WM_NCMOUSEMOVE, 0x0100u, 518u}) {
        MSG msg{nullptr, message, 0, 0};
        EXPECT_FALSE(FilterMouseMsg(&msg)) << message;
    }
}

TEST_F(ManageCommands, AnOpenManagementWindowIsRebuiltExpandedAfterASave) {
    RebuildOpenManageWindows();
    EXPECT_EQ(g_bExpandTreeAfterSave, 0) << "no window, nothing to rebuild";
    ui::Window* old = new ui::Window(L"项目管理");
    g_pManageDlg = old;
    g_pManageDlg->CreateWindowObject();
    RebuildOpenManageWindows();
    EXPECT_FALSE(ui::IsWindowAlive(old)) << "XMMANAGE ran and closed the old window";
    ASSERT_NE(g_pManageDlg, nullptr);
    EXPECT_EQ(g_pManageDlg->GetWindowText(), L"项目管理");
    EXPECT_EQ(g_bExpandTreeAfterSave, 1) << "no Project to load: the flag waits for one";
}

TEST_F(ManageCommands, UnloadingRemovesTheCommandsAndClosesTheWindow) {
    g_pManageDlg = new ui::Window(L"项目管理");
    g_pManageDlg->CreateWindowObject();
    acrxEntryPoint(AcRx::kUnloadAppMsg, nullptr);
    EXPECT_TRUE(acedRegCmds()->commandsOfGroup(L"OvManage").empty());
    EXPECT_EQ(g_pManageDlg, nullptr);
    EXPECT_EQ(acrxGetApiVersion(), ACRX_API_RELEASE);
    acrxEntryPoint(AcRx::kInitAppMsg, nullptr);
    host.Run(L"CREATEINFOTABLE\n");
    EXPECT_NE(Lines().back().find(L"没有设备描述信息表格的内容"), std::wstring::npos)
        << "the command is there again, and without a table's entries it draws nothing";
}

TEST_F(ManageCommands, TheDocumentLockOfAModalStepHoldsForItsScopeOnly) {
    AcApDocument* document = host.Current();
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->myLockMode(), AcAp::kNotLocked);
    {
        CDocumentLockScope lock;
        EXPECT_EQ(document->myLockMode(), AcAp::kWrite);
        {
            CModuleResourceScope resources;
            EXPECT_EQ(acDocManager->resourceStackDepth(), 1u);
        }
    }
    EXPECT_EQ(document->myLockMode(), AcAp::kNotLocked);
    ExpectRestored();
}
