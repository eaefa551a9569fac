#include "suite/OvXmInfo/XmSbTreeNodeInfo.h"

#include "platform/text/WideString.h"
#include "suite/OvXmInfo/FileInfoNode.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmComonPar.h"
#include "suite/OvXmInfo/XmSbInfo.h"

#include <algorithm>

namespace {

std::wstring ContainerName(const CXmSbInfo* pXmSbInfo) {
    return pXmSbInfo ? pXmSbInfo->Getm_pManageFileInfo()->Getm_StrDirName() : std::wstring();
}

std::wstring ManageFilePath(const CXmSbInfo* pXmSbInfo) {
    return pXmSbInfo ? pXmSbInfo->Getm_pManageFileInfo()->Getm_StrManageFilePathName()
                     : std::wstring();
}

int ContainerKind(const CXmSbInfo* pXmSbInfo) {
    return pXmSbInfo && pXmSbInfo->IsXmOfThisNode() ? kTreeNodeProject : kTreeNodeEquipment;
}

// Keeps whether a drawing type's item is open, for when it is inserted again.
void RememberStyle(const CDrawFileStyleNode& styleNode) {
    ui::HTREEITEM hStyle = styleNode.GetTreeItem();
    CManageFileInfo* pManageFile = styleNode.Getm_pManageFileInfo();
    if (!hStyle || !pManageFile)
        return;
    g_XmComonPar.RememberStyleExpanded(
        pManageFile->Getm_StrFullPathName(),
        styleNode.Getm_pFileStyleNodeInfo()->Getm_StyleNameNode().GetstrSysTypeName(),
        styleNode.GetTreeCtrl()->GetItemState(hStyle, ui::TVIS_EXPANDED) != 0);
}

void RememberOpenStyles(const ui::TreeCtrl& tree, ui::HTREEITEM hFirst) {
    for (ui::HTREEITEM hItem = hFirst; hItem; hItem = tree.GetNextSiblingItem(hItem)) {
        CTreeDataNode* pNode = CTreeDataNode::FromTreeItem(tree, hItem);
        if (pNode && pNode->GetNodeKind() == kTreeNodeStyle)
            RememberStyle(*static_cast<CDrawFileStyleNode*>(pNode));
        else if (pNode && pNode->GetNodeKind() == kTreeNodeEquipment)
            RememberOpenStyles(tree, tree.GetChildItem(hItem));
    }
}

} // namespace

CXmSbTreeNodeInfo::CXmSbTreeNodeInfo(CXmSbInfo* pXmSbInfo)
    : CTreeDataNode(ContainerKind(pXmSbInfo)), m_pXmSbInfo(pXmSbInfo), m_pOwnedXmSbInfo(pXmSbInfo),
      m_strManageFilePathName(ManageFilePath(pXmSbInfo)) {}

CXmSbTreeNodeInfo::CXmSbTreeNodeInfo(CXmSbInfo* pXmSbInfo, CXmSbTreeNodeInfo* pParent)
    : CTreeDataNode(ContainerKind(pXmSbInfo)), m_pXmSbInfo(pXmSbInfo), m_pParentNode(pParent),
      m_strManageFilePathName(ManageFilePath(pXmSbInfo)) {}

CXmSbTreeNodeInfo::~CXmSbTreeNodeInfo() {
    // The tree nodes below refer to the record's parts: they go first.
    m_StyleNodeArray.clear();
    m_ChildXmSbNodeArray.clear();
}

CManageFileInfo* CXmSbTreeNodeInfo::Getm_pManageFileInfo() const {
    return m_pXmSbInfo ? m_pXmSbInfo->Getm_pManageFileInfo() : nullptr;
}

void CXmSbTreeNodeInfo::SyncChildNodes() {
    if (!m_pXmSbInfo)
        return;
    // Only records that are among the record's children now are looked at: a node whose
    // record is gone is recognised by its address alone and never asked anything.
    std::vector<std::unique_ptr<CXmSbTreeNodeInfo>> arrKept;
    for (const auto& pRecord : m_pXmSbInfo->Getm_ChildXmSbArray()) {
        auto found = std::find_if(
            m_ChildXmSbNodeArray.begin(), m_ChildXmSbNodeArray.end(), [&](const auto& pNode) {
                return pNode && pNode->m_pXmSbInfo == pRecord.get() &&
                       pNode->m_strManageFilePathName == ManageFilePath(pRecord.get());
            });
        if (found != m_ChildXmSbNodeArray.end())
            arrKept.push_back(std::move(*found));
        else
            arrKept.push_back(
                std::unique_ptr<CXmSbTreeNodeInfo>(new CXmSbTreeNodeInfo(pRecord.get(), this)));
    }
    for (auto& pGone : m_ChildXmSbNodeArray)
        if (pGone) {
            pGone->DeleteChildItems();
            pGone->DeleteTreeItem();
        }
    m_ChildXmSbNodeArray = std::move(arrKept);
}

