#pragma once
// CDlgFormatForSave: the choice of the DWG format for the batch save of the management
// window. The caller sets the year before DoModal and reads it after; the conversions between
// the host's "DefaultFormatForSave" values and the years are here too.

#include "platform/ui/Dialog.h"

#include <string>

class CDlgFormatForSave : public ui::Dialog {
public:
    static constexpr int IDD = 229;
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

    explicit CDlgFormatForSave(ui::Window* pParent = nullptr);

    // 2002, 2004, 2007 or 2010; set by the caller before the dialog, read after it.
    int m_nFormatYear = 2010;

    // A click on one of the buttons: its year is taken and the others are cleared.
    void OnRadioClicked(int nId);
    int IsChecked(int nId) const { return IsDlgButtonChecked(nId) == ui::BST_CHECKED ? 1 : 0; }

    // "DefaultFormatForSave" to the year shown: "12" 2002, "24" 2004, "36" 2007, else 2010.
    static int YearFromSaveFormat(const std::wstring& strValue);
    // The year chosen to "DefaultFormatForSave": 2010 "48", 2007 "36", 2004 "24", 2002 "12";
    // "" for any other year.
    static std::wstring SaveFormatFromYear(int nYear);

protected:
    // Clears the four buttons and checks the one of m_nFormatYear (none for another year).
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;
};
