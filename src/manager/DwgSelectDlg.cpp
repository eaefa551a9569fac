// The drawing selection dialog: its template, start, the tree and the list and how their check
// marks follow each other, the preview and the layout. The commands on the checked and the
// dragged drawings are in DwgSelectDlgCommands.cpp.

#include "manager/DwgSelectDlg.h"

#include "controls/DrawDwgPreview.h"
#include "controls/ModuleResources.h"
#include "drawing/ContainerDrawings.h"
#include "drawing/EditOprt.h"
#include "frame/ManageGlobals.h"
#include "platform/text/WideString.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Menu.h"

#include <string>

namespace {

ui::DialogTemplate DwgSelectTemplate() {
    using ui::ControlKind;
    using D = CDwgSelectDlg;
    return {D::IDD,
            L"文件批管理",
            420,
            280,
            0,
            {{D::IDC_FOLDER_LABEL, ControlKind::Edit, L"", 7, 7, 42, 12, ui::ES_READONLY},
             {D::IDC_FOLDER, ControlKind::Edit, L"", 52, 7, 361, 12, ui::ES_READONLY},
             {D::IDC_TREE, ControlKind::Tree, L"", 7, 24, 150, 170,
              ui::TVS_HASBUTTONS | ui::TVS_HASLINES | ui::TVS_LINESATROOT | ui::TVS_SHOWSELALWAYS |
                  ui::TVS_CHECKBOXES},
             {D::IDC_LIST, ControlKind::List, L"", 162, 24, 251, 225,
              ui::LVS_REPORT | ui::LVS_SHOWSELALWAYS},
             {D::IDC_PREVIEW, ControlKind::PreviewFrame, L"", 7, 199, 150, 75},
             {D::IDC_TYPE_FOLDERS, ControlKind::CheckBox, L"自动创建类型目录", 162, 259, 90, 10},
             {D::IDC_DELETE, ControlKind::PushButton, L"删除", 255, 256, 50, 14},
             {D::IDC_SEND, ControlKind::PushButton, L"批量发送", 309, 256, 50, 14},
             {ui::IDOK, ControlKind::PushButton, L"确定", 363, 256, 50, 14, ui::BS_DEFPUSHBUTTON}}};
}

std::vector<ui::MenuTemplateItem> CheckMenuTemplate() {
    using D = CDwgSelectDlg;
    return {{0,
             L"",
             {{D::ID_CHECK_ALL, L"全部选中"},
              {D::ID_UNCHECK_ALL, L"全部取消选中"},
              {D::ID_CHECK_SELECTED, L"选中"},
              {D::ID_UNCHECK_SELECTED, L"取消选中"}}}};
}

// Moves a control by (dx, dy) and changes its size by (dw, dh), in its parent's pixels.
void Shift(ui::Window* control, int dx, int dy, int dw, int dh) {
    if (!control)
        return;
    ui::Rect rect = control->GetRectInParent();
    control->MoveWindow(rect.left + dx, rect.top + dy, rect.Width() + dw, rect.Height() + dh);
}

} // namespace

CDwgSelectDlg::CDwgSelectDlg(int nIsXm, std::wstring strManageFile,
                             std::vector<STRUCT_XMSB_FILESTYLE> arrStyles,
                             std::vector<std::wstring> arrDrawings, ui::Window* pParent)
    : ui::Dialog(DwgSelectTemplate(), pParent), m_nIsXm(nIsXm),
      m_strManageFile(std::move(strManageFile)), m_arrStyles(std::move(arrStyles)),
      m_arrOnDisk(std::move(arrDrawings)) {
    Bind(IDC_TREE, m_TreeCtrl);
    Bind(IDC_LIST, m_ListCtrl);
    Bind(IDC_PREVIEW, m_PreviewFrame);
}

