// The drawing types and file records of CManageFileInfo.

#include "suite/OvXmInfo/ManageFileInfo.h"

#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"

#include <algorithm>

int CManageFileInfo::CanNameStyle(const std::wstring& strName) {
    // A type is stored as a header line "name:", which a "<" would turn into a file line.
    return !strName.empty() && strName.find_first_of(L"<\r\n") == std::wstring::npos;
}

CFileStyleNodeInfo* CManageFileInfo::AddStyle(CStyleNameNode styleName, int bIsExistStyleName) {
    EnsureContent();
    auto pStyle = std::make_unique<CFileStyleNodeInfo>(std::move(styleName), bIsExistStyleName);
    pStyle->m_pManageFileInfo = this;
    // The group without type always stands first, where the file keeps it.
    auto position = bIsExistStyleName ? m_FileStyleNodeArray.end() : m_FileStyleNodeArray.begin();
    return m_FileStyleNodeArray.insert(position, std::move(pStyle))->get();
}

int CManageFileInfo::AddOneNewStyData(const std::wstring& strDisplayName, ui::Window* pWnd,
                                      CFileStyleNodeInfo*& pNewStyle) {
    pNewStyle = nullptr;
    std::wstring strName = text::Trim(strDisplayName);
    if (strName.empty())
        return 0;
    if (!CanNameStyle(strName)) {
        ui::MessageBox(pWnd, text::Format(L"类型名称“%s”中不能包括字符'<'。", strName),
                       L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return 0;
    }
    CStyleNameNode styleName = CStyleNameNode::FromDisplayName(strName);
    CFileStyleNodeInfo* pExisting = FindStyNodeByInputSysOrDisName(strName);
    if (!pExisting)
        pExisting = FindStyNodeByInputSysOrDisName(styleName.GetstrSysTypeName());
    if (pExisting) {
        pNewStyle = pExisting;
        ui::MessageBox(pWnd, text::Format(L"已经存在类型“%s”。", strName), L"Tessaline",
                       ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return 0;
    }
    pNewStyle = AddStyle(std::move(styleName), 1);
    return 1;
}

std::wstring CManageFileInfo::AddStyleAndFileByInputNode(const CFileStyleNodeInfo& srcStyle,
                                                         CFileStyleNodeInfo* pDestStyle) {
    if (!pDestStyle) {
        if (!srcStyle.Getm_bIsExistStyleName())
            pDestStyle = GetOrCreateNewNullStyleNodeIfNoExist();
        else {
            const std::wstring& strSysName = srcStyle.Getm_StyleNameNode().GetstrSysTypeName();
            pDestStyle = FindStyNodeByInputSysOrDisName(strSysName);
            if (!pDestStyle)
                pDestStyle = AddStyle(CStyleNameNode::FromSysName(strSysName), 1);
        }
    }
    if (pDestStyle == &srcStyle)
        return {};
    std::vector<std::wstring> arrRefused;
    // Copied first: a move within this container takes records out of the source type.
    std::vector<CFileInfoNode> arrFiles;
    for (const auto& pFile : srcStyle.Getm_FileInfoArray())
        arrFiles.push_back(*pFile);
    for (const CFileInfoNode& file : arrFiles) {
        if (pDestStyle->IsExistInputFileName(file.Getm_strFileName()))
            continue;
        CFileStyleNodeInfo* pHolder = FindStyNodeByInputFileName(file.Getm_strFileName());
        if (pHolder == &srcStyle) {
            // The source type is one of ours: its record moves to the destination.
            pHolder->DeleteFileNode(pHolder->FindFileNode(file.Getm_strFileName()));
        } else if (pHolder) {
            arrRefused.push_back(
                pHolder->Getm_bIsExistStyleName()
                    ? text::Format(L"在类型“%s”下,已经存在同名文件“%s”",
                                   pHolder->Getm_StyleNameNode().GetstrDisplayName(),
                                   file.Getm_strFileName())
                    : text::Format(L"在无类型的文件中,已经存在同名文件“%s”",
                                   file.Getm_strFileName()));
            continue;
        }
        pDestStyle->AddOneFileNodeByInputNode(file);
    }
    if (arrRefused.empty())
        return {};
    std::wstring strTarget =
        pDestStyle->Getm_bIsExistStyleName()
            ? text::Format(L"类型“%s”", pDestStyle->Getm_StyleNameNode().GetstrDisplayName())
            : std::wstring(L"无类型的文件");
    return text::Join(arrRefused, L"\n") + L"\n" + text::Format(L"这些文件没有加入%s。", strTarget);
}

CFileInfoNode* CManageFileInfo::AddNoStyleFileByInputNode(const CFileInfoNode& fileNode) {
    return GetOrCreateNewNullStyleNodeIfNoExist()->AddOneFileNodeByInputNode(fileNode);
}

CFileInfoNode* CManageFileInfo::AddNoStyleFileByInputFileName(const std::wstring& strFileName) {
    return GetOrCreateNewNullStyleNodeIfNoExist()->InsertOneFileInfoToArray(strFileName, L"");
}

CFileStyleNodeInfo*
CManageFileInfo::FindStyNodeByInputFileName(const std::wstring& strFileName) const {
    EnsureContent();
    for (const auto& pStyle : m_FileStyleNodeArray)
        if (pStyle->IsExistInputFileName(strFileName))
            return pStyle.get();
    return nullptr;
}

CFileStyleNodeInfo*
CManageFileInfo::FindStyNodeByInputSysOrDisName(const std::wstring& strName) const {
    EnsureContent();
    if (strName.empty())
        return nullptr;
    for (const auto& pStyle : m_FileStyleNodeArray) {
        const CStyleNameNode& name = pStyle->Getm_StyleNameNode();
        if (pStyle->Getm_bIsExistStyleName() &&
            (name.GetstrSysTypeName() == strName || name.GetstrDisplayName() == strName))
            return pStyle.get();
    }
    return nullptr;
}

CFileStyleNodeInfo* CManageFileInfo::GetOrCreateNewNullStyleNodeIfNoExist() {
    EnsureContent();
    if (!m_FileStyleNodeArray.empty() && !m_FileStyleNodeArray.front()->Getm_bIsExistStyleName())
        return m_FileStyleNodeArray.front().get();
    return AddStyle(CStyleNameNode(), 0);
}

CFileStyleNodeInfo* CManageFileInfo::ModfyStyleNameToNew(CFileStyleNodeInfo* pStyle,
                                                         const std::wstring& strNewName) {
    std::wstring strName = text::Trim(strNewName);
    if (!pStyle || pStyle->Getm_pManageFileInfo() != this || !pStyle->Getm_bIsExistStyleName() ||
        !CanNameStyle(strName))
        return nullptr;
    CStyleNameNode styleName = CStyleNameNode::FromDisplayName(strName);
    CFileStyleNodeInfo* pOther = FindStyNodeByInputSysOrDisName(strName);
    if (!pOther)
        pOther = FindStyNodeByInputSysOrDisName(styleName.GetstrSysTypeName());
    if (!pOther || pOther == pStyle) {
        pStyle->Setm_StyleNameNode(styleName);
        return pStyle;
    }
    for (const auto& pFile : pStyle->Getm_FileInfoArray())
        pOther->AddOneFileNodeByInputNode(*pFile);
    DeleteStyleNode(pStyle);
    return pOther;
}

int CManageFileInfo::DeleteStyleNode(CFileStyleNodeInfo* pStyle) {
    EnsureContent();
    auto found = std::find_if(m_FileStyleNodeArray.begin(), m_FileStyleNodeArray.end(),
                              [pStyle](const auto& p) { return p.get() == pStyle; });
    if (found == m_FileStyleNodeArray.end())
        return 0;
    m_FileStyleNodeArray.erase(found);
    return 1;
}
