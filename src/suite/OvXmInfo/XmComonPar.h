#pragma once
// CXmComonPar: the management-file library's shared parameters, one object g_XmComonPar: the
// installation folders and the folders and files below them, the remembered current Project
// and Equipment, the path handed to web publishing, and the file operations the module runs
// on containers and drawings.

#include <set>
#include <string>
#include <vector>

namespace ui {
class ImageList;
class TreeCtrl;
class Window;
} // namespace ui

// The pictures of the trees' items, by index in the image list the library fills. The window
// relies on 0 (a Project: opened by the expansion adjustment), 2 and 3 (an Equipment, and the
// Equipment the suite works on now) and 4 (a drawing type: closed by the adjustment).
inline constexpr int kImageProject = 0;
inline constexpr int kImageStyleOpen = 1;
inline constexpr int kImageEquipment = 2;
inline constexpr int kImageEquipmentCurrent = 3;
inline constexpr int kImageStyle = 4;
inline constexpr int kImageDrawing = 5;

class CXmComonPar {
public:
    // The common-resource and the per-workstation installation folders.
    void SetTessalInstallPath(const std::wstring& strCommonResFolder,
                              const std::wstring& strLocalFolder);
    const std::wstring& GetCommonResFolder() const { return m_strCommonResFolder; }
    const std::wstring& GetLocalFolder() const { return m_strLocalFolder; }

    // Container templates: "Template\itms\" and "Template\prjs\" of the common-resource folder.
    std::wstring Getm_StrXmTemplatePath() const;
    std::wstring Getm_StrSbTemplatePath() const;
    // The typical-drawing library: "StandardDwg\" of the common-resource folder.
    std::wstring Getm_StrStandardDwgPath() const;

    // The files whose first line is the management file of the current Project
    // ("Data\recent.dat") and Equipment ("Data\default.dat") of the installation.
    std::wstring Getm_StrRecentPathName() const;
    std::wstring Getm_StrDefaultPathName() const;
    // Remembers the path as the current Project (bIsXm) or Equipment; 0 when it cannot.
    int WriteCurrentXmOrSbNameToFile(const std::wstring& strManageFilePathName, int bIsXm);
    // Forgets the current Project or Equipment; non-zero when none is remembered afterwards.
    int DeleteRecentDatOrDefaultDatFile(int bIsXm, ui::Window* pWnd);

    // The management file handed to web publishing, and the command that hands it over.
    void Setm_StrWebPubManageFilePathName(const std::wstring& strPath,
                                          const std::wstring& strInvoker);
    const std::wstring& Getm_StrWebPubManageFilePathName() const { return m_strWebPubManageFile; }
    const std::wstring& Getm_StrWebPubInvoker() const { return m_strWebPubInvoker; }

    // File operations on lists of paths. A list is one text in which each path ends with a
    // zero character and the list with a second one (GenStringForShFileOp builds it); a single
    // path without zeros is a list too. The last item of a path may hold the wildcards "*" and
    // "?". Every operation returns non-zero on success; a failure is explained in a message box.
    static std::wstring GenStringForShFileOp(const std::vector<std::wstring>& arrPaths);
    static std::vector<std::wstring> SplitShFileOpString(const std::wstring& strList);
    // Copies each source (file or folder) into the destination folder. A single file may
    // instead be copied to a destination path that is not an existing folder. An entry that
    // exists at the destination is replaced only after the user agreed.
    int CopyByShFileOperat(const std::wstring& strSrcList, const std::wstring& strDest,
                           ui::Window* pWnd);
    // Moves each source (file or folder) into the destination folder, or a single file to a
    // destination path, by the copy's rules. Each entry arrives completely or stays where it
    // was: a folder replacing an existing one is merged into it, and a failure part way takes
    // every step of that entry back. An entry whose replacement the user declined stays where
    // it is; Cancel or a failure stops, with the entries before it moved. pArrMoved receives
    // the sources that moved, so that the caller updates exactly their records.
    int MoveByShFileOperat(const std::wstring& strSrcList, const std::wstring& strDest,
                           ui::Window* pWnd, std::vector<std::wstring>* pArrMoved = nullptr);
    int RenameByShFileOperat(const std::wstring& strOld, const std::wstring& strNew,
                             ui::Window* pWnd);
    // Deletes every entry of the list; with bAllowUndo they go to the user's trash, from
    // which they can be restored, instead of being removed.
    int DeleteByShFileOperat(const std::wstring& strList, ui::Window* pWnd, int bAllowUndo);

    // Copies everything in a template container's folder into a new container's folder and
    // gives the template's management file the new folder's name.
    int CopyAllFileToDestAndRenameManageFileName(const std::wstring& strTemplateFolder,
                                                 const std::wstring& strNewFolder, int bIsXm,
                                                 ui::Window* pWnd);

    // --- The management window's trees ---
    // The content tree and the project tree: the library inserts, deletes and selects the
    // items of its tree nodes in them itself.
    void SetXmAndSbTreeCtrl(ui::TreeCtrl* pSbTreeCtrl, ui::TreeCtrl* pXmTreeCtrl);
    // Null when none was given or the tree is gone.
    ui::TreeCtrl* GetpDlgXmTreeCtrl() const;
    ui::TreeCtrl* GetpDlgSbTreeCtrl() const;
    // Fills the image list with the pictures of the kImage... indices.
    void SetImageListOfTreeCtrl(ui::ImageList* pImageList);
    // Forgets the trees and the web-publishing hand-over.
    void ClearMemberVar();
    // Forgets the drawing-type items that were open when the library last removed them.
    void ClearArrayMemory();

    // A drawing-type item that is open when the library removes it (to insert it again, or
    // because the trees are being rebuilt) is opened again when the library next inserts it.
    void RememberStyleExpanded(const std::wstring& strContainerFolder,
                               const std::wstring& strSysTypeName, bool bExpanded);
    bool WasStyleExpanded(const std::wstring& strContainerFolder,
                          const std::wstring& strSysTypeName) const;

private:
    std::wstring m_strCommonResFolder;
    std::wstring m_strLocalFolder;
    std::wstring m_strWebPubManageFile;
    std::wstring m_strWebPubInvoker;
    ui::TreeCtrl* m_pSbTreeCtrl = nullptr;
    ui::TreeCtrl* m_pXmTreeCtrl = nullptr;
    std::set<std::wstring> m_arrExpandedStyles;
};

extern CXmComonPar g_XmComonPar;
