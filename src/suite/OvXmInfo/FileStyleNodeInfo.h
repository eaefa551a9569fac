#pragma once
// CFileStyleNodeInfo: one drawing type of a management file with its files in order, or the
// group of files without type (which has no type name).

#include "suite/OvXmInfo/FileInfoNode.h"
#include "suite/OvXmInfo/StyleNameNode.h"

#include <memory>
#include <string>
#include <vector>

class CManageFileInfo;

class CFileStyleNodeInfo {
public:
    CFileStyleNodeInfo(CStyleNameNode styleName, int bIsExistStyleName)
        : m_StyleNameNode(std::move(styleName)), m_bIsExistStyleName(bIsExistStyleName) {}
    CFileStyleNodeInfo(const CFileStyleNodeInfo&) = delete;
    CFileStyleNodeInfo& operator=(const CFileStyleNodeInfo&) = delete;

    const CStyleNameNode& Getm_StyleNameNode() const { return m_StyleNameNode; }
    void Setm_StyleNameNode(const CStyleNameNode& styleName) { m_StyleNameNode = styleName; }
    // 0 for the group of files without type.
    int Getm_bIsExistStyleName() const { return m_bIsExistStyleName; }
    const std::vector<std::unique_ptr<CFileInfoNode>>& Getm_FileInfoArray() const {
        return m_FileInfoArray;
    }
    CManageFileInfo* Getm_pManageFileInfo() const { return m_pManageFileInfo; }

    // The full paths of the type's files, in order.
    void GetFilePathNameStrArray(std::vector<std::wstring>& arrPaths) const;
    // Non-zero when the type holds a file of that name (compared without regard to case).
    int IsExistInputFileName(const std::wstring& strFileName) const;
    CFileInfoNode* FindFileNode(const std::wstring& strFileName) const;

    // Adds a record with the node's name and remark, after pAfter when that is one of this
    // type's records, else at the end. A name the type already holds is not added twice: the
    // result is then null and nothing changes.
    CFileInfoNode* AddOneFileNodeByInputNode(const CFileInfoNode& fileNode,
                                             const CFileInfoNode* pAfter = nullptr);
    CFileInfoNode* InsertOneFileInfoToArray(const std::wstring& strFileName,
                                            const std::wstring& strRemark,
                                            const CFileInfoNode* pAfter = nullptr);
    // Puts the records in file-name order (without regard to case; equal names keep their
    // order).
    void SortFileInfoArrayByFileName();
    // Removes and destroys one of this type's records; 0 when it is not one of them.
    int DeleteFileNode(const CFileInfoNode* pFileNode);

    // Removes this type from its management file and destroys it. Its files stay in the
    // container: their records join the group without type (a name already there is not
    // repeated). 0 for the group without type itself or a type that belongs to no file.
    int DeleteStyleOnly();

private:
    friend class CManageFileInfo;

    CStyleNameNode m_StyleNameNode;
    int m_bIsExistStyleName = 1;
    std::vector<std::unique_ptr<CFileInfoNode>> m_FileInfoArray;
    CManageFileInfo* m_pManageFileInfo = nullptr;
};
