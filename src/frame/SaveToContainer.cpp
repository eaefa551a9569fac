#include "frame/SaveToContainer.h"

#include "drawing/EditOprt.h"
#include "drawing/FileSaveDlg.h"
#include "frame/ManageCommands.h"
#include "frame/ManageGlobals.h"
#include "platform/cad/CommandLine.h"
#include "platform/cad/CommandProcessor.h"
#include "platform/cad/Host.h"
#include "platform/cad/HostServices.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Window.h"
#include "store/RememberedContainers.h"
#include "suite/OvXmInfo/ManageFileInfo.h"

namespace {

// Saves a titled drawing whose folder is a container folder over its own file. Returns false
// when the drawing is not such a one (the dialog is then needed); true otherwise, whether the
// save worked or not.
bool SaveInPlace() {
    if (!CEditOprt::IsDrawingTitled())
        return false;
    std::wstring strFolder;
    if (!CEditOprt::GetDrawingFolder(strFolder))
        return false;
    std::wstring strFolderName = CEditOprt::GetLastPathItem(strFolder);
    std::wstring strBase = CEditOprt::JoinPath(strFolder, strFolderName) + L".";
    const wchar_t* pKindWord = nullptr;
    if (CEditOprt::IsFileExist(strBase + CManageFileInfo::Getm_StrXmFileExt()))
        pKindWord = L"项目";
    else if (CEditOprt::IsFileExist(strBase + CManageFileInfo::Getm_StrSbFileExt()))
        pKindWord = L"设备";
    if (!pKindWord)
        return false;
    std::wstring strName;
    CEditOprt::GetDrawingName(strName);
    AcDbDatabase* pDb = acdbHostApplicationServices()->workingDatabase();
    if (CEditOprt::SaveDatabaseAs(pDb, CEditOprt::JoinPath(strFolder, strName)) == Acad::eOk)
        acutPrintf(L"\n文件\"%s\"已经保存在%s\"%s\"中\n", strName, pKindWord, strFolderName);
    else
        // Silence after a save reads as success; the old file is still whole, and the user
        // must know the changes are only in the open drawing.
        acutPrintf(L"\n%s\n",
                   text::Format(L"文件\"%s\"没有保存到%s\"%s\"中：%s", strName, pKindWord,
                                strFolderName, CEditOprt::WriteFailureReason(fs::LastError())));
    return true;
}

} // namespace

void SaveCurrentDrawingIntoContainer(int nMode) {
    std::wstring strContainer = nMode == 2 ? GetRecentContainerPath() : GetDefaultContainerPath();
    if (strContainer.empty()) {
        ui::MessageBox(nullptr,
                       nMode == 2 ? L"当前没有打开的项目文件。" : L"当前没有打开的设备文件。",
                       L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return;
    }
    if (SaveInPlace())
        return;
    int nResult;
    {
        CModuleResourceScope resources;
        CFileSaveDlg dialog(nMode == 2, acedGetAcadFrame());
        nResult = dialog.DoModal();
    }
    if (nResult == ui::IDOK)
        RebuildOpenManageWindows();
}

void RebuildOpenManageWindows() {
    bool bProjectWindow = ui::FindWindowW(nullptr, L"项目管理") != nullptr;
    bool bEquipmentWindow = ui::FindWindowW(nullptr, L"设备管理") != nullptr;
    if (bProjectWindow || bEquipmentWindow)
        g_bExpandTreeAfterSave = 1;
    if (bProjectWindow)
        acedCommand(RTSTR, L"xmmanage", RTNONE);
    if (bEquipmentWindow)
        acedCommand(RTSTR, L"sbmanage", RTNONE);
}