bool CDwgSelectDlg::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetIcon(IDI_OVMANAGE, true);
    SetIcon(IDI_OVMANAGE, false);
    m_strFolder = CEditOprt::GetParentPath(m_strManageFile);
    m_strName = CEditOprt::GetFileNamePart(m_strManageFile);
    SetDlgItemText(IDC_FOLDER_LABEL, m_nIsXm ? L"项目目录:" : L"设备目录:");
    SetDlgItemText(IDC_FOLDER, m_strFolder + L"\\");

    for (const wchar_t* icon :
         {ui::icon::kProject, ui::icon::kFolderOpen, ui::icon::kEquipment,
          ui::icon::kEquipmentSelected, ui::icon::kDrawingType, ui::icon::kDrawing})
        m_ImageList.Add(icon);
    m_TreeCtrl.SetImageList(&m_ImageList);

    m_Drawings.Load(m_strManageFile, std::move(m_arrOnDisk), m_arrStyles);
    BuildTree();
    int nWidth = m_ListCtrl.GetClientRect().Width();
    m_ListCtrl.InsertColumn(0, L"文件分类", ui::LVCFMT_LEFT, nWidth / 3);
    m_ListCtrl.InsertColumn(1, L"文件相对路径", ui::LVCFMT_LEFT, nWidth * 2 / 3);
    m_ListCtrl.InsertColumn(2, L"文件路径", ui::LVCFMT_LEFT, 0);
    m_ListCtrl.SetTextCallback(
        [this](uintptr_t data, int column) { return ListText(data, column); });
    m_ListCtrl.SetExtendedStyle(m_ListCtrl.GetExtendedStyle() | ui::LVS_EX_GRIDLINES |
                                ui::LVS_EX_CHECKBOXES | ui::LVS_EX_FULLROWSELECT);
    FillList();
    CheckDlgButton(IDC_TYPE_FOLDERS, ui::BST_CHECKED);
    m_ClientSize = GetClientRect().GetSize();
    m_bClientSizeKnown = true;
    return true;
}

void CDwgSelectDlg::Reload() {
    CollectContainerDrawings(m_strManageFile, m_arrOnDisk);
    m_Drawings.Load(m_strManageFile, std::move(m_arrOnDisk), m_arrStyles);
    // Paths that no longer name a drawing are no longer checked.
    std::vector<std::wstring> arrKept;
    for (const std::wstring& strPath : m_arrCheckedPaths)
        if (m_Drawings.Find(strPath) >= 0)
            arrKept.push_back(strPath);
    SetCheckedPaths(std::move(arrKept));
    if (m_strPreviewFile.size() && m_Drawings.Find(m_strPreviewFile) < 0) {
        m_strPreviewFile.clear();
        m_PreviewFrame.Invalidate();
    }
    BuildTree();
    FillList();
}

void CDwgSelectDlg::FillList() {
    m_bFilling = true;
    // Ten thousand rows reach the screen as one change, not one by one.
    m_ListCtrl.SetRedraw(false);
    m_ListCtrl.DeleteAllItems();
    const auto& arrDrawings = m_Drawings.Drawings();
    m_ListCtrl.SetItemCount(static_cast<int>(arrDrawings.size()));
    // The rows show the drawings' own texts (ListText) rather than copies.
    for (size_t i = 0; i < arrDrawings.size(); ++i) {
        int row = m_ListCtrl.InsertCallbackItem(static_cast<int>(i), i);
        if (IsChecked(arrDrawings[i].strFullPath))
            m_ListCtrl.SetCheck(row, true);
    }
    m_ListCtrl.SetRedraw(true);
    m_bFilling = false;
}

std::wstring CDwgSelectDlg::ListText(size_t nDrawing, int nColumn) const {
    const auto& arrDrawings = m_Drawings.Drawings();
    if (nDrawing >= arrDrawings.size())
        return {};
    const CDwgSelectDrawing& drawing = arrDrawings[nDrawing];
    switch (nColumn) {
    case 0:
        return drawing.DisplayType();
    case 1:
        return std::wstring(drawing.RelPath());
    case 2:
        return drawing.strFullPath;
    default:
        return {};
    }
}