void CXmSbTreeNodeInfo::InsertChildXmItems() {
    ui::HTREEITEM hItem = GetTreeItem();
    if (!hItem || GetNodeKind() != kTreeNodeProject)
        return;
    SyncChildNodes();
    // Items that exist keep their places; missing ones go after the sibling before them.
    ui::HTREEITEM hAfter = ui::TVI_FIRST;
    for (const auto& pChild : m_ChildXmSbNodeArray) {
        if (pChild->GetNodeKind() != kTreeNodeProject)
            continue;
        ui::HTREEITEM hChild = pChild->InsertTreeItem(ContainerName(pChild->m_pXmSbInfo),
                                                      kImageProject, kImageProject, hItem, hAfter);
        if (hChild)
            hAfter = hChild;
    }
}

int CXmSbTreeNodeInfo::InsertXmSbNameItemToTree(CXmSbTreeNodeInfo* pNode) {
    if (!pNode || !pNode->m_pXmSbInfo || !pNode->GetTreeCtrl())
        return 0;
    bool bProject = pNode->GetNodeKind() == kTreeNodeProject;
    ui::HTREEITEM hParent = ui::TVI_ROOT;
    ui::HTREEITEM hAfter = ui::TVI_LAST;
    if (CXmSbTreeNodeInfo* pParent = pNode->m_pParentNode; pParent && bProject) {
        hParent = pParent->GetTreeItem();
        if (!hParent)
            return 0; // a sub-Project's item lies below its parent's
        hAfter = ui::TVI_FIRST;
        for (const auto& pSibling : pParent->m_ChildXmSbNodeArray) {
            if (pSibling.get() == pNode)
                break;
            if (ui::HTREEITEM hSibling = pSibling->GetTreeItem())
                hAfter = hSibling;
        }
    }
    int nImage = bProject ? kImageProject : kImageEquipment;
    if (!pNode->InsertTreeItem(ContainerName(pNode->m_pXmSbInfo), nImage, nImage, hParent, hAfter))
        return 0;
    if (bProject)
        SerachAndInsertChildXm(pNode);
    return 1;
}

int CXmSbTreeNodeInfo::SerachAndInsertChildXm(CXmSbTreeNodeInfo* pNode) {
    if (!pNode || pNode->GetNodeKind() != kTreeNodeProject || !pNode->GetTreeItem())
        return 0;
    pNode->InsertChildXmItems();
    for (const auto& pChild : pNode->m_ChildXmSbNodeArray) {
        if (pChild->GetNodeKind() != kTreeNodeProject)
            continue;
        pChild->m_pXmSbInfo->SearchVaildChildXmSbOneLevel(1);
        pChild->InsertChildXmItems();
    }
    return 1;
}

int CXmSbTreeNodeInfo::SelectTreeNode(CXmSbTreeNodeInfo* pNode) {
    ui::HTREEITEM hItem = pNode ? pNode->GetTreeItem() : nullptr;
    if (!hItem)
        return 0;
    ui::TreeCtrl* pTree = pNode->GetTreeCtrl();
    pTree->SelectItem(hItem);
    if (pNode->GetTreeItem())
        pTree->Expand(hItem, ui::TVE_EXPAND);
    return 1;
}

int CXmSbTreeNodeInfo::SerachAndInsertChildItem(CXmSbTreeNodeInfo* pNode, int bSortByFileName) {
    if (!pNode || !pNode->m_pXmSbInfo)
        return 0;
    ui::TreeCtrl* pTree = g_XmComonPar.GetpDlgSbTreeCtrl();
    if (!pTree)
        return 0;
    if (pNode->m_bInsertingChildren)
        return 1;
    pNode->m_bInsertingChildren = true;
    if (pNode->GetNodeKind() == kTreeNodeProject) {
        // The content tree shows one Project at a time: whatever it showed goes.
        RememberOpenStyles(*pTree, pTree->GetRootItem());
        pTree->DeleteAllItems();
        pNode->SyncChildNodes();
        for (const auto& pChild : pNode->m_ChildXmSbNodeArray)
            if (pChild->GetNodeKind() == kTreeNodeEquipment)
                pChild->InsertTreeItem(ContainerName(pChild->m_pXmSbInfo), kImageEquipment,
                                       kImageEquipment, ui::TVI_ROOT, ui::TVI_LAST);
        if (bSortByFileName)
            pNode->SortFilesByName();
        pNode->InsertStyleAndFileItems(ui::TVI_ROOT);
    } else if (ui::HTREEITEM hItem = pNode->GetTreeItem()) {
        if (bSortByFileName)
            pNode->SortFilesByName();
        // Items that show the records as they are stay as they are, open or closed.
        if (!pNode->AreChildItemsUpToDate()) {
            pNode->DeleteChildItems();
            if (pNode->GetTreeItem())
                pNode->InsertStyleAndFileItems(hItem);
        }
    }
    pNode->m_bInsertingChildren = false;
    return 1;
}

