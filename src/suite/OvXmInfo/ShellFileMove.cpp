// The library's move: the copy's rules (destination folder made when missing, a single file
// onto a path, a question before anything is replaced), with each entry of the list moved
// completely or not at all. A folder that replaces an existing one is merged into it file by
// file; should any step fail, every step made for that entry is taken back, so the user never
// finds half a folder on either side.

#include "suite/OvXmInfo/XmComonPar.h"

#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/ui/MessageBox.h"
#include "suite/OvXmInfo/ShellFileList.h"
#include "suite/OvXmInfo/XmInfoPath.h"

#include <cerrno>

namespace {

// A free name beside the path, for an entry that has to stand aside until the move is done.
std::wstring AsideName(const std::wstring& strPath) {
    for (int n = 1;; ++n) {
        std::wstring strAside = strPath + text::Format(L".~ov%d", n);
        if (!fs::Exists(strAside))
            return strAside;
    }
}

// The steps of one entry's move, kept so that they can be taken back. Only renames touch the
// entries themselves, so taking back is renaming back; entries that have to go (a replaced
// file, a source copied to another file system, a merged folder left empty) go only when the
// whole entry has arrived.
class MoveSteps {
public:
    bool Move(const std::wstring& strSource, const std::wstring& strTarget);
    void TakeBack();
    void Finish();

private:
    bool Rename(const std::wstring& strFrom, const std::wstring& strTo);
    bool Place(const std::wstring& strSource, const std::wstring& strTarget);

    std::vector<std::pair<std::wstring, std::wstring>> m_arrRenames;
    std::vector<std::wstring> m_arrCopies;
    std::vector<std::wstring> m_arrAside;
    std::vector<std::wstring> m_arrEmptied;
};

bool MoveSteps::Rename(const std::wstring& strFrom, const std::wstring& strTo) {
    if (!fs::Rename(strFrom, strTo))
        return false;
    m_arrRenames.emplace_back(strFrom, strTo);
    return true;
}

// The source onto a target name that is free.
bool MoveSteps::Place(const std::wstring& strSource, const std::wstring& strTarget) {
    if (Rename(strSource, strTarget))
        return true;
    if (fs::LastError() != EXDEV)
        return false;
    // Another file system: a complete copy first, then the source steps aside under a free
    // name in its own folder, which a rename does at once.
    if (!fs::CopyTree(strSource, strTarget))
        return false;
    m_arrCopies.push_back(strTarget);
    std::wstring strAside = AsideName(strSource);
    if (!Rename(strSource, strAside))
        return false;
    m_arrAside.push_back(strAside);
    return true;
}

bool MoveSteps::Move(const std::wstring& strSource, const std::wstring& strTarget) {
    if (!fs::Exists(strTarget))
        return Place(strSource, strTarget);
    bool bSourceFolder = fs::IsFolder(strSource);
    if (bSourceFolder != fs::IsFolder(strTarget)) {
        fs::SetLastError(bSourceFolder ? ENOTDIR : EISDIR);
        return false;
    }
    if (!bSourceFolder) {
        std::wstring strAside = AsideName(strTarget);
        if (!Rename(strTarget, strAside))
            return false;
        m_arrAside.push_back(strAside);
        return Place(strSource, strTarget);
    }
    for (const std::wstring& strEntry : fs::FindMatches(xmpath::Join(strSource, L"*")))
        if (!Move(strEntry, xmpath::Join(strTarget, xmpath::LastItem(strEntry))))
            return false;
    m_arrEmptied.push_back(strSource);
    return true;
}

void MoveSteps::TakeBack() {
    int error = fs::LastError(); // the cause of the failure is what the user is shown
    for (auto it = m_arrRenames.rbegin(); it != m_arrRenames.rend(); ++it)
        fs::Rename(it->second, it->first);
    for (const std::wstring& strCopy : m_arrCopies)
        fs::DeleteTree(strCopy);
    fs::SetLastError(error);
}

void MoveSteps::Finish() {
    // What is left here is no longer anybody's: a failure leaves a stray ".~ov" entry behind,
    // never a lost one.
    for (const std::wstring& strAside : m_arrAside)
        fs::DeleteTree(strAside);
    for (const std::wstring& strFolder : m_arrEmptied) // innermost first, as they were merged
        fs::DeleteEmptyFolder(strFolder);
}

} // namespace

int CXmComonPar::MoveByShFileOperat(const std::wstring& strSrcList, const std::wstring& strDest,
                                    ui::Window* pWnd, std::vector<std::wstring>* pArrMoved) {
    if (pArrMoved)
        pArrMoved->clear();
    std::vector<std::wstring> arrSources;
    if (!xmshell::ExpandList(strSrcList, arrSources, pWnd))
        return 0;
    xmshell::Destination destination;
    if (!destination.Prepare(strDest, arrSources, pWnd))
        return 0;
    for (const std::wstring& strSource : arrSources) {
        std::wstring strTarget = destination.TargetOf(strSource);
        bool bInside = fs::IsSameOrInside(strTarget, strSource);
        if (bInside && fs::IsSameOrInside(strSource, strTarget)) {
            // The entry itself, perhaps in another case: at most a change of case.
            if (!fs::Rename(strSource, strTarget)) {
                xmshell::ShowFailure(pWnd, text::Format(L"不能把“%s”移动到“%s”：%s", strSource,
                                                        strTarget, xmshell::LastErrorText()));
                return 0;
            }
        } else if (bInside) {
            xmshell::ShowFailure(pWnd, text::Format(L"不能把“%s”移动到它自己中。", strSource));
            return 0;
        } else {
            if (fs::Exists(strTarget)) {
                int answer =
                    ui::MessageBox(pWnd, text::Format(L"“%s”已经存在，是否替换？", strTarget),
                                   L"Tessaline", ui::MB_YESNOCANCEL | ui::MB_ICONQUESTION);
                if (answer == ui::IDCANCEL)
                    return 0;
                if (answer != ui::IDYES)
                    continue;
            }
            MoveSteps steps;
            if (!steps.Move(strSource, strTarget)) {
                steps.TakeBack();
                xmshell::ShowFailure(pWnd, text::Format(L"不能把“%s”移动到“%s”：%s", strSource,
                                                        strTarget, xmshell::LastErrorText()));
                return 0;
            }
            steps.Finish();
        }
        if (pArrMoved)
            pArrMoved->push_back(strSource);
    }
    return 1;
}
