// The file operations of CXmComonPar on lists of paths: copy, rename and delete, asking before
// anything at the destination is replaced.

#include "suite/OvXmInfo/XmComonPar.h"

#include "platform/fs/FileSystem.h"
#include "platform/fs/Trash.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"
#include "suite/OvXmInfo/ShellFileList.h"
#include "suite/OvXmInfo/XmInfoPath.h"

#include <cerrno>

namespace xmshell {

void ShowFailure(ui::Window* pWnd, const std::wstring& strMessage) {
    ui::MessageBox(pWnd, strMessage, L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

std::wstring LastErrorText() {
    return fs::ErrorText(fs::LastError());
}

bool ExpandList(const std::wstring& strList, std::vector<std::wstring>& arrPaths,
                ui::Window* pWnd) {
    arrPaths.clear();
    for (const std::wstring& strPath : CXmComonPar::SplitShFileOpString(strList)) {
        if (xmpath::LastItem(strPath).find_first_of(L"*?") != std::wstring::npos) {
            for (const std::wstring& strFound : fs::FindMatches(strPath))
                arrPaths.push_back(strFound);
        } else if (fs::Exists(strPath)) {
            arrPaths.push_back(text::TrimRight(strPath, L"\\"));
        } else {
            ShowFailure(pWnd, text::Format(L"找不到“%s”。", strPath));
            return false;
        }
    }
    return true;
}

bool Destination::Prepare(const std::wstring& strDest, const std::vector<std::wstring>& arrSources,
                          ui::Window* pWnd) {
    m_strPath = text::TrimRight(strDest, L"\\");
    m_bToFilePath =
        !fs::IsFolder(m_strPath) && arrSources.size() == 1 && fs::IsFile(arrSources.front());
    m_strFolder = m_bToFilePath ? xmpath::Parent(m_strPath) : m_strPath;
    m_bListed = false;
    m_setNames.clear();
    if (fs::IsFolder(m_strFolder))
        return true;
    if (fs::CreateFolders(m_strFolder)) {
        m_bListed = true;
        return true;
    }
    ShowFailure(pWnd, text::Format(L"不能建立目录“%s”：%s", m_strFolder, LastErrorText()));
    return false;
}

std::wstring Destination::TargetOf(const std::wstring& strSource) const {
    return m_bToFilePath ? m_strPath : xmpath::Join(m_strFolder, xmpath::LastItem(strSource));
}

bool Destination::TargetExists(const std::wstring& strTarget) {
    if (m_bToFilePath)
        return fs::Exists(strTarget);
    if (!m_bListed) {
        for (const std::wstring& strEntry : fs::FindMatches(xmpath::Join(m_strFolder, L"*")))
            m_setNames.insert(text::FoldCase(xmpath::LastItem(strEntry)));
        m_bListed = true;
    }
    return m_setNames.count(text::FoldCase(xmpath::LastItem(strTarget))) != 0;
}

void Destination::MarkTaken(const std::wstring& strTarget) {
    if (m_bListed)
        m_setNames.insert(text::FoldCase(xmpath::LastItem(strTarget)));
}

} // namespace xmshell

namespace {

using xmshell::ExpandList;
using xmshell::LastErrorText;
using xmshell::ShowFailure;

// Copies a file or a folder onto an existing entry: files are replaced, folders merged.
bool CopyOver(const std::wstring& strSource, const std::wstring& strTarget) {
    if (!fs::IsFolder(strSource)) {
        if (fs::IsFolder(strTarget)) {
            fs::SetLastError(EISDIR);
            return false;
        }
        return fs::CopyFile(strSource, strTarget, true);
    }
    if (!fs::IsFolder(strTarget)) {
        fs::SetLastError(ENOTDIR);
        return false;
    }
    for (const std::wstring& strEntry : fs::FindMatches(xmpath::Join(strSource, L"*"))) {
        std::wstring strInto = xmpath::Join(strTarget, xmpath::LastItem(strEntry));
        if (fs::Exists(strInto) ? !CopyOver(strEntry, strInto) : !fs::CopyTree(strEntry, strInto))
            return false;
    }
    return true;
}

} // namespace

std::wstring CXmComonPar::GenStringForShFileOp(const std::vector<std::wstring>& arrPaths) {
    std::wstring strList;
    for (const std::wstring& strPath : arrPaths) {
        strList += strPath;
        strList += L'\0';
    }
    strList += L'\0';
    return strList;
}

std::vector<std::wstring> CXmComonPar::SplitShFileOpString(const std::wstring& strList) {
    std::vector<std::wstring> arrPaths;
    for (const std::wstring& strPath : text::Split(strList, std::wstring_view(L"\0", 1)))
        if (!strPath.empty())
            arrPaths.push_back(strPath);
    return arrPaths;
}

int CXmComonPar::CopyByShFileOperat(const std::wstring& strSrcList, const std::wstring& strDest,
                                    ui::Window* pWnd) {
    std::vector<std::wstring> arrSources;
    if (!ExpandList(strSrcList, arrSources, pWnd))
        return 0;
    xmshell::Destination destination;
    if (!destination.Prepare(strDest, arrSources, pWnd))
        return 0;
    for (const std::wstring& strSource : arrSources) {
        std::wstring strTarget = destination.TargetOf(strSource);
        bool bFile = fs::IsFile(strSource);
        bool bExists = destination.TargetExists(strTarget);
        // A file onto a free name cannot be itself or inside itself: the costly look at the
        // real places is for folders and for names that are taken.
        if ((!bFile || bExists) && fs::IsSameOrInside(strTarget, strSource)) {
            ShowFailure(pWnd, text::Format(L"不能把“%s”复制到它自己中。", strSource));
            return 0;
        }
        bool bCopied;
        if (bExists) {
            int answer = ui::MessageBox(pWnd, text::Format(L"“%s”已经存在，是否替换？", strTarget),
                                        L"Tessaline", ui::MB_YESNOCANCEL | ui::MB_ICONQUESTION);
            if (answer == ui::IDCANCEL)
                return 0;
            if (answer != ui::IDYES)
                continue;
            bCopied = CopyOver(strSource, strTarget);
        } else {
            bCopied =
                bFile ? fs::CopyNewFile(strSource, strTarget) : fs::CopyTree(strSource, strTarget);
            destination.MarkTaken(strTarget);
        }
        if (!bCopied) {
            ShowFailure(pWnd, text::Format(L"不能把“%s”复制到“%s”：%s", strSource, strTarget,
                                           LastErrorText()));
            return 0;
        }
    }
    return 1;
}

int CXmComonPar::RenameByShFileOperat(const std::wstring& strOld, const std::wstring& strNew,
                                      ui::Window* pWnd) {
    if (fs::Rename(strOld, strNew))
        return 1;
    ShowFailure(pWnd, text::Format(L"不能把“%s”改名为“%s”：%s", strOld, xmpath::LastItem(strNew),
                                   LastErrorText()));
    return 0;
}

int CXmComonPar::DeleteByShFileOperat(const std::wstring& strList, ui::Window* pWnd,
                                      int bAllowUndo) {
    std::vector<std::wstring> arrPaths;
    if (!ExpandList(strList, arrPaths, pWnd))
        return 0;
    for (const std::wstring& strPath : arrPaths) {
        if (bAllowUndo ? fs::MoveToTrash(strPath) : fs::DeleteTree(strPath))
            continue;
        ShowFailure(pWnd, text::Format(L"不能删除“%s”：%s", strPath, LastErrorText()));
        return 0;
    }
    return 1;
}
