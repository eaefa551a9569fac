#include "suite/OvXmInfo/TreeDataNode.h"

#include "suite/OvXmInfo/XmComonPar.h"

CTreeDataNode::CTreeDataNode(int nKind) : m_nKind(nKind) {}

CTreeDataNode::~CTreeDataNode() {
    // The item itself stays where it is: the window empties its trees itself, and deleting
    // items here would send it selection changes about nodes that are being destroyed. It only
    // forgets this node.
    if (ui::IsWindowAlive(m_pTree) && m_pTree->IsItem(m_hTreeItem) &&
        m_hTreeItem->data == reinterpret_cast<uintptr_t>(this))
        m_pTree->SetItemData(m_hTreeItem, 0);
}

ui::TreeCtrl* CTreeDataNode::GetTreeCtrl() const {
    return GetNodeKind() == kTreeNodeProject ? g_XmComonPar.GetpDlgXmTreeCtrl()
                                             : g_XmComonPar.GetpDlgSbTreeCtrl();
}

ui::HTREEITEM CTreeDataNode::ItemIn(const ui::TreeCtrl* pTree) const {
    if (!pTree || pTree != m_pTree || !pTree->IsItem(m_hTreeItem) ||
        m_hTreeItem->data != reinterpret_cast<uintptr_t>(this))
        return nullptr;
    return m_hTreeItem;
}

CTreeDataNode* CTreeDataNode::FromTreeItem(const ui::TreeCtrl& tree, ui::HTREEITEM hItem) {
    if (!tree.IsItem(hItem))
        return nullptr;
    // Item data is either 0 or the address of a node that exists (nodes take it back when they
    // go); the node must still claim the item.
    auto* pNode = reinterpret_cast<CTreeDataNode*>(hItem->data);
    return pNode && pNode->ItemIn(&tree) == hItem ? pNode : nullptr;
}

bool CTreeDataNode::IsInSubTreeOf(const CTreeDataNode* pAncestor) const {
    for (const CTreeDataNode* pWalk = this; pWalk; pWalk = pWalk->GetParentDataNode())
        if (pWalk == pAncestor)
            return true;
    return false;
}

ui::HTREEITEM CTreeDataNode::InsertTreeItem(const std::wstring& strText, int nImage,
                                            int nSelectedImage, ui::HTREEITEM hParent,
                                            ui::HTREEITEM hAfter) {
    return InsertTreeItemIn(GetTreeCtrl(), strText, nImage, nSelectedImage, hParent, hAfter);
}

ui::HTREEITEM CTreeDataNode::InsertTreeItemIn(ui::TreeCtrl* pTree, const std::wstring& strText,
                                              int nImage, int nSelectedImage, ui::HTREEITEM hParent,
                                              ui::HTREEITEM hAfter) {
    if (!pTree)
        return nullptr;
    if (ui::HTREEITEM hItem = ItemIn(pTree))
        return hItem;
    m_pTree = pTree;
    m_hTreeItem = pTree->InsertItem(strText, nImage, nSelectedImage, hParent, hAfter);
    if (m_hTreeItem)
        pTree->SetItemData(m_hTreeItem, reinterpret_cast<uintptr_t>(this));
    return m_hTreeItem;
}

void CTreeDataNode::DeleteTreeItem() {
    if (ui::HTREEITEM hItem = GetTreeItem())
        GetTreeCtrl()->DeleteItem(hItem);
    m_hTreeItem = nullptr;
}

void CTreeDataNode::MoveSelectionAway() {
    ui::TreeCtrl* pTree = GetTreeCtrl();
    ui::HTREEITEM hItem = GetTreeItem();
    if (!hItem)
        return;
    for (ui::HTREEITEM hWalk = pTree->GetSelectedItem(); hWalk; hWalk = pTree->GetParentItem(hWalk))
        if (hWalk == hItem) {
            ui::HTREEITEM hBeside = pTree->GetNextSiblingItem(hItem);
            if (!hBeside)
                hBeside = pTree->GetPrevSiblingItem(hItem);
            if (!hBeside)
                hBeside = pTree->GetParentItem(hItem);
            pTree->SelectItem(hBeside);
            return;
        }
}
