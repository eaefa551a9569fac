#include "suite/OvXmInfo/DrawTreeManageFileInfo.h"

#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmSbTreeNodeInfo.h"

CDrawFileStyleNode* CDrawTreeManageFileInfo::ModfyStyleNameToNew(CXmSbTreeNodeInfo* pContainer,
                                                                 const std::wstring& strNewName,
                                                                 CDrawFileStyleNode* pStyleNode) {
    if (!pContainer || !pStyleNode || pStyleNode->Getm_pParentNode() != pContainer)
        return nullptr;
    CFileStyleNodeInfo* pRecord = pStyleNode->Getm_pFileStyleNodeInfo();
    CManageFileInfo* pManageFile = pContainer->Getm_pManageFileInfo();
    if (!pRecord || !pManageFile)
        return nullptr;
    // A merge destroys the renamed type's record: its node goes first, while it may still
    // look at it.
    CDrawFileStyleNode::DeleteTreeNode(pStyleNode, 0);
    CFileStyleNodeInfo* pResult = pManageFile->ModfyStyleNameToNew(pRecord, strNewName);
    CXmSbTreeNodeInfo::SerachAndInsertChildItem(pContainer, 0);
    if (!pResult)
        return nullptr;
    for (const auto& pNode : pContainer->m_StyleNodeArray)
        if (pNode->Getm_pFileStyleNodeInfo() == pResult)
            return pNode.get();
    return nullptr;
}
