#pragma once
// CManageDlg: the modeless management window. A small project tree (the open Project and its
// sub-Projects) above a content tree (the Equipments, drawing types and drawings of the
// selected Project, or the open Equipment alone), the path of the open container, a preview of
// the selected drawing, and the context menu through which every command of the window runs.
// It marks the Equipment the suite works on (the first line of "Data\default.dat") every
// 100 ms and remembers its placement on screen in "LocalData\WinPos.Ini".
//
// The trees' items belong to the management-file library's tree nodes: the library inserts,
// selects and removes them, and tells which node an item stands for.
//
// There is at most one window, made with new by the dispatcher and kept in g_pManageDlg; its
// close box destroys and deletes it.

#include "frame/ManageGlobals.h"
#include "manager/PasteRule.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ToolTip.h"

#include <memory>
#include <string>
#include <vector>

class CDrawFileStyleNode;
class CDrawTreeFileNode;
class CFileStyleNodeInfo;
class CManageFileInfo;
class CTreeDataNode;
class CXmSbTreeNodeInfo;

namespace ui {
class Menu;
}

// Why a drawing is not moved or renamed: it is open in the host.
inline constexpr const wchar_t* kOpenDrawingRefusal = L"\n图纸%s已经打开，无法重命名\n";

class CManageDlg : public ui::Dialog {
public:
    static constexpr int IDD = 101;
    static constexpr int IDC_XM_TREE = 124;
    static constexpr int IDC_SB_TREE = 125;
    static constexpr int IDC_PREVIEW = 126;
    static constexpr int IDC_PATH = 127;
    static constexpr int IDC_SELECTION_TEXT = 128;
    static constexpr int IDC_OPEN = 129;
    static constexpr int IDC_LOCATION = 130;
    static constexpr int IDC_BATCH = 171;
    // The timer that marks the current Equipment, and its period.
    static constexpr uintptr_t kMarkTimer = 1;
    static constexpr unsigned kMarkPeriod = 100;

    // What is selected in the two trees.
    class CCurSelInfoOfTree {
    public:
        virtual ~CCurSelInfoOfTree() = default;

        void ClearXm() {
            m_hXmItem = nullptr;
            m_pXmNode = nullptr;
        }
        void ClearSb() {
            m_hSbItem = nullptr;
            m_pSbNode = nullptr;
            m_nSbKind = 4;
        }

        // 1: the last right click or key came from the project tree; 0: the content tree.
        int m_nTreeUsed = 0;
        ui::HTREEITEM m_hXmItem = nullptr;
        CXmSbTreeNodeInfo* m_pXmNode = nullptr;
        ui::HTREEITEM m_hSbItem = nullptr;
        CTreeDataNode* m_pSbNode = nullptr;
        int m_nSbKind = 4; // 1 Equipment, 2 drawing type, 3 drawing, 4 nothing
    };

    // Sets the window busy for the lifetime of the object, so that no second command starts
    // while a modal step of this one runs.
    class CBusyScope {
    public:
        explicit CBusyScope(CManageDlg& window) : m_window(window) { m_window.Setm_bBusy(1); }
        ~CBusyScope() { m_window.Setm_bBusy(0); }
        CBusyScope(const CBusyScope&) = delete;
        CBusyScope& operator=(const CBusyScope&) = delete;

    private:
        CManageDlg& m_window;
    };

    // The current document locked and the window busy for the lifetime of the object: every
    // way out of a command, early ends included, gives both back.
    class CCommandScope {
    public:
        explicit CCommandScope(CManageDlg& window) : m_busy(window) {}

    private:
        CDocumentLockScope m_lock;
        CBusyScope m_busy;
    };

    // What the next paste takes: the item that was cut, copied or dragged, kept by its folder
    // and name (the trees' nodes are made anew by every refresh).
    class CCopyOrCutSrcData {
    public:
        virtual ~CCopyOrCutSrcData() = default;
        void Clear() {
            m_bHasData = 0;
            m_nSrcKind = 4;
            m_strFolder.clear();
            m_strName.clear();
        }

        int m_bHasData = 0;
        int m_bCopy = 0; // 1 copy, 0 move
        int m_nSrcKind = 4;
        // The container's folder (kinds 0 and 1: the container itself; 2 and 3: the one that
        // lists the type or drawing), and the type's system name or the drawing's file name.
        std::wstring m_strFolder;
        std::wstring m_strName;
    };

    // nMode 1 manages Projects, 0 Equipments.
    CManageDlg(int nMode, ui::Window* pParent);
    ~CManageDlg() override;

