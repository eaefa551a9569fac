#include "drawing/DlgFormatForSave.h"

#include "controls/ModuleResources.h"

const CDlgFormatForSave::Choice CDlgFormatForSave::kChoices[4] = {
    {IDC_RADIO_2010, 2010, L"AutoCAD 2010 图形 (*.dwg)"},
    {IDC_RADIO_2007, 2007, L"AutoCAD 2007 图形 (*.dwg)"},
    {IDC_RADIO_2004, 2004, L"AutoCAD 2004/LT2004 图形 (*.dwg)"},
    {IDC_RADIO_2002, 2002, L"AutoCAD 2002/LT2000 图形 (*.dwg)"},
};

namespace {

ui::DialogTemplate FormatForSaveTemplate() {
    using ui::ControlKind;
    std::vector<ui::ControlTemplate> controls{
        {ui::IDC_STATIC, ControlKind::GroupBox, CDlgFormatForSave::kGroupText, 7, 7, 150, 74}};
    int y = 21;
    for (const CDlgFormatForSave::Choice& choice : CDlgFormatForSave::kChoices) {
        controls.push_back({choice.nId, ControlKind::RadioButton, choice.text, 16, y, 136, 10});
        y += 14;
    }
    controls.push_back(
        {ui::IDOK, ControlKind::PushButton, L"确定", 165, 11, 50, 14, ui::BS_DEFPUSHBUTTON});
    controls.push_back({ui::IDCANCEL, ControlKind::PushButton, L"取消", 165, 30, 50, 14});
    return {CDlgFormatForSave::IDD, CDlgFormatForSave::kCaption, 222, 88, 0, std::move(controls)};
}

} // namespace

CDlgFormatForSave::CDlgFormatForSave(ui::Window* pParent)
    : ui::Dialog(FormatForSaveTemplate(), pParent) {}

bool CDlgFormatForSave::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetIcon(IDI_OVMANAGE, true);
    for (const Choice& choice : kChoices)
        CheckDlgButton(choice.nId,
                       choice.nYear == m_nFormatYear ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    return true;
}

bool CDlgFormatForSave::OnCommand(int id, unsigned code) {
    for (const Choice& choice : kChoices)
        if (choice.nId == id && code == ui::BN_CLICKED) {
            OnRadioClicked(id);
            return true;
        }
    return false;
}

void CDlgFormatForSave::OnRadioClicked(int nId) {
    for (const Choice& choice : kChoices)
        if (choice.nId == nId)
            m_nFormatYear = choice.nYear;
    for (const Choice& choice : kChoices)
        CheckDlgButton(choice.nId, choice.nId == nId ? ui::BST_CHECKED : ui::BST_UNCHECKED);
}

int CDlgFormatForSave::YearFromSaveFormat(const std::wstring& strValue) {
    if (strValue == L"12")
        return 2002;
    if (strValue == L"24")
        return 2004;
    if (strValue == L"36")
        return 2007;
    return 2010;
}

std::wstring CDlgFormatForSave::SaveFormatFromYear(int nYear) {
    switch (nYear) {
    case 2010:
        return L"48";
    case 2007:
        return L"36";
    case 2004:
        return L"24";
    case 2002:
        return L"12";
    default:
        return L"";
    }
}
