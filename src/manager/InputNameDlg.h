#pragma once
// CInputNameDlg: a free name (a template's name, say) and a second text, under the caller's
// title. The caller may name the name's label and preset the name; OK stays disabled while the
// name is empty.

#include "platform/ui/Dialog.h"

#include <string>

class CInputNameDlg : public ui::Dialog {
public:
    static constexpr int IDD = 119;
    static constexpr int IDC_NAME = 169;
    static constexpr int IDC_SECOND_TEXT = 168;
    static constexpr int IDC_NAME_LABEL = 167;

    CInputNameDlg(std::wstring strTitle, ui::Window* pParent = nullptr);

    // Set by the caller before DoModal, if at all.
    std::wstring m_strLabel = L"名称：";
    // Preset by the caller, read after IDOK.
    std::wstring m_strName;
    std::wstring m_strSecondText;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& exchange) override;
    bool OnCommand(int id, unsigned code) override;
    void OnOK() override;

private:
    std::wstring m_strTitle;
};