    // Loads a management file into the trees with a mode (1 Project, 0 Equipment); 0 when the
    // library refuses it (it says why) and the trees stay as they were.
    int LoadManageFile(const std::wstring& strPath, int nMode);
    // Loads a management file as the open button does: the mode follows the extension (".prj"
    // an Equipment), with caption and location label, and the file is remembered as the
    // current Project or Equipment. 0 when the library refuses it.
    int OpenManageFile(const std::wstring& strPath);
    // Rebuilds the trees (bFull: from the remembered management file) and selects again what
    // was selected.
    void RefreshTree(int bFull);
    // Loads the management file again with the drawings in file-name order, and keeps that
    // order in the files.
    void SortByFileName();
    // Empties and disables both trees and says that nothing is open.
    void ClearTrees();
    // Selects the item under the pointer in the project tree (bXmTree) or the content tree.
    void SelectItemUnderCursor(bool bXmTree);
    // The texts of the content tree's top Equipment items that are open.
    void CollectExpandedEquipmentNames(std::vector<std::wstring>& arrNames) const;

    int Getm_nMode() const { return m_nMode; }
    const CCurSelInfoOfTree& Getm_CurSelInfo() const { return m_CurSelInfo; }
    const std::wstring& Getm_strOpenManageFile() const { return m_strOpenManageFile; }
    const std::wstring& Getm_strPreviewFile() const { return m_strPreviewFile; }
    const std::wstring& Getm_strSelectionText() const { return m_strSelectionText; }
    CXmSbTreeNodeInfo* Getm_pRootNode() const { return m_pRootNode.get(); }
    ui::TreeCtrl& GetXmTreeCtrl() { return m_XmTreeCtrl; }
    ui::TreeCtrl& GetSbTreeCtrl() { return m_SbTreeCtrl; }
    const ui::ToolTipCtrl& GetToolTip() const { return m_ToolTip; }
    // 1 while a modal step of a command runs: menus, the open button and the Delete key wait.
    int Getm_bBusy() const { return m_bBusy; }
    const CCopyOrCutSrcData& Getm_CopyOrCutSrcData() const { return m_CopyOrCutSrcData; }
    // Whether the paste data may go onto the current selection of the tree last used.
    bool IsPasteAllowedHere() const;
    void Setm_bBusy(int bBusy) { m_bBusy = bBusy; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& exchange) override;
    bool OnCommand(int id, unsigned code) override;
    bool OnNotify(int id, ui::NMHDR& header, ui::LRESULT& result) override;
    void OnTimer(uintptr_t id) override;
    void OnSize(unsigned type, int width, int height) override;
    void OnPaint() override;
    void OnClose() override;
    void OnOK() override;
    bool OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                   ui::LRESULT& result) override;

public:
    bool PreTranslateMessage(ui::MSG& message) override;

