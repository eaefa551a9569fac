// The save dialog: its template and layout, loading the current container into the trees,
// following the selection, and the type and name buttons. Saving is in FileSaveDlgSave.cpp.

#include "drawing/FileSaveDlg.h"

#include "controls/ModuleResources.h"
#include "drawing/EditOprt.h"
#include "drawing/OvTitle.h"
#include "manager/StyleEditDlg.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/MessageBox.h"
#include "store/WorkingMode.h"
#include "suite/OvXmInfo/AllStyNameInfo.h"
#include "suite/OvXmInfo/DrawFileStyleNode.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmComonPar.h"
#include "suite/OvXmInfo/XmSbInfo.h"
#include "suite/OvXmInfo/XmSbTreeNodeInfo.h"

namespace {

ui::DialogTemplate FileSaveTemplate() {
    using ui::ControlKind;
    using D = CFileSaveDlg;
    constexpr unsigned kTreeStyle =
        ui::TVS_HASBUTTONS | ui::TVS_HASLINES | ui::TVS_LINESATROOT | ui::TVS_SHOWSELALWAYS;
    constexpr unsigned kReadOnly = ui::ES_READONLY;
    return {
        D::IDD,
        L"保存文件",
        416,
        222,
        0,
        {{D::IDC_XM_TREE, ControlKind::Tree, L"", 7, 7, 120, 150, kTreeStyle},
         {D::IDC_SB_TREE, ControlKind::Tree, L"", 133, 7, 180, 150, kTreeStyle},
         {D::IDC_SAVE_TO_GROUP, ControlKind::GroupBox, L"保存到", 319, 3, 90, 118},
         {D::IDC_KIND_XM, ControlKind::RadioButton, L"项目", 327, 16, 36, 10},
         {D::IDC_KIND_SB, ControlKind::RadioButton, L"设备", 367, 16, 36, 10},
         {ui::IDC_STATIC, ControlKind::Static, L"属于", 327, 32, 74, 9},
         {D::IDC_OWNER_NAME, ControlKind::Edit, L"", 327, 42, 74, 13, kReadOnly},
         {ui::IDC_STATIC, ControlKind::Static, L"存放路径", 327, 60, 74, 9},
         {D::IDC_SAVE_PATH, ControlKind::Edit, L"", 327, 70, 74, 44, kReadOnly | ui::ES_MULTILINE},
         {ui::IDOK, ControlKind::PushButton, L"保 存", 319, 181, 90, 15, ui::BS_DEFPUSHBUTTON},
         {ui::IDCANCEL, ControlKind::PushButton, L"取 消", 319, 200, 90, 15},
         {ui::IDC_STATIC, ControlKind::Static, L"文件名称:", 7, 166, 40, 9},
         {D::IDC_FILE_NAME, ControlKind::Edit, L"", 50, 164, 140, 13},
         {D::IDC_DRAWING_NAME, ControlKind::PushButton, L"图样名称", 196, 163, 51, 15},
         {ui::IDC_STATIC, ControlKind::Static, L"文件备注:", 7, 184, 40, 9},
         {D::IDC_REMARK, ControlKind::Edit, L"", 50, 182, 197, 13},
         {D::IDC_OTHER_STYLE, ControlKind::CheckBox, L"选择其它类型", 7, 202, 62, 10},
         {ui::IDC_STATIC, ControlKind::Static, L"类型:", 72, 202, 22, 9},
         {D::IDC_STYLE, ControlKind::Edit, L"", 96, 200, 125, 13, kReadOnly},
         {D::IDC_CHOOSE_STYLE, ControlKind::PushButton, L">>", 225, 200, 22, 13},
         {D::IDC_STYLE_COMBO, ControlKind::ComboBox, L"", 96, 200, 151, 100,
          ui::CBS_DROPDOWNLIST}}};
}

CXmSbTreeNodeInfo* AsContainer(CTreeDataNode* pNode, int nKind) {
    return nKind == kTreeNodeProject || nKind == kTreeNodeEquipment
               ? static_cast<CXmSbTreeNodeInfo*>(pNode)
               : nullptr;
}

} // namespace

CFileSaveDlg::CFileSaveDlg(bool bXm, ui::Window* pParent)
    : ui::Dialog(FileSaveTemplate(), pParent), m_bXm(bXm) {
    Bind(IDC_XM_TREE, m_XmTreeCtrl);
    Bind(IDC_SB_TREE, m_SbTreeCtrl);
}

