#pragma once
// CDwgSelectDlg: the drawing selection dialog ("文件批管理") of the management window. It shows
// every drawing of the open Project or Equipment twice, as a tree with check boxes (container,
// Equipments, drawing types, drawings) and as a list with check boxes (type, relative path),
// keeps the two check selections in step, and works on the checked drawings: it deletes them
// (to the user's trash, with their records), sends copies of them to another folder, sorted
// by type if asked, and moves the selected rows onto the type, Equipment or drawing they are
// dragged to in the tree, with their records. A preview shows the row picked in the list.

#include "controls/MyDragListCtrl.h"
#include "controls/TreeCtrlEx.h"
#include "manager/DwgSelectDrawings.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ImageList.h"
#include "store/FileStyleList.h"

#include <string>
#include <unordered_set>
#include <vector>

class CDwgSelectDlg : public ui::Dialog {
public:
    static constexpr int IDD = 270;
    static constexpr int IDC_TREE = 260;
    static constexpr int IDC_LIST = 149;
    static constexpr int IDC_DELETE = 282;
    static constexpr int IDC_SEND = 183;
    static constexpr int IDC_TYPE_FOLDERS = 281;
    static constexpr int IDC_FOLDER_LABEL = 264;
    static constexpr int IDC_FOLDER = 262;
    static constexpr int IDC_PREVIEW = 266;
    // The commands of the list's check menu.
    static constexpr unsigned ID_CHECK_ALL = 275;
    static constexpr unsigned ID_UNCHECK_ALL = 276;
    static constexpr unsigned ID_CHECK_SELECTED = 277;
    static constexpr unsigned ID_UNCHECK_SELECTED = 278;

    // nIsXm 1 for a Project (".itm"), 0 for an Equipment; arrDrawings the drawing files of the
    // container (CollectContainerDrawings), arrStyles the types list (ReadFileStyleList).
    CDwgSelectDlg(int nIsXm, std::wstring strManageFile,
                  std::vector<STRUCT_XMSB_FILESTYLE> arrStyles,
                  std::vector<std::wstring> arrDrawings, ui::Window* pParent = nullptr);

    // Whether the dialog deleted or moved drawings or changed records, so that the window
    // shows the files anew however the dialog was closed.
    bool Getm_bChanged() const { return m_bChanged; }
    // The full paths of the checked drawings, in tree order.
    const std::vector<std::wstring>& Getm_arrCheckedPaths() const { return m_arrCheckedPaths; }
    const CDwgSelectDrawings& GetDrawings() const { return m_Drawings; }
    CTreeCtrlEx& GetTreeCtrl() { return m_TreeCtrl; }
    CMyDragListCtrl& GetListCtrl() { return m_ListCtrl; }
    const std::wstring& Getm_strPreviewFile() const { return m_strPreviewFile; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, unsigned code) override;
    bool OnNotify(int id, ui::NMHDR& header, ui::LRESULT& result) override;
    void OnSize(unsigned type, int width, int height) override;
    void OnPaint() override;
    bool OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                   ui::LRESULT& result) override;

private:
    // What a tree item stands for (its item data is the index in m_arrNodes).
    struct NodeInfo {
        // Pending: the hidden stand-in of a branch not filled yet.
        enum Kind { Container, Type, Drawing, Pending } kind = Container;
        int nContainer = 0;
        std::wstring strSysType; // a type's stored name; for a drawing its own type
        int nDrawing = -1;
        // A container's drawings in m_Drawings, and the mark its item had when last in step
        // with them.
        size_t nFirst = 0;
        size_t nEnd = 0;
        bool bShownChecked = false;
    };

    // Reads the drawings from the disk again (after files changed) and shows them.
    void Reload();
    // The tree (DwgSelectDlgTree.cpp): built anew, a branch filled when first opened.
    void BuildTree();
    // Fills a container's branch; returns the item of drawing nSelected if it is there.
    ui::HTREEITEM FillBranch(ui::HTREEITEM item, int nSelected,
                             std::vector<ui::HTREEITEM>& arrOpen);
    void OnTreeItemExpanding(ui::HTREEITEM item);
    bool IsUnfilled(ui::HTREEITEM item) const;
    ui::HTREEITEM InsertNode(std::wstring strText, int nImage, ui::HTREEITEM parent, NodeInfo node);
    bool AllChecked(size_t nFirst, size_t nEnd) const;
    // Whether a container's drawing shows checked, filled into the branch or not.
    bool IsShownChecked(ui::HTREEITEM container, size_t nDrawing) const;
    void FillList();
    // A row's text in a column: the drawing's type, relative path, full path.
    std::wstring ListText(size_t nDrawing, int nColumn) const;
    // The checked paths from the list's rows (0x401) and from the tree's drawings (0x402).
    void TakeListChecks();
    bool TakeTreeChecks();
    void SetCheckedPaths(std::vector<std::wstring> arrPaths);
    bool IsChecked(const std::wstring& strPath) const;
    std::wstring NodeKey(const NodeInfo& node) const;
    // What an item stands for; null for the stand-in of an unfilled branch.
    const NodeInfo* NodeOf(ui::HTREEITEM item) const;

    void OnTreeSelChanged();
    void OnListItemChanged(const ui::NMLISTVIEW& notice);
    void OnListRightClick();
    void CheckRows(unsigned id);

    // The commands (DwgSelectDlgCommands.cpp).
    void OnDelete();
    void OnSend();
    void OnDrop();
    // Moves one drawing into a container's folder under a type ("" none); false when it stays.
    bool MoveDrawing(const CDwgSelectDrawing& drawing, int nContainer,
                     const std::wstring& strSysType);

    CTreeCtrlEx m_TreeCtrl;
    ui::ImageList m_ImageList;
    int m_nIsXm;
    std::wstring m_strManageFile;
    std::wstring m_strFolder;
    std::wstring m_strName;
    std::wstring m_strPreviewFile;
    std::vector<STRUCT_XMSB_FILESTYLE> m_arrStyles;
    std::vector<std::wstring> m_arrOnDisk;
    std::vector<std::wstring> m_arrCheckedPaths;
    std::unordered_set<std::wstring> m_setChecked; // the same, folded
    CMyDragListCtrl m_ListCtrl;
    ui::PreviewFrame m_PreviewFrame;
    ui::Size m_ClientSize;
    bool m_bClientSizeKnown = false;

    CDwgSelectDrawings m_Drawings;
    std::vector<NodeInfo> m_arrNodes;
    std::unordered_set<std::wstring> m_setExpanded; // NodeKey of the open branches
    bool m_bFirstBuild = true;
    bool m_bFilling = false;
    bool m_bChanged = false;
};
