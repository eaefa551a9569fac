#pragma once
// CTreeDataNode: what an item of the management window's trees stands for. Each node has at
// most one item: a Project's lies in the project tree, an Equipment's, a drawing type's and a
// drawing's in the content tree. The item carries the node's address as its data and the node
// keeps the item's handle; both are checked before either is believed. A node that goes
// takes its address out of its item, so that an item left behind never leads to it, and a
// handle whose item was deleted is never taken for the node's.

// The item data of the window's trees is the library's alone.

#include "platform/ui/TreeCtrl.h"

// The kinds of nodes, as FindSelTreeNodeByHtreeitem reports them; 4 stands for nothing.
inline constexpr int kTreeNodeProject = 0;
inline constexpr int kTreeNodeEquipment = 1;
inline constexpr int kTreeNodeStyle = 2;
inline constexpr int kTreeNodeFile = 3;
inline constexpr int kTreeNodeNone = 4;

class CTreeDataNode {
public:
    virtual ~CTreeDataNode();
    CTreeDataNode(const CTreeDataNode&) = delete;
    CTreeDataNode& operator=(const CTreeDataNode&) = delete;

    int GetNodeKind() const { return m_nKind; }
    // The node this one hangs below (null for a root).
    virtual CTreeDataNode* GetParentDataNode() const = 0;

    // The tree the node's item belongs in: the project tree for a Project, else the content
    // tree (null while the library has no trees).
    ui::TreeCtrl* GetTreeCtrl() const;
    // The node's item, or null when it has none (never inserted, or deleted since).
    ui::HTREEITEM GetTreeItem() const { return ItemIn(GetTreeCtrl()); }
    // The same for a caller that holds the node's tree already (null for another tree).
    ui::HTREEITEM ItemIn(const ui::TreeCtrl* pTree) const;
    // The same for a caller that knows that no item of the tree was deleted since the node's
    // item was inserted (TreeCtrl::GetDeletionCount), so the handle needs no look-up.
    ui::HTREEITEM StandingItemIn(const ui::TreeCtrl* pTree) const {
        return pTree && pTree == m_pTree && m_hTreeItem &&
                       m_hTreeItem->data == reinterpret_cast<uintptr_t>(this)
                   ? m_hTreeItem
                   : nullptr;
    }
    // The node that the item stands for, when it is one that exists; else null.
    static CTreeDataNode* FromTreeItem(const ui::TreeCtrl& tree, ui::HTREEITEM hItem);
    // Whether this node is the given one or lies below it.
    bool IsInSubTreeOf(const CTreeDataNode* pAncestor) const;

    // Inserts the node's item below hParent after hAfter; a node that has its item keeps it
    // where it is. The item's handle, or null.
    ui::HTREEITEM InsertTreeItem(const std::wstring& strText, int nImage, int nSelectedImage,
                                 ui::HTREEITEM hParent, ui::HTREEITEM hAfter);
    // The same for a caller that holds the node's tree already (GetTreeCtrl's answer).
    ui::HTREEITEM InsertTreeItemIn(ui::TreeCtrl* pTree, const std::wstring& strText, int nImage,
                                   int nSelectedImage, ui::HTREEITEM hParent, ui::HTREEITEM hAfter);
    // Deletes the node's item (and the items below it); nothing when it has none.
    void DeleteTreeItem();
    // When the node's item or one below it is selected, selects the item beside it (the next,
    // else the previous, else the parent) while the records still match the items, so that
    // the window's answer to the selection change finds nothing to rebuild; a node about to go
    // calls it before it changes anything.
    void MoveSelectionAway();

protected:
    // The kind is fixed when the node is made: a record's kind never changes, and asking a
    // record that may be gone would be no answer.
    explicit CTreeDataNode(int nKind);

private:
    int m_nKind;
    ui::TreeCtrl* m_pTree = nullptr; // the tree the item was inserted in
    ui::HTREEITEM m_hTreeItem = nullptr;
};
