#include "drawing/ModfyLineInfoDlg.h"

#include "controls/ModuleResources.h"
#include "drawing/EditOprt.h"
#include "drawing/LineInfoDialog.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"
#include "suite/OvXmInfo/ManageFileInfo.h"

#include <algorithm>

namespace {

ui::DialogTemplate ModfyLineInfoTemplate() {
    using ui::ControlKind;
    // The list is as wide as it must be for a tenth of it to hold the header "平均长度".
    return {CModfyLineInfoDlg::IDD,
            L"",
            430,
            220,
            0,
            {{CModfyLineInfoDlg::IDC_NAME_LABEL, ControlKind::Static, L"", 7, 9, 44, 8},
             {CModfyLineInfoDlg::IDC_NAME, ControlKind::Static, L"", 53, 9, 230, 8},
             {CModfyLineInfoDlg::IDC_LINE_LIST, ControlKind::List, L"导线信息列表", 7, 22, 360, 191,
              ui::LVS_REPORT | ui::LVS_SHOWSELALWAYS},
             {CModfyLineInfoDlg::IDC_ADD, ControlKind::PushButton, L"添加", 373, 22, 50, 14},
             {CModfyLineInfoDlg::IDC_MODIFY, ControlKind::PushButton, L"修改", 373, 41, 50, 14},
             {CModfyLineInfoDlg::IDC_DELETE, ControlKind::PushButton, L"删除", 373, 60, 50, 14},
             {ui::IDOK, ControlKind::PushButton, L"确定", 373, 180, 50, 14, ui::BS_DEFPUSHBUTTON},
             {ui::IDCANCEL, ControlKind::PushButton, L"取消", 373, 199, 50, 14}}};
}

bool ContainsNoCase(const std::vector<std::wstring>& arrTexts, const std::wstring& strText) {
    return std::any_of(arrTexts.begin(), arrTexts.end(), [&strText](const std::wstring& strOne) {
        return text::EqualsNoCase(strOne, strText);
    });
}

} // namespace

CModfyLineInfoDlg::CModfyLineInfoDlg(CManageFileInfo* pManageFileInfo, ui::Window* pParent)
    : ui::Dialog(ModfyLineInfoTemplate(), pParent), m_pManageFileInfo(pManageFileInfo) {
    std::wstring strFolder =
        CEditOprt::GetParentPath(m_pManageFileInfo->Getm_StrManageFilePathName());
    m_strXmlPathName = CEditOprt::JoinPath(strFolder, kFileName);
    m_strDirName = CEditOprt::GetLastPathItem(strFolder);
}

bool CModfyLineInfoDlg::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetIcon(IDI_OVMANAGE, true);
    bool bIsXm = m_pManageFileInfo->Getm_IsXmManageFile() != 0;
    SetWindowText(bIsXm ? L"项目导线信息修改" : L"设备导线信息修改");
    SetDlgItemText(IDC_NAME_LABEL, bIsXm ? L"项目名称：" : L"设备名称：");
    SetDlgItemText(IDC_NAME, m_strDirName);

    ui::ListCtrl* pList = List();
    pList->SetExtendedStyle(ui::LVS_EX_GRIDLINES | ui::LVS_EX_FULLROWSELECT);
    int nWidth = pList->GetClientRect().Width();
    pList->InsertColumn(0, L"类别", ui::LVCFMT_LEFT, nWidth / 5);
    pList->InsertColumn(1, L"物料编码", ui::LVCFMT_LEFT, nWidth / 5);
    pList->InsertColumn(2, L"物料描述", ui::LVCFMT_LEFT, nWidth / 2);
    pList->InsertColumn(3, L"平均长度", ui::LVCFMT_LEFT, nWidth / 10);
    m_defaults.Read();
    FillList();
    return true;
}

