#pragma once
// CModfyXmSbDlg ("项目修改" / "设备修改"): the description of an existing Project or Equipment,
// and on request the change carried on: a new folder name built from the description, the
// drawing files renamed after the drawing-book number, and the values written into the
// drawings' cover texts and title blocks. The management window runs it for a selected
// container and renames the folder afterwards when the folder name (edit 131) differs.
//
// OK, in order (the first two keep the dialog open when they fail):
// 1. the folder name: empty stays in the dialog; a name the folder cannot take (the library's
//    check of ChangeFileAndPathName) is refused before anything is written;
// 2. the management file is written (a failure says why, and nothing else happens);
// 3. a Project's "工程" values go down into its Equipments;
// 4. with the kind's folder box (230/232) the folder name is built from the description;
//    whenever the name then differs from the folder's, the container's open drawings are
//    offered for closing first, and Cancel keeps the folder;
// 5. with 235 the container's own drawings are renamed (their open ones offered for closing
//    first; Cancel skips the renaming);
// 6. with 224 (or a Project's 232) the drawings get the values, once, when a value changed;
// 7. the four boxes are remembered.

#include "controls/SortedListCtrl.h"
#include "platform/ui/Dialog.h"
#include "records/ExplainInfoOperate.h"
#include "suite/OvXmInfo/ExplainInfoNode.h"

#include <memory>
#include <string>
#include <vector>

class CManageFileInfo;
class COperateMdb;

class CModfyXmSbDlg : public ui::Dialog {
public:
    static constexpr int IDD = 112;
    static constexpr int IDC_FOLDER = 131;
    static constexpr int IDC_EXPLAIN_LIST = 159;
    static constexpr int IDC_ADD = 160;
    static constexpr int IDC_MODIFY = 161;
    static constexpr int IDC_DELETE = 163;
    static constexpr int IDC_NAMING = 177;
    static constexpr int IDC_NAMING_LABEL = 178;
    static constexpr int IDC_FOLDER_LABEL = 183;
    static constexpr int IDC_PDM = 185;
    static constexpr int IDC_WRITE_DRAWINGS = 224;
    static constexpr int IDC_RENAME_SB_FOLDER = 230;
    static constexpr int IDC_RENAME_XM_FOLDER = 232;
    static constexpr int IDC_RENAME_FILES = 235;
    static constexpr int IDC_FILE_PATTERN = 238;
    static constexpr int IDC_SB_NOTE = 239;
    // The history keys of the four boxes.
    static constexpr int kHistoryWriteDrawings = 165;
    static constexpr int kHistoryRenameSbFolder = 166;
    static constexpr int kHistoryRenameXmFolder = 167;
    static constexpr int kHistoryRenameFiles = 168;

    // The container's management file, not owned; it is written by OK.
    explicit CModfyXmSbDlg(CManageFileInfo* pManageFileInfo, ui::Window* pParent = nullptr);
    ~CModfyXmSbDlg() override;

    // The folder name on IDOK (the container's own name when it stays).
    const std::wstring& Getm_strFolderName() const { return m_strFolderName; }
    const std::vector<CExplainInfoNode>& GetEntries() const {
        return m_editor.Getm_ExplainInfoArray();
    }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, unsigned code) override;
    bool OnNotify(int id, ui::NMHDR& header, ui::LRESULT& result) override;
    bool OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                   ui::LRESULT& result) override;

private:
    bool IsXm() const;
    ui::Edit* FolderEdit() const { return GetDlgItemAs<ui::Edit>(IDC_FOLDER); }
    // The kind's folder box: 232 for a Project, 230 for an Equipment.
    int FolderBoxId() const { return IsXm() ? IDC_RENAME_XM_FOLDER : IDC_RENAME_SB_FOLDER; }
    bool IsTicked(int id) const { return IsDlgButtonChecked(id) == ui::BST_CHECKED; }
    void ShowKindControls();
    void LoadEntries();
    void RestoreBoxes();
    void UpdateFolderReadOnly();
    void EnableButtons();
    void OfferWords(int nRow);
    void OnPdm();

    // OK's steps (ModfyXmSbDlgOk.cpp).
    // The folder name OK ends with: the field, or the description's proposal while the kind's
    // folder box is ticked.
    std::wstring FinalFolderName() const;
    std::vector<CExplainInfoNode> AllEntries() const;
    bool WriteManageFile();
    // Keeps the folder when its open drawings are not all closed.
    std::wstring CloseDrawingsForFolder(const std::wstring& strName);
    void RenameDrawingFiles();
    void WriteDrawings();
    void RememberBoxes();

    CManageFileInfo* m_pManageFileInfo;
    CSortedListCtrl m_List;
    CExplainInfoOperate m_editor;
    // Rows a Project in the "BSF" working mode does not show; OK writes them back after the
    // shown ones.
    std::vector<CExplainInfoNode> m_arrHiddenEntries;
    // The description as the dialog opened, to tell whether the drawings need writing.
    std::vector<CExplainInfoNode> m_arrSnapshot;
    std::unique_ptr<COperateMdb> m_pOperateMdb;
    std::wstring m_strFolderName;
};
