#include "store/RememberedContainers.h"

#include "drawing/EditOprt.h"
#include "platform/text/WideString.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"
#include "suite/OvXmInfo/XmComonPar.h"

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

int FollowMovedFolder(const std::wstring& strOldFolder, const std::wstring& strNewFolder) {
    std::wstring strOld = text::TrimRight(strOldFolder, L"\\");
    std::wstring strNew = text::TrimRight(strNewFolder, L"\\");
    if (strOld.empty() || strNew.empty())
        return 0;
    int nWritten = 0;
    for (int bIsXm : {1, 0}) {
        std::wstring strPath = bIsXm ? GetRecentContainerPath() : GetDefaultContainerPath();
        bool bBelow = strPath.size() > strOld.size() && strPath[strOld.size()] == L'\\' &&
                      text::EqualsNoCase(strPath.substr(0, strOld.size()), strOld);
        if (!bBelow && !text::EqualsNoCase(strPath, strOld))
            continue;
        std::wstring strFollowed = strNew;
        strFollowed += strPath.substr(strOld.size());
        // The container's own management file is named after its folder, and was renamed with it.
        std::wstring strOldName = CEditOprt::GetLastPathItem(strOld);
        std::wstring strFile = CEditOprt::GetLastPathItem(strPath);
        if (text::EqualsNoCase(CEditOprt::GetParentPath(strPath), strOld) &&
            text::EqualsNoCase(CEditOprt::RemoveExtension(strFile), strOldName)) {
            std::wstring strNewFile = CEditOprt::GetLastPathItem(strNew);
            strNewFile += strFile.substr(strOldName.size());
            strFollowed = CEditOprt::JoinPath(strNew, strNewFile);
        }
        if (g_XmComonPar.WriteCurrentXmOrSbNameToFile(strFollowed, bIsXm))
            ++nWritten;
    }
    return nWritten;
}
