#include "drawing/DlgInfoTableParaSet.h"

#include "controls/ModuleResources.h"
#include "platform/text/Format.h"
#include "platform/ui/MessageBox.h"

#include <cwchar>
#include <utility>

namespace {

using D = CDlgInfoTableParaSet;

ui::DialogTemplate ParaSetTemplate() {
    using ui::ControlKind;
    return {D::IDD,
            L"设备描述信息表格参数设置",
            200,
            164,
            0,
            {{ui::IDC_STATIC, ControlKind::GroupBox, L"*表格参数**", 7, 4, 186, 86},
             {ui::IDC_STATIC, ControlKind::Static, L"第一栏宽：", 15, 19, 40, 9},
             {D::IDC_C1, ControlKind::Edit, L"", 57, 17, 36, 13},
             {ui::IDC_STATIC, ControlKind::Static, L"第二栏宽：", 105, 19, 40, 9},
             {D::IDC_C2, ControlKind::Edit, L"", 147, 17, 36, 13},
             {ui::IDC_STATIC, ControlKind::Static, L"第三栏宽：", 15, 37, 40, 9},
             {D::IDC_C3, ControlKind::Edit, L"", 57, 35, 36, 13},
             {ui::IDC_STATIC, ControlKind::Static, L"第四栏宽：", 105, 37, 40, 9},
             {D::IDC_C4, ControlKind::Edit, L"", 147, 35, 36, 13},
             {ui::IDC_STATIC, ControlKind::Static, L"行高：", 15, 55, 40, 9},
             {D::IDC_ROW_HEIGHT, ControlKind::Edit, L"", 57, 53, 36, 13},
             {ui::IDC_STATIC, ControlKind::Static, L"字高：", 105, 55, 40, 9},
             {D::IDC_TEXT_HEIGHT, ControlKind::Edit, L"", 147, 53, 36, 13},
             {ui::IDC_STATIC, ControlKind::Static, L"字宽：", 15, 73, 40, 9},
             {D::IDC_WIDTH_FACTOR, ControlKind::Edit, L"", 57, 71, 36, 13},
             {ui::IDC_STATIC, ControlKind::GroupBox, L"*文字对齐方式**", 7, 96, 186, 36},
             {D::IDC_LEFT_MIDDLE, ControlKind::RadioButton, L"左中对齐", 15, 112, 60, 10},
             {D::IDC_CENTRE, ControlKind::RadioButton, L"中心对齐", 105, 112, 60, 10},
             {ui::IDOK, ControlKind::PushButton, L"确定", 85, 142, 50, 14, ui::BS_DEFPUSHBUTTON},
             {ui::IDCANCEL, ControlKind::PushButton, L"取消", 143, 142, 50, 14}}};
}

// The fields and the parameters they show, in the order they are checked.
std::pair<int, double infotable::Parameters::*> const kFields[] = {
    {D::IDC_C1, &infotable::Parameters::c1},
    {D::IDC_C2, &infotable::Parameters::c2},
    {D::IDC_C3, &infotable::Parameters::c3},
    {D::IDC_C4, &infotable::Parameters::c4},
    {D::IDC_ROW_HEIGHT, &infotable::Parameters::R},
    {D::IDC_TEXT_HEIGHT, &infotable::Parameters::H},
    {D::IDC_WIDTH_FACTOR, &infotable::Parameters::F},
};

// The whole text as a number; false for anything else.
bool ParseNumber(const std::wstring& strText, double& dValue) {
    const wchar_t* pBegin = strText.c_str();
    wchar_t* pEnd = nullptr;
    dValue = std::wcstod(pBegin, &pEnd);
    while (pEnd && (*pEnd == L' ' || *pEnd == L'\t'))
        ++pEnd;
    return pEnd != pBegin && pEnd && *pEnd == L'\0';
}

} // namespace

CDlgInfoTableParaSet::CDlgInfoTableParaSet(ui::Window* pParent)
    : ui::Dialog(ParaSetTemplate(), pParent), m_Parameters(infotable::TableParameters()) {}

bool CDlgInfoTableParaSet::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetIcon(IDI_OVMANAGE, true);
    for (const auto& [id, member] : kFields)
        SetDlgItemText(id, text::Format(L"%g", m_Parameters.*member));
    CheckRadioButton(IDC_LEFT_MIDDLE, IDC_CENTRE,
                     m_Parameters.A == 1 ? IDC_CENTRE : IDC_LEFT_MIDDLE);
    return true;
}

void CDlgInfoTableParaSet::OnOK() {
    infotable::Parameters read = m_Parameters;
    for (const auto& [id, member] : kFields)
        if (!ParseNumber(GetDlgItemText(id), read.*member)) {
            // Every number is taken, but text that is none would silently become 0.
            ui::MessageBox(this, L"请输入一个数。", L"Tessaline",
                           ui::MB_OK | ui::MB_ICONEXCLAMATION);
            GetDlgItem(id)->SetFocus();
            return;
        }
    read.A = IsDlgButtonChecked(IDC_CENTRE) ? 1 : 0;
    m_Parameters = read;
    infotable::TableParameters() = read;
    EndDialog(ui::IDOK);
}
