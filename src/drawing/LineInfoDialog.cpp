#include "drawing/LineInfoDialog.h"

#include "controls/ModuleResources.h"
#include "frame/ManageGlobals.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/Backend.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/MessageBox.h"
#include "suite/VoRezaZazUzavodo/MainLibManager.h"

#include <algorithm>

namespace {

ui::DialogTemplate LineInfoTemplate() {
    using ui::ControlKind;
    return {
        CLineInfoDialog::IDD,
        L"",
        214,
        104,
        0,
        {{ui::IDC_STATIC, ControlKind::Static, L"类    别：", 7, 9, 40, 8},
         {CLineInfoDialog::IDC_STYLE, ControlKind::Edit, L"", 50, 7, 157, 12},
         {ui::IDC_STATIC, ControlKind::Static, L"物料编码：", 7, 26, 40, 8},
         {CLineInfoDialog::IDC_CODE, ControlKind::ComboBox, L"", 50, 24, 157, 80, ui::CBS_DROPDOWN},
         {ui::IDC_STATIC, ControlKind::Static, L"物料描述：", 7, 43, 40, 8},
         {CLineInfoDialog::IDC_DESCRIBE, ControlKind::ComboBox, L"", 50, 41, 157, 80,
          ui::CBS_DROPDOWN},
         {ui::IDC_STATIC, ControlKind::Static, L"平均长度：", 7, 60, 40, 8},
         {CLineInfoDialog::IDC_LENGTH, ControlKind::ComboBox, L"", 50, 58, 157, 80,
          ui::CBS_DROPDOWN},
         {CLineInfoDialog::IDC_WIRE_LIBRARY, ControlKind::PushButton, L"导线库", 7, 83, 50, 14},
         {ui::IDOK, ControlKind::PushButton, L"确定", 99, 83, 50, 14, ui::BS_DEFPUSHBUTTON},
         {ui::IDCANCEL, ControlKind::PushButton, L"取消", 157, 83, 50, 14}}};
}

void FillCombo(ui::ComboBox* pCombo, const std::vector<std::wstring>& arrChoices,
               const std::wstring& strText) {
    pCombo->ResetContent();
    for (const std::wstring& strChoice : arrChoices)
        pCombo->AddString(strChoice);
    pCombo->SetWindowText(strText);
}

} // namespace

CLineInfoDialog::CLineInfoDialog(ui::Window* pParent) : ui::Dialog(LineInfoTemplate(), pParent) {}

bool CLineInfoDialog::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetIcon(IDI_OVMANAGE, true);
    SetWindowText(m_bModify ? L"修改" : L"添加");
    if (m_bModify) {
        auto own = std::find_if(m_arrUsedStyles.begin(), m_arrUsedStyles.end(),
                                [this](const std::wstring& strStyle) {
                                    return text::EqualsNoCase(strStyle, m_strStyle);
                                });
        if (own != m_arrUsedStyles.end())
            m_arrUsedStyles.erase(own);
    }
    SetDlgItemText(IDC_STYLE, m_strStyle);
    FillCombo(GetDlgItemAs<ui::ComboBox>(IDC_CODE), m_arrCodes, m_strCode);
    FillCombo(GetDlgItemAs<ui::ComboBox>(IDC_DESCRIBE), m_arrDescribes, m_strDescribe);
    FillCombo(GetDlgItemAs<ui::ComboBox>(IDC_LENGTH), m_arrLengths, m_strLength);
    return true;
}

void CLineInfoDialog::DoDataExchange(ui::DataExchange& exchange) {
    ui::DDX_Text(exchange, IDC_STYLE, m_strStyle);
    ui::DDX_CBString(exchange, IDC_CODE, m_strCode);
    ui::DDX_CBString(exchange, IDC_DESCRIBE, m_strDescribe);
    ui::DDX_CBString(exchange, IDC_LENGTH, m_strLength);
}

bool CLineInfoDialog::OnCommand(int id, unsigned code) {
    if (id == IDC_WIRE_LIBRARY && code == ui::BN_CLICKED) {
        OnWireLibrary();
        return true;
    }
    return ui::Dialog::OnCommand(id, code);
}

void CLineInfoDialog::OnOK() {
    if (!UpdateData(true))
        return;
    m_strStyle = text::Trim(m_strStyle);
    m_strCode = text::Trim(m_strCode);
    m_strDescribe = text::Trim(m_strDescribe);
    m_strLength = text::Trim(m_strLength);
    std::wstring strRefusal;
    if (m_strStyle.empty())
        strRefusal = L"类别不允许为空";
    else if (std::any_of(m_arrUsedStyles.begin(), m_arrUsedStyles.end(),
                         [this](const std::wstring& strUsed) {
                             return text::EqualsNoCase(strUsed, m_strStyle);
                         }))
        strRefusal = text::Format(L"类别%s已经存在!", m_strStyle);
    if (!strRefusal.empty()) {
        ui::MessageBox(this, strRefusal, L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
        auto* pStyle = GetDlgItemAs<ui::Edit>(IDC_STYLE);
        pStyle->SetFocus();
        pStyle->SetSel(0, -1);
        return;
    }
    EndDialog(ui::IDOK);
}

void CLineInfoDialog::TakeLibraryRecord(const std::vector<std::wstring>& record) {
    m_strCode = OvRecordElement(record, 0);
    std::wstring strJoined = text::Format(L"%s_%s_%s", OvRecordElement(record, 3),
                                          OvRecordElement(record, 1), OvRecordElement(record, 2));
    m_strDescribe = text::Trim(text::Trim(strJoined), L"_");
    m_strLength = OvRecordElement(record, 18);
    GetDlgItemAs<ui::ComboBox>(IDC_CODE)->SetWindowText(m_strCode);
    GetDlgItemAs<ui::ComboBox>(IDC_DESCRIBE)->SetWindowText(m_strDescribe);
    GetDlgItemAs<ui::ComboBox>(IDC_LENGTH)->SetWindowText(m_strLength);
}

void CLineInfoDialog::OnWireLibrary() {
    CModuleResourceScope resources;
    // The library's browser answers by posting to this dialog; the answer is taken from the
    // queue here (OnMessage). A parent that went away meanwhile ends the step and the dialog.
    if (!OvGetMainLibManagerAttributes(this, 2))
        return;
    ui::CurrentBackend().PumpMessages();
    ui::Window* pParent = GetParent();
    if (pParent && !ui::IsWindowAlive(pParent))
        EndDialog(ui::IDCANCEL);
}

bool CLineInfoDialog::OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                                ui::LRESULT& result) {
    if (message == WM_OVMAINLIB_CHOSEN && lParam) {
        TakeLibraryRecord(*reinterpret_cast<const std::vector<std::wstring>*>(lParam));
        result = 0;
        return true;
    }
    if (message == WM_OVMAINLIB_CANCELLED) {
        result = 0;
        return true;
    }
    return ui::Dialog::OnMessage(message, wParam, lParam, result);
}
