#pragma once
// CFileInfoNode: one file of a drawing type, its name, its remark and the folder it lies in
// (the folder of the container whose management file lists it).

#include <string>

class CFileStyleNodeInfo;

namespace ui {
class Window;
}

class CFileInfoNode {
public:
    CFileInfoNode() = default;
    CFileInfoNode(std::wstring strFileName, std::wstring strRemark, std::wstring strFullPath)
        : m_strFileName(std::move(strFileName)), m_strRemark(std::move(strRemark)),
          m_strFullPath(std::move(strFullPath)) {}
    // A copy is a free record: it belongs to no type until one takes it.
    CFileInfoNode(const CFileInfoNode& other)
        : m_strFileName(other.m_strFileName), m_strRemark(other.m_strRemark),
          m_strFullPath(other.Getm_strFullPath()) {}
    CFileInfoNode& operator=(const CFileInfoNode&) = delete;

    const std::wstring& Getm_strFileName() const { return m_strFileName; }
    const std::wstring& Getm_strRemark() const { return m_strRemark; }
    // The folder: that of the container whose management file lists the record, so that it
    // follows the container when that is renamed; a free record keeps its own.
    const std::wstring& Getm_strFullPath() const;
    void Setm_strFileName(const std::wstring& strFileName) { m_strFileName = strFileName; }
    void Setm_strRemark(const std::wstring& strRemark) { m_strRemark = strRemark; }
    void Setm_strFullPath(const std::wstring& strFullPath) { m_strFullPath = strFullPath; }

    // Folder and file name.
    std::wstring GetFilePathName() const;
    // Non-zero for a drawing (".dwg", any case).
    int IsDwgFileName() const;

    // The window that answers the library's title-block requests (the management window; null
    // when there is none or it is gone), and the number of the request message, registered by
    // its name so that every module of the process agrees on it.
    static void Setm_hWndOprtDwgBtl(ui::Window* pWnd);
    static ui::Window* Getm_hWndOprtDwgBtl();
    static unsigned GetuiGetDwgBtlInfo_Message();

    CFileStyleNodeInfo* Getm_pStyleNode() const { return m_pStyleNode; }
    // Removes this record from its type and destroys it; the file itself stays. 0 for a
    // record that belongs to no type (it is then left alone).
    int DeleteTreeDataNode();

private:
    friend class CFileStyleNodeInfo;
    friend class CManageFileInfo;

    std::wstring m_strFileName;
    std::wstring m_strRemark;
    std::wstring m_strFullPath;
    CFileStyleNodeInfo* m_pStyleNode = nullptr;
};
