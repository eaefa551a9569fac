#include "records/OneInfoCheck.h"

#include "platform/ui/MessageBox.h"

namespace {

bool HasColon(const std::wstring& strText) {
    return strText.find_first_of(L":：") != std::wstring::npos;
}

} // namespace

int COneInfoCheck::IsOkEnabled(const std::wstring& strTitle, const std::wstring& strValue) {
    return !strTitle.empty() && !strValue.empty() ? 1 : 0;
}

std::wstring COneInfoCheck::GetColonMessage(const std::wstring& strTitle,
                                            const std::wstring& strValue,
                                            const std::wstring& strTitleLabel,
                                            const std::wstring& strValueLabel) {
    std::wstring strFields;
    if (HasColon(strTitle))
        strFields = L"\"" + strTitleLabel + L"\"";
    if (HasColon(strValue))
        strFields += (strFields.empty() ? L"\"" : L"和\"") + strValueLabel + L"\"";
    return strFields.empty() ? std::wstring() : strFields + L"中，不能包括字符':'。";
}

int COneInfoCheck::CheckOnOk(ui::Window* pOwner, const std::wstring& strTitle,
                             const std::wstring& strValue, const std::wstring& strTitleLabel,
                             const std::wstring& strValueLabel) {
    std::wstring strMessage = GetColonMessage(strTitle, strValue, strTitleLabel, strValueLabel);
    if (strMessage.empty())
        return 1;
    ui::MessageBox(pOwner, strMessage, L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
    return 0;
}
