#include "drawing/GetTextFromMText.h"

#include "platform/text/WideString.h"

namespace {
constexpr std::wstring_view kCodeLetters = L"Ff~OoLlCHWQTPpSA{}";
}

std::wstring CGetTextFromMText::GetTextFromMText(std::wstring strText) {
    // Text that starts with ";" keeps its paragraph breaks here; they go with the codes below.
    if (!text::StartsWith(strText, L";"))
        strText = text::ReplaceAll(strText, L"\\P", L"");
    if (strText.find(L'\\') == std::wstring::npos)
        return strText;

    m_arrSymbPos.clear();
    for (size_t i = 0; i < strText.size(); ++i) {
        if (strText[i] == L';')
            m_arrSymbPos.push_back({static_cast<int>(i), 2});
        else if (strText[i] == L'\\' && i + 1 < strText.size() &&
                 kCodeLetters.find(strText[i + 1]) != std::wstring_view::npos)
            m_arrSymbPos.push_back({static_cast<int>(i), 1});
    }
    if (m_arrSymbPos.empty())
        return strText;

    // From the last record to the first, so that each deletion leaves the earlier positions
    // where they are. A semicolon ends the code that an earlier backslash record started.
    for (int k = static_cast<int>(m_arrSymbPos.size()) - 1; k >= 0; --k) {
        const TypeSpecialSymbPos& symb = m_arrSymbPos[k];
        if (symb.nKind == 1) {
            strText.erase(symb.nPos, 2);
        } else if (k > 0) {
            const TypeSpecialSymbPos& previous = m_arrSymbPos[k - 1];
            if (previous.nKind == 2) {
                strText.erase(symb.nPos, 1);
            } else {
                strText.erase(previous.nPos, symb.nPos - previous.nPos + 1);
                --k;
            }
        }
    }
    return text::Trim(text::RemoveChars(strText, L"{}"));
}
