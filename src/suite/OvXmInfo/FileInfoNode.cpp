#include "suite/OvXmInfo/FileInfoNode.h"

#include "platform/text/WideString.h"
#include "platform/ui/Window.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmInfoPath.h"

namespace {
ui::Window* g_pWndOprtDwgBtl = nullptr;
}

void CFileInfoNode::Setm_hWndOprtDwgBtl(ui::Window* pWnd) {
    g_pWndOprtDwgBtl = pWnd;
}

ui::Window* CFileInfoNode::Getm_hWndOprtDwgBtl() {
    return ui::IsWindowAlive(g_pWndOprtDwgBtl) ? g_pWndOprtDwgBtl : nullptr;
}

unsigned CFileInfoNode::GetuiGetDwgBtlInfo_Message() {
    static const unsigned nMessage = ui::RegisterWindowMessageW(L"OvXmInfo_GetDwgBtlInfo");
    return nMessage;
}

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
