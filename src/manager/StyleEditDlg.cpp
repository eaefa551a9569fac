#include "manager/StyleEditDlg.h"

#include "controls/ModuleResources.h"
#include "platform/text/Format.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/MessageBox.h"
#include "suite/OvXmInfo/AllStyNameInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"

#include <algorithm>

namespace {

ui::DialogTemplate StyleEditTemplate() {
    using ui::ControlKind;
    return {
        CStyleEditDlg::IDD,
        L"",
        206,
        150,
        0,
        {{ui::IDC_STATIC, ControlKind::Static, L"已定义类型", 7, 7, 110, 9},
         {CStyleEditDlg::IDC_STYLE_LIST, ControlKind::ListBox, L"", 7, 18, 110, 125},
         {ui::IDC_STATIC, ControlKind::Static, L"输入类型名称", 125, 7, 74, 9},
         {CStyleEditDlg::IDC_STYLE_NAME, ControlKind::Edit, L"", 125, 18, 74, 13},
         {CStyleEditDlg::IDC_SYSTEM_TYPE, ControlKind::Edit, L"", 125, 37, 74, 13, ui::ES_READONLY},
         {ui::IDOK, ControlKind::PushButton, L"确定", 125, 111, 74, 14, ui::BS_DEFPUSHBUTTON},
         {ui::IDCANCEL, ControlKind::PushButton, L"取消", 125, 129, 74, 14}}};
}

} // namespace

CStyleEditDlg::CStyleEditDlg(std::wstring strTitle, ui::Window* pParent)
    : ui::Dialog(StyleEditTemplate(), pParent), m_strTitle(std::move(strTitle)) {}

void CStyleEditDlg::DoDataExchange(ui::DataExchange& exchange) {
    ui::DDX_LBString(exchange, IDC_STYLE_LIST, m_strListSel);
    ui::DDX_Text(exchange, IDC_SYSTEM_TYPE, m_strSystemType);
    ui::DDX_Text(exchange, IDC_STYLE_NAME, m_strStyleName);
}

bool CStyleEditDlg::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetIcon(IDI_OVMANAGE, true);
    SetWindowText(m_strTitle);
    auto* list = GetDlgItemAs<ui::ListBox>(IDC_STYLE_LIST);
    list->SetHorizontalExtent(400);
    if (CAllStyNameInfo* pCatalogue = CManageFileInfo::Getm_AllStyNameInfo()) {
        std::vector<std::wstring> arrNames;
        pCatalogue->GetDisplayNameStrArray(arrNames);
        for (const std::wstring& strName : arrNames)
            if (!strName.empty())
                list->AddString(strName);
    }
    EnableOkByName();
    return true;
}

void CStyleEditDlg::EnableOkByName() {
    GetDlgItem(ui::IDOK)->EnableWindow(!GetDlgItemText(IDC_STYLE_NAME).empty());
}

void CStyleEditDlg::TakeListSelection() {
    // The fields are set one by one: loading the list back through UpdateData would select the
    // first entry that merely begins with the name.
    auto* list = GetDlgItemAs<ui::ListBox>(IDC_STYLE_LIST);
    m_strListSel = list->GetText(list->GetCurSel());
    CAllStyNameInfo* pCatalogue = CManageFileInfo::Getm_AllStyNameInfo();
    m_strSystemType =
        L"系统类型:" + (pCatalogue ? pCatalogue->FindSysNameByDisplayName(m_strListSel) : L"");
    m_strStyleName = m_strListSel;
    SetDlgItemText(IDC_SYSTEM_TYPE, m_strSystemType);
    SetDlgItemText(IDC_STYLE_NAME, m_strStyleName);
}

bool CStyleEditDlg::OnCommand(int id, unsigned code) {
    if (id == IDC_STYLE_NAME && code == ui::EN_CHANGE) {
        EnableOkByName();
        return true;
    }
    if (id == IDC_STYLE_LIST && code == ui::LBN_SELCHANGE) {
        TakeListSelection();
        return true;
    }
    if (id == IDC_STYLE_LIST && code == ui::LBN_DBLCLK) {
        TakeListSelection();
        OnOK();
        return true;
    }
    return false;
}

void CStyleEditDlg::OnOK() {
    UpdateData(true);
    const CAllStyNameInfo* pCatalogue = CManageFileInfo::Getm_AllStyNameInfo();
    if (pCatalogue) {
        const auto& arrNames = pCatalogue->GetStyleNameArray();
        auto isDisplayName = [this](const CStyleNameNode& n) {
            return n.GetstrDisplayName() == m_strStyleName;
        };
        auto isSystemName = [this](const CStyleNameNode& n) {
            return n.GetstrSysTypeName() == m_strStyleName;
        };
        if (std::none_of(arrNames.begin(), arrNames.end(), isDisplayName) &&
            std::any_of(arrNames.begin(), arrNames.end(), isSystemName)) {
            ui::MessageBox(this,
                           text::Format(L"输入的类型名称“%s”是已经定义的一系统类型，不能采用。"
                                        L"\n\n若一定要用，请先修改类型名称定义。",
                                        m_strStyleName),
                           L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
            return;
        }
    }
    EndDialog(ui::IDOK);
}
