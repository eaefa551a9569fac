#include "manager/ManageDlg.h"

#include "controls/ModuleResources.h"
#include "controls/WinPosIni.h"
#include "drawing/EditOprt.h"
#include "frame/ManageCommands.h"
#include "frame/ManageGlobals.h"
#include "manager/ManageDlgResources.h"
#include "platform/cad/MessageFilters.h"
#include "platform/fs/LogicalPath.h"
#include "platform/text/WideString.h"
#include "platform/ui/Backend.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/WaitCursor.h"
#include "store/WorkingMode.h"
#include "suite/OvDwgBtlInfo/OvDwgBtlInfo.h"
#include "suite/OvXmInfo/FileInfoNode.h"
#include "suite/OvXmInfo/XmComonPar.h"
#include "suite/OvXmInfo/XmSbTreeNodeInfo.h"

#include <filesystem>

namespace {

const wchar_t* KindWord(int nMode) {
    return nMode == 1 ? L"项目" : L"设备";
}

const wchar_t* Caption(int nMode) {
    return nMode == 1 ? L"项目管理" : L"设备管理";
}

} // namespace

CManageDlg::CManageDlg(int nMode, ui::Window* pParent)
    : ui::Dialog(ManageDlgTemplate(), pParent), m_nMode(nMode) {
    Bind(IDC_PREVIEW, m_PreviewFrame);
    Bind(IDC_SB_TREE, m_SbTreeCtrl);
    Bind(IDC_XM_TREE, m_XmTreeCtrl);
}

CManageDlg::~CManageDlg() {
    // The window's own clean-up runs while the trees it hands to the library still exist.
    DestroyWindow();
}

void CManageDlg::DoDataExchange(ui::DataExchange& exchange) {
    ui::DDX_Text(exchange, IDC_SELECTION_TEXT, m_strSelectionText);
    ui::DDX_Text(exchange, IDC_PATH, m_strPathText);
    ui::DDX_Text(exchange, IDC_LOCATION, m_strLocationLabel);
}

std::wstring CManageDlg::RememberedPathFile() const {
    return m_nMode == 1 ? g_XmComonPar.Getm_StrRecentPathName()
                        : g_XmComonPar.Getm_StrDefaultPathName();
}

bool CManageDlg::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    ui::CWaitCursor waitCursor;
    SetIcon(IDI_OVMANAGE, true);
    CFileInfoNode::Setm_hWndOprtDwgBtl(this);
    if (m_nMode == 1) {
        m_XmTreeCtrl.EnableWindow(false);
    } else {
        SetOneTreeLayout();
        SetWindowText(Caption(0));
    }
    m_strLocationLabel = std::wstring(KindWord(m_nMode)) + L"位置";
    UpdateData(false);

    g_XmComonPar.SetXmAndSbTreeCtrl(&m_SbTreeCtrl, &m_XmTreeCtrl);
    g_XmComonPar.SetImageListOfTreeCtrl(&m_ImageList);
    m_SbTreeCtrl.SetImageList(&m_ImageList, ui::TVSIL_NORMAL);
    m_XmTreeCtrl.SetImageList(&m_ImageList, ui::TVSIL_NORMAL);
    m_SbTreeCtrl.EnableWindow(false);

    std::wstring strPath;
    CEditOprt::ReadFirstLine(RememberedPathFile(), strPath);
    ClearTrees();
    LoadManageFile(strPath, m_nMode);
    m_strOpenManageFile = strPath;
    if (m_nMode == 1)
        ScrollFirstContentItemToTop();

    for (int id : {IDC_BATCH, IDC_SELECTION_TEXT, static_cast<int>(ui::IDOK)})
        GetDlgItem(id)->ShowWindow(ui::SW_HIDE);
    m_InitClientSize = GetClientRect().GetSize();
    m_bClientSizeKnown = true;
    if (!RestoreWindowPlacementFromIni(*this, L""))
        PlaceAtDrawingArea();

    m_ToolTip.Create(this, ui::TTS_ALWAYSTIP);
    m_ToolTip.AddTool(GetDlgItem(IDC_PATH), L"项目设备路径：");
    m_ToolTip.Activate(true);

    m_strPreviewFile.clear();
    SetTimer(kMarkTimer, kMarkPeriod);
    if (GetErpOrCadMode() == 2)
        SortByFileName();
    AdjustTopLevelExpansion(m_XmTreeCtrl);
    AdjustTopLevelExpansion(m_SbTreeCtrl);
    return true;
}

bool CManageDlg::OnCommand(int id, unsigned code) {
    if (id == IDC_OPEN && code == ui::BN_CLICKED) {
        OnOpenButton();
        return true;
    }
    // Menu commands arrive with code 0.
    if (id == ui::IDOK || id == ui::IDCANCEL || code != 0)
        return false;
    return RouteMenuCommand(static_cast<unsigned>(id));
}

bool CManageDlg::OnNotify(int id, ui::NMHDR& header, ui::LRESULT& result) {
    if (id != IDC_XM_TREE && id != IDC_SB_TREE)
        return false;
    bool bXmTree = id == IDC_XM_TREE;
    switch (header.code) {
    case ui::NM_CLICK:
        if (bXmTree)
            OnXmTreeSelect(false);
        return true;
    case ui::TVN_SELCHANGED:
        if (bXmTree)
            OnXmTreeSelect(true);
        else
            OnSbTreeSelChanged();
        return true;
    case ui::TVN_ITEMEXPANDED:
        if (bXmTree)
            OnXmTreeItemExpanded(reinterpret_cast<ui::NMTREEVIEW&>(header));
        return true;
    case ui::NM_DBLCLK:
        if (!bXmTree)
            OnSbTreeDoubleClick();
        return true;
    case ui::NM_RCLICK:
        OnTreeRightClick(bXmTree);
        result = 1; // the menu was the answer; no WM_CONTEXTMENU
        return true;
    case ui::TVN_KEYDOWN:
        OnTreeKeyDown(bXmTree, reinterpret_cast<ui::NMTVKEYDOWN&>(header).wVKey);
        return true;
    case ui::TVN_BEGINDRAG:
        OnBeginDrag(bXmTree, reinterpret_cast<ui::NMTREEVIEW&>(header).itemNew.hItem);
        return true;
    default:
        return false;
    }
}

