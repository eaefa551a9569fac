#include "records/OneInfoDlg.h"

#include "controls/ModuleResources.h"
#include "platform/text/WideString.h"
#include "records/OneInfoCheck.h"
#include "store/OperateMdb.h"
#include "store/WordList.h"

namespace {

ui::DialogTemplate OneInfoTemplate() {
    using ui::ControlKind;
    return {COneInfoDlg::IDD,
            L"",
            230,
            74,
            0,
            {{COneInfoDlg::IDC_TITLE_LABEL, ControlKind::Static, L"", 7, 9, 44, 9},
             {COneInfoDlg::IDC_INFO_TITLE, ControlKind::Edit, L"", 53, 7, 170, 13},
             {COneInfoDlg::IDC_VALUE_LABEL, ControlKind::Static, L"", 7, 28, 44, 9},
             {COneInfoDlg::IDC_INFO_VALUE, ControlKind::ComboBox, L"", 53, 26, 170, 90,
              ui::CBS_DROPDOWN},
             {ui::IDOK, ControlKind::PushButton, L"确定", 109, 52, 54, 15, ui::BS_DEFPUSHBUTTON},
             {ui::IDCANCEL, ControlKind::PushButton, L"取消", 169, 52, 54, 15}}};
}

} // namespace

COneInfoDlg::COneInfoDlg(std::wstring strCaption, std::wstring strTitleLabel,
                         std::wstring strValueLabel, ui::Window* pParent)
    : ui::Dialog(OneInfoTemplate(), pParent), m_strCaption(std::move(strCaption)),
      m_strTitleLabel(std::move(strTitleLabel)), m_strValueLabel(std::move(strValueLabel)) {}

std::wstring COneInfoDlg::FindTitleTable(const std::vector<std::wstring>& arrTableNames,
                                         const std::wstring& strTitle) {
    for (const std::wstring& strTable : arrTableNames)
        if (text::StartsWith(strTable, L"OV") && strTable.find(strTitle, 2) != std::wstring::npos)
            return strTable;
    return {};
}

bool COneInfoDlg::OnInitDialog() {
    SetIcon(IDI_OVMANAGE, true);
    SetWindowText(m_strCaption);
    SetDlgItemText(IDC_TITLE_LABEL, m_strTitleLabel);
    SetDlgItemText(IDC_VALUE_LABEL, m_strValueLabel);
    SetDlgItemText(IDC_INFO_TITLE, m_strTitle);
    GetDlgItemAs<ui::ComboBox>(IDC_INFO_VALUE)->SetWindowText(m_strValue);
    EnableOk();
    return true;
}

void COneInfoDlg::EnableOk() {
    bool bEnable = COneInfoCheck::IsOkEnabled(GetDlgItemText(IDC_INFO_TITLE),
                                              GetDlgItemText(IDC_INFO_VALUE)) != 0;
    GetDlgItem(ui::IDOK)->EnableWindow(bEnable);
}

void COneInfoDlg::OfferWordsForTitle() {
    auto* pCombo = GetDlgItemAs<ui::ComboBox>(IDC_INFO_VALUE);
    std::wstring strValue = pCombo->GetWindowText();
    std::wstring strTitle = text::Trim(GetDlgItemText(IDC_INFO_TITLE));
    if (strTitle != GetDlgItemText(IDC_INFO_TITLE))
        SetDlgItemText(IDC_INFO_TITLE, strTitle);
    if (!strTitle.empty()) {
        std::wstring strPath = GetLocalWordDictionaryPath();
        RefreshLocalWordDictionary(strPath);
        // A dictionary that is missing or cannot be opened leaves the choices as they were:
        // the words only help, and the entry can be typed all the same.
        COperateMdb mdb(strPath, true);
        if (mdb.IsConnected()) {
            std::vector<std::wstring> arrTables;
            mdb.GetTableNames(arrTables);
            std::wstring strTable = FindTitleTable(arrTables, strTitle);
            std::vector<std::wstring> arrWords;
            if (!strTable.empty())
                mdb.GetFieldValues(strTable, L"WORD", arrWords, kMdbChar, 0);
            pCombo->ResetContent();
            for (const std::wstring& strWord : arrWords)
                pCombo->AddString(strWord);
        }
    }
    pCombo->SetWindowText(strValue);
}

bool COneInfoDlg::OnCommand(int id, unsigned code) {
    if (id == IDC_INFO_TITLE && code == ui::EN_KILLFOCUS) {
        OfferWordsForTitle();
        return true;
    }
    if ((id == IDC_INFO_TITLE && code == ui::EN_CHANGE) ||
        (id == IDC_INFO_VALUE && (code == ui::CBN_EDITCHANGE || code == ui::CBN_SELCHANGE))) {
        EnableOk();
        return true;
    }
    return false;
}

void COneInfoDlg::OnOK() {
    std::wstring strTitle = GetDlgItemText(IDC_INFO_TITLE);
    std::wstring strValue = GetDlgItemText(IDC_INFO_VALUE);
    if (!COneInfoCheck::CheckOnOk(this, strTitle, strValue, m_strTitleLabel, m_strValueLabel))
        return;
    m_strTitle = strTitle;
    m_strValue = strValue;
    EndDialog(ui::IDOK);
}
