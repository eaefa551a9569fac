// The save dialog's Save: the checks that keep the dialog open, the drawing written into the
// target container and its record entered in the container's management file.

#include "drawing/EditOprt.h"
#include "drawing/FileSaveDlg.h"
#include "drawing/RunningToolGuard.h"
#include "platform/cad/CommandLine.h"
#include "platform/cad/Documents.h"
#include "platform/cad/HostServices.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/MessageBox.h"
#include "suite/OvXmInfo/FileInfoNode.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"

namespace {

constexpr unsigned kRefusal = ui::MB_OK | ui::MB_ICONEXCLAMATION;

std::wstring WithoutDwgExtension(const std::wstring& strName) {
    if (strName.size() >= 4 && text::EqualsNoCase(strName.substr(strName.size() - 4), L".dwg"))
        return strName.substr(0, strName.size() - 4);
    return strName;
}

// The document whose database is the one given, or null.
AcApDocument* DocumentOf(AcDbDatabase* pDb) {
    AcApDocument* pDoc = acDocManager->curDocument();
    return pDoc && pDoc->database() == pDb ? pDoc : nullptr;
}

} // namespace

void CFileSaveDlg::OnOK() {
    UpdateData(true);
    if (!CheckBeforeSaving())
        return;
    SaveIntoContainer();
    EndDialog(ui::IDOK);
}

bool CFileSaveDlg::CheckBeforeSaving() {
    if (CheckRunningTools(this))
        return false;
    m_strFileName = WithoutDwgExtension(m_strFileName);
    if (m_bErpMode)
        m_strStyle = GetDlgItemText(IDC_STYLE_COMBO);
    UpdateData(false);
    // A name the folder cannot hold (a title-block name such as "110kV/35kV主接线图") would
    // put the drawing outside the container or nowhere: the user gives another one here.
    if (!CEditOprt::CheckFileName(m_strFileName, this)) {
        GetDlgItem(IDC_FILE_NAME)->SetFocus();
        return false;
    }
    if (!m_pTargetFile) {
        ui::MessageBox(this, L"请在树中选择文件保存到的项目或设备。", L"Tessaline", kRefusal);
        return false;
    }
    // Another document of the same file would write its own content over this save the next
    // time it is saved.
    std::wstring strTarget = CEditOprt::JoinPath(m_strSavePath, m_strFileName + L".dwg");
    AcApDocument* pOther = nullptr;
    if (CEditOprt::FindOtherOpenDocument(strTarget, 1, pOther)) {
        ui::MessageBox(
            this,
            text::Format(L"文件“%s”已在另一个图形窗口中打开，请先关闭它或换一个文件名称。",
                         strTarget),
            L"Tessaline", kRefusal);
        return false;
    }
    return true;
}

void CFileSaveDlg::SaveIntoContainer() {
    const wchar_t* pKindWord = m_pTargetFile->Getm_IsXmManageFile() ? L"项目" : L"设备";
    std::wstring strFileName = m_strFileName + L".dwg";
    std::wstring strTarget = CEditOprt::JoinPath(m_strSavePath, strFileName);
    if (CEditOprt::IsFileExist(strTarget) &&
        ui::MessageBox(this,
                       text::Format(L"%s“%s”中已经存在文件“%s”\n是否覆盖？", pKindWord,
                                    m_strOwnerName, strFileName),
                       L"Tessaline", ui::MB_YESNO | ui::MB_ICONEXCLAMATION) != ui::IDYES)
        return;
    AcDbDatabase* pDb = acdbHostApplicationServices()->workingDatabase();
    if (!pDb || pDb->saveAs(strTarget.c_str(), true, AcDb::kDHL_2400) != Acad::eOk) {
        acutPrintf(L"保存文件\"%s\"，失败！\n", strTarget);
        return;
    }
    // The drawing is the container's file from now on, as a save under a new name makes it:
    // the next save goes there (in place, without this dialog).
    if (AcApDocument* pDoc = DocumentOf(pDb)) {
        pDoc->setFileName(strTarget);
        pDoc->setSaveName(strTarget);
    }
    EnterIntoManageFile(strFileName, pKindWord);
}

void CFileSaveDlg::EnterIntoManageFile(const std::wstring& strFileName, const wchar_t* pKindWord) {
    CManageFileInfo& manageFile = *m_pTargetFile;
    CFileStyleNodeInfo* pStyle = nullptr;
    if (!m_strStyle.empty()) {
        pStyle = manageFile.FindStyNodeByInputSysOrDisName(m_strStyle);
        if (!pStyle)
            manageFile.AddOneNewStyData(m_strStyle, this, pStyle);
    }
    if (!pStyle)
        pStyle = manageFile.GetOrCreateNewNullStyleNodeIfNoExist();
    // A file the container records already keeps one record: it moves to the chosen type and
    // takes the new remark.
    if (CFileStyleNodeInfo* pOld = manageFile.FindStyNodeByInputFileName(strFileName)) {
        CFileInfoNode* pRecord = pOld->FindFileNode(strFileName);
        if (pOld == pStyle && pRecord) {
            pRecord->Setm_strFileName(strFileName);
            pRecord->Setm_strRemark(m_strRemark);
        } else if (pRecord) {
            pOld->DeleteFileNode(pRecord);
        }
    }
    if (!pStyle->FindFileNode(strFileName)) {
        CFileInfoNode record(strFileName, m_strRemark, manageFile.Getm_StrFullPathName());
        pStyle->AddOneFileNodeByInputNode(record);
    }
    if (!manageFile.WriteManageFile()) {
        acutPrintf(
            L"\n%s\n",
            text::Format(L"文件\"%s\"已经保存在%s\"%s\"的文件夹中，但没有记入它的管理文件：%s",
                         strFileName, pKindWord, m_strOwnerName,
                         CEditOprt::WriteFailureReason(manageFile.Getm_nLastWriteError())));
        return;
    }
    acutPrintf(L"\n文件\"%s\"已经保存在%s\"%s\"中\n", strFileName, pKindWord, m_strOwnerName);
}
