#include "drawing/EditOprt.h"

#include "platform/fs/FileSystem.h"
#include "platform/text/TextFile.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"

int CEditOprt::IsFileExist(std::wstring strPath) {
    // Opening the serial ports COM1/COM2 as files would hang on Windows; the names are refused
    // wherever they appear as a file name.
    if (strPath.find(L'\\') != std::wstring::npos) {
        // The extension goes at the last ".", even when nothing follows it: "COM1." is the
        // serial port as much as "COM1.txt" is.
        std::wstring strName = GetFileNamePart(strPath);
        strName = strName.substr(0, strName.find_last_of(L'.'));
        if (text::EqualsNoCase(strName, L"com1") || text::EqualsNoCase(strName, L"com2"))
            return 0;
    }
    return fs::FindAny(strPath) ? 1 : 0;
}

int CEditOprt::IsDirExist(std::wstring strDir) {
    if (strDir.empty())
        return 0;
    return IsFileExist(JoinPath(strDir, L"*.*"));
}

int CEditOprt::HasExtension(std::wstring strPath) {
    size_t slash = strPath.find_last_of(L'\\');
    size_t dot = strPath.find_last_of(L'.');
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash))
        return 0;
    return dot + 1 < strPath.size() ? 1 : 0;
}

std::wstring CEditOprt::JoinPath(std::wstring strFolder, std::wstring strName) {
    bool folderEnds = !strFolder.empty() && strFolder.back() == L'\\';
    bool nameBegins = !strName.empty() && strName.front() == L'\\';
    if (folderEnds && nameBegins)
        return strFolder + strName.substr(1);
    if (!folderEnds && !nameBegins)
        return strFolder + L"\\" + strName;
    return strFolder + strName;
}

std::wstring CEditOprt::GetParentPath(std::wstring strPath) {
    size_t slash = strPath.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : strPath.substr(0, slash);
}

std::wstring CEditOprt::GetFileNamePart(std::wstring strPath) {
    size_t slash = strPath.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : strPath.substr(slash + 1);
}

std::wstring CEditOprt::GetLastPathItem(std::wstring strPath) {
    if (!strPath.empty() && strPath.back() == L'\\')
        strPath.pop_back();
    return GetFileNamePart(strPath);
}

std::wstring CEditOprt::GetExtension(std::wstring strPath) {
    if (!HasExtension(strPath))
        return {};
    std::wstring strExt = strPath.substr(strPath.find_last_of(L'.') + 1);
    return strExt.find(L'\\') == std::wstring::npos ? strExt : std::wstring();
}

std::wstring CEditOprt::RemoveExtension(std::wstring strPath) {
    if (!HasExtension(strPath))
        return strPath;
    return strPath.substr(0, strPath.find_last_of(L'.'));
}

int CEditOprt::ReadFirstLine(std::wstring strPath, std::wstring& strLine) {
    if (!IsFileExist(strPath))
        return 0;
    return text::ReadFirstTextLine(strPath, strLine) ? 1 : 0;
}

int CEditOprt::WriteTextFile(std::wstring strPath, std::wstring strText) {
    return text::WriteTextFile(strPath, strText) ? 1 : 0;
}

int CEditOprt::ReadLines(std::wstring strPath, std::vector<std::wstring>& arrLines,
                         int bKeepEmptyLines) {
    arrLines.clear();
    if (!IsFileExist(strPath))
        return 0;
    std::vector<std::wstring> rawLines;
    if (!text::ReadTextLines(strPath, rawLines))
        return 0;
    for (const std::wstring& rawLine : rawLines) {
        std::wstring strLine = text::Trim(rawLine);
        if (!strLine.empty() || bKeepEmptyLines)
            arrLines.push_back(std::move(strLine));
    }
    return 1;
}

int CEditOprt::WriteLines(std::wstring strPath, const std::vector<std::wstring>& arrLines) {
    return text::WriteTextLines(strPath, arrLines) ? 1 : 0;
}

int CEditOprt::CreateDirPath(std::wstring strDir) {
    if (strDir.empty())
        return 0;
    if (IsDirExist(strDir))
        return 1;
    strDir = text::TrimRight(strDir, L"\\") + L"\\";
    int lastResult = 0;
    for (size_t slash = strDir.find(L'\\'); slash != std::wstring::npos;
         slash = strDir.find(L'\\', slash + 1)) {
        std::wstring strPrefix = strDir.substr(0, slash);
        // The empty prefix before a leading backslash is the root, which always exists.
        if (strPrefix.empty() || IsDirExist(strPrefix))
            continue;
        lastResult = fs::CreateFolder(strPrefix) ? 1 : 0;
    }
    return lastResult;
}

void CEditOprt::ShowLastError(ui::Window* pOwner) {
    ui::MessageBox(pOwner, fs::ErrorText(fs::LastError()), L"Error",
                   ui::MB_OK | ui::MB_ICONINFORMATION);
}
