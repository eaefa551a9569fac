// The modification dialog's OK: the steps in the order the header describes.

#include "drawing/EditOprt.h"
#include "drawing/OpenSaveClose.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WaitCursor.h"
#include "records/DrawingDescriptionWriter.h"
#include "records/DrawingFileRenaming.h"
#include "records/ExplainBlockText.h"
#include "records/ExplainInfo.h"
#include "records/ModfyXmSbDlg.h"
#include "records/ModfyXmSbRules.h"
#include "store/HistoryDataOprt.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmSbInfo.h"

namespace {

constexpr const wchar_t* kCloseForXmFolder =
    L"项目下文件：%s已经打开\n，是否自动保存关闭图形文件再更改项目目录名？";
// Also the question before drawing files are renamed, in a Project as in an Equipment.
constexpr const wchar_t* kCloseForSbFolder =
    L"项目下文件：%s已经打开\n，是否自动保存关闭图形文件再更改设备目录名？";

} // namespace

std::vector<CExplainInfoNode> CModfyXmSbDlg::AllEntries() const {
    std::vector<CExplainInfoNode> entries = m_editor.Getm_ExplainInfoArray();
    entries.insert(entries.end(), m_arrHiddenEntries.begin(), m_arrHiddenEntries.end());
    return entries;
}

std::wstring CModfyXmSbDlg::FinalFolderName() const {
    std::wstring strName = text::Trim(GetDlgItemText(IDC_FOLDER));
    if (IsTicked(FolderBoxId())) {
        int bNameFirst = GetDlgItemAs<ui::ComboBox>(IDC_NAMING)->GetCurSel() == 1;
        std::wstring strProposed = modify::ProposeFolderName(AllEntries(), IsXm(), bNameFirst);
        if (!strProposed.empty())
            strName = strProposed;
    }
    return strName;
}

bool CModfyXmSbDlg::WriteManageFile() {
    std::vector<CExplainInfoNode>& stored = m_pManageFileInfo->Getm_ExplainInfoArray();
    std::vector<CExplainInfoNode> previous = stored;
    stored = AllEntries();
    if (m_pManageFileInfo->WriteManageFile())
        return true;
    // The record in memory stays what the file holds.
    stored = previous;
    ui::MessageBox(
        this,
        text::Format(L"%s管理文件“%s”不能写入：%s。", IsXm() ? L"项目" : L"设备",
                     m_pManageFileInfo->Getm_StrManageFilePathName(),
                     CEditOprt::WriteFailureReason(m_pManageFileInfo->Getm_nLastWriteError())),
        L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
    return false;
}

std::wstring CModfyXmSbDlg::CloseDrawingsForFolder(const std::wstring& strName) {
    const std::wstring& strCurrent = m_pManageFileInfo->Getm_StrDirName();
    if (text::EqualsNoCase(strName, strCurrent))
        return strName;
    std::vector<std::wstring> arrOpen =
        OpenDrawingsBelow(m_pManageFileInfo->Getm_StrFullPathName());
    if (AskToCloseOpenDrawings(arrOpen, IsXm() ? kCloseForXmFolder : kCloseForSbFolder, this))
        return strName;
    SetDlgItemText(IDC_FOLDER, strCurrent);
    return strCurrent;
}

void CModfyXmSbDlg::RenameDrawingFiles() {
    int nPattern = GetDlgItemAs<ui::ComboBox>(IDC_FILE_PATTERN)->GetCurSel();
    std::wstring strBookNo =
        text::Trim(explain::FindValueByTitle(AllEntries(), explain::kDrawingBookNo));
    if (nPattern == kBookAndPagePattern &&
        (strBookNo.empty() || !CEditOprt::CheckFileName(strBookNo, this)))
        return;
    std::vector<CDrawingRename> arrPlan =
        PlanDrawingRenames(m_pManageFileInfo->Getm_StrFullPathName(), nPattern, strBookNo);
    std::vector<std::wstring> arrSources;
    for (const CDrawingRename& rename : arrPlan)
        arrSources.push_back(rename.strOldPath);
    if (arrPlan.empty() || !AskToCloseOpenDrawings(arrSources, kCloseForSbFolder, this))
        return;
    ApplyDrawingRenames(arrPlan, *m_pManageFileInfo, this);
}

void CModfyXmSbDlg::WriteDrawings() {
    bool bWrite = IsTicked(IDC_WRITE_DRAWINGS) || (IsXm() && IsTicked(IDC_RENAME_XM_FOLDER));
    std::vector<CExplainInfoNode> entries = AllEntries();
    if (!bWrite || !modify::HaveValuesChanged(m_arrSnapshot, entries))
        return;
    WriteDescriptionToContainer(m_pManageFileInfo->Getm_StrManageFilePathName(), entries);
}

void CModfyXmSbDlg::RememberBoxes() {
    CHistoryDataOprt history;
    history.SetHistoryInt(kHistoryWriteDrawings, IsTicked(IDC_WRITE_DRAWINGS) ? 1 : 0);
    history.SetHistoryInt(kHistoryRenameSbFolder, IsTicked(IDC_RENAME_SB_FOLDER) ? 1 : 0);
    history.SetHistoryInt(kHistoryRenameXmFolder, IsTicked(IDC_RENAME_XM_FOLDER) ? 1 : 0);
    history.SetHistoryInt(kHistoryRenameFiles, IsTicked(IDC_RENAME_FILES) ? 1 : 0);
}

void CModfyXmSbDlg::OnOK() {
    // An edit in place that is still open belongs to the description.
    int nEditedRow = m_List.Getm_nCurRow();
    m_List.FinishEditing();
    m_editor.TakeValueFromList(nEditedRow);
    if (text::Trim(GetDlgItemText(IDC_FOLDER)).empty())
        return;
    // A folder name the folder cannot take is refused before anything is written.
    std::wstring strName = FinalFolderName();
    if (strName != m_pManageFileInfo->Getm_StrDirName() &&
        !CXmSbInfo::CheckNewName(*m_pManageFileInfo, strName, this))
        return;
    ui::CWaitCursor waitCursor;
    if (!WriteManageFile())
        return;
    if (IsXm())
        explain::PushProjectValuesToEquipments(m_pManageFileInfo->Getm_StrManageFilePathName());
    if (strName != text::Trim(GetDlgItemText(IDC_FOLDER)))
        SetDlgItemText(IDC_FOLDER, strName);
    m_strFolderName = CloseDrawingsForFolder(strName);
    if (IsTicked(IDC_RENAME_FILES))
        RenameDrawingFiles();
    WriteDrawings();
    RememberBoxes();
    EndDialog(ui::IDOK);
}
