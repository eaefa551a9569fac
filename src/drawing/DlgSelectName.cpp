#include "drawing/DlgSelectName.h"

#include "controls/ModuleResources.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"
#include "store/PdmDatabase.h"
#include "store/PdmDatabaseSettings.h"

namespace {

ui::DialogTemplate SelectNameTemplate() {
    using ui::ControlKind;
    return {
        CDlgSelectName::IDD,
        L"选择项目/设备名",
        300,
        232,
        0,
        {{-1, ControlKind::GroupBox, L"负责人帐号", 7, 4, 286, 48},
         {-1, ControlKind::Static, L"用户名:", 14, 18, 30, 8},
         {CDlgSelectName::IDC_USER, ControlKind::ComboBox, L"", 46, 16, 96, 90,
          ui::CBS_DROPDOWN | ui::CBS_SORT},
         {-1, ControlKind::Static, L"密码:", 152, 18, 24, 8},
         {CDlgSelectName::IDC_PASSWORD, ControlKind::Edit, L"", 178, 16, 108, 13, ui::ES_PASSWORD},
         {CDlgSelectName::IDC_REMEMBER, ControlKind::CheckBox, L"记住我?", 46, 34, 60, 10},
         {CDlgSelectName::IDC_CONNECT, ControlKind::PushButton, L"连接", 236, 33, 50, 14},
         {-1, ControlKind::GroupBox, L"名称列表", 7, 56, 286, 148},
         {CDlgSelectName::IDC_NAME_LIST, ControlKind::List, L"", 14, 68, 272, 130,
          ui::LVS_REPORT | ui::LVS_SHOWSELALWAYS},
         {ui::IDOK, ControlKind::PushButton, L"确定", 187, 211, 50, 14, ui::BS_DEFPUSHBUTTON},
         {ui::IDCANCEL, ControlKind::PushButton, L"取消", 243, 211, 50, 14}}};
}

} // namespace

CDlgSelectName::CDlgSelectName(ui::Window* pParent) : ui::Dialog(SelectNameTemplate(), pParent) {}

CDlgSelectName::~CDlgSelectName() = default;

std::wstring CDlgSelectName::EquipmentName(const std::wstring& strUnit,
                                           const std::wstring& strModel,
                                           const std::wstring& strNumber) {
    return text::Trim(text::Trim(text::Format(L"%s-%s-%s", strUnit, strModel, strNumber)), L"-");
}

bool CDlgSelectName::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetIcon(IDI_OVMANAGE, true);
    CheckDlgButton(IDC_REMEMBER, ui::BST_CHECKED);
    m_pPdm = std::make_unique<CPdmDatabase>();
    // The user list and the login both reach the user database: when the list could not be
    // had, an automatic login would only wait through the same time-out a second time.
    bool bUserListRead = m_pPdm->GetUserNames(m_arrUsers) != 0;
    auto* pUser = GetDlgItemAs<ui::ComboBox>(IDC_USER);
    for (const std::wstring& strUser : m_arrUsers)
        pUser->AddString(strUser);

    SetWindowText(m_bSelectXm ? L"选择项目名称" : L"选择设备名称");
    SetColumns();

    CPdmDatabaseSettings settings;
    pUser->SetWindowText(settings.GetLoginUser());
    SetDlgItemText(IDC_PASSWORD, settings.GetLoginPassword());
    if (bUserListRead && !settings.GetLoginUser().empty() && !settings.GetLoginPassword().empty()) {
        std::wstring strLogin;
        if (m_pPdm->CheckUserLogin(settings.GetLoginUser(), settings.GetLoginPassword(),
                                   &strLogin) == 1) {
            m_strUser = strLogin;
            FillList();
        }
    }
    if (m_bSelectXm || !m_bMultiSelect)
        List()->ModifyStyle(0, ui::LVS_SINGLESEL);
    return true;
}

void CDlgSelectName::SetColumns() {
    ui::ListCtrl* pList = List();
    pList->SetExtendedStyle(pList->GetExtendedStyle() | ui::LVS_EX_FULLROWSELECT |
                            ui::LVS_EX_GRIDLINES);
    int nWidth = pList->GetClientRect().Width();
    // The columns of width 0 do not show; they carry the record's fields for the result.
    if (m_bSelectXm) {
        pList->InsertColumn(0, L"合同号", ui::LVCFMT_LEFT, 0);
        pList->InsertColumn(1, L"订货单位", ui::LVCFMT_LEFT, 0);
        pList->InsertColumn(2, L"项目名称", ui::LVCFMT_LEFT, nWidth);
    } else {
        pList->InsertColumn(0, L"合同号", ui::LVCFMT_LEFT, 0);
        pList->InsertColumn(1, L"施工单位", ui::LVCFMT_LEFT, 0);
        pList->InsertColumn(2, L"设备型号", ui::LVCFMT_LEFT, nWidth / 4);
        pList->InsertColumn(3, L"柜号", ui::LVCFMT_LEFT, 0);
        pList->InsertColumn(4, L"设备名称", ui::LVCFMT_LEFT, nWidth * 3 / 4);
    }
}

