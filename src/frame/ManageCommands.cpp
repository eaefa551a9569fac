#include "frame/ManageCommands.h"

#include "drawing/InfoTableCommand.h"
#include "frame/ManageGlobals.h"
#include "frame/SaveToContainer.h"
#include "manager/ManageDlg.h"
#include "platform/cad/CommandLine.h"
#include "platform/cad/Host.h"
#include "platform/ui/WaitCursor.h"
#include "platform/ui/Window.h"
#include "server/WordDictionaryRefresh.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"
#include "suite/OvDwgBtlInfo/OvDwgBtlInfo.h"
#include "suite/OvXmInfo/AllStyNameInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmComonPar.h"

#include <memory>

namespace {

// The drawing-type catalogue the management-file library works with; each command builds a
// fresh one from the style file, so a style file changed meanwhile is read again.
std::unique_ptr<CAllStyNameInfo> g_pAllStyNameInfo;

// A fresh window every time: any window, of either kind, goes first.
void OpenManageWindow(int nMode) {
    CloseManageDlg();
    acedGetAcadFrame()->ActivateFrame();
    auto* pDlg = new CManageDlg(nMode == 0 ? 1 : 0, acedGetAcadFrame());
    pDlg->Create(nullptr);
    pDlg->ShowWindow(ui::SW_HIDE);
    g_pManageDlg = pDlg;
    pDlg->ShowWindow(ui::SW_SHOW);
    pDlg->SetActiveWindow();
    if (pDlg->IsIconic())
        pDlg->ShowWindow(ui::SW_RESTORE);
}

} // namespace

bool IsPropertySheetOpen() {
    bool found = false;
    ui::EnumWindows([&found](ui::Window* window) {
        found = window->Kind() == ui::WindowKind::PropertySheet;
        return !found;
    });
    return found;
}

void HandInstallationFoldersToLibraries() {
    g_XmComonPar.SetTessalInstallPath(GetTessalCommonResInstallPath(), GetTessalLocalInstallPath());
    auto catalogue = std::make_unique<CAllStyNameInfo>();
    catalogue->SetStyleFileName(GetTessalCommonResInstallPath());
    CManageFileInfo::Setm_AllStyNameInfo(catalogue.get());
    g_pAllStyNameInfo = std::move(catalogue);
    OvSetBtlDefFilePath(GetTessalCommonResInstallPath());
}

void RunManageCommand(int nMode) {
    // Clients of a server installation take the server's word dictionary before any dialog can
    // offer words from it; without a connection the local copy serves.
    RefreshWordDictionaryFromServer();
    CModuleResourceScope resources;
    if (IsPropertySheetOpen())
        return;
    HandInstallationFoldersToLibraries();
    ui::CWaitCursor waitCursor;
    if (nMode == 0 || nMode == 1)
        OpenManageWindow(nMode);
    else if (nMode == 2 || nMode == 3)
        SaveCurrentDrawingIntoContainer(nMode);
}

void ShowManageDlgAfterOpen() {
    acedGetAcadFrame()->ActivateFrame();
    if (g_strOpenDwgPathName.empty() && g_pManageDlg) {
        g_pManageDlg->ShowWindow(ui::SW_SHOW);
        g_pManageDlg->SetActiveWindow();
        if (g_pManageDlg->IsIconic())
            g_pManageDlg->ShowWindow(ui::SW_RESTORE);
    }
    g_strOpenDwgPathName.clear();
}

int CloseManageDlg() {
    acedRemoveFilterWinMsg(FilterMouseMsg);
    if (g_pManageDlg) {
        g_pManageDlg->DestroyWindow();
        delete g_pManageDlg;
        g_pManageDlg = nullptr;
    }
    return 1;
}

bool FilterMouseMsg(MSG* pMsg) {
    switch (pMsg ? pMsg->message : 0) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MOUSEWHEEL:
        return true;
    default:
        return false;
    }
}

void XmManageCommand() {
    RunManageCommand(0);
}

void SbManageCommand() {
    RunManageCommand(1);
}

void SaveToXmCommand() {
    RunManageCommand(2);
}

void SaveToSbCommand() {
    RunManageCommand(3);
}

void CreateInfoTableCommand() {
    RunCreateInfoTable();
}
