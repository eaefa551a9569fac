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

// Whether the path is the folder or lies below it (whole path items only).
bool IsAtOrBelow(const std::wstring& strPath, const std::wstring& strFolder) {
    return text::EqualsNoCase(strPath, strFolder) ||
           (strPath.size() > strFolder.size() && strPath[strFolder.size()] == L'\\' &&
            text::EqualsNoCase(strPath.substr(0, strFolder.size()), strFolder));
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
        if (!IsAtOrBelow(strPath, strOld))
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

int ForgetDeletedFolder(const std::wstring& strFolder, ui::Window* pWnd) {
    std::wstring strGone = text::TrimRight(strFolder, L"\\");
    if (strGone.empty())
        return 0;
    int nForgotten = 0;
    for (int bIsXm : {1, 0}) {
        std::wstring strPath = bIsXm ? GetRecentContainerPath() : GetDefaultContainerPath();
        if (!strPath.empty() && IsAtOrBelow(strPath, strGone) &&
            g_XmComonPar.DeleteRecentDatOrDefaultDatFile(bIsXm, pWnd))
            ++nForgotten;
    }
    return nForgotten;
}