void CManageDlg::OnTreeKeyDown(bool bXmTree, unsigned key) {
    if (key == ui::VK_CONTROL) {
        OnDragControlKey();
        return;
    }
    ui::TreeCtrl& tree = bXmTree ? m_XmTreeCtrl : m_SbTreeCtrl;
    if (m_bBusy || tree.GetCount() == 0 || key != ui::VK_DELETE)
        return;
    m_CurSelInfo.m_nTreeUsed = bXmTree ? 1 : 0;
    RouteMenuCommand(201);
}

bool CManageDlg::PreTranslateMessage(ui::MSG& message) {
    // With a drawing open, Enter and Escape would close the window or press a button in the
    // middle of the user's work: they do nothing here.
    if (message.message == ui::WM_KEYDOWN &&
        (message.wParam == ui::VK_RETURN || message.wParam == ui::VK_ESCAPE) &&
        CEditOprt::GetDocumentCount() >= 1)
        return true;
    return ui::Dialog::PreTranslateMessage(message);
}

bool CManageDlg::OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                           ui::LRESULT& result) {
    // While dragging, the pointer's moves and the button's release come to the window.
    if (m_Drag.bDragging && (message == ui::WM_MOUSEMOVE || message == ui::WM_LBUTTONUP)) {
        ui::Point ptScreen =
            ClientToScreen(ui::Point{ui::GET_X_LPARAM(lParam), ui::GET_Y_LPARAM(lParam)});
        bool bControl = (wParam & ui::MK_CONTROL) != 0;
        if (message == ui::WM_MOUSEMOVE)
            OnDragMove(ptScreen, bControl);
        else
            OnDragButtonUp(ptScreen, bControl);
        result = 0;
        return true;
    }
    if (message == CFileInfoNode::GetuiGetDwgBtlInfo_Message()) {
        OvGetBtlInfoFromDwg(wParam);
        result = 0;
        return true;
    }
    if (message != ui::WM_DESTROY)
        return false;
    KillTimer(kMarkTimer);
    m_strLastDefaultPath.clear();
    m_CurSelInfo.ClearXm();
    m_CurSelInfo.ClearSb();
    m_pRootNode.reset();
    if (CFileInfoNode::Getm_hWndOprtDwgBtl() == this)
        CFileInfoNode::Setm_hWndOprtDwgBtl(nullptr);
    g_XmComonPar.ClearMemberVar();
    g_XmComonPar.ClearArrayMemory();
    return false;
}

void CManageDlg::OnClose() {
    SaveWindowPlacementToIni(*this, L"");
    DestroyAndDelete();
}

void CManageDlg::OnOK() {
    if (!m_bBusy)
        DestroyAndDelete();
}

void CManageDlg::DestroyAndDelete() {
    acedRemoveFilterWinMsg(FilterMouseMsg);
    DestroyWindow();
    if (g_pManageDlg == this)
        g_pManageDlg = nullptr;
    delete this;
}

void CManageDlg::OnOpenButton() {
    if (m_bBusy)
        return;
    CDocumentLockScope lock;
    ui::FileChooserRequest request;
    request.title = m_nMode == 1 ? L"选择项目" : L"选择设备";
    request.filter = m_nMode == 1 ? L"Tessaline项目管理文件(*.itm)|*.ITM|"
                                    L"Tessaline设备管理文件(*.prj)|*.prj|"
                                  : L"Tessaline设备管理文件(*.prj)|*.prj|"
                                    L"Tessaline项目管理文件(*.itm)|*.ITM|";
    request.initialFolder = m_strPathText;
    request.flags = ui::OFN_NOCHANGEDIR | ui::OFN_FILEMUSTEXIST | ui::OFN_LONGNAMES;
    m_bBusy = 1;
    bool bChosen = ui::CurrentBackend().ChooseFile(this, request);
    m_bBusy = 0;
    if (!bChosen)
        return;
    const std::wstring& strPath = request.fileName;
    std::error_code ignored;
    std::filesystem::current_path(fs::ToNative(CEditOprt::GetParentPath(strPath)), ignored);
    OpenManageFile(strPath);
}

int CManageDlg::OpenManageFile(const std::wstring& strPath) {
    int nMode =
        strPath.size() >= 4 && text::EqualsNoCase(strPath.substr(strPath.size() - 4), L".prj") ? 0
                                                                                               : 1;
    // The window takes the new file's mode, caption and label only once the file is shown:
    // a refused file leaves everything as it was, so that menus and placement keep following
    // what the trees show.
    if (!LoadManageFile(strPath, nMode))
        return 0;
    m_strOpenManageFile = strPath;
    m_nMode = nMode;
    SetWindowText(Caption(nMode));
    m_strLocationLabel = std::wstring(KindWord(nMode)) + L"位置";
    UpdateData(false);
    g_XmComonPar.WriteCurrentXmOrSbNameToFile(strPath, nMode);
    if (m_nMode == 1)
        ScrollFirstContentItemToTop();
    AdjustTopLevelExpansion(m_XmTreeCtrl);
    AdjustTopLevelExpansion(m_SbTreeCtrl);
    return 1;
}
