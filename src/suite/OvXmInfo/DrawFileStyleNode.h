#pragma once
// The drawing types and drawings of a container as the management window's content tree shows
// them: CDrawFileStyleNode for a type (or for the group of drawings without type, which has no
// item of its own: its drawings hang directly below the container's item) and
// CDrawTreeFileNode for a drawing (any file the management file lists).

#include "suite/OvXmInfo/TreeDataNode.h"

#include <memory>
#include <string>
#include <vector>

class CFileInfoNode;
class CFileStyleNodeInfo;
class CManageFileInfo;
class CXmSbTreeNodeInfo;
class CDrawFileStyleNode;

class CDrawTreeFileNode : public CTreeDataNode {
public:
    CDrawTreeFileNode(CFileInfoNode* pFileInfoNode, CDrawFileStyleNode* pParent);

    CTreeDataNode* GetParentDataNode() const override;
    CDrawFileStyleNode* Getm_pParentNode() const { return m_pParentNode; }
    CFileInfoNode* Getm_pFileInfoNode() const { return m_pFileInfoNode; }

    // The drawing's information for the user: its name, remark and folder, and what the
    // title-block reader finds in it (asked through the window that answers title-block
    // requests, when there is one).
    static std::wstring GetFileTextInfoForEdit(const CDrawTreeFileNode* pNode);

    // Removes the drawing's item and the node from its type's node (which destroys it); with
    // bDeleteDataNode the drawing's record goes from its management file too (the file on disk
    // stays). 0 for a node that belongs to no type node.
    static int DeleteTreeNode(CDrawTreeFileNode* pNode, int bDeleteDataNode);

private:
    CFileInfoNode* m_pFileInfoNode;
    CDrawFileStyleNode* m_pParentNode;
};

class CDrawFileStyleNode : public CTreeDataNode {
public:
    CDrawFileStyleNode(CFileStyleNodeInfo* pFileStyleNodeInfo, CXmSbTreeNodeInfo* pParent);

    CTreeDataNode* GetParentDataNode() const override;
    CXmSbTreeNodeInfo* Getm_pParentNode() const { return m_pParentNode; }
    CFileStyleNodeInfo* Getm_pFileStyleNodeInfo() const { return m_pFileStyleNodeInfo; }
    // The management file the type belongs to.
    CManageFileInfo* Getm_pManageFileInfo() const;
    // The name shown for the type: its display name, else its system name.
    const std::wstring& GetShownName() const;

    // The type's display and system names, one line each.
    static std::wstring GetTwoStyleNameForEditString(const CDrawFileStyleNode* pNode);

    // Removes the type's item and its drawings' items and the node from its container's node
    // (which destroys it); with bDeleteDataNode the type's record and its files' records go
    // from the management file too (the files on disk stay). Without it the record is not
    // touched, so that a caller may remove or merge it afterwards. 0 for a node that belongs
    // to no container node.
    static int DeleteTreeNode(CDrawFileStyleNode* pNode, int bDeleteDataNode);
    // After the type's files were moved away: the records of its files that are gone from
    // disk go (with their nodes), and the type itself when none is left. 1 when the type went.
    static int DeleteTreeDataNodeIfFileDel(CDrawFileStyleNode* pNode);

private:
    friend class CXmSbTreeNodeInfo;
    friend class CDrawTreeFileNode;

    CFileStyleNodeInfo* m_pFileStyleNodeInfo;
    CXmSbTreeNodeInfo* m_pParentNode;
    std::vector<std::unique_ptr<CDrawTreeFileNode>> m_FileNodeArray;
};
