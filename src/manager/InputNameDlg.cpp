#include "manager/InputNameDlg.h"

#include "controls/ModuleResources.h"
#include "platform/ui/DataExchange.h"

namespace {

ui::DialogTemplate InputNameTemplate() {
    using ui::ControlKind;
    return {CInputNameDlg::IDD,
            L"",
            200,
            76,
            0,
            {{CInputNameDlg::IDC_NAME_LABEL, ControlKind::Static, L"名称：", 7, 9, 36, 9},
             {CInputNameDlg::IDC_NAME, ControlKind::Edit, L"", 45, 7, 148, 13},
             {ui::IDC_STATIC, ControlKind::Static, L"说明：", 7, 28, 36, 9},
             {CInputNameDlg::IDC_SECOND_TEXT, ControlKind::Edit, L"", 45, 26, 148, 13},
             {ui::IDOK, ControlKind::PushButton, L"确 定", 45, 53, 60, 15, ui::BS_DEFPUSHBUTTON},
             {ui::IDCANCEL, ControlKind::PushButton, L"取 消", 133, 53, 60, 15}}};
}

} // namespace

CInputNameDlg::CInputNameDlg(std::wstring strTitle, ui::Window* pParent)
    : ui::Dialog(InputNameTemplate(), pParent), m_strTitle(std::move(strTitle)) {}

void CInputNameDlg::DoDataExchange(ui::DataExchange& exchange) {
    ui::DDX_Text(exchange, IDC_NAME, m_strName);
    ui::DDX_Text(exchange, IDC_SECOND_TEXT, m_strSecondText);
}

bool CInputNameDlg::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetIcon(IDI_OVMANAGE, true);
    SetWindowText(m_strTitle);
    SetDlgItemText(IDC_NAME_LABEL, m_strLabel);
    GetDlgItem(ui::IDOK)->EnableWindow(!m_strName.empty());
    return true;
}

bool CInputNameDlg::OnCommand(int id, unsigned code) {
    if (id == IDC_NAME && code == ui::EN_CHANGE) {
        GetDlgItem(ui::IDOK)->EnableWindow(!GetDlgItemText(IDC_NAME).empty());
        return true;
    }
    return false;
}

void CInputNameDlg::OnOK() {
    UpdateData(true);
    if (!m_strName.empty())
        EndDialog(ui::IDOK);
}
