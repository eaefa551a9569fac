#pragma once
// The browser of the main-component library: the components of the installation's list with
// a filter field. Enter in the filter field applies the filter; OK (or a double click on a
// row) chooses the selected component.

#include "platform/ui/Dialog.h"

#include <string>
#include <vector>

class CMainLibBrowserDlg : public ui::Dialog {
public:
    static constexpr int IDD = 300;
    static constexpr int IDC_FILTER = 301;
    static constexpr int IDC_COMPONENTS = 302;
    static constexpr const wchar_t* kCaption = L"主元件库";

    CMainLibBrowserDlg(std::vector<std::vector<std::wstring>> arrRecords, ui::Window* pParent);

    // Shows the components whose code, name, model, kind or maker holds the filter text
    // (without regard to case); an empty filter shows all.
    void ApplyFilter();
    // The chosen component's record after IDOK.
    const std::vector<std::wstring>& GetChosenRecord() const { return m_arrChosen; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnNotify(int id, ui::NMHDR& header, ui::LRESULT& result) override;
    bool PreTranslateMessage(ui::MSG& message) override;

private:
    std::vector<std::vector<std::wstring>> m_arrRecords;
    std::vector<std::wstring> m_arrChosen;
};