private:
    // What a refresh selects again.
    struct CRememberedSelection {
        int nKind = 4;
        std::wstring strFolder;
        std::wstring strName;
        CXmSbTreeNodeInfo* pXmNode = nullptr;
        CXmSbTreeNodeInfo* pParentXmNode = nullptr;
    };

    // Start-up and layout.
    void SetOneTreeLayout();
    void PlaceAtDrawingArea();
    std::wstring RememberedPathFile() const;

    // Trees.
    CXmSbTreeNodeInfo* SearchRoot() const;
    void ReplaceRootNode(std::unique_ptr<CXmSbTreeNodeInfo> pRootNode);
    void RescanContentTree();
    void AdjustTopLevelExpansion(ui::TreeCtrl& tree);
    void ScrollFirstContentItemToTop();
    void OnXmTreeSelect(bool bSelectionChanged);
    void OnXmTreeItemExpanded(const ui::NMTREEVIEW& notice);
    void OnSbTreeSelChanged();
    void OnSbTreeDoubleClick();
    void OnTreeKeyDown(bool bXmTree, unsigned key);
    void MarkCurrentEquipment();
    CRememberedSelection RememberSelection() const;
    void SelectAgain(const CRememberedSelection& remembered);
    void WriteSelectedManageFiles();
    void OnOpenButton();

    // The context menu and its commands.
    void OnTreeRightClick(bool bXmTree);
    // Runs a command of the context menu (or the Delete key's); false for another id.
    bool RouteMenuCommand(unsigned id);
    void DestroyAndDelete();

    // The commands on drawings (ManageDlgDrawings.cpp).
    // The management file the command is for: the selected Equipment when the content tree was
    // used, else the project node's; null when there is neither.
    CManageFileInfo* SelectedContainerFile() const;
    void OnOpenCommand();
    void OpenSelectedDrawing();
    void OnCloseContainer();
    void OnBatchOpenSaveClose();
    void OnViewDrawingInformation();
    void OnWebPublishing();
    void OnExport(unsigned id);
    void OnWireInformation();
    // 268: the drawing selection dialog on the open container (ManageDlgBatchFiles.cpp).
    void OnBatchFileManage();
    // The information table of the selected Equipment (ManageDlgInfoTable.cpp).
    void OnInfoTable();

    // The folder the selection stands for (the target of paste and import); "" when none.
    std::wstring TargetFolder() const;
    // The node of the paste data, looked up in the trees' nodes; null when it is gone.
    CTreeDataNode* FindPasteSourceNode() const;
    // Whether the selected item is the one the paste data names.
    bool IsSelectionPasteSource() const;

    // The import's same-name test: "" when the file name may go into the type, else the
    // clash ("在类型“%s”下,存在同名文件“%s”") with another type of its container that lists the
    // name; the refusal is the clashes followed by kSameNameRefusalEnd.
    static std::wstring SameNameClash(const CFileStyleNodeInfo& destStyle,
                                      const std::wstring& strName);
    static constexpr const wchar_t* kSameNameRefusalEnd = L"不能导入本类型";

    // New drawing (213) and save as template (206), ManageDlgNewFile.cpp and
    // ManageDlgTemplate.cpp.
    void OnNewDrawing();
    void OnSaveAsTemplate();
    // Batch creation of Equipments from the product-data database (122,
    // ManageDlgBatchEquipments.cpp).
    void OnBatchCreateEquipments();

    // Delete (201 and the Delete key, ManageDlgDelete.cpp).
    void OnDeleteCommand();
    // Whether one of the paths (files, or folders with what they hold) is open as a drawing;
    // then the user is told with the format (naming the drawing's file name, or its path with
    // bFullPath) and true returned.
    bool RefuseOpenDrawings(const std::vector<std::wstring>& arrPaths, const wchar_t* strFormat,
                            bool bFullPath = false);

    // Cut, copy and paste (194-196, ManageDlgPaste.cpp).
    void OnCutOrCopy(int bCopy);
    void OnPasteCommand();
    void PasteWithLabelNotesKept();

    // Drag and drop between the trees (ManageDlgDrag.cpp).
    void OnBeginDrag(bool bXmTree, ui::HTREEITEM hItem);
    void OnDragMove(ui::Point ptScreen, bool bControl);
    void OnDragButtonUp(ui::Point ptScreen, bool bControl);
    void OnDragControlKey();

    // Import, send to, and the drawing types (ManageDlgImport.cpp, ManageDlgTypes.cpp).
    void OnImportContainer(int bIsXm, int bFromTemplate);
    void OnImportDrawings(int bTypicalLibrary);
    void ImportDrawings(int bTypicalLibrary);
    void OnSendTo();
    void OnAddStyle();
    void OnDeleteStyleOnly();
    void ModifyStyle(CDrawFileStyleNode* pStyleNode);
    void ModifyDrawing(CDrawTreeFileNode* pDrawingNode);

    // Modify (203, ManageDlgModify.cpp): the guard and the full refresh, then by the selection.
    void OnModifyCommand();
    // A Project or Equipment through CModfyXmSbDlg, its folder renamed when the dialog says so.
    void ModifyContainer(CXmSbTreeNodeInfo* pNode);
    // New Project (190, from the project tree) or Equipment (191) in the selected Project of a
    // Project window, through CCreatXmSbDlg (ManageDlgCreate.cpp); "无效命令。" otherwise.
    void OnCreateCommand(unsigned id);

    ui::PreviewFrame m_PreviewFrame;
    ui::TreeCtrl m_SbTreeCtrl;
    ui::TreeCtrl m_XmTreeCtrl;
    std::wstring m_strSelectionText;
    std::wstring m_strPathText;
    std::wstring m_strLocationLabel;
    std::wstring m_strOpenManageFile;
    ui::ImageList m_ImageList;
    std::wstring m_strPreviewFile;
    int m_nMode;
    std::unique_ptr<CXmSbTreeNodeInfo> m_pRootNode;
    CCurSelInfoOfTree m_CurSelInfo;
    int m_bBusy = 0;
    ui::Size m_InitClientSize;
    bool m_bClientSizeKnown = false;
    ui::ToolTipCtrl m_ToolTip;
    int m_nSortFlag = 0;
    std::vector<std::wstring> m_arrExpandedNames;
    CCopyOrCutSrcData m_CopyOrCutSrcData;
    // A drag under way: whether the item under the pointer takes the drop, and the window the
    // pointer was over last.
    struct CDragState {
        bool bDragging = false;
        bool bCanDrop = false;
        ui::Window* pLastWindow = nullptr;
    } m_Drag;
    // The first line of "Data\default.dat" when the Equipments were last marked; emptied when
    // the trees are rebuilt, so that the next tick marks them again.
    std::wstring m_strLastDefaultPath;
};
