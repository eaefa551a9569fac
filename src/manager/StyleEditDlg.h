#pragma once
// CStyleEditDlg: choosing a drawing-type name from the catalogue of defined types, or typing a
// new one. A name that is a type's system name but no type's display name is refused, so that
// a type is never entered under a name that already means another type in the files.

#include "platform/ui/Dialog.h"

#include <string>

class CStyleEditDlg : public ui::Dialog {
public:
    static constexpr int IDD = 111;
    static constexpr int IDC_STYLE_LIST = 135;
    static constexpr int IDC_SYSTEM_TYPE = 136;
    static constexpr int IDC_STYLE_NAME = 134;

    CStyleEditDlg(std::wstring strTitle, ui::Window* pParent = nullptr);

    // The type name the caller reads after IDOK.
    std::wstring m_strStyleName;
    // "系统类型:" and the system name of the type picked in the list.
    std::wstring m_strSystemType;
    // The text of the list's selection.
    std::wstring m_strListSel;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& exchange) override;
    bool OnCommand(int id, unsigned code) override;
    void OnOK() override;

private:
    void EnableOkByName();
    void TakeListSelection();

    std::wstring m_strTitle;
};
