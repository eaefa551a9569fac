#include "manager/NewFileNames.h"

#include "platform/text/Format.h"
#include "platform/text/WideString.h"

#include <algorithm>

namespace {

// The decimal text one above the given digits ("" counts as 0), as wide as needed.
std::wstring Increment(std::wstring strDigits) {
    if (strDigits.empty())
        return L"1";
    for (size_t i = strDigits.size(); i-- > 0;) {
        if (strDigits[i] != L'9') {
            ++strDigits[i];
            return strDigits;
        }
        strDigits[i] = L'0';
    }
    return L"1" + strDigits;
}

std::wstring WithoutLeadingZeros(const std::wstring& strDigits) {
    size_t first = strDigits.find_first_not_of(L'0');
    return first == std::wstring::npos ? L"0" : strDigits.substr(first);
}

// Digit runs longer than this are compared by their text, not converted.
constexpr size_t kMaxConvertedDigits = 18;

} // namespace

std::wstring ProposeNewFileName(const std::wstring& strBookNumber, long long nHighest) {
    long long nNext = nHighest + 1;
    std::wstring strName = text::Format(nNext >= 10 ? L"%s-%d" : L"%s-0%d", strBookNumber, nNext);
    return text::Trim(strName, L"-");
}

std::wstring TrailingDigits(const std::wstring& strText) {
    size_t n = strText.size();
    while (n > 0 && strText[n - 1] >= L'0' && strText[n - 1] <= L'9')
        --n;
    return strText.substr(n);
}

long long HighestTrailingNumber(const std::vector<std::wstring>& arrPaths) {
    long long nHighest = 0;
    for (const std::wstring& strPath : arrPaths) {
        size_t slash = strPath.find_last_of(L'\\');
        std::wstring strName = slash == std::wstring::npos ? strPath : strPath.substr(slash + 1);
        if (strName.size() < 4)
            continue;
        std::wstring strDigits =
            WithoutLeadingZeros(TrailingDigits(strName.substr(0, strName.size() - 4)));
        if (strDigits.size() > kMaxConvertedDigits)
            continue;
        nHighest = std::max(nHighest, std::stoll(strDigits));
    }
    return nHighest;
}

std::wstring TemplateForFileName(const std::wstring& strFileName) {
    std::wstring strStem = strFileName;
    if (strStem.size() >= 4 && text::EqualsNoCase(strStem.substr(strStem.size() - 4), L".dwg"))
        strStem.resize(strStem.size() - 4);
    std::wstring strNumber = TrailingDigits(strStem);
    if (strNumber == L"01" || strNumber == L"1")
        return L"MB-1标准封面.dwt";
    if (strNumber == L"02" || strNumber == L"2")
        return L"MB-1标准目录图框.dwt";
    if (strNumber == L"03" || strNumber == L"3")
        return L"MB-1标准屏面布置图.dwt";
    if (strNumber == L"04" || strNumber == L"4")
        return L"MB-1标准压板定义及排列图.dwt";
    return L"MB-1标准图框.dwt";
}

std::wstring NextShiftName(const std::wstring& strPath) {
    size_t slash = strPath.find_last_of(L'\\');
    size_t dot = strPath.find_last_of(L'.');
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash))
        dot = strPath.size();
    std::wstring strStem = strPath.substr(0, dot);
    std::wstring strExtension = strPath.substr(dot);
    std::wstring strDigits = TrailingDigits(strStem);
    std::wstring strPrefix = strStem.substr(0, strStem.size() - strDigits.size());
    std::wstring strNext = Increment(WithoutLeadingZeros(strDigits));
    if (strDigits.size() >= 3) {
        if (strNext.size() < strDigits.size())
            strNext.insert(0, strDigits.size() - strNext.size(), L'0');
    } else if (!strDigits.empty() && strDigits.front() == L'0' && strNext.size() < 2) {
        strNext.insert(0, 1, L'0');
    }
    return strPrefix + strNext + strExtension;
}
