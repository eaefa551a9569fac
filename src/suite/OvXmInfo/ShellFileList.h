#pragma once
// What the library's file operations share: reading a list of paths and telling the user
// why an operation failed.

#include <string>
#include <unordered_set>
#include <vector>

namespace ui {
class Window;
}

namespace xmshell {

// A failure in the library's message box, titled "Tessaline".
void ShowFailure(ui::Window* pWnd, const std::wstring& strMessage);
// The system's text for the last file error.
std::wstring LastErrorText();
// The paths of a list with their wildcards expanded. A path without wildcards that names
// nothing makes the whole list fail ("找不到“%s”。"): an operation must not do half of what
// was asked.
bool ExpandList(const std::wstring& strList, std::vector<std::wstring>& arrPaths, ui::Window* pWnd);

// Where the entries of a copy or move go: into the destination folder (made when missing), or,
// for a single file and a destination that is not a folder, to the destination path itself.
class Destination {
public:
    // False, after the failure was shown, when the folder cannot be made.
    bool Prepare(const std::wstring& strDest, const std::vector<std::wstring>& arrSources,
                 ui::Window* pWnd);
    std::wstring TargetOf(const std::wstring& strSource) const;
    // Whether an entry of that name stands at the target, without regard to case. The folder is
    // listed once, on the first question, and a folder made by Prepare holds nothing: a copy of
    // many files does not look at the disk for each target.
    bool TargetExists(const std::wstring& strTarget);
    // A target that now exists (two sources of one name in one list).
    void MarkTaken(const std::wstring& strTarget);

private:
    std::wstring m_strPath;
    std::wstring m_strFolder;
    bool m_bToFilePath = false;
    bool m_bListed = false;
    std::unordered_set<std::wstring> m_setNames; // folded
};

} // namespace xmshell