void CModfyLineInfoDlg::FillList() {
    CXmlDataOprt oprt;
    std::vector<STRUCT_LINEITEM> arrItems;
    if (fs::IsFile(m_strXmlPathName)) {
        if (!oprt.ReadLineItems(m_strXmlPathName, arrItems)) {
            // The list starts empty; OK asks before this file is replaced.
            m_strReadError = oprt.Getm_strError();
            ui::MessageBox(
                this,
                text::Format(L"导线信息文件\"%s\"无法读取：%s", m_strXmlPathName, m_strReadError),
                L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
        }
    } else {
        if (m_arrStyles.empty())
            m_arrStyles.assign(std::begin(g_arrDefaultLineStyles),
                               std::end(g_arrDefaultLineStyles));
        for (const std::wstring& strStyle : m_arrStyles)
            arrItems.push_back({strStyle, L"", L"", L""});
    }
    for (STRUCT_LINEITEM& item : arrItems) {
        m_defaults.Complete(item);
        AppendRow(item);
    }
}

int CModfyLineInfoDlg::AppendRow(const STRUCT_LINEITEM& item) {
    ui::ListCtrl* pList = List();
    int nRow = pList->InsertItem(pList->GetItemCount(), item.strStyle);
    m_arrRowItems.push_back(std::make_unique<STRUCT_LINEITEM>(item));
    pList->SetItemData(nRow, reinterpret_cast<uintptr_t>(m_arrRowItems.back().get()));
    SetRow(nRow, item);
    return nRow;
}

void CModfyLineInfoDlg::SetRow(int nRow, const STRUCT_LINEITEM& item) {
    ui::ListCtrl* pList = List();
    pList->SetItemText(nRow, 0, item.strStyle);
    pList->SetItemText(nRow, 1, item.strCode);
    pList->SetItemText(nRow, 2, item.strDescribe);
    pList->SetItemText(nRow, 3, item.strLength);
    if (auto* pItem = reinterpret_cast<STRUCT_LINEITEM*>(pList->GetItemData(nRow)))
        *pItem = item;
}

std::vector<STRUCT_LINEITEM> CModfyLineInfoDlg::GetRowItems() const {
    std::vector<STRUCT_LINEITEM> arrItems;
    ui::ListCtrl* pList = List();
    for (int nRow = 0; nRow < pList->GetItemCount(); ++nRow)
        arrItems.push_back({pList->GetItemText(nRow, 0), pList->GetItemText(nRow, 1),
                            pList->GetItemText(nRow, 2), pList->GetItemText(nRow, 3)});
    return arrItems;
}

std::vector<std::wstring> CModfyLineInfoDlg::ColumnChoices(int nColumn) const {
    std::vector<std::wstring> arrChoices;
    ui::ListCtrl* pList = List();
    for (int nRow = 0; nRow < pList->GetItemCount(); ++nRow) {
        std::wstring strText = pList->GetItemText(nRow, nColumn);
        if (!ContainsNoCase(arrChoices, strText))
            arrChoices.push_back(strText);
    }
    return arrChoices;
}

bool CModfyLineInfoDlg::OnCommand(int id, unsigned code) {
    if (code != ui::BN_CLICKED)
        return ui::Dialog::OnCommand(id, code);
    switch (id) {
    case IDC_ADD:
        OnAdd();
        return true;
    case IDC_MODIFY:
        OnModify();
        return true;
    case IDC_DELETE:
        OnDelete();
        return true;
    default:
        return ui::Dialog::OnCommand(id, code);
    }
}

bool CModfyLineInfoDlg::OnNotify(int id, ui::NMHDR& header, ui::LRESULT& result) {
    if (id == IDC_LINE_LIST && header.code == ui::NM_DBLCLK) {
        OnModify();
        result = 0;
        return true;
    }
    if (id == IDC_LINE_LIST && header.code == ui::LVN_BEGINDRAG) {
        m_bDragging = List()->GetSelectedCount() > 0;
        result = 0;
        return true;
    }
    return ui::Dialog::OnNotify(id, header, result);
}

void CModfyLineInfoDlg::OnAdd() {
    CLineInfoDialog dialog(this);
    dialog.m_arrCodes = ColumnChoices(1);
    dialog.m_arrDescribes = ColumnChoices(2);
    dialog.m_arrLengths = ColumnChoices(3);
    dialog.m_arrUsedStyles = ColumnChoices(0);
    if (dialog.DoModal() != ui::IDOK)
        return;
    int nRow =
        AppendRow({dialog.m_strStyle, dialog.m_strCode, dialog.m_strDescribe, dialog.m_strLength});
    List()->EnsureVisible(nRow, false);
}

void CModfyLineInfoDlg::OnModify() {
    ui::ListCtrl* pList = List();
    int nRow = pList->GetNextItem(-1, ui::LVNI_SELECTED);
    if (nRow < 0)
        return;
    CLineInfoDialog dialog(this);
    dialog.m_bModify = 1;
    dialog.m_strStyle = pList->GetItemText(nRow, 0);
    dialog.m_strCode = pList->GetItemText(nRow, 1);
    dialog.m_strDescribe = pList->GetItemText(nRow, 2);
    dialog.m_strLength = pList->GetItemText(nRow, 3);
    dialog.m_arrCodes = ColumnChoices(1);
    dialog.m_arrDescribes = ColumnChoices(2);
    dialog.m_arrLengths = ColumnChoices(3);
    for (int nOther = 0; nOther < pList->GetItemCount(); ++nOther)
        dialog.m_arrUsedStyles.push_back(pList->GetItemText(nOther, 0));
    if (dialog.DoModal() != ui::IDOK)
        return;
    SetRow(nRow, {dialog.m_strStyle, dialog.m_strCode, dialog.m_strDescribe, dialog.m_strLength});
    pList->EnsureVisible(nRow, false);
}

void CModfyLineInfoDlg::OnDelete() {
    ui::ListCtrl* pList = List();
    unsigned nCount = pList->GetSelectedCount();
    if (nCount == 0)
        return;
    if (ui::MessageBox(this, text::Format(L"是否删除选中的%d项", static_cast<int>(nCount)),
                       L"Tessaline", ui::MB_OKCANCEL | ui::MB_ICONEXCLAMATION) != ui::IDOK)
        return;
    for (int nRow = pList->GetItemCount() - 1; nRow >= 0; --nRow)
        if (pList->GetItemState(nRow, ui::LVIS_SELECTED) & ui::LVIS_SELECTED)
            pList->DeleteItem(nRow);
}

bool CModfyLineInfoDlg::OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                                  ui::LRESULT& result) {
    if (m_bDragging && (message == ui::WM_MOUSEMOVE || message == ui::WM_LBUTTONUP)) {
        if (message == ui::WM_LBUTTONUP) {
            m_bDragging = false;
            ui::Point ptScreen =
                ClientToScreen(ui::Point{ui::GET_X_LPARAM(lParam), ui::GET_Y_LPARAM(lParam)});
            ui::Point ptInList = List()->ScreenToClient(ptScreen);
            if (List()->GetClientRect().PtInRect(ptInList))
                DropRows(ptInList);
        }
        result = 0;
        return true;
    }
    return ui::Dialog::OnMessage(message, wParam, lParam, result);
}

