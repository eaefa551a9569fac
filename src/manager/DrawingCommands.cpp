#include "manager/DrawingCommands.h"

#include "drawing/ContainerDrawings.h"
#include "drawing/DlgFormatForSave.h"
#include "drawing/EditOprt.h"
#include "drawing/ModfyLineInfoDlg.h"
#include "drawing/OpenSaveClose.h"
#include "frame/ManageCommands.h"
#include "frame/ManageGlobals.h"
#include "platform/cad/CommandLine.h"
#include "platform/cad/CommandProcessor.h"
#include "platform/cad/CommandStack.h"
#include "platform/cad/ErrorStatus.h"
#include "platform/cad/HostProfile.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/Backend.h"
#include "platform/ui/MessageBox.h"
#include "suite/OvXmInfo/FileInfoNode.h"
#include "suite/OvXmInfo/XmComonPar.h"

#include <utility>

namespace {

int AskYesNo(ui::Window* pOwner, const std::wstring& strQuestion) {
    return ui::MessageBox(pOwner, strQuestion, L"Tessaline", ui::MB_YESNO | ui::MB_ICONEXCLAMATION);
}

std::vector<std::wstring> OpenOnes(const std::vector<std::wstring>& arrPaths) {
    std::vector<std::wstring> arrOpen;
    for (const std::wstring& strPath : arrPaths)
        if (CEditOprt::IsDocumentOpen(strPath))
            arrOpen.push_back(strPath);
    return arrOpen;
}

// Saves a drawing that is open as a document in place, its document locked meanwhile, and
// makes the document that was current before current again.
void SaveOpenDrawing(const std::wstring& strPath) {
    AcApDocument* pPrevious = acDocManager->curDocument();
    AcApDocument* pDoc = nullptr;
    if (CEditOprt::FindOtherOpenDocument(strPath, 1, pDoc))
        acDocManager->setCurDocument(pDoc, AcAp::kNone, true);
    pDoc = acDocManager->curDocument();
    acDocManager->lockDocument(pDoc, AcAp::kWrite);
    AcDbDatabase* pDb = nullptr;
    int bReadFromFile = CEditOprt::GetDrawingDatabase(strPath, pDb);
    acedPostCommand(L"ZOOM E ");
    Acad::ErrorStatus status = CEditOprt::SaveDatabaseAs(pDb, strPath);
    if (bReadFromFile)
        delete pDb;
    acDocManager->unlockDocument(pDoc);
    if (pPrevious && pPrevious != pDoc && acDocManager->contains(pPrevious))
        acDocManager->setCurDocument(pPrevious, AcAp::kNone, true);
    if (status != Acad::eOk)
        acutPrintf(L"\n文件\"%s\"保存失败：%s\n", strPath,
                   CEditOprt::WriteFailureReason(fs::LastError()));
}

// Disables a window for the lifetime of the object.
class CDisabledWindow {
public:
    explicit CDisabledWindow(ui::Window* pWindow) : m_pWindow(pWindow) {
        if (m_pWindow)
            m_pWindow->EnableWindow(false);
    }
    ~CDisabledWindow() {
        if (m_pWindow && ui::IsWindowAlive(m_pWindow))
            m_pWindow->EnableWindow(true);
    }
    CDisabledWindow(const CDisabledWindow&) = delete;
    CDisabledWindow& operator=(const CDisabledWindow&) = delete;

private:
    ui::Window* m_pWindow;
};

} // namespace

