#include "drawing/DlgFormatForSave.h"

const CDlgFormatForSave::Choice CDlgFormatForSave::kChoices[4] = {
    {IDC_RADIO_2010, 2010, L"AutoCAD 2010 图形 (*.dwg)"},
    {IDC_RADIO_2007, 2007, L"AutoCAD 2007 图形 (*.dwg)"},
    {IDC_RADIO_2004, 2004, L"AutoCAD 2004/LT2004 图形 (*.dwg)"},
    {IDC_RADIO_2002, 2002, L"AutoCAD 2002/LT2000 图形 (*.dwg)"},
};

void CDlgFormatForSave::OnInitDialog() {
    for (const Choice& choice : kChoices)
        m_checked[choice.nId] = choice.nYear == m_nFormatYear;
}

void CDlgFormatForSave::OnRadioClicked(int nId) {
    for (const Choice& choice : kChoices)
        if (choice.nId == nId)
            m_nFormatYear = choice.nYear;
    for (const Choice& choice : kChoices)
        m_checked[choice.nId] = choice.nId == nId;
}

int CDlgFormatForSave::IsChecked(int nId) const {
    auto found = m_checked.find(nId);
    return found != m_checked.end() && found->second ? 1 : 0;
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