void CDlgSelectName::FillList() {
    std::vector<std::vector<std::wstring>> arrRows;
    if (m_bSelectXm) {
        std::vector<std::wstring> arrCodes, arrNames;
        m_pPdm->GetProductsOfManager(m_strUser, arrCodes, arrNames);
        for (size_t i = 0; i < arrCodes.size() && i < arrNames.size(); ++i)
            arrRows.push_back({arrCodes[i], arrNames[i], arrCodes[i] + arrNames[i]});
    } else {
        std::vector<std::wstring> arrCodes, arrUnits, arrModels, arrNumbers;
        m_pPdm->GetGroupsOfManager(m_strUser, arrCodes, arrUnits, arrModels, arrNumbers);
        for (size_t i = 0; i < arrCodes.size(); ++i)
            arrRows.push_back({arrCodes[i], arrUnits[i], arrModels[i], arrNumbers[i],
                               EquipmentName(arrUnits[i], arrModels[i], arrNumbers[i])});
    }
    ui::ListCtrl* pList = List();
    pList->DeleteAllItems();
    for (const std::vector<std::wstring>& row : arrRows) {
        int nRow = pList->InsertItem(pList->GetItemCount(), row[0]);
        for (size_t nColumn = 1; nColumn < row.size(); ++nColumn)
            pList->SetItemText(nRow, static_cast<int>(nColumn), row[nColumn]);
    }
    if (pList->GetItemCount() > 0) {
        pList->SetItemState(0, ui::LVIS_SELECTED | ui::LVIS_FOCUSED,
                            ui::LVIS_SELECTED | ui::LVIS_FOCUSED);
        pList->SetSelectionMark(0);
    }
}

void CDlgSelectName::Tell(const std::wstring& strMessage, unsigned icon) {
    m_strMessage = strMessage;
    ui::MessageBox(this, strMessage, L"Tessaline", ui::MB_OK | icon);
}

void CDlgSelectName::FocusAndSelect(int id) {
    ui::Control* pControl = GetDlgItem(id);
    pControl->SetFocus();
    if (auto* pEdit = dynamic_cast<ui::Edit*>(pControl))
        pEdit->SetSel(0, -1);
}

int CDlgSelectName::Login(const std::wstring& strUser, const std::wstring& strPassword) {
    std::wstring strLogin;
    switch (m_pPdm->CheckUserLogin(strUser, strPassword, &strLogin)) {
    case 1:
        m_strUser = strLogin;
        FillList();
        return 1;
    case 0:
        Tell(L"访问数据库出现错误!", ui::MB_ICONEXCLAMATION);
        return 0;
    case 2:
        Tell(L"用户名不存在!", ui::MB_ICONEXCLAMATION);
        FocusAndSelect(IDC_USER);
        SetDlgItemText(IDC_PASSWORD, L"");
        return 0;
    default:
        Tell(L"密码错误!", ui::MB_ICONEXCLAMATION);
        SetDlgItemText(IDC_PASSWORD, L"");
        GetDlgItem(IDC_PASSWORD)->SetFocus();
        return 0;
    }
}

void CDlgSelectName::OnConnect() {
    std::wstring strUser = text::Trim(GetDlgItemText(IDC_USER));
    if (strUser.empty()) {
        Tell(L"用户名不能为空!", ui::MB_ICONEXCLAMATION);
        FocusAndSelect(IDC_USER);
        return;
    }
    std::wstring strPassword = GetDlgItemText(IDC_PASSWORD);
    if (!Login(strUser, strPassword))
        return;
    bool bRemember = IsDlgButtonChecked(IDC_REMEMBER) == ui::BST_CHECKED;
    CPdmDatabaseSettings().SaveLoginSettings(bRemember ? strUser : L"",
                                             bRemember ? strPassword : L"");
}

bool CDlgSelectName::OnCommand(int id, unsigned code) {
    if (id == IDC_CONNECT && code == ui::BN_CLICKED) {
        OnConnect();
        return true;
    }
    return ui::Dialog::OnCommand(id, code);
}

bool CDlgSelectName::OnNotify(int id, ui::NMHDR& header, ui::LRESULT& result) {
    if (id == IDC_NAME_LIST && header.code == ui::NM_DBLCLK) {
        OnOK();
        result = 0;
        return true;
    }
    return ui::Dialog::OnNotify(id, header, result);
}

void CDlgSelectName::OnOK() {
    ui::ListCtrl* pList = List();
    int nRow = pList->GetNextItem(-1, ui::LVNI_SELECTED);
    if (nRow < 0) {
        if (pList->GetItemCount() > 0)
            Tell(L"请选择名称列表中的一条数据", ui::MB_ICONINFORMATION);
        return;
    }
    if (m_bSelectXm) {
        m_strResultName = pList->GetItemText(nRow, 2);
    } else if (!m_bMultiSelect) {
        m_strResultName = pList->GetItemText(nRow, 4);
        m_strResultModel = pList->GetItemText(nRow, 2);
    } else {
        m_arrResultNames.clear();
        m_arrResultModels.clear();
        for (int nLast = pList->GetItemCount() - 1; nLast >= 0; --nLast)
            if (pList->GetItemState(nLast, ui::LVIS_SELECTED) & ui::LVIS_SELECTED) {
                m_arrResultNames.push_back(pList->GetItemText(nLast, 4));
                m_arrResultModels.push_back(pList->GetItemText(nLast, 2));
            }
    }
    EndDialog(ui::IDOK);
}