void CXmSbTreeNodeInfo::SortFilesByName() {
    if (CManageFileInfo* pManageFile = Getm_pManageFileInfo())
        for (const auto& pStyle : pManageFile->Getm_FileStyleNodeArray())
            pStyle->SortFileInfoArrayByFileName();
}

bool CXmSbTreeNodeInfo::AreChildItemsUpToDate() {
    CManageFileInfo* pManageFile = Getm_pManageFileInfo();
    const ui::TreeCtrl* pTree = g_XmComonPar.GetpDlgSbTreeCtrl();
    if (!pManageFile || !pTree)
        return false;
    // Items inserted since the tree last lost an item all still stand.
    bool bStanding = pTree == m_pChildItemsTree && pTree->GetDeletionCount() == m_nChildItemsAt;
    auto item = [pTree, bStanding](const CTreeDataNode& node) {
        return bStanding ? node.StandingItemIn(pTree) : node.ItemIn(pTree);
    };
    const auto& arrStyles = pManageFile->Getm_FileStyleNodeArray();
    if (arrStyles.size() != m_StyleNodeArray.size())
        return false;
    for (size_t nStyle = 0; nStyle < arrStyles.size(); ++nStyle) {
        const CDrawFileStyleNode& styleNode = *m_StyleNodeArray[nStyle];
        const CFileStyleNodeInfo* pStyle = arrStyles[nStyle].get();
        const auto& arrFiles = pStyle->Getm_FileInfoArray();
        if (styleNode.m_pFileStyleNodeInfo != pStyle ||
            styleNode.m_FileNodeArray.size() != arrFiles.size())
            return false;
        if (pStyle->Getm_bIsExistStyleName()) {
            ui::HTREEITEM hStyle = item(styleNode);
            if (!hStyle || hStyle->text != styleNode.GetShownName())
                return false;
        }
        for (size_t nFile = 0; nFile < arrFiles.size(); ++nFile) {
            const CDrawTreeFileNode& fileNode = *styleNode.m_FileNodeArray[nFile];
            ui::HTREEITEM hFile = item(fileNode);
            if (fileNode.Getm_pFileInfoNode() != arrFiles[nFile].get() || !hFile ||
                hFile->text != arrFiles[nFile]->Getm_strFileName())
                return false;
        }
    }
    m_pChildItemsTree = pTree;
    m_nChildItemsAt = pTree->GetDeletionCount();
    return true;
}

void CXmSbTreeNodeInfo::InsertStyleAndFileItems(ui::HTREEITEM hParent) {
    m_StyleNodeArray.clear();
    CManageFileInfo* pManageFile = Getm_pManageFileInfo();
    ui::TreeCtrl* pTree = g_XmComonPar.GetpDlgSbTreeCtrl();
    if (!pManageFile || !pTree)
        return;
    m_StyleNodeArray.reserve(pManageFile->Getm_FileStyleNodeArray().size());
    for (const auto& pStyle : pManageFile->Getm_FileStyleNodeArray()) {
        auto pStyleNode = std::make_unique<CDrawFileStyleNode>(pStyle.get(), this);
        pStyleNode->m_FileNodeArray.reserve(pStyle->Getm_FileInfoArray().size());
        for (const auto& pFile : pStyle->Getm_FileInfoArray())
            pStyleNode->m_FileNodeArray.push_back(
                std::make_unique<CDrawTreeFileNode>(pFile.get(), pStyleNode.get()));
        m_StyleNodeArray.push_back(std::move(pStyleNode));
    }
    // The types first, each with its drawings; the drawings without type after them.
    const std::wstring& strFolder = pManageFile->Getm_StrFullPathName();
    for (int bNamed : {1, 0}) {
        for (const auto& pStyleNode : m_StyleNodeArray) {
            CFileStyleNodeInfo* pStyle = pStyleNode->m_pFileStyleNodeInfo;
            if (pStyle->Getm_bIsExistStyleName() != bNamed)
                continue;
            ui::HTREEITEM hFiles = hParent;
            if (bNamed)
                hFiles =
                    pStyleNode->InsertTreeItemIn(pTree, pStyleNode->GetShownName(), kImageStyle,
                                                 kImageStyleOpen, hParent, ui::TVI_LAST);
            for (const auto& pFileNode : pStyleNode->m_FileNodeArray)
                pFileNode->InsertTreeItemIn(pTree,
                                            pFileNode->Getm_pFileInfoNode()->Getm_strFileName(),
                                            kImageDrawing, kImageDrawing, hFiles, ui::TVI_LAST);
            if (bNamed && g_XmComonPar.WasStyleExpanded(
                              strFolder, pStyle->Getm_StyleNameNode().GetstrSysTypeName()))
                pTree->Expand(hFiles, ui::TVE_EXPAND);
        }
    }
    m_pChildItemsTree = pTree;
    m_nChildItemsAt = pTree->GetDeletionCount();
}

