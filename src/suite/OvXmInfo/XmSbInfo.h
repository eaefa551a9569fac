#pragma once
// CXmSbInfo: a Project or an Equipment: its management file and, for a Project, the child
// containers one folder down (the folders S that hold S.itm, a sub-Project, or S.prj, an
// Equipment).

#include "suite/OvXmInfo/ManageFileInfo.h"

#include <memory>
#include <string>
#include <vector>

namespace ui {
class Window;
}

class CXmSbInfo {
public:
    CXmSbInfo() = default;
    CXmSbInfo(const CXmSbInfo&) = delete;
    CXmSbInfo& operator=(const CXmSbInfo&) = delete;

    // Loads the container from its management file; non-zero on success. Children found
    // before are dropped.
    int SetPrimerInfoByInputManageFilePathName(const std::wstring& strManageFilePathName);

    CManageFileInfo* Getm_pManageFileInfo() { return &m_ManageFileInfo; }
    const CManageFileInfo* Getm_pManageFileInfo() const { return &m_ManageFileInfo; }
    CXmSbInfo* Getm_pParentNode() const { return m_pParentNode; }
    const std::vector<std::unique_ptr<CXmSbInfo>>& Getm_ChildXmSbArray() const {
        return m_ChildXmSbArray;
    }
    // Non-zero for a Project.
    int IsXmOfThisNode() const { return m_ManageFileInfo.Getm_IsXmManageFile(); }

    // Finds the child containers of a Project, in folder-name order, each loaded from its
    // management file (a file that cannot be read is reported and left out). With bOnlyOnce
    // a node that was searched before is left as it is; otherwise the folder is searched
    // again: children still there keep their objects, new ones are added, gone ones dropped.
    // The number of children.
    int SearchVaildChildXmSbOneLevel(int bOnlyOnce);
    // Lets the next SearchVaildChildXmSbOneLevel(1) search again.
    void ClearIsInvokedSearchXmSbFn() { m_bIsInvokedSearchXmSb = 0; }

    // Removes this container from its parent's children and destroys it; the folder stays.
    // 0 for a container without parent (it is then left alone).
    int DeleteTreeDataNode();

    // 0 (after the message box ChangeFileAndPathName would show) when the container of the
    // management file cannot be renamed to the name: one xmpath::IsUsableName refuses
    // ("“%s”不能用作项目名称。", 设备), or one that another entry beside the folder has already
    // ("在%s的位置上，已经存在“%s”。"). Dialogs ask before they change anything else.
    static int CheckNewName(const CManageFileInfo& manageFile, const std::wstring& strNewName,
                            ui::Window* pWnd);
    // The first of those checks alone, for a container that does not exist yet: 0, after
    // "“%s”不能用作项目名称。" (设备 for an Equipment), when xmpath::IsUsableName refuses the
    // name (trailing blanks ignored, as the callers drop them). "..\x" would leave the parent
    // folder and "a/b" make a folder below another.
    static int CheckContainerName(const std::wstring& strName, int bIsXm, ui::Window* pWnd);
    // Renames the container: its folder becomes parent\strNewName and its management file
    // strNewName.itm or .prj; the records follow. Either both renames happen or neither.
    // 0 (after a message box) when the name is unusable or a rename fails.
    int ChangeFileAndPathName(const std::wstring& strNewName, ui::Window* pWnd);

private:
    void MoveRecordsTo(const std::wstring& strFolder);
    // Reads folder\name.itm, else folder\name.prj, each only as written: -1 when neither is
    // there, else as SetPrimerInfoByInputManageFilePathName.
    int ReadManageFileAsNamed(const std::wstring& strFolder);

    CManageFileInfo m_ManageFileInfo;
    CXmSbInfo* m_pParentNode = nullptr;
    std::vector<std::unique_ptr<CXmSbInfo>> m_ChildXmSbArray;
    int m_bIsInvokedSearchXmSb = 0;
};