CFileSaveDlg::~CFileSaveDlg() {
    // The clean-up runs while the trees still exist.
    DestroyWindow();
}

void CFileSaveDlg::DoDataExchange(ui::DataExchange& exchange) {
    ui::DDX_Text(exchange, IDC_FILE_NAME, m_strFileName);
    ui::DDX_Text(exchange, IDC_REMARK, m_strRemark);
    ui::DDX_Text(exchange, IDC_SAVE_PATH, m_strSavePath);
    ui::DDX_Check(exchange, IDC_OTHER_STYLE, m_bOtherStyle);
    ui::DDX_Text(exchange, IDC_STYLE, m_strStyle);
    ui::DDX_Text(exchange, IDC_OWNER_NAME, m_strOwnerName);
    ui::DDX_Radio(exchange, IDC_KIND_XM, m_nOwnerKind);
}

bool CFileSaveDlg::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetIcon(IDI_OVMANAGE, true);
    m_bErpMode = IsErpMode() != 0;
    if (m_bXm) {
        SetWindowText(L"文件保存到项目");
        m_nOwnerKind = 0;
    } else {
        SetWindowText(L"文件保存到设备");
        m_nOwnerKind = 1;
        SetEquipmentLayout();
    }
    if (CEditOprt::IsDrawingTitled()) {
        std::wstring strName;
        CEditOprt::GetDrawingName(strName);
        m_strFileName = CEditOprt::RemoveExtension(strName);
    }
    UpdateData(false);

    m_pWindowSbTree = g_XmComonPar.GetpDlgSbTreeCtrl();
    m_pWindowXmTree = g_XmComonPar.GetpDlgXmTreeCtrl();
    m_bTreesTaken = true;
    g_XmComonPar.SetXmAndSbTreeCtrl(&m_SbTreeCtrl, &m_XmTreeCtrl);
    g_XmComonPar.SetImageListOfTreeCtrl(&m_ImageList);
    m_XmTreeCtrl.SetImageList(&m_ImageList, ui::TVSIL_NORMAL);
    m_SbTreeCtrl.SetImageList(&m_ImageList, ui::TVSIL_NORMAL);

    if (!LoadCurrentContainer()) {
        EndDialog(ui::IDCANCEL);
        return true;
    }
    GetDlgItem(IDC_CHOOSE_STYLE)->ShowWindow(m_bOtherStyle ? ui::SW_SHOW : ui::SW_HIDE);
    FillStyleCombo();
    for (int id : {IDC_OTHER_STYLE, IDC_CHOOSE_STYLE, IDC_STYLE})
        if (m_bErpMode)
            GetDlgItem(id)->ShowWindow(ui::SW_HIDE);
    GetDlgItem(IDC_STYLE_COMBO)->ShowWindow(m_bErpMode ? ui::SW_SHOW : ui::SW_HIDE);
    EnableSaveByName();
    return true;
}

void CFileSaveDlg::SetEquipmentLayout() {
    // An Equipment has no project tree: the content tree takes its place and the controls on
    // the right follow by half its width, so that they keep their distance to the tree.
    ui::Rect xmRect = m_XmTreeCtrl.GetRectInParent();
    int dx = xmRect.Width() / 2;
    m_XmTreeCtrl.ShowWindow(ui::SW_HIDE);
    GetDlgItem(IDC_KIND_XM)->EnableWindow(false);
    ui::Rect sbRect = m_SbTreeCtrl.GetRectInParent();
    m_SbTreeCtrl.MoveWindow(ui::Rect{xmRect.left, sbRect.top, sbRect.right - dx, sbRect.bottom});
    int nRightColumn = sbRect.right;
    for (ui::Control* pControl : Controls()) {
        ui::Rect rect = pControl->GetRectInParent();
        if (rect.left > nRightColumn)
            pControl->MoveWindow(ui::Rect{rect.left - dx, rect.top, rect.right - dx, rect.bottom});
    }
    ui::Rect window = GetWindowRect();
    MoveWindow(ui::Rect{window.left, window.top, window.right - dx, window.bottom});
}