bool CDwgSelectDlg::IsChecked(const std::wstring& strPath) const {
    return !m_setChecked.empty() && m_setChecked.count(text::FoldCase(strPath)) != 0;
}

void CDwgSelectDlg::SetCheckedPaths(std::vector<std::wstring> arrPaths) {
    m_setChecked.clear();
    std::vector<std::wstring> arrOnce;
    arrOnce.reserve(arrPaths.size());
    for (std::wstring& strPath : arrPaths)
        if (m_setChecked.insert(text::FoldCase(strPath)).second)
            arrOnce.push_back(std::move(strPath));
    m_arrCheckedPaths = std::move(arrOnce);
}

void CDwgSelectDlg::TakeListChecks() {
    std::vector<std::wstring> arrPaths;
    const auto& arrDrawings = m_Drawings.Drawings();
    for (int row = 0; row < m_ListCtrl.GetItemCount(); ++row) {
        size_t index = m_ListCtrl.GetItemData(row);
        if (m_ListCtrl.GetCheck(row) && index < arrDrawings.size())
            arrPaths.push_back(arrDrawings[index].strFullPath);
    }
    SetCheckedPaths(std::move(arrPaths));
    BuildTree();
}

bool CDwgSelectDlg::OnMessage(unsigned message, ui::WPARAM, ui::LPARAM, ui::LRESULT& result) {
    switch (message) {
    case CMyDragListCtrl::WM_LIST_CHECKS_CHANGED:
        TakeListChecks();
        break;
    case CTreeCtrlEx::WM_TREE_CHECKS_CHANGED:
        TakeTreeChecks();
        break;
    case CMyDragListCtrl::WM_LIST_ROWS_DROPPED:
        OnDrop();
        break;
    default:
        return false;
    }
    result = 0;
    return true;
}

bool CDwgSelectDlg::OnNotify(int id, ui::NMHDR& header, ui::LRESULT& result) {
    if (id == IDC_TREE && header.code == ui::TVN_ITEMEXPANDING) {
        const auto& notice = reinterpret_cast<const ui::NMTREEVIEW&>(header);
        if (notice.action == ui::TVE_EXPAND)
            OnTreeItemExpanding(notice.itemNew.hItem);
        result = 0;
        return true;
    }
    if (id == IDC_TREE && header.code == ui::TVN_SELCHANGED) {
        if (!m_bFilling)
            OnTreeSelChanged();
        return true;
    }
    if (id == IDC_LIST && header.code == ui::LVN_ITEMCHANGED) {
        if (!m_bFilling)
            OnListItemChanged(reinterpret_cast<ui::NMLISTVIEW&>(header));
        return true;
    }
    if (id == IDC_LIST && header.code == ui::NM_RCLICK) {
        OnListRightClick();
        result = 0;
        return true;
    }
    if ((id == IDC_TREE && (header.code == ui::NM_CLICK || header.code == ui::NM_DBLCLK)) ||
        (id == IDC_LIST && header.code == ui::NM_CLICK)) {
        result = 0;
        return true;
    }
    return false;
}

void CDwgSelectDlg::OnTreeSelChanged() {
    const NodeInfo* node = NodeOf(m_TreeCtrl.GetSelectedItem());
    if (!node || node->kind != NodeInfo::Drawing)
        return;
    // The list shows the drawings in the order of m_Drawings: row and drawing share an index.
    int row = node->nDrawing;
    if (!m_ListCtrl.IsRow(row) || static_cast<int>(m_ListCtrl.GetItemData(row)) != row)
        return;
    m_ListCtrl.SetItemState(-1, 0, ui::LVIS_SELECTED | ui::LVIS_FOCUSED);
    m_ListCtrl.SetItemState(row, ui::LVIS_SELECTED | ui::LVIS_FOCUSED,
                            ui::LVIS_SELECTED | ui::LVIS_FOCUSED);
    m_ListCtrl.SetSelectionMark(row);
    m_ListCtrl.EnsureVisible(row, false);
}