void CModfyLineInfoDlg::DropRows(ui::Point ptInList) {
    ui::ListCtrl* pList = List();
    int nTarget = pList->HitTest(ptInList);
    if (nTarget >= 0 && (pList->GetItemState(nTarget, ui::LVIS_SELECTED) & ui::LVIS_SELECTED))
        return;
    struct MovedRow {
        STRUCT_LINEITEM item;
        uintptr_t data;
    };
    std::vector<MovedRow> arrMoved;
    int nInsertAt = nTarget < 0 ? -1 : nTarget;
    for (int nRow = 0; nRow < pList->GetItemCount(); ++nRow)
        if (pList->GetItemState(nRow, ui::LVIS_SELECTED) & ui::LVIS_SELECTED) {
            arrMoved.push_back({{pList->GetItemText(nRow, 0), pList->GetItemText(nRow, 1),
                                 pList->GetItemText(nRow, 2), pList->GetItemText(nRow, 3)},
                                pList->GetItemData(nRow)});
            if (nRow < nTarget)
                --nInsertAt;
        }
    for (int nRow = pList->GetItemCount() - 1; nRow >= 0; --nRow)
        if (pList->GetItemState(nRow, ui::LVIS_SELECTED) & ui::LVIS_SELECTED)
            pList->DeleteItem(nRow);
    if (nInsertAt < 0)
        nInsertAt = pList->GetItemCount();
    for (const MovedRow& moved : arrMoved) {
        int nRow = pList->InsertItem(nInsertAt++, moved.item.strStyle);
        pList->SetItemData(nRow, moved.data);
        SetRow(nRow, moved.item);
        pList->SetItemState(nRow, ui::LVIS_SELECTED, ui::LVIS_SELECTED);
    }
}

void CModfyLineInfoDlg::OnOK() {
    if (!m_strReadError.empty() &&
        ui::MessageBox(
            this,
            text::Format(L"导线信息文件\"%s\"无法读取，是否用当前列表替换它？", m_strXmlPathName),
            L"Tessaline", ui::MB_YESNO | ui::MB_ICONEXCLAMATION) != ui::IDYES)
        return;
    CXmlDataOprt oprt;
    if (!oprt.WriteLineItems(m_strXmlPathName, GetRowItems())) {
        // The edits stay in the list, so the user can fix the cause and press OK again.
        if (!oprt.Getm_strError().empty())
            ui::MessageBox(this,
                           text::Format(L"导线信息文件\"%s\"保存失败：%s", m_strXmlPathName,
                                        oprt.Getm_strError()),
                           L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return;
    }
    EndDialog(ui::IDOK);
}