bool CFileSaveDlg::LoadCurrentContainer() {
    std::wstring strPath;
    CEditOprt::ReadFirstLine(m_bXm ? g_XmComonPar.Getm_StrRecentPathName()
                                   : g_XmComonPar.Getm_StrDefaultPathName(),
                             strPath);
    if (strPath.empty() ||
        !CManageFileInfo::JudgeInputManageNameValid(strPath, m_bXm ? 1 : 0, this, 1))
        return false;
    auto pRecord = std::make_unique<CXmSbInfo>();
    if (!pRecord->SetPrimerInfoByInputManageFilePathName(strPath))
        return false;
    m_pRootNode = std::make_unique<CXmSbTreeNodeInfo>(pRecord.release());
    m_pRootNode->Getm_pXmSbInfo()->SearchVaildChildXmSbOneLevel(1);
    CXmSbTreeNodeInfo::InsertXmSbNameItemToTree(m_pRootNode.get());
    CXmSbTreeNodeInfo::SelectTreeNode(m_pRootNode.get());
    SetTarget(m_pRootNode.get());
    if (ui::HTREEITEM hRoot = m_pRootNode->GetTreeItem())
        m_pRootNode->GetTreeCtrl()->Expand(hRoot, ui::TVE_EXPAND);
    return true;
}

void CFileSaveDlg::FillStyleCombo() {
    auto* pCombo = GetDlgItemAs<ui::ComboBox>(IDC_STYLE_COMBO);
    pCombo->ResetContent();
    pCombo->AddString(L"");
    if (CAllStyNameInfo* pCatalogue = CManageFileInfo::Getm_AllStyNameInfo()) {
        std::vector<std::wstring> arrNames;
        pCatalogue->GetDisplayNameStrArray(arrNames);
        for (const std::wstring& strName : arrNames)
            if (!strName.empty())
                pCombo->AddString(strName);
    }
    pCombo->SetCurSel(0);
}

bool CFileSaveDlg::OnCommand(int id, unsigned code) {
    switch (id) {
    case IDC_OTHER_STYLE:
        if (code != ui::BN_CLICKED)
            return false;
        UpdateData(true);
        GetDlgItem(IDC_CHOOSE_STYLE)->ShowWindow(m_bOtherStyle ? ui::SW_SHOW : ui::SW_HIDE);
        return true;
    case IDC_CHOOSE_STYLE:
        if (code == ui::BN_CLICKED)
            OnChooseStyle();
        return true;
    case IDC_DRAWING_NAME:
        if (code == ui::BN_CLICKED)
            OnDrawingNameFromTitle();
        return true;
    case IDC_STYLE_COMBO:
        if (code == ui::CBN_SELCHANGE) {
            auto* pCombo = GetDlgItemAs<ui::ComboBox>(IDC_STYLE_COMBO);
            m_strStyle = pCombo->GetLBText(pCombo->GetCurSel());
            pCombo->SetWindowText(m_strStyle);
        }
        return true;
    case IDC_FILE_NAME:
        if (code == ui::EN_CHANGE)
            EnableSaveByName();
        return true;
    default:
        return false;
    }
}

bool CFileSaveDlg::OnNotify(int id, ui::NMHDR& header, ui::LRESULT&) {
    if (id != IDC_XM_TREE && id != IDC_SB_TREE)
        return false;
    bool bXmTree = id == IDC_XM_TREE;
    switch (header.code) {
    case ui::NM_CLICK:
    case ui::TVN_SELCHANGED:
        OnTreeSelect(bXmTree);
        return true;
    case ui::TVN_ITEMEXPANDED: {
        auto& notice = reinterpret_cast<ui::NMTREEVIEW&>(header);
        if (bXmTree && notice.action == ui::TVE_EXPAND)
            OnXmTreeExpanded(notice.itemNew.hItem);
        return true;
    }
    default:
        return false;
    }
}

