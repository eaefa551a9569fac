#include "suite/OvXmInfo/XmInfoPath.h"

#include <cwctype>

namespace xmpath {

std::wstring Join(std::wstring_view strFolder, std::wstring_view strName) {
    bool folderEnds = !strFolder.empty() && strFolder.back() == L'\\';
    bool nameBegins = !strName.empty() && strName.front() == L'\\';
    std::wstring joined(strFolder);
    if (folderEnds && nameBegins)
        joined += strName.substr(1);
    else if (!folderEnds && !nameBegins)
        joined.append(L"\\").append(strName);
    else
        joined += strName;
    return joined;
}

std::wstring Parent(std::wstring_view strPath) {
    size_t slash = strPath.find_last_of(L'\\');
    return slash == std::wstring_view::npos ? std::wstring()
                                            : std::wstring(strPath.substr(0, slash));
}

namespace {

std::wstring_view LastItemView(std::wstring_view strPath) {
    if (!strPath.empty() && strPath.back() == L'\\')
        strPath.remove_suffix(1);
    size_t slash = strPath.find_last_of(L'\\');
    return slash == std::wstring_view::npos ? strPath : strPath.substr(slash + 1);
}

} // namespace

std::wstring LastItem(std::wstring_view strPath) {
    return std::wstring(LastItemView(strPath));
}

std::wstring Extension(std::wstring_view strPath) {
    std::wstring_view name = LastItemView(strPath);
    size_t dot = name.find_last_of(L'.');
    return dot == std::wstring_view::npos ? std::wstring() : std::wstring(name.substr(dot + 1));
}

std::wstring WithoutExtension(std::wstring_view strPath) {
    size_t slash = strPath.find_last_of(L'\\');
    size_t dot = strPath.find_last_of(L'.');
    if (dot == std::wstring_view::npos || (slash != std::wstring_view::npos && dot < slash))
        return std::wstring(strPath);
    return std::wstring(strPath.substr(0, dot));
}

bool IsUsableName(std::wstring_view strName) {
    if (strName.empty() || strName == L"." || strName == L"..")
        return false;
    for (wchar_t c : strName)
        if (c < 0x20 || std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos)
            return false;
    wchar_t last = strName.back();
    if (last == L'.' || last == L' ' || last == L'\t' || last == L'\x3000')
        return false;
    // The device name is what stands before the first dot, blanks at its end ignored.
    std::wstring_view base = strName.substr(0, strName.find(L'.'));
    while (!base.empty() && (base.back() == L' ' || base.back() == L'\t'))
        base.remove_suffix(1);
    std::wstring upper;
    for (wchar_t c : base)
        upper += static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL"})
        if (upper == device)
            return false;
    return !(upper.size() == 4 && (upper.starts_with(L"COM") || upper.starts_with(L"LPT")) &&
             upper[3] >= L'1' && upper[3] <= L'9');
}

} // namespace xmpath
