#pragma once
// CXmSbTreeNodeInfo: a Project or Equipment as the management window's trees show it. The root
// node owns the open container's record; every other node stands for one of the child
// containers of its parent's record. A Project's item lies in the project tree, with its
// sub-Projects below it; an Equipment's lies in the content tree, with its drawing types
// (CDrawFileStyleNode) and the drawings of each below it, and after them the drawings without
// type. In the content tree of a Project window the selected Project's Equipments are the top
// items, followed by the Project's own drawing types and drawings.
//
// The functions take the node they work on, as the window calls them; each works on the trees
// the window handed to g_XmComonPar and does nothing (0) without them.

#include "suite/OvXmInfo/DrawFileStyleNode.h"
#include "suite/OvXmInfo/TreeDataNode.h"

#include <memory>
#include <string>
#include <vector>

class CManageFileInfo;
class CXmSbInfo;

class CXmSbTreeNodeInfo : public CTreeDataNode {
public:
    // A root node: it takes the record over.
    explicit CXmSbTreeNodeInfo(CXmSbInfo* pXmSbInfo);
    ~CXmSbTreeNodeInfo() override;

    CTreeDataNode* GetParentDataNode() const override { return m_pParentNode; }
    CXmSbTreeNodeInfo* Getm_pParentNode() const { return m_pParentNode; }
    CXmSbInfo* Getm_pXmSbInfo() const { return m_pXmSbInfo; }
    CManageFileInfo* Getm_pManageFileInfo() const;
    const std::vector<std::unique_ptr<CXmSbTreeNodeInfo>>& Getm_ChildXmSbNodeArray() const {
        return m_ChildXmSbNodeArray;
    }

    // Gives the node its item (a Project in the project tree with its sub-Projects below it,
    // each with its own sub-Projects, so that it shows whether it can open; an Equipment in the
    // content tree). Items that exist are kept.
    static int InsertXmSbNameItemToTree(CXmSbTreeNodeInfo* pNode);
    // Selects the node's item and opens it.
    static int SelectTreeNode(CXmSbTreeNodeInfo* pNode);
    // Opens the node's item and every item below it; a Project's Equipments get their types
    // and drawings first, so that everything shows.
    static int ExpandAllThisTreeNode(CXmSbTreeNodeInfo* pNode);
    // A Project: the content tree is emptied and shows its Equipments, then its own drawing
    // types and drawings. An Equipment: its item gets its drawing types and drawings anew.
    // With bSortByFileName the drawings of each type are put in file-name order, in the
    // records too (so that writing the management file keeps that order).
    static int SerachAndInsertChildItem(CXmSbTreeNodeInfo* pNode, int bSortByFileName);
    // The sub-Projects of each of the node's sub-Projects get their items, so that they show
    // whether they can open (the node itself was opened).
    static int SerachAndInsertChildXm(CXmSbTreeNodeInfo* pNode);
    // The container's name and description, one "title：value" line each.
    static std::wstring GetNameAndExplainStr(const CXmSbTreeNodeInfo* pNode);
    // Removes the node's item and the items below it; with bDeleteDataNode the node (and its
    // record) is removed from its parent and destroyed too, which a root node cannot be.
    static int DeleteTreeCtrlNode(CXmSbTreeNodeInfo* pNode, int bDeleteDataNode);
    // Removes the items below the node's item and the items of everything below the node.
    static int DeleteTreeCtrlChildNode(CXmSbTreeNodeInfo* pNode);
    // Selects the container whose folder is given (without regard to case), searching the node
    // and everything below it; an Equipment of another Project than the one shown is shown
    // first, by selecting its Project. 0 when there is none that has an item.
    static int SerachAndSelectXmSbTreeNode(CXmSbTreeNodeInfo* pNode, const std::wstring& strFolder);
    // Selects the drawing type (nKind 2, by system or display name) or the drawing (3, by file
    // name) of the container whose folder is given. A type name that is empty stands for the
    // drawings without type, which have no item: the container is selected then.
    static int SerachAndSelectStyDwgTreeNode(CXmSbTreeNodeInfo* pNode,
                                             const std::wstring& strFolder,
                                             const std::wstring& strName, int nKind);
    // The node of the container whose folder is given (nKind 0 or 1), of its drawing type by
    // system name (2) or of its drawing by file name (3; compared without regard to case),
    // searched in pNode and below it; null when there is none. Types and drawings are found
    // among the nodes the container's items were last made from, whether they still have
    // items or not.
    static CTreeDataNode* FindTreeDataNode(CXmSbTreeNodeInfo* pNode, const std::wstring& strFolder,
                                           const std::wstring& strName, int nKind);
    // The node of an item of the project tree (bXmTree 1) or the content tree (0), looked for
    // in pNode and below it, and its kind; 0 (node null, kind 4) when the item is none of
    // them.
    static int FindSelTreeNodeByHtreeitem(CXmSbTreeNodeInfo* pNode, ui::HTREEITEM hItem,
                                          int bXmTree, CTreeDataNode*& pFoundNode, int& nKind);

private:
    friend class CDrawFileStyleNode;
    friend class CDrawTreeManageFileInfo;

    CXmSbTreeNodeInfo(CXmSbInfo* pXmSbInfo, CXmSbTreeNodeInfo* pParent);
    // Brings the child nodes in step with the record's child containers: nodes of containers
    // still there are kept, new ones made, the others removed with their items.
    void SyncChildNodes();
    // Gives the node's sub-Projects their items (the node's item exists).
    void InsertChildXmItems();
    void InsertStyleAndFileItems(ui::HTREEITEM hParent);
    void SortFilesByName();
    // Whether the items below the node show its types and drawings as the records have them
    // now, in the same order and with the same names.
    bool AreChildItemsUpToDate();
    // Removes the items of everything below the node, remembering open drawing types.
    void DeleteChildItems();
    void ExpandAll();
    // Makes an Equipment's item and its drawings' items exist, so that they can be selected.
    void ShowInContentTree();
    CXmSbTreeNodeInfo* FindContainer(const std::wstring& strFolder);

    CXmSbInfo* m_pXmSbInfo;
    std::unique_ptr<CXmSbInfo> m_pOwnedXmSbInfo; // the root's record
    CXmSbTreeNodeInfo* m_pParentNode = nullptr;
    // The record's management file when the node was made: with the record's address it tells
    // the node's record from another one made later at the same address.
    std::wstring m_strManageFilePathName;
    std::vector<std::unique_ptr<CXmSbTreeNodeInfo>> m_ChildXmSbNodeArray;
    std::vector<std::unique_ptr<CDrawFileStyleNode>> m_StyleNodeArray;
    // Set while the node's types and drawings are being inserted: the selection changes that
    // this causes must not start the same work again.
    bool m_bInsertingChildren = false;
    // The content tree and its deletion count when the items below the node were last found
    // (or made) to show its records.
    const ui::TreeCtrl* m_pChildItemsTree = nullptr;
    uint64_t m_nChildItemsAt = 0;
};
