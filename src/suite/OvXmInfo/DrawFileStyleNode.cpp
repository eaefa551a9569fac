#include "suite/OvXmInfo/DrawFileStyleNode.h"

#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/Window.h"
#include "suite/OvDwgBtlInfo/OvDwgBtlInfo.h"
#include "suite/OvXmInfo/FileInfoNode.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmSbTreeNodeInfo.h"

#include <algorithm>

CDrawTreeFileNode::CDrawTreeFileNode(CFileInfoNode* pFileInfoNode, CDrawFileStyleNode* pParent)
    : CTreeDataNode(kTreeNodeFile), m_pFileInfoNode(pFileInfoNode), m_pParentNode(pParent) {}

CTreeDataNode* CDrawTreeFileNode::GetParentDataNode() const {
    return m_pParentNode;
}

std::wstring CDrawTreeFileNode::GetFileTextInfoForEdit(const CDrawTreeFileNode* pNode) {
    if (!pNode || !pNode->m_pFileInfoNode)
        return {};
    const CFileInfoNode& file = *pNode->m_pFileInfoNode;
    std::wstring strText =
        text::Format(L"文件名称：%s\r\n文件备注：%s\r\n文件位置：%s", file.Getm_strFileName(),
                     file.Getm_strRemark(), file.Getm_strFullPath());
    // The title block is read by the window's title-block reader: the request goes to the
    // window, which answers it at once, with the request's address as the message parameter.
    ui::Window* pWnd = CFileInfoNode::Getm_hWndOprtDwgBtl();
    if (!pWnd || !file.IsDwgFileName())
        return strText;
    OvDwgBtlInfoRequest request;
    request.strDwgPathName = file.GetFilePathName();
    pWnd->SendMessage(CFileInfoNode::GetuiGetDwgBtlInfo_Message(),
                      reinterpret_cast<ui::WPARAM>(&request));
    std::vector<std::wstring> arrLabels;
    for (const OvTitleCell& cell : request.arrCells)
        arrLabels.push_back(cell.strLabel);
    return strText + L"\r\n标题栏：" +
           (request.nFound ? text::Join(arrLabels, L"、") : std::wstring(L"无"));
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

const std::wstring& CDrawFileStyleNode::GetShownName() const {
    static const std::wstring kNone;
    if (!m_pFileStyleNodeInfo)
        return kNone;
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

int CDrawTreeFileNode::DeleteTreeNode(CDrawTreeFileNode* pNode, int bDeleteDataNode) {
    CDrawFileStyleNode* pParent = pNode ? pNode->m_pParentNode : nullptr;
    if (!pParent)
        return 0;
    pNode->MoveSelectionAway();
    // The node leaves its parent first and is destroyed on the way out.
    auto& siblings = pParent->m_FileNodeArray;
    auto found = std::find_if(siblings.begin(), siblings.end(),
                              [pNode](const auto& p) { return p.get() == pNode; });
    if (found == siblings.end())
        return 0;
    std::unique_ptr<CDrawTreeFileNode> pGone = std::move(*found);
    siblings.erase(found);
    pGone->DeleteTreeItem();
    CFileInfoNode* pRecord = pGone->m_pFileInfoNode;
    if (bDeleteDataNode && pRecord)
        pRecord->DeleteTreeDataNode();
    return 1;
}

int CDrawFileStyleNode::DeleteTreeNode(CDrawFileStyleNode* pNode, int bDeleteDataNode) {
    CXmSbTreeNodeInfo* pParent = pNode ? pNode->m_pParentNode : nullptr;
    if (!pParent)
        return 0;
    pNode->MoveSelectionAway();
    for (const auto& pFileNode : pNode->m_FileNodeArray)
        pFileNode->MoveSelectionAway();
    // The node leaves its container first and is destroyed on the way out. The items go
    // without a look at the records: a caller may have changed them already.
    auto& siblings = pParent->m_StyleNodeArray;
    auto found = std::find_if(siblings.begin(), siblings.end(),
                              [pNode](const auto& p) { return p.get() == pNode; });
    if (found == siblings.end())
        return 0;
    std::unique_ptr<CDrawFileStyleNode> pGone = std::move(*found);
    siblings.erase(found);
    for (const auto& pFileNode : pGone->m_FileNodeArray)
        pFileNode->DeleteTreeItem();
    pGone->DeleteTreeItem();
    CFileStyleNodeInfo* pRecord = pGone->m_pFileStyleNodeInfo;
    if (bDeleteDataNode && pRecord && pRecord->Getm_pManageFileInfo())
        pRecord->Getm_pManageFileInfo()->DeleteStyleNode(pRecord);
    return 1;
}

int CDrawFileStyleNode::DeleteTreeDataNodeIfFileDel(CDrawFileStyleNode* pNode) {
    if (!pNode || !pNode->m_pFileStyleNodeInfo)
        return 0;
    std::vector<CDrawTreeFileNode*> arrGone;
    for (const auto& pFileNode : pNode->m_FileNodeArray)
        if (!fs::Exists(pFileNode->Getm_pFileInfoNode()->GetFilePathName()))
            arrGone.push_back(pFileNode.get());
    for (CDrawTreeFileNode* pGone : arrGone)
        CDrawTreeFileNode::DeleteTreeNode(pGone, 1);
    // Records the node had no drawing node for are looked at too.
    CFileStyleNodeInfo* pRecord = pNode->m_pFileStyleNodeInfo;
    std::vector<const CFileInfoNode*> arrGoneRecords;
    for (const auto& pFile : pRecord->Getm_FileInfoArray())
        if (!fs::Exists(pFile->GetFilePathName()))
            arrGoneRecords.push_back(pFile.get());
    for (const CFileInfoNode* pGone : arrGoneRecords)
        pRecord->DeleteFileNode(pGone);
    if (!pRecord->Getm_FileInfoArray().empty())
        return 0;
    return DeleteTreeNode(pNode, 1);
}
