// The window's delete command (201, and the Delete key in either tree): a Project or Equipment
// with its folder, a drawing type with its drawings (its records go, the container stays), or
// one drawing, after the user confirmed. The drawings that follow a deleted numbered drawing
// are renumbered so that the numbering has no gap.

#include "drawing/EditOprt.h"
#include "drawing/OpenSaveClose.h"
#include "drawing/RunningToolGuard.h"
#include "manager/ManageDlg.h"
#include "manager/Renumbering.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/LogicalPath.h"
#include "platform/text/Format.h"
#include "platform/ui/MessageBox.h"
#include "store/RememberedContainers.h"
#include "suite/OvXmInfo/DrawFileStyleNode.h"
#include "suite/OvXmInfo/FileInfoNode.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmComonPar.h"
#include "suite/OvXmInfo/XmSbTreeNodeInfo.h"

#include <filesystem>

namespace {

constexpr const wchar_t* kCloseFirst = L"文件“%s”删除失败,请先关闭该图纸!";

} // namespace

bool CManageDlg::RefuseOpenDrawings(const std::vector<std::wstring>& arrPaths,
                                    const wchar_t* strFormat, bool bFullPath) {
    for (const std::wstring& strPath : arrPaths) {
        std::vector<std::wstring> arrOpen;
        if (fs::IsFolder(strPath))
            arrOpen = OpenDrawingsBelow(strPath);
        else if (CEditOprt::IsDocumentOpen(strPath))
            arrOpen.push_back(strPath);
        if (arrOpen.empty())
            continue;
        const std::wstring& strOpen = arrOpen.front();
        ui::MessageBox(
            this,
            text::Format(strFormat, bFullPath ? strOpen : CEditOprt::GetLastPathItem(strOpen)),
            L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return true;
    }
    return false;
}

void CManageDlg::OnDeleteCommand() {
    if (CheckRunningTools(this))
        return;
    CXmSbTreeNodeInfo* pContainer = nullptr;
    CDrawFileStyleNode* pStyleNode = nullptr;
    CDrawTreeFileNode* pDrawingNode = nullptr;
    std::wstring strPrompt;
    std::vector<std::wstring> arrTargets;
    if (m_CurSelInfo.m_nTreeUsed == 1) {
        pContainer = m_CurSelInfo.m_pXmNode;
        if (!pContainer)
            return;
        strPrompt = text::Format(L"确实要删除项目“%s”及其文件夹吗?",
                                 pContainer->Getm_pManageFileInfo()->Getm_StrDirName());
    } else if (!m_CurSelInfo.m_pSbNode) {
        return;
    } else if (m_CurSelInfo.m_nSbKind == 1) {
        pContainer = static_cast<CXmSbTreeNodeInfo*>(m_CurSelInfo.m_pSbNode);
        strPrompt = text::Format(L"确实要删除设备“%s”及其文件夹吗?",
                                 pContainer->Getm_pManageFileInfo()->Getm_StrDirName());
    } else if (m_CurSelInfo.m_nSbKind == 2) {
        pStyleNode = static_cast<CDrawFileStyleNode*>(m_CurSelInfo.m_pSbNode);
        strPrompt =
            text::Format(L"确实要删除类型“%s”和它所包含的图纸吗?", pStyleNode->GetShownName());
        // Records of drawings that are gone from the folder go with the type; only the files
        // that are there are deleted.
        std::vector<std::wstring> arrPaths;
        pStyleNode->Getm_pFileStyleNodeInfo()->GetFilePathNameStrArray(arrPaths);
        for (const std::wstring& strPath : arrPaths)
            if (fs::Exists(strPath))
                arrTargets.push_back(strPath);
    } else if (m_CurSelInfo.m_nSbKind == 3) {
        pDrawingNode = static_cast<CDrawTreeFileNode*>(m_CurSelInfo.m_pSbNode);
        const CFileInfoNode* pFile = pDrawingNode->Getm_pFileInfoNode();
        strPrompt = text::Format(L"确实要删除图纸“%s”吗?", pFile->Getm_strFileName());
        if (fs::Exists(pFile->GetFilePathName()))
            arrTargets.push_back(pFile->GetFilePathName());
    } else {
        return;
    }
    if (pContainer)
        arrTargets.push_back(pContainer->Getm_pManageFileInfo()->Getm_StrFullPathName());
    // An open drawing is never deleted under the host, nor the type or container holding one.
    if (RefuseOpenDrawings(arrTargets, kCloseFirst))
        return;
    if (ui::MessageBox(this, strPrompt, L"确认删除", ui::MB_YESNO | ui::MB_ICONEXCLAMATION) !=
        ui::IDYES)
        return;

    bool bRoot = pContainer && pContainer == m_pRootNode.get();
    if (bRoot) {
        // The process must not stand in the folder that goes.
        std::error_code ignored;
        std::filesystem::current_path(fs::ToNative(CEditOprt::GetParentPath(arrTargets.front())),
                                      ignored);
    }
    int bDeleted = 1;
    if (!arrTargets.empty()) {
        CBusyScope busy(*this);
        bDeleted = g_XmComonPar.DeleteByShFileOperat(CXmComonPar::GenStringForShFileOp(arrTargets),
                                                     this, 1);
    }
    if (!bDeleted)
        return;

    if (pContainer) {
        ForgetDeletedFolder(arrTargets.front(), this);
        if (bRoot) {
            g_XmComonPar.DeleteRecentDatOrDefaultDatFile(m_nMode, this);
            ClearTrees();
            ReplaceRootNode(nullptr);
            m_CopyOrCutSrcData.Clear();
            return;
        }
        bool bFromXmTree = m_CurSelInfo.m_nTreeUsed == 1;
        if (bFromXmTree)
            m_CurSelInfo.ClearXm();
        m_CurSelInfo.ClearSb();
        CXmSbTreeNodeInfo::DeleteTreeCtrlNode(pContainer, 1);
        if (bFromXmTree)
            RefreshTree(1);
        return;
    }
    if (pStyleNode) {
        CManageFileInfo* pManageFile = pStyleNode->Getm_pManageFileInfo();
        m_CurSelInfo.ClearSb();
        CDrawFileStyleNode::DeleteTreeNode(pStyleNode, 1);
        pManageFile->WriteManageFile();
        return;
    }
    // A drawing: the drawings after it close the gap its number leaves.
    std::wstring strDeletedName = pDrawingNode->Getm_pFileInfoNode()->Getm_strFileName();
    CManageFileInfo* pManageFile = pDrawingNode->Getm_pParentNode()->Getm_pManageFileInfo();
    ui::HTREEITEM hItem = pDrawingNode->GetTreeItem();
    ui::HTREEITEM hNext = hItem ? NextItemInTreeOrder(m_SbTreeCtrl, hItem) : nullptr;
    m_CurSelInfo.ClearSb();
    CDrawTreeFileNode::DeleteTreeNode(pDrawingNode, 1);
    pManageFile->WriteManageFile();
    if (IsRenumberingOn() && RenumberDrawingsFrom(m_SbTreeCtrl, hNext, strDeletedName, 0, 0, this))
        RefreshTree(0);
}
