#pragma once
// CLineInfoDialog: one row of a wire list added or changed: category, material code,
// description and average length, the last three with the choices the list already holds or
// taken from the main-component library ("导线库").

#include "platform/ui/Dialog.h"

#include <string>
#include <vector>

class CLineInfoDialog : public ui::Dialog {
public:
    static constexpr int IDD = 231;
    static constexpr int IDC_STYLE = 227;
    static constexpr int IDC_CODE = 179;
    static constexpr int IDC_DESCRIBE = 181;
    static constexpr int IDC_LENGTH = 184;
    static constexpr int IDC_WIRE_LIBRARY = 222;

    explicit CLineInfoDialog(ui::Window* pParent = nullptr);

    // The fields, set before DoModal and read after IDOK (trimmed).
    std::wstring m_strStyle;
    std::wstring m_strCode;
    std::wstring m_strDescribe;
    std::wstring m_strLength;
    // The choices of the three combo boxes.
    std::vector<std::wstring> m_arrCodes;
    std::vector<std::wstring> m_arrDescribes;
    std::vector<std::wstring> m_arrLengths;
    // Categories the list uses already; in modify mode the edited row's own one is among them
    // and is let through.
    std::vector<std::wstring> m_arrUsedStyles;
    int m_bModify = 0;

    // Takes the fields from a main-component library record: element 0 the code, elements 3,
    // 1 and 2 joined by "_" (blanks, then "_" trimmed at both ends) the description, element
    // 18 the length; elements the record lacks count as empty.
    void TakeLibraryRecord(const std::vector<std::wstring>& record);

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(ui::DataExchange& exchange) override;
    bool OnCommand(int id, unsigned code) override;
    // The main-component library's answer.
    bool OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                   ui::LRESULT& result) override;

private:
    // "导线库": the library's browser for this dialog, and its answer.
    void OnWireLibrary();
};
