// The management window's commands on drawings: open, close the open container, the batch
// open-save-close run, drawing information, web publishing, the exports and the wire list. The
// work on documents and files is in DrawingCommands.h; here the window picks the container or
// drawing from its selection and keeps itself busy while a modal step runs.

#include "drawing/EditOprt.h"
#include "manager/DrawingCommands.h"
#include "manager/ManageDlg.h"
#include "platform/text/Format.h"
#include "platform/ui/MessageBox.h"
#include "suite/OvExportExcelTable/OvExportExcelTable.h"
#include "suite/OvXmInfo/DrawFileStyleNode.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmComonPar.h"
#include "suite/OvXmInfo/XmSbTreeNodeInfo.h"

namespace {

void Tell(ui::Window* pOwner, const std::wstring& strText,
          unsigned nIcon = ui::MB_ICONEXCLAMATION) {
    ui::MessageBox(pOwner, strText, L"Tessaline", ui::MB_OK | nIcon);
}

} // namespace

CManageFileInfo* CManageDlg::SelectedContainerFile() const {
    if (m_CurSelInfo.m_nTreeUsed == 0 && m_CurSelInfo.m_nSbKind == 1 && m_CurSelInfo.m_pSbNode)
        return static_cast<CXmSbTreeNodeInfo*>(m_CurSelInfo.m_pSbNode)->Getm_pManageFileInfo();
    return m_CurSelInfo.m_pXmNode ? m_CurSelInfo.m_pXmNode->Getm_pManageFileInfo() : nullptr;
}

void CManageDlg::OnOpenCommand() {
    if (m_CurSelInfo.m_nTreeUsed == 1) {
        if (!m_CurSelInfo.m_pXmNode) {
            Tell(this, L"无效命令。");
            return;
        }
        // Loading replaces the nodes: the path is taken first.
        std::wstring strPath =
            m_CurSelInfo.m_pXmNode->Getm_pManageFileInfo()->Getm_StrManageFilePathName();
        if (LoadManageFile(strPath, m_nMode))
            g_XmComonPar.WriteCurrentXmOrSbNameToFile(strPath, m_nMode);
        return;
    }
    if (m_CurSelInfo.m_nSbKind == 1) {
        const CManageFileInfo* pFile = SelectedContainerFile();
        if (g_XmComonPar.WriteCurrentXmOrSbNameToFile(pFile->Getm_StrManageFilePathName(), 0) == 1)
            Tell(this,
                 text::Format(L"设备\"%s\"，已成为当前打开的设备。", pFile->Getm_StrDirName()));
    } else if (m_CurSelInfo.m_nSbKind == 3) {
        OpenSelectedDrawing();
    }
}

void CManageDlg::OpenSelectedDrawing() {
    if (m_CurSelInfo.m_nSbKind != 3 || !m_CurSelInfo.m_pSbNode)
        return;
    auto* pDrawing = static_cast<CDrawTreeFileNode*>(m_CurSelInfo.m_pSbNode);
    OpenTreeDrawing(*pDrawing->Getm_pFileInfoNode(), m_nMode, this);
}

void CManageDlg::OnCloseContainer() {
    const CManageFileInfo* pFile = nullptr;
    if (m_CurSelInfo.m_nTreeUsed == 1)
        pFile = m_CurSelInfo.m_pXmNode ? m_CurSelInfo.m_pXmNode->Getm_pManageFileInfo() : nullptr;
    else if (m_CurSelInfo.m_nSbKind == 1)
        pFile = SelectedContainerFile();
    if (!pFile || !g_XmComonPar.DeleteRecentDatOrDefaultDatFile(m_nMode, this)) {
        Tell(this, L"无效命令。");
        return;
    }
    // Clearing the trees drops the nodes: what the messages need is taken first.
    std::wstring strPath = pFile->Getm_StrManageFilePathName();
    std::wstring strName = pFile->Getm_StrDirName();
    bool bIsXm = pFile->Getm_IsXmManageFile() != 0;
    {
        CBusyScope busy(*this);
        CloseContainerDrawings(strPath, this);
    }
    ClearTrees();
    Tell(this, text::Format(bIsXm ? L"当前打开的项目\"%s\"已经被关闭。"
                                  : L"当前打开的设备\"%s\"已经被关闭。",
                            strName));
}

void CManageDlg::OnBatchOpenSaveClose() {
    if (!m_CurSelInfo.m_pXmNode) {
        if (ui::HTREEITEM hFirst = m_SbTreeCtrl.GetRootItem())
            m_SbTreeCtrl.SelectItem(hFirst);
    }
    const CManageFileInfo* pFile = nullptr;
    if (m_CurSelInfo.m_pXmNode)
        pFile = m_CurSelInfo.m_pXmNode->Getm_pManageFileInfo();
    else if (m_CurSelInfo.m_nSbKind == 1)
        pFile = SelectedContainerFile();
    if (!pFile)
        return;
    std::wstring strPath = pFile->Getm_StrManageFilePathName();
    CBusyScope busy(*this);
    BatchOpenSaveClose(strPath, this, GetDlgItem(IDC_BATCH));
}

void CManageDlg::OnViewDrawingInformation() {
    m_strPreviewFile.clear();
    m_strSelectionText.clear();
    OnSbTreeSelChanged();
    if (m_CurSelInfo.m_nSbKind == 3)
        m_strSelectionText = CDrawTreeFileNode::GetFileTextInfoForEdit(
            static_cast<CDrawTreeFileNode*>(m_CurSelInfo.m_pSbNode));
    else if (m_CurSelInfo.m_nTreeUsed == 1 && m_CurSelInfo.m_pXmNode)
        m_strSelectionText = CXmSbTreeNodeInfo::GetNameAndExplainStr(m_CurSelInfo.m_pXmNode);
    Invalidate();
    UpdateData(false);
    // A Project or Equipment shows its name and description; a box without text says nothing.
    if (!m_strSelectionText.empty())
        Tell(this, m_strSelectionText, ui::MB_ICONINFORMATION);
}

void CManageDlg::OnWebPublishing() {
    std::wstring strPath;
    if (m_CurSelInfo.m_nTreeUsed == 1 && m_CurSelInfo.m_pXmNode)
        strPath = m_CurSelInfo.m_pXmNode->Getm_pManageFileInfo()->Getm_StrManageFilePathName();
    else if (m_CurSelInfo.m_nTreeUsed == 0 && m_CurSelInfo.m_nSbKind == 1)
        strPath = SelectedContainerFile()->Getm_StrManageFilePathName();
    if (strPath.empty()) {
        ui::MessageBox(this, L"所选项不能进行Web发布。", L"", ui::MB_OK);
        return;
    }
    // The window closes itself here: nothing of it may be touched afterwards.
    OnOK();
    SendWebPublishing(strPath);
}

void CManageDlg::OnExport(unsigned id) {
    if (const CManageFileInfo* pFile = SelectedContainerFile())
        OvExportExcelTable(pFile->Getm_StrManageFilePathName(),
                           ExportKindOfCommand(static_cast<int>(id)));
}

void CManageDlg::OnWireInformation() {
    if (CManageFileInfo* pFile = SelectedContainerFile()) {
        CBusyScope busy(*this);
        ShowWireInformation(pFile, this);
    }
}