void CXmSbTreeNodeInfo::DeleteChildItems() {
    // A selection among the items that go moves to this node's item (or to nothing) once,
    // before anything is deleted, instead of from item to item as they go.
    for (ui::TreeCtrl* pTree :
         {g_XmComonPar.GetpDlgXmTreeCtrl(), g_XmComonPar.GetpDlgSbTreeCtrl()}) {
        if (!pTree)
            continue;
        CTreeDataNode* pSelected = FromTreeItem(*pTree, pTree->GetSelectedItem());
        if (pSelected && pSelected != this && pSelected->IsInSubTreeOf(this))
            pTree->SelectItem(GetTreeCtrl() == pTree ? GetTreeItem() : nullptr);
    }
    for (const auto& pStyleNode : m_StyleNodeArray) {
        RememberStyle(*pStyleNode);
        for (const auto& pFileNode : pStyleNode->m_FileNodeArray)
            pFileNode->DeleteTreeItem();
        pStyleNode->DeleteTreeItem();
    }
    for (const auto& pChild : m_ChildXmSbNodeArray) {
        pChild->DeleteChildItems();
        pChild->DeleteTreeItem();
    }
}

void CXmSbTreeNodeInfo::ExpandAll() {
    if (ui::HTREEITEM hItem = GetTreeItem())
        GetTreeCtrl()->Expand(hItem, ui::TVE_EXPAND);
    for (const auto& pStyleNode : m_StyleNodeArray)
        if (ui::HTREEITEM hStyle = pStyleNode->GetTreeItem())
            pStyleNode->GetTreeCtrl()->Expand(hStyle, ui::TVE_EXPAND);
    for (const auto& pChild : m_ChildXmSbNodeArray) {
        if (pChild->GetNodeKind() == kTreeNodeProject)
            SerachAndInsertChildXm(pChild.get());
        else if (pChild->GetTreeItem())
            SerachAndInsertChildItem(pChild.get(), 0);
        pChild->ExpandAll();
    }
}

int CXmSbTreeNodeInfo::ExpandAllThisTreeNode(CXmSbTreeNodeInfo* pNode) {
    if (!pNode || !pNode->m_pXmSbInfo)
        return 0;
    if (pNode->GetNodeKind() == kTreeNodeProject)
        SerachAndInsertChildXm(pNode);
    pNode->ExpandAll();
    return 1;
}

std::wstring CXmSbTreeNodeInfo::GetNameAndExplainStr(const CXmSbTreeNodeInfo* pNode) {
    CManageFileInfo* pManageFile = pNode ? pNode->Getm_pManageFileInfo() : nullptr;
    if (!pManageFile)
        return {};
    std::wstring strText = (pNode->GetNodeKind() == kTreeNodeProject ? L"项目：" : L"设备：") +
                           pManageFile->Getm_StrDirName();
    for (const CExplainInfoNode& entry : pManageFile->Getm_ExplainInfoArray())
        strText += L"\r\n" + entry.Getm_StrTitle() + L"：" + entry.Getm_StrValue();
    return strText;
}

int CXmSbTreeNodeInfo::DeleteTreeCtrlNode(CXmSbTreeNodeInfo* pNode, int bDeleteDataNode) {
    if (!pNode)
        return 0;
    pNode->DeleteChildItems();
    pNode->DeleteTreeItem();
    if (!bDeleteDataNode)
        return 1;
    CXmSbTreeNodeInfo* pParent = pNode->m_pParentNode;
    if (!pParent)
        return 0;
    CXmSbInfo* pRecord = pNode->m_pXmSbInfo;
    auto& siblings = pParent->m_ChildXmSbNodeArray;
    siblings.erase(std::remove_if(siblings.begin(), siblings.end(),
                                  [pNode](const auto& p) { return p.get() == pNode; }),
                   siblings.end()); // destroys the node
    return pRecord ? pRecord->DeleteTreeDataNode() : 1;
}

int CXmSbTreeNodeInfo::DeleteTreeCtrlChildNode(CXmSbTreeNodeInfo* pNode) {
    if (!pNode)
        return 0;
    pNode->DeleteChildItems();
    if (ui::HTREEITEM hItem = pNode->GetTreeItem()) {
        ui::TreeCtrl* pTree = pNode->GetTreeCtrl();
        while (ui::HTREEITEM hChild = pTree->GetChildItem(hItem))
            pTree->DeleteItem(hChild);
    }
    return 1;
}
