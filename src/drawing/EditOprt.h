#pragma once
// CEditOprt: the stateless toolbox every part of the module uses. This header holds the path
// and small-text-file operations; the document, saving, system-variable and entity operations
// join it as further static members.
//
// Paths are logical (backslash only). Results are 1 for success or true and 0 otherwise,
// unless a string is returned.

#include <string>
#include <vector>

namespace ui {
class Window;
}

class CEditOprt {
public:
    // 0 for the device names COM1 and COM2 (any case, any extension) in a path with a
    // backslash; otherwise whether a search for the path (wildcards allowed) finds anything.
    static int IsFileExist(std::wstring strPath);
    static int IsDirExist(std::wstring strDir);
    static int HasExtension(std::wstring strPath);
    // Folder and name with exactly one backslash at the seam.
    static std::wstring JoinPath(std::wstring strFolder, std::wstring strName);
    static std::wstring GetParentPath(std::wstring strPath);
    static std::wstring GetFileNamePart(std::wstring strPath);
    static std::wstring GetLastPathItem(std::wstring strPath);
    static std::wstring GetExtension(std::wstring strPath);
    static std::wstring RemoveExtension(std::wstring strPath);

    static int ReadFirstLine(std::wstring strPath, std::wstring& strLine);
    static int WriteTextFile(std::wstring strPath, std::wstring strText);
    // Each line trimmed on both sides; blank lines kept only with bKeepEmptyLines.
    static int ReadLines(std::wstring strPath, std::vector<std::wstring>& arrLines,
                         int bKeepEmptyLines);
    static int WriteLines(std::wstring strPath, const std::vector<std::wstring>& arrLines);
    // Creates every missing folder of the path; the result is that of the last folder made.
    static int CreateDirPath(std::wstring strDir);
    // The system's text for the last failed file operation, in a box titled "Error".
    static void ShowLastError(ui::Window* pOwner);
};
