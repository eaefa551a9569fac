// Refreshing the management window's trees and sorting the drawings by file name: what was
// selected is remembered by folder and name, the trees are rebuilt and it is selected again.

#include "drawing/EditOprt.h"
#include "manager/ManageDlg.h"
#include "platform/ui/WaitCursor.h"
#include "suite/OvXmInfo/FileInfoNode.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmSbTreeNodeInfo.h"

namespace {

const std::wstring& FolderOf(const CXmSbTreeNodeInfo* pNode) {
    return pNode->Getm_pManageFileInfo()->Getm_StrFullPathName();
}

const std::wstring& SysNameOf(const CDrawFileStyleNode* pStyle) {
    return pStyle->Getm_pFileStyleNodeInfo()->Getm_StyleNameNode().GetstrSysTypeName();
}

} // namespace

CManageDlg::CRememberedSelection CManageDlg::RememberSelection() const {
    CRememberedSelection remembered;
    if (m_nMode == 1 && m_CurSelInfo.m_pXmNode) {
        remembered.nKind = 0;
        remembered.strFolder = FolderOf(m_CurSelInfo.m_pXmNode);
        remembered.pXmNode = m_CurSelInfo.m_pXmNode;
        remembered.pParentXmNode = m_CurSelInfo.m_pXmNode->Getm_pParentNode();
    }
    CTreeDataNode* pNode = m_CurSelInfo.m_pSbNode;
    if (!pNode)
        return remembered;
    if (m_CurSelInfo.m_nSbKind == 1) {
        remembered.nKind = 1;
        remembered.strFolder = FolderOf(static_cast<CXmSbTreeNodeInfo*>(pNode));
    } else if (m_CurSelInfo.m_nSbKind == 2) {
        auto* pStyle = static_cast<CDrawFileStyleNode*>(pNode);
        remembered.nKind = 2;
        remembered.strName = SysNameOf(pStyle);
        remembered.strFolder = FolderOf(pStyle->Getm_pParentNode());
    } else if (m_CurSelInfo.m_nSbKind == 3 && m_SbTreeCtrl.GetCount() > 0) {
        auto* pDrawing = static_cast<CDrawTreeFileNode*>(pNode);
        const CFileInfoNode* pFile = pDrawing->Getm_pFileInfoNode();
        remembered.nKind = 3;
        remembered.strName = pFile->Getm_strFileName();
        remembered.strFolder = pFile->Getm_strFullPath();
        // A drawing that is gone by now is found no more: its type is selected instead.
        if (!CEditOprt::IsFileExist(pFile->GetFilePathName())) {
            remembered.nKind = 2;
            remembered.strName = SysNameOf(pDrawing->Getm_pParentNode());
        }
    }
    return remembered;
}

void CManageDlg::SelectAgain(const CRememberedSelection& remembered) {
    if (remembered.nKind == 2 || remembered.nKind == 3)
        CXmSbTreeNodeInfo::SerachAndSelectStyDwgTreeNode(m_pRootNode.get(), remembered.strFolder,
                                                         remembered.strName, remembered.nKind);
    else if ((remembered.nKind == 0 || remembered.nKind == 1) && m_nMode == 1)
        CXmSbTreeNodeInfo::SerachAndSelectXmSbTreeNode(m_pRootNode.get(), remembered.strFolder);
}

void CManageDlg::RefreshTree(int bFull) {
    ui::CWaitCursor waitCursor;
    CRememberedSelection remembered = RememberSelection();
    CollectExpandedEquipmentNames(m_arrExpandedNames);
    if (bFull) {
        std::wstring strPath;
        CEditOprt::ReadFirstLine(RememberedPathFile(), strPath);
        if (!LoadManageFile(strPath, m_nMode)) {
            ClearTrees();
            ReplaceRootNode(nullptr);
            return;
        }
    } else if (m_pRootNode) {
        CXmSbTreeNodeInfo* pStart = remembered.pXmNode ? remembered.pXmNode : m_pRootNode.get();
        if (m_nMode == 0) {
            m_SbTreeCtrl.DeleteAllItems();
            m_CurSelInfo.ClearSb();
            CXmSbTreeNodeInfo::DeleteTreeCtrlNode(pStart, 0);
        } else {
            CXmSbTreeNodeInfo::DeleteTreeCtrlChildNode(pStart);
        }
        CXmSbTreeNodeInfo* pRebuild =
            remembered.pParentXmNode ? remembered.pParentXmNode : m_pRootNode.get();
        CXmSbTreeNodeInfo::InsertXmSbNameItemToTree(pRebuild);
        // Selecting the root again must tell the window, as selecting another item does.
        if (pRebuild == m_pRootNode.get())
            (m_nMode == 1 ? m_XmTreeCtrl : m_SbTreeCtrl).SelectItem(nullptr);
        CXmSbTreeNodeInfo::SelectTreeNode(pRebuild);
        RescanContentTree();
    }
    SelectAgain(remembered);
    m_strLastDefaultPath.clear();
}

void CManageDlg::SortByFileName() {
    m_nSortFlag = 1;
    CRememberedSelection remembered = RememberSelection();
    std::wstring strPath;
    CEditOprt::ReadFirstLine(RememberedPathFile(), strPath);
    if (!LoadManageFile(strPath, m_nMode)) {
        ClearTrees();
        ReplaceRootNode(nullptr);
    } else {
        SelectAgain(remembered);
        WriteSelectedManageFiles();
    }
    m_nSortFlag = 0;
}

void CManageDlg::WriteSelectedManageFiles() {
    // The management file that owns a selected drawing's type, else the selected Project's;
    // then the one of the selected Equipment, type or drawing.
    auto fileOfContent = [this]() -> CManageFileInfo* {
        CTreeDataNode* pNode = m_CurSelInfo.m_pSbNode;
        switch (pNode ? m_CurSelInfo.m_nSbKind : 4) {
        case 1:
            return static_cast<CXmSbTreeNodeInfo*>(pNode)->Getm_pManageFileInfo();
        case 2:
            return static_cast<CDrawFileStyleNode*>(pNode)->Getm_pManageFileInfo();
        case 3:
            return static_cast<CDrawTreeFileNode*>(pNode)
                ->Getm_pParentNode()
                ->Getm_pManageFileInfo();
        default:
            return nullptr;
        }
    };
    CManageFileInfo* pFirst = m_CurSelInfo.m_nSbKind == 3 ? fileOfContent()
                              : m_CurSelInfo.m_pXmNode
                                  ? m_CurSelInfo.m_pXmNode->Getm_pManageFileInfo()
                                  : nullptr;
    if (pFirst)
        pFirst->WriteManageFile();
    if (CManageFileInfo* pContent = fileOfContent(); pContent && pContent != pFirst)
        pContent->WriteManageFile();
}
