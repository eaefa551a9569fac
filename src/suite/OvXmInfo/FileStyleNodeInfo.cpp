#include "suite/OvXmInfo/FileStyleNodeInfo.h"

#include "platform/text/WideString.h"
#include "suite/OvXmInfo/ManageFileInfo.h"

#include <algorithm>

void CFileStyleNodeInfo::GetFilePathNameStrArray(std::vector<std::wstring>& arrPaths) const {
    arrPaths.clear();
    for (const auto& pFile : m_FileInfoArray)
        arrPaths.push_back(pFile->GetFilePathName());
}

int CFileStyleNodeInfo::IsExistInputFileName(const std::wstring& strFileName) const {
    return FindFileNode(strFileName) ? 1 : 0;
}

CFileInfoNode* CFileStyleNodeInfo::FindFileNode(const std::wstring& strFileName) const {
    for (const auto& pFile : m_FileInfoArray)
        if (text::EqualsNoCase(pFile->Getm_strFileName(), strFileName))
            return pFile.get();
    return nullptr;
}

CFileInfoNode* CFileStyleNodeInfo::AddOneFileNodeByInputNode(const CFileInfoNode& fileNode,
                                                             const CFileInfoNode* pAfter) {
    return InsertOneFileInfoToArray(fileNode.Getm_strFileName(), fileNode.Getm_strRemark(), pAfter);
}

CFileInfoNode* CFileStyleNodeInfo::InsertOneFileInfoToArray(const std::wstring& strFileName,
                                                            const std::wstring& strRemark,
                                                            const CFileInfoNode* pAfter) {
    if (text::Trim(strFileName).empty() || IsExistInputFileName(strFileName))
        return nullptr;
    auto pFile = std::make_unique<CFileInfoNode>(strFileName, strRemark, std::wstring());
    pFile->m_pStyleNode = this;
    auto position = std::find_if(m_FileInfoArray.begin(), m_FileInfoArray.end(),
                                 [pAfter](const auto& p) { return p.get() == pAfter; });
    if (position != m_FileInfoArray.end())
        ++position;
    return m_FileInfoArray.insert(position, std::move(pFile))->get();
}

void CFileStyleNodeInfo::SortFileInfoArrayByFileName() {
    std::stable_sort(
        m_FileInfoArray.begin(), m_FileInfoArray.end(), [](const auto& a, const auto& b) {
            return text::CompareNoCase(a->Getm_strFileName(), b->Getm_strFileName()) < 0;
        });
}

int CFileStyleNodeInfo::DeleteFileNode(const CFileInfoNode* pFileNode) {
    auto found = std::find_if(m_FileInfoArray.begin(), m_FileInfoArray.end(),
                              [pFileNode](const auto& p) { return p.get() == pFileNode; });
    if (found == m_FileInfoArray.end())
        return 0;
    m_FileInfoArray.erase(found);
    return 1;
}

int CFileStyleNodeInfo::DeleteStyleOnly() {
    if (!m_bIsExistStyleName || !m_pManageFileInfo)
        return 0;
    CManageFileInfo* pManageFile = m_pManageFileInfo;
    if (!m_FileInfoArray.empty()) {
        CFileStyleNodeInfo* pNoStyle = pManageFile->GetOrCreateNewNullStyleNodeIfNoExist();
        for (const auto& pFile : m_FileInfoArray)
            pNoStyle->AddOneFileNodeByInputNode(*pFile);
    }
    return pManageFile->DeleteStyleNode(this); // destroys this object
}
