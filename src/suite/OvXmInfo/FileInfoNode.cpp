#include "suite/OvXmInfo/FileInfoNode.h"

#include "platform/text/WideString.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/XmInfoPath.h"

#include "suite/OvXmInfo/ManageFileInfo.h"

const std::wstring& CFileInfoNode::Getm_strFullPath() const {
    if (m_pStyleNode && m_pStyleNode->Getm_pManageFileInfo())
        return m_pStyleNode->Getm_pManageFileInfo()->Getm_StrFullPathName();
    return m_strFullPath;
}

std::wstring CFileInfoNode::GetFilePathName() const {
    return xmpath::Join(Getm_strFullPath(), m_strFileName);
}

int CFileInfoNode::IsDwgFileName() const {
    return text::EqualsNoCase(xmpath::Extension(m_strFileName), L"dwg") ? 1 : 0;
}

int CFileInfoNode::DeleteTreeDataNode() {
    return m_pStyleNode ? m_pStyleNode->DeleteFileNode(this) : 0;
}
