#pragma once
// COneInfoDlg: one description entry, a title and a value. When the title field loses the
// focus, the value's choices become the words the word dictionary holds for the title; OK is
// enabled while both fields hold text and refuses a colon in either.

#include "platform/ui/Dialog.h"

#include <string>

class COneInfoDlg : public ui::Dialog {
public:
    static constexpr int IDD = 118;
    static constexpr int IDC_INFO_TITLE = 153;
    static constexpr int IDC_INFO_VALUE = 154;
    static constexpr int IDC_TITLE_LABEL = 155;
    static constexpr int IDC_VALUE_LABEL = 156;

    // The labels are the column headers of the list the entry goes into.
    COneInfoDlg(std::wstring strCaption, std::wstring strTitleLabel, std::wstring strValueLabel,
                ui::Window* pParent = nullptr);

    // Preset by the caller, handed back on IDOK.
    std::wstring m_strTitle;
    std::wstring m_strValue;

    // The dictionary table of a title: the first whose name begins with "OV" and holds the
    // title after that prefix; "" when none does.
    static std::wstring FindTitleTable(const std::vector<std::wstring>& arrTableNames,
                                       const std::wstring& strTitle);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;
    void OnOK() override;

private:
    void EnableOk();
    void OfferWordsForTitle();

    std::wstring m_strCaption;
    std::wstring m_strTitleLabel;
    std::wstring m_strValueLabel;
};
