#include "drawing/OpenSaveClose.h"

#include "drawing/EditOprt.h"
#include "platform/cad/Automation.h"
#include "platform/cad/CommandLine.h"
#include "platform/cad/Documents.h"
#include "platform/cad/DrawingLock.h"
#include "platform/cad/Host.h"
#include "platform/cad/HostProfile.h"
#include "platform/cad/HostServices.h"
#include "platform/cad/SystemVariables.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"
#include "store/StoreMessages.h"

#include <algorithm>
#include <cmath>

namespace {

std::wstring TextVar(const wchar_t* strName) {
    resbuf value;
    return acedGetVar(strName, &value) == RTNORM ? value.resval.rstring : std::wstring();
}

short ShortVar(const wchar_t* strName) {
    short nValue = 0;
    CEditOprt::GetShortSysVar(strName, nValue);
    return nValue;
}

// The save went through when the drawing has no unsaved change left and this session's last
// save went to its file: the host says neither when "SaveAs" fails (a read-only file or
// folder, a full disk).
bool WasSavedTo(const std::wstring& strPath) {
    return ShortVar(L"DBMOD") == 0 && text::EqualsNoCase(TextVar(L"SAVENAME"), strPath);
}

// Zooms the active document to the model-space extents widened by a sixth of their larger
// side, so that the preview a 2007 drawing keeps shows all of it.
void ZoomToWidenedExtents(IAcadDocument* pDoc) {
    AcGePoint3d ptMin, ptMax;
    CEditOprt::GetModelSpaceExtents(acdbHostApplicationServices()->workingDatabase(), ptMin, ptMax);
    double d = std::max(std::fabs(ptMax.x - ptMin.x), std::fabs(ptMax.y - ptMin.y)) / 6.0;
    pDoc->SendCommand(text::Format(L"(Command \"zoom\" \"W\" \"%f,%f,%f\" \"%f,%f,%f\" ) ",
                                   ptMin.x - d, ptMin.y - d, 0.0, ptMax.x + d, ptMax.y + d, 0.0));
}

// With bZoomFor2007 a drawing saved in the 2007 format is zoomed first (see above); a new
// drawing has nothing to show yet.
void SaveActiveDocument(IAcadDocument* pDoc, const std::wstring& strPath, bool bZoomFor2007) {
    short nSaveBak = ShortVar(L"ISAVEBAK");
    if (nSaveBak == 0)
        CEditOprt::SetShortSysVar(L"ISAVEBAK", 1);
    std::wstring strFormat;
    acedGetEnv(L"DefaultFormatForSave", strFormat);
    std::wstring strAnswer = SaveFormatAnswer(strFormat);
    pDoc->SendCommand(L"SetVar CMDECHO 0 ");
    pDoc->SendCommand(L"SetVar FILEDIA 0 ");
    if (bZoomFor2007 && strAnswer == L"2007")
        ZoomToWidenedExtents(pDoc);
    pDoc->SendCommand(text::Format(L"SaveAs\n%s\n%s\ny\n", strAnswer, strPath));
    pDoc->SendCommand(L"SetVar FILEDIA 1 ");
    pDoc->SendCommand(L"SetVar CMDECHO 1 ");
    if (nSaveBak == 0) {
        CEditOprt::SetShortSysVar(L"ISAVEBAK", 0);
        std::wstring strBak = CEditOprt::RemoveExtension(strPath) + L".bak";
        if (CEditOprt::IsFileExist(strBak))
            fs::DeleteFile(strBak);
    }
}

} // namespace

std::wstring SaveFormatAnswer(const std::wstring& strDefaultFormat) {
    if (strDefaultFormat == L"8")
        return L"R14";
    if (strDefaultFormat == L"12")
        return L"2000";
    if (strDefaultFormat == L"24")
        return L"2004";
    if (strDefaultFormat == L"36")
        return L"2007";
    return L"";
}

