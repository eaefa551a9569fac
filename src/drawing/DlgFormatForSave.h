#pragma once
// CDlgFormatForSave: the choice of the DWG format for the batch save of the management
// window. This class holds the dialog's logic; its window is built from the template below by
// the user-interface port.

#include <map>
#include <string>

class CDlgFormatForSave {
public:
    static constexpr int IDC_RADIO_2010 = 227;
    static constexpr int IDC_RADIO_2007 = 226;
    static constexpr int IDC_RADIO_2004 = 216;
    static constexpr int IDC_RADIO_2002 = 220;

    struct Choice {
        int nId;
        int nYear;
        const wchar_t* text;
    };
    // The four radio buttons, top to bottom.
    static const Choice kChoices[4];
    static constexpr const wchar_t* kCaption = L"图纸保存格式选择";
    static constexpr const wchar_t* kGroupText = L"图纸保存格式";

    virtual ~CDlgFormatForSave() = default;

    // 2002, 2004, 2007 or 2010; set by the caller before the dialog, read after it.
    int m_nFormatYear = 2010;

    // Clears the four buttons and checks the one of m_nFormatYear (none for another year).
    void OnInitDialog();
    // A click on one of the buttons: its year is taken and the others are cleared.
    void OnRadioClicked(int nId);
    int IsChecked(int nId) const;

    // "DefaultFormatForSave" to the year shown: "12" 2002, "24" 2004, "36" 2007, else 2010.
    static int YearFromSaveFormat(const std::wstring& strValue);
    // The year chosen to "DefaultFormatForSave": 2010 "48", 2007 "36", 2004 "24", 2002 "12";
    // "" for any other year.
    static std::wstring SaveFormatFromYear(int nYear);

private:
    std::map<int, bool> m_checked;
};