void CFileSaveDlg::OnTreeSelect(bool bXmTree) {
    if (!m_pRootNode)
        return;
    UpdateData(true);
    if (!m_bOtherStyle) {
        m_strStyle.clear();
        if (m_bErpMode)
            GetDlgItem(IDC_STYLE_COMBO)->SetWindowText(L"");
    }
    ui::TreeCtrl& tree = bXmTree ? m_XmTreeCtrl : m_SbTreeCtrl;
    CTreeDataNode* pNode = nullptr;
    int nKind = kTreeNodeNone;
    CXmSbTreeNodeInfo::FindSelTreeNodeByHtreeitem(m_pRootNode.get(), tree.GetSelectedItem(),
                                                  bXmTree ? 1 : 0, pNode, nKind);
    CXmSbTreeNodeInfo* pContainer = AsContainer(pNode, nKind);
    CDrawFileStyleNode* pStyle = nullptr;
    if (nKind == kTreeNodeStyle)
        pStyle = static_cast<CDrawFileStyleNode*>(pNode);
    else if (nKind == kTreeNodeFile)
        pStyle = static_cast<CDrawTreeFileNode*>(pNode)->Getm_pParentNode();
    if (pContainer) {
        CXmSbTreeNodeInfo::SerachAndInsertChildItem(pContainer, 0);
    } else if (pStyle) {
        if (!m_bOtherStyle)
            m_strStyle = pStyle->GetShownName();
        pContainer = pStyle->Getm_pParentNode();
    }
    if (pContainer)
        SetTarget(pContainer);
    UpdateData(false);
}

void CFileSaveDlg::OnXmTreeExpanded(ui::HTREEITEM hItem) {
    CTreeDataNode* pNode = nullptr;
    int nKind = kTreeNodeNone;
    CXmSbTreeNodeInfo::FindSelTreeNodeByHtreeitem(m_pRootNode.get(), hItem, 1, pNode, nKind);
    if (nKind == kTreeNodeProject)
        CXmSbTreeNodeInfo::SerachAndInsertChildXm(AsContainer(pNode, nKind));
}

void CFileSaveDlg::SetTarget(CXmSbTreeNodeInfo* pContainer) {
    CManageFileInfo* pFile = pContainer->Getm_pManageFileInfo();
    m_pTargetFile = pFile;
    m_strSavePath = pFile->Getm_StrFullPathName();
    m_strOwnerName = pFile->Getm_StrDirName();
    m_nOwnerKind = pFile->Getm_IsXmManageFile() ? 0 : 1;
    UpdateData(false);
}

void CFileSaveDlg::OnChooseStyle() {
    CStyleEditDlg dialog(L"输入类型名称", this);
    if (dialog.DoModal() != ui::IDOK)
        return;
    UpdateData(true);
    m_strStyle = dialog.m_strStyleName;
    if (m_bErpMode)
        GetDlgItem(IDC_STYLE_COMBO)->SetWindowText(m_strStyle);
    UpdateData(false);
}

void CFileSaveDlg::OnDrawingNameFromTitle() {
    if (!HasTitleBlock()) {
        ui::MessageBox(this, L"图中无标题栏!", L"Tessaline", ui::MB_OK | ui::MB_ICONINFORMATION);
        return;
    }
    std::wstring strFolder;
    std::wstring strName;
    CEditOprt::GetDrawingFolder(strFolder);
    CEditOprt::GetDrawingName(strName);
    std::wstring strTitleName = GetDrawingNameFromTitle(CEditOprt::JoinPath(strFolder, strName),
                                                        CEditOprt::IsDrawingTitled());
    if (strTitleName.empty()) {
        ui::MessageBox(this, L"标题栏中图样名称为空值", L"Tessaline",
                       ui::MB_OK | ui::MB_ICONINFORMATION);
        return;
    }
    UpdateData(true);
    m_strFileName = strTitleName;
    UpdateData(false);
    GetDlgItem(ui::IDOK)->EnableWindow(true);
}

void CFileSaveDlg::EnableSaveByName() {
    GetDlgItem(ui::IDOK)->EnableWindow(!GetDlgItemText(IDC_FILE_NAME).empty());
}

bool CFileSaveDlg::OnMessage(unsigned message, ui::WPARAM, ui::LPARAM, ui::LRESULT&) {
    if (message == ui::WM_DESTROY) {
        m_pTargetFile = nullptr;
        m_pRootNode.reset();
        GiveTreesBack();
    }
    return false;
}

void CFileSaveDlg::GiveTreesBack() {
    if (!m_bTreesTaken)
        return;
    m_bTreesTaken = false;
    // The management window's trees are the library's again, whichever way the dialog ends;
    // without a window the library forgets the trees altogether.
    bool bWindowOpen =
        ui::FindWindowW(nullptr, L"项目管理") || ui::FindWindowW(nullptr, L"设备管理");
    if (bWindowOpen) {
        g_XmComonPar.SetXmAndSbTreeCtrl(m_pWindowSbTree, m_pWindowXmTree);
    } else {
        g_XmComonPar.ClearMemberVar();
        g_XmComonPar.ClearArrayMemory();
    }
}