void OpenTreeDrawing(const CFileInfoNode& fileNode, int nMode, ui::Window* pOwner) {
    std::wstring strPath = fileNode.GetFilePathName();
    if (!CEditOprt::IsFileExist(strPath)) {
        ui::MessageBox(pOwner, text::Format(L"\"%s\"文件不存在，无法打开。", strPath), L"Tessaline",
                       ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return;
    }
    if (!fileNode.IsDwgFileName()) {
        if (int nError = ui::CurrentBackend().OpenWithAssociatedProgram(strPath)) {
            fs::SetLastError(nError);
            CEditOprt::ShowLastError(pOwner);
        }
        return;
    }
    // The pending path is emptied once the host has the drawing, opened or not: the command
    // sent below brings the window back only when it finds no drawing pending.
    g_strOpenDwgPathName = strPath;
    int bOpened = CEditOprt::OpenOrActivateDrawing(strPath, 1);
    g_strOpenDwgPathName.clear();
    if (bOpened)
        CEditOprt::SendCommandString(nMode == 1 ? L"(Command)\nXmOPenFile\n"
                                                : L"(Command)\nSbOPenFile\n");
}

void CloseContainerDrawings(const std::wstring& strManageFile, ui::Window* pOwner) {
    std::vector<std::wstring> arrPaths;
    CollectContainerDrawings(strManageFile, arrPaths);
    std::vector<std::wstring> arrOpen = OpenOnes(arrPaths);
    if (arrOpen.empty())
        return;
    std::wstring strFolder = CEditOprt::GetLastPathItem(CEditOprt::GetParentPath(strManageFile));
    bool bIsXm = text::EqualsNoCase(CEditOprt::GetExtension(strManageFile), L"itm");
    std::wstring strQuestion = text::Format(bIsXm ? L"是否保存项目\"%s\"中已打开的图纸?"
                                                  : L"是否保存设备\"%s\"中已打开的图纸?",
                                            strFolder);
    int bSave = AskYesNo(pOwner, strQuestion) == ui::IDYES ? 1 : 0;
    for (const std::wstring& strPath : arrOpen)
        OpenSaveCloseDrawing(strPath, bSave);
}

bool BatchOpenSaveClose(const std::wstring& strManageFile, ui::Window* pOwner,
                        ui::Window* pButton) {
    std::wstring strFormerFormat;
    acedGetEnv(L"DefaultFormatForSave", strFormerFormat);
    {
        CDocumentLockScope lock;
        CModuleResourceScope resources;
        CDlgFormatForSave dialog(pOwner);
        dialog.m_nFormatYear = CDlgFormatForSave::YearFromSaveFormat(strFormerFormat);
        if (dialog.DoModal() != ui::IDOK)
            return false;
        acedSetEnv(L"DefaultFormatForSave",
                   CDlgFormatForSave::SaveFormatFromYear(dialog.m_nFormatYear).c_str());
    }
    acedRegisterFilterWinMsg(FilterMouseMsg);
    {
        CDisabledWindow disabled(pButton);
        std::vector<std::wstring> arrPaths;
        CollectContainerDrawings(strManageFile, arrPaths);
        std::vector<std::wstring> arrOpen = OpenOnes(arrPaths);
        if (!arrOpen.empty()) {
            std::wstring strFolder =
                CEditOprt::GetLastPathItem(CEditOprt::GetParentPath(strManageFile));
            int bSave = AskYesNo(pOwner, text::Format(L"需要关闭\"%s\"中已经打开的图纸,是否保存?",
                                                      strFolder)) == ui::IDYES
                            ? 1
                            : 0;
            for (const std::wstring& strPath : arrOpen)
                OpenSaveCloseDrawing(strPath, bSave);
        }
        for (const std::wstring& strPath : arrPaths) {
            if (CEditOprt::IsDocumentOpen(strPath))
                SaveOpenDrawing(strPath);
            else
                OpenSaveCloseDrawing(strPath, 1);
        }
    }
    acedSetEnv(L"DefaultFormatForSave", strFormerFormat.c_str());
    acedRemoveFilterWinMsg(FilterMouseMsg);
    return true;
}

int IsWebPublishingRegistered() {
    auto* pStack = AcEdCommandStack::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK));
    return pStack && pStack->lookupGlobalCmd(kWebPublishingCommand) ? 1 : 0;
}

void SendWebPublishing(const std::wstring& strManageFile) {
    g_XmComonPar.Setm_StrWebPubManageFilePathName(strManageFile, L"XMMANAGE");
    CEditOprt::SendCommandString(text::Format(L"(Command)\n%s\n", kWebPublishingCommand));
}

int ExportKindOfCommand(int nCommandId) {
    static const std::pair<int, int> kCommands[] = {{239, 1}, {241, 2}, {243, 3}, {245, 4},
                                                    {247, 5}, {251, 6}, {282, 7}};
    for (const auto& [nId, nKind] : kCommands)
        if (nId == nCommandId)
            return nKind;
    return 0;
}

void ShowWireInformation(CManageFileInfo* pManageFileInfo, ui::Window* pOwner) {
    if (!pManageFileInfo)
        return;
    CDocumentLockScope lock;
    CModuleResourceScope resources;
    CModfyLineInfoDlg dialog(pManageFileInfo, pOwner);
    dialog.DoModal();
}
