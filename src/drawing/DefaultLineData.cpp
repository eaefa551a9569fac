#include "drawing/DefaultLineData.h"

#include "drawing/EditOprt.h"
#include "platform/text/WideString.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

const wchar_t* const g_arrDefaultLineStyles[7] = {
    L"交流电流A", L"交流电流B",  L"交流电流C",  L"交流电流N",
    L"普通导线",  L"两芯屏蔽线", L"三芯屏蔽线",
};

namespace {

std::wstring Part(const std::vector<std::wstring>& arrParts, size_t nIndex) {
    return nIndex < arrParts.size() ? text::Trim(arrParts[nIndex]) : std::wstring();
}

} // namespace

void CDefaultLineData::Read() {
    std::vector<std::wstring> arrLines;
    CEditOprt::ReadLines(CEditOprt::JoinPath(GetInstallPath_TL(), L"Data\\DZBDXLXFH.txt"), arrLines,
                         0);
    ReadLines(arrLines);
}

void CDefaultLineData::ReadLines(const std::vector<std::wstring>& arrLines) {
    m_arrEntries.clear();
    for (const std::wstring& strLine : arrLines) {
        std::wstring strNormal =
            text::ReplaceAll(text::ReplaceAll(strLine, L"：", L":"), L"，", L",");
        size_t colon = strNormal.find(L':');
        std::wstring strStyle = text::Trim(strNormal.substr(0, colon));
        if (strStyle.empty())
            continue;
        std::vector<std::wstring> arrParts = colon == std::wstring::npos
                                                 ? std::vector<std::wstring>()
                                                 : text::Split(strNormal.substr(colon + 1), L",");
        m_arrEntries.push_back({strStyle, Part(arrParts, 0), Part(arrParts, 1), Part(arrParts, 2)});
    }
}

void CDefaultLineData::Complete(STRUCT_LINEITEM& item) const {
    if (!item.strCode.empty() || !item.strDescribe.empty() || !item.strLength.empty())
        return;
    for (auto entry = m_arrEntries.rbegin(); entry != m_arrEntries.rend(); ++entry)
        if (text::EqualsNoCase(entry->strStyle, item.strStyle)) {
            item.strCode = entry->strCode;
            item.strDescribe = entry->strDescribe;
            item.strLength = entry->strLength;
            return;
        }
}
