#pragma once
// CManageFileInfo: one management file (".itm" for a Project, ".prj" for an Equipment): its
// description entries and its drawing types with their files, read from and written to the
// layout of ManageFileText.h.

#include "suite/OvXmInfo/ExplainInfoNode.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/PendingManageFile.h"

#include <memory>
#include <string>
#include <vector>

class CAllStyNameInfo;

namespace ui {
class Window;
}

class CManageFileInfo {
public:
    // The two extensions, without the dot.
    static std::wstring Getm_StrXmFileExt() { return L"itm"; }
    static std::wstring Getm_StrSbFileExt() { return L"prj"; }

    // The drawing-type catalogue shared by every management file (not owned).
    static void Setm_AllStyNameInfo(CAllStyNameInfo* pAllStyNameInfo);
    static CAllStyNameInfo* Getm_AllStyNameInfo();

    CManageFileInfo() = default;
    CManageFileInfo(const CManageFileInfo&) = delete;
    CManageFileInfo& operator=(const CManageFileInfo&) = delete;

    // Reads the file. 0 (after the command-line message "... 文件打不开，错误码为 %d" or
    // "... 文件格式不对，不能正常读取文件信息。") when it cannot be opened, is not a ".itm" or
    // ".prj" file, or its description block is incomplete; the entries read so far stay.
    int ReadManageFile(const std::wstring& strManageFilePathName);
    // The same for a file that may not be there: -1, without a message, when no file has
    // exactly this path (case included).
    int ReadManageFileIfPresent(const std::wstring& strManageFilePathName);
    // Rewrites the file: description block, the lines the reader kept aside, the content
    // section, "$EOF". The old file is replaced only by a complete new one; a file that holds
    // exactly those bytes already is not written at all. 0 (after a command-line message) when
    // it could not be written.
    int WriteManageFile();
    // The cause (an errno value) of the last write that failed, for a dialog that shows why.
    int Getm_nLastWriteError() const { return m_nLastWriteError; }
    // The text WriteManageFile writes, each line ended by CR LF.
    std::wstring GetManageFileText() const;

    const std::wstring& Getm_StrManageFilePathName() const { return m_StrManageFilePathName; }
    // The container's folder and name.
    const std::wstring& Getm_StrFullPathName() const { return m_StrFullPathName; }
    const std::wstring& Getm_StrDirName() const { return m_StrDirName; }
    int Getm_IsXmManageFile() const { return m_IsXmManageFile; }
    std::vector<CExplainInfoNode>& Getm_ExplainInfoArray() {
        EnsureExplain();
        return m_ExplainInfoArray;
    }
    const std::vector<CExplainInfoNode>& Getm_ExplainInfoArray() const {
        EnsureExplain();
        return m_ExplainInfoArray;
    }
    // The drawing types in file order; the group without type, when there is one, first.
    const std::vector<std::unique_ptr<CFileStyleNodeInfo>>& Getm_FileStyleNodeArray() const {
        EnsureContent();
        return m_FileStyleNodeArray;
    }

    // Names the management file after the folder (folder\name.itm or folder\name.prj); the
    // file records lie in that folder from now on. Nothing is read or written.
    void SetPath_FileNameByFullPath(const std::wstring& strFolder, int bIsXm);

    // Non-zero when the path names a management file of the kind that may be opened: it has
    // the kind's extension, exists, and is named after its folder. With bShowMessage a refusal
    // is explained in a message box (texts in docs/records.md).
    static int JudgeInputManageNameValid(const std::wstring& strPath, int bIsXm, ui::Window* pWnd,
                                         int bShowMessage);

    // Adds a drawing type chosen by its display name (its system name from the catalogue).
    // 0 for an empty name; 0 with a message box for a name the file cannot hold or a type the
    // container already has (pNewStyle is then that type).
    int AddOneNewStyData(const std::wstring& strDisplayName, ui::Window* pWnd,
                         CFileStyleNodeInfo*& pNewStyle);
    // Enters the files of a type (of this or another container) under pDestStyle, or under
    // the type of the same name, made when missing. Files another type of this container
    // already lists are left out; the text says which (empty when all went in).
    std::wstring AddStyleAndFileByInputNode(const CFileStyleNodeInfo& srcStyle,
                                            CFileStyleNodeInfo* pDestStyle = nullptr);
    // Enters a file without type; null when that group already lists the name.
    CFileInfoNode* AddNoStyleFileByInputNode(const CFileInfoNode& fileNode);
    CFileInfoNode* AddNoStyleFileByInputFileName(const std::wstring& strFileName);

    // The type that lists the file (the group without type included), or null.
    CFileStyleNodeInfo* FindStyNodeByInputFileName(const std::wstring& strFileName) const;
    // The named type whose system or display name is exactly the name, or null.
    CFileStyleNodeInfo* FindStyNodeByInputSysOrDisName(const std::wstring& strName) const;
    CFileStyleNodeInfo* GetOrCreateNewNullStyleNodeIfNoExist();

    // Renames a type to a display name. When another type already has that name, the files
    // join it and the renamed type goes. The type that now carries the name, or null when the
    // name cannot be used.
    CFileStyleNodeInfo* ModfyStyleNameToNew(CFileStyleNodeInfo* pStyle,
                                            const std::wstring& strNewName);
    // Removes a type and the records of its files (the files themselves stay).
    int DeleteStyleNode(CFileStyleNodeInfo* pStyle);

private:
    static int CanNameStyle(const std::wstring& strName);
    // Whether the file on disk holds these bytes already.
    bool IsFileUpToDate(const std::string& strBytes) const;
    CFileStyleNodeInfo* AddStyle(CStyleNameNode styleName, int bIsExistStyleName);
    void Clear();
    int Read(const std::wstring& strManageFilePathName, bool* pMissing);
    // The description and the content section become records when first asked for: a
    // Project's window reads the management file of every Equipment below it but shows the
    // description and drawings of one at a time.
    void EnsureExplain() const {
        if (m_bExplainPending) {
            m_bExplainPending = false;
            m_PendingFile.TakeEntries(m_ExplainInfoArray, m_StrManageFilePathName);
        }
    }
    void EnsureContent() const {
        if (m_bContentPending)
            LoadContent();
    }
    void LoadContent() const;

    std::wstring m_StrManageFilePathName;
    std::wstring m_StrFullPathName;
    std::wstring m_StrDirName;
    int m_IsXmManageFile = 0;
    mutable std::vector<CExplainInfoNode> m_ExplainInfoArray;
    // The file as read, until its description and content are first asked for.
    mutable xmfile::PendingManageFile m_PendingFile;
    mutable bool m_bExplainPending = false;
    mutable bool m_bContentPending = false;
    mutable std::vector<std::unique_ptr<CFileStyleNodeInfo>> m_FileStyleNodeArray;
    // Lines of the file outside the description block and the content section, kept so that
    // rewriting the file loses nothing another program may have put there.
    mutable std::vector<std::wstring> m_arrOtherLines;
    mutable std::vector<std::wstring> m_arrLinesAfterEof;
    int m_nLastWriteError = 0;
};