int ClearDrawingLockFiles(const std::wstring& strPath) {
    for (bool bSecond : {false, true}) {
        std::wstring strLock = cad::LockFilePath(strPath, bSecond);
        cad::DrawingLockHolder holder;
        cad::LockFileState state = cad::ClearLockFile(strLock, holder);
        if (state == cad::LockFileState::Absent || state == cad::LockFileState::Removed)
            continue;
        if (state == cad::LockFileState::Held)
            acutPrintf(L"\n\"%s\"正由%s在%s上使用（自%s起）。\n", strPath, holder.user,
                       holder.machine, holder.since);
        else
            acutPrintf(L"\n锁定文件\"%s\"无法删除。\n", strLock);
        ui::MessageBox(adsw_acadMainWnd(),
                       text::Format(L"\"%s\"文件在另一软件被打开，无法执行打开保存操作。", strPath),
                       L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return 0;
    }
    return 1;
}

int OpenSaveCloseDrawing(const std::wstring& strPath, int bSave) {
    AcDbDatabase* pDb = nullptr;
    int bReadFromFile = CEditOprt::GetDrawingDatabase(strPath, pDb);
    if (!pDb)
        return 0;
    if (bReadFromFile)
        delete pDb;

    AcApDocument* pOther = nullptr;
    if (CEditOprt::FindOtherOpenDocument(strPath, 1, pOther)) {
        acDocManager->setCurDocument(pOther);
        acDocManager->activateDocument(pOther);
    } else if (!CEditOprt::IsDocumentOpen(strPath)) {
        if (bSave && !ClearDrawingLockFiles(strPath))
            return 0;
        if (!CEditOprt::OpenOrActivateDrawing(strPath, 1)) {
            store::ShowPlainMessage(L"文件" + strPath + L"打开失败!");
            return 0;
        }
    }

    IAcadApplication* pApp = acedGetAcadWinApp()->GetIDispatch();
    IAcadDocument* pDoc = pApp->ActiveDocument();
    if (!pDoc)
        return 0;
    if (bSave) {
        SaveActiveDocument(pDoc, strPath, true);
        if (!WasSavedTo(strPath)) {
            acutPrintf(L"\n文件\"%s\"保存失败，图纸未关闭。\n", strPath);
            return 0;
        }
    }
    pDoc->Close(false);
    if (pApp->Documents()->Count() == 0)
        pApp->Documents()->Add(L"");
    return 1;
}

int NewDrawingFromTemplateAs(const std::wstring& strTemplate, const std::wstring& strTarget) {
    IAcadApplication* pApp = acedGetAcadWinApp()->GetIDispatch();
    if (pApp->Documents()->Add(strTemplate) != S_OK)
        return 0;
    IAcadDocument* pDoc = pApp->ActiveDocument();
    if (!pDoc)
        return 0;
    SaveActiveDocument(pDoc, strTarget, false);
    return WasSavedTo(strTarget) && fs::IsFile(strTarget) ? 1 : 0;
}

std::vector<std::wstring> OpenDrawingsBelow(const std::wstring& strFolder) {
    std::wstring strPrefix = text::TrimRight(strFolder, L"\\") + L"\\";
    std::vector<std::wstring> arrPaths;
    for (AcApDocument* pDoc : acDocManager->documents()) {
        std::wstring strFile = pDoc->fileName();
        if (strFile.size() > strPrefix.size() &&
            text::EqualsNoCase(strFile.substr(0, strPrefix.size()), strPrefix))
            arrPaths.push_back(strFile);
    }
    return arrPaths;
}

int AskToCloseOpenDrawings(const std::vector<std::wstring>& arrPaths,
                           const std::wstring& strQuestionFormat, ui::Window* pOwner) {
    for (const std::wstring& strPath : arrPaths) {
        if (!CEditOprt::IsDocumentOpen(strPath))
            continue;
        if (ui::MessageBox(pOwner, text::Format(strQuestionFormat, strPath), L"Tessaline",
                           ui::MB_OKCANCEL | ui::MB_ICONEXCLAMATION) != ui::IDOK)
            return 0;
        OpenSaveCloseDrawing(strPath, 1);
        if (CEditOprt::IsDocumentOpen(strPath))
            return 0;
    }
    return 1;
}
