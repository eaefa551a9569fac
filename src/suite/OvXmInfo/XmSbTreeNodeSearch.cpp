// Finding the items of containers, drawing types and drawings again by folder and name, and
// the node an item stands for.

#include "platform/text/WideString.h"
#include "suite/OvXmInfo/FileInfoNode.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmComonPar.h"
#include "suite/OvXmInfo/XmSbTreeNodeInfo.h"

CXmSbTreeNodeInfo* CXmSbTreeNodeInfo::FindContainer(const std::wstring& strFolder) {
    CManageFileInfo* pManageFile = Getm_pManageFileInfo();
    if (pManageFile &&
        text::EqualsNoCase(pManageFile->Getm_StrFullPathName(), text::TrimRight(strFolder, L"\\")))
        return this;
    SyncChildNodes();
    for (const auto& pChild : m_ChildXmSbNodeArray)
        if (CXmSbTreeNodeInfo* pFound = pChild->FindContainer(strFolder))
            return pFound;
    return nullptr;
}

void CXmSbTreeNodeInfo::ShowInContentTree() {
    // An Equipment of a Project other than the one whose Equipments the content tree shows
    // has no item: selecting its Project fills the content tree with them (the window does
    // that when the project tree's selection changes).
    if (GetNodeKind() == kTreeNodeEquipment && !GetTreeItem() && m_pParentNode)
        if (ui::HTREEITEM hProject = m_pParentNode->GetTreeItem();
            hProject && m_pParentNode->GetNodeKind() == kTreeNodeProject)
            m_pParentNode->GetTreeCtrl()->SelectItem(hProject);
    // An Equipment whose drawings were never shown gets them now.
    if (GetNodeKind() == kTreeNodeEquipment && GetTreeItem())
        SerachAndInsertChildItem(this, 0);
}

int CXmSbTreeNodeInfo::SerachAndSelectXmSbTreeNode(CXmSbTreeNodeInfo* pNode,
                                                   const std::wstring& strFolder) {
    CXmSbTreeNodeInfo* pFound = pNode ? pNode->FindContainer(strFolder) : nullptr;
    if (pFound && pFound->GetNodeKind() == kTreeNodeEquipment && !pFound->GetTreeItem())
        pFound->ShowInContentTree();
    ui::HTREEITEM hItem = pFound ? pFound->GetTreeItem() : nullptr;
    if (!hItem)
        return 0;
    pFound->GetTreeCtrl()->SelectItem(hItem);
    return 1;
}

int CXmSbTreeNodeInfo::SerachAndSelectStyDwgTreeNode(CXmSbTreeNodeInfo* pNode,
                                                     const std::wstring& strFolder,
                                                     const std::wstring& strName, int nKind) {
    CXmSbTreeNodeInfo* pContainer = pNode ? pNode->FindContainer(strFolder) : nullptr;
    if (!pContainer || (nKind != kTreeNodeStyle && nKind != kTreeNodeFile))
        return 0;
    pContainer->ShowInContentTree();
    CTreeDataNode* pTarget = nullptr;
    for (const auto& pStyleNode : pContainer->m_StyleNodeArray) {
        const CFileStyleNodeInfo* pStyle = pStyleNode->m_pFileStyleNodeInfo;
        const CStyleNameNode& names = pStyle->Getm_StyleNameNode();
        if (nKind == kTreeNodeStyle) {
            if (!pStyle->Getm_bIsExistStyleName()
                    ? strName.empty()
                    : names.GetstrSysTypeName() == strName || names.GetstrDisplayName() == strName)
                pTarget = pStyle->Getm_bIsExistStyleName()
                              ? static_cast<CTreeDataNode*>(pStyleNode.get())
                              : pContainer;
        } else {
            for (const auto& pFileNode : pStyleNode->m_FileNodeArray)
                if (text::EqualsNoCase(pFileNode->Getm_pFileInfoNode()->Getm_strFileName(),
                                       strName))
                    pTarget = pFileNode.get();
        }
        if (pTarget)
            break;
    }
    ui::HTREEITEM hItem = pTarget ? pTarget->GetTreeItem() : nullptr;
    if (!hItem)
        return 0;
    pTarget->GetTreeCtrl()->SelectItem(hItem);
    return 1;
}

int CXmSbTreeNodeInfo::FindSelTreeNodeByHtreeitem(CXmSbTreeNodeInfo* pNode, ui::HTREEITEM hItem,
                                                  int bXmTree, CTreeDataNode*& pFoundNode,
                                                  int& nKind) {
    pFoundNode = nullptr;
    nKind = kTreeNodeNone;
    ui::TreeCtrl* pTree =
        bXmTree ? g_XmComonPar.GetpDlgXmTreeCtrl() : g_XmComonPar.GetpDlgSbTreeCtrl();
    if (!pNode || !pTree)
        return 0;
    CTreeDataNode* pFound = FromTreeItem(*pTree, hItem);
    if (!pFound || !pFound->IsInSubTreeOf(pNode))
        return 0;
    pFoundNode = pFound;
    nKind = pFound->GetNodeKind();
    return 1;
}

CTreeDataNode* CXmSbTreeNodeInfo::FindTreeDataNode(CXmSbTreeNodeInfo* pNode,
                                                   const std::wstring& strFolder,
                                                   const std::wstring& strName, int nKind) {
    CXmSbTreeNodeInfo* pContainer = pNode ? pNode->FindContainer(strFolder) : nullptr;
    if (!pContainer || nKind == kTreeNodeProject || nKind == kTreeNodeEquipment)
        return pContainer;
    for (const auto& pStyleNode : pContainer->m_StyleNodeArray) {
        const CFileStyleNodeInfo* pStyle = pStyleNode->m_pFileStyleNodeInfo;
        if (nKind == kTreeNodeStyle) {
            if (pStyle->Getm_bIsExistStyleName() &&
                pStyle->Getm_StyleNameNode().GetstrSysTypeName() == strName)
                return pStyleNode.get();
            continue;
        }
        for (const auto& pFileNode : pStyleNode->m_FileNodeArray)
            if (text::EqualsNoCase(pFileNode->Getm_pFileInfoNode()->Getm_strFileName(), strName))
                return pFileNode.get();
    }
    return nullptr;
}