void CDwgSelectDlg::OnListItemChanged(const ui::NMLISTVIEW& notice) {
    bool bNowSelected = (notice.uNewState & ui::LVIS_SELECTED) != 0;
    bool bWasSelected = (notice.uOldState & ui::LVIS_SELECTED) != 0;
    if (!bNowSelected || bWasSelected || !m_ListCtrl.IsRow(notice.iItem))
        return;
    m_strPreviewFile = CEditOprt::JoinPath(m_strFolder, m_ListCtrl.GetItemText(notice.iItem, 1));
    m_PreviewFrame.Invalidate();
    Invalidate();
}

void CDwgSelectDlg::OnListRightClick() {
    if (m_ListCtrl.GetSelectedCount() == 0)
        return;
    unsigned id = 0;
    {
        CDocumentLockScope lock;
        ui::Menu menu(CheckMenuTemplate());
        ui::Point cursor = ui::CurrentBackend().GetCursorPos();
        id = menu.GetSubMenu(0)->TrackPopupMenu(ui::TPM_RIGHTBUTTON | ui::TPM_RETURNCMD, cursor.x,
                                                cursor.y, this);
    }
    if (id >= ID_CHECK_ALL && id <= ID_UNCHECK_SELECTED)
        CheckRows(id);
}

void CDwgSelectDlg::CheckRows(unsigned id) {
    bool bCheck = id == ID_CHECK_ALL || id == ID_CHECK_SELECTED;
    bool bAll = id == ID_CHECK_ALL || id == ID_UNCHECK_ALL;
    for (int row = 0; row < m_ListCtrl.GetItemCount(); ++row)
        if (bAll || (m_ListCtrl.GetItemState(row, ui::LVIS_SELECTED) & ui::LVIS_SELECTED))
            m_ListCtrl.SetCheck(row, bCheck);
    SendMessage(CMyDragListCtrl::WM_LIST_CHECKS_CHANGED);
}

bool CDwgSelectDlg::OnCommand(int id, unsigned code) {
    if (code != ui::BN_CLICKED && code != 0)
        return false;
    switch (id) {
    case IDC_DELETE:
        OnDelete();
        return true;
    case IDC_SEND:
        OnSend();
        return true;
    case ID_CHECK_ALL:
    case ID_UNCHECK_ALL:
    case ID_CHECK_SELECTED:
    case ID_UNCHECK_SELECTED:
        CheckRows(static_cast<unsigned>(id));
        return true;
    default:
        return false;
    }
}

void CDwgSelectDlg::OnOK() {
    TakeTreeChecks();
    EndDialog(ui::IDOK);
}

void CDwgSelectDlg::OnSize(unsigned type, int width, int height) {
    if (type == ui::SIZE_MINIMIZED || !m_bClientSizeKnown)
        return;
    int dx = width - m_ClientSize.cx;
    int dy = height - m_ClientSize.cy;
    Shift(&m_ListCtrl, 0, 0, dx, dy);
    Shift(&m_TreeCtrl, 0, 0, 0, dy);
    // The preview stays under the tree; the buttons and the check box keep to the bottom edge.
    for (int id : {IDC_PREVIEW, IDC_TYPE_FOLDERS, IDC_DELETE, IDC_SEND, static_cast<int>(ui::IDOK)})
        Shift(GetDlgItem(id), 0, dy, 0, 0);
    m_ClientSize = {width, height};
    Invalidate();
}

void CDwgSelectDlg::OnPaint() {
    CDrawDwgPreview::PaintFrame(m_strPreviewFile, m_PreviewFrame);
}
