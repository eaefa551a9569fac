#include "store/RememberedContainers.h"

#include "drawing/EditOprt.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

namespace {

std::wstring FilePath(const wchar_t* relativePath) {
    return CEditOprt::JoinPath(GetInstallPath_TL(), relativePath);
}

std::wstring FirstLine(const wchar_t* relativePath) {
    std::wstring strLine;
    CEditOprt::ReadFirstLine(FilePath(relativePath), strLine);
    return strLine;
}

} // namespace

std::wstring GetRecentContainerPath() {
    return FirstLine(L"Data\\recent.dat");
}
std::wstring GetDefaultContainerPath() {
    return FirstLine(L"Data\\default.dat");
}
