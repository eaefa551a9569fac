#include "suite/OvXmInfo/TreeDataNode.h"

#include "suite/OvXmInfo/XmComonPar.h"

#include <unordered_set>

namespace {

// The nodes that exist now: an item's data is believed only when it names one of them.
std::unordered_set<const CTreeDataNode*>& LiveNodes() {
    static auto* nodes = new std::unordered_set<const CTreeDataNode*>();
    return *nodes;
}

} // namespace

CTreeDataNode::CTreeDataNode(int nKind) : m_nKind(nKind) {
    LiveNodes().insert(this);
}

CTreeDataNode::~CTreeDataNode() {
    // The item stays where it is: the window empties its trees itself, and deleting items
    // here would send it selection changes about nodes that are being destroyed.
    LiveNodes().erase(this);
}

ui::TreeCtrl* CTreeDataNode::GetTreeCtrl() const {
    return GetNodeKind() == kTreeNodeProject ? g_XmComonPar.GetpDlgXmTreeCtrl()
                                             : g_XmComonPar.GetpDlgSbTreeCtrl();
}

ui::HTREEITEM CTreeDataNode::GetTreeItem() const {
    ui::TreeCtrl* pTree = GetTreeCtrl();
    if (!pTree || !pTree->IsItem(m_hTreeItem) ||
        pTree->GetItemData(m_hTreeItem) != reinterpret_cast<uintptr_t>(this))
        return nullptr;
    return m_hTreeItem;
}

CTreeDataNode* CTreeDataNode::FromTreeItem(const ui::TreeCtrl& tree, ui::HTREEITEM hItem) {
    if (!tree.IsItem(hItem))
        return nullptr;
    auto* pNode = reinterpret_cast<CTreeDataNode*>(tree.GetItemData(hItem));
    if (!LiveNodes().count(pNode) || pNode->GetTreeCtrl() != &tree || pNode->GetTreeItem() != hItem)
        return nullptr;
    return pNode;
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
    if (ui::HTREEITEM hItem = GetTreeItem())
        return hItem;
    ui::TreeCtrl* pTree = GetTreeCtrl();
    if (!pTree)
        return nullptr;
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
