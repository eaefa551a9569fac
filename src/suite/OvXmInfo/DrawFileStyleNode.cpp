#include "suite/OvXmInfo/DrawFileStyleNode.h"

#include "platform/text/Format.h"
#include "suite/OvXmInfo/FileInfoNode.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/XmSbTreeNodeInfo.h"

CDrawTreeFileNode::CDrawTreeFileNode(CFileInfoNode* pFileInfoNode, CDrawFileStyleNode* pParent)
    : CTreeDataNode(kTreeNodeFile), m_pFileInfoNode(pFileInfoNode), m_pParentNode(pParent) {}

CTreeDataNode* CDrawTreeFileNode::GetParentDataNode() const {
    return m_pParentNode;
}

std::wstring CDrawTreeFileNode::GetFileTextInfoForEdit(const CDrawTreeFileNode* pNode) {
    if (!pNode || !pNode->m_pFileInfoNode)
        return {};
    const CFileInfoNode& file = *pNode->m_pFileInfoNode;
    return text::Format(L"文件名称：%s\r\n文件备注：%s\r\n文件位置：%s", file.Getm_strFileName(),
                        file.Getm_strRemark(), file.Getm_strFullPath());
}

CDrawFileStyleNode::CDrawFileStyleNode(CFileStyleNodeInfo* pFileStyleNodeInfo,
                                       CXmSbTreeNodeInfo* pParent)
    : CTreeDataNode(kTreeNodeStyle), m_pFileStyleNodeInfo(pFileStyleNodeInfo),
      m_pParentNode(pParent) {}

CTreeDataNode* CDrawFileStyleNode::GetParentDataNode() const {
    return m_pParentNode;
}

CManageFileInfo* CDrawFileStyleNode::Getm_pManageFileInfo() const {
    return m_pFileStyleNodeInfo ? m_pFileStyleNodeInfo->Getm_pManageFileInfo() : nullptr;
}

std::wstring CDrawFileStyleNode::GetShownName() const {
    if (!m_pFileStyleNodeInfo)
        return {};
    const CStyleNameNode& names = m_pFileStyleNodeInfo->Getm_StyleNameNode();
    return names.GetstrDisplayName().empty() ? names.GetstrSysTypeName()
                                             : names.GetstrDisplayName();
}

std::wstring CDrawFileStyleNode::GetTwoStyleNameForEditString(const CDrawFileStyleNode* pNode) {
    if (!pNode || !pNode->m_pFileStyleNodeInfo)
        return {};
    const CStyleNameNode& names = pNode->m_pFileStyleNodeInfo->Getm_StyleNameNode();
    return text::Format(L"类型名称：%s\r\n系统类型：%s", pNode->GetShownName(),
                        names.GetstrSysTypeName());
}
