#include "records/DrawingFileRenaming.h"

#include "drawing/EditOprt.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"
#include "suite/OvXmInfo/FileInfoNode.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmInfoPath.h"

#include <algorithm>
#include <cerrno>

namespace {

// Every record of the file with the name (without regard to case), in any type.
std::vector<CFileInfoNode*> RecordsNamed(const CManageFileInfo& manageFile,
                                         const std::wstring& strFileName) {
    std::vector<CFileInfoNode*> arrRecords;
    for (const auto& pStyle : manageFile.Getm_FileStyleNodeArray())
        for (const auto& pFile : pStyle->Getm_FileInfoArray())
            if (text::EqualsNoCase(pFile->Getm_strFileName(), strFileName))
                arrRecords.push_back(pFile.get());
    return arrRecords;
}

// A record change to take back when the management file cannot be written.
struct RecordChange {
    CFileInfoNode* pRecord;
    std::wstring strOldName;
    std::wstring strNewName;
};

void ShowBox(ui::Window* pOwner, const std::wstring& strText) {
    ui::MessageBox(pOwner, strText, L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

} // namespace

std::wstring RenamedDrawingFileName(const std::wstring& strFileName, int nPattern,
                                    const std::wstring& strBookNo) {
    size_t nDash = strFileName.find(L'-');
    std::wstring strPrefix = nDash == std::wstring::npos ? L"" : strFileName.substr(0, nDash);
    std::wstring strRest =
        text::Trim(nDash == std::wstring::npos ? strFileName : strFileName.substr(nDash + 1), L"-");
    std::wstring strNew;
    if (nPattern == kPageNumberPattern) {
        if (strPrefix.empty())
            return L"";
        strNew = strRest;
    } else {
        std::wstring strBook = text::Trim(strBookNo);
        if (strBook.empty() || text::EqualsNoCase(strPrefix, strBook))
            return L"";
        strNew = text::Format(L"%s-%s", strBook, strRest);
    }
    // "A-.dwg" would leave a name without a base; such a file keeps its name.
    if (xmpath::WithoutExtension(strNew).empty() || !xmpath::IsUsableName(strNew) ||
        strNew == strFileName)
        return L"";
    return strNew;
}

std::vector<CDrawingRename> PlanDrawingRenames(const std::wstring& strFolder, int nPattern,
                                               const std::wstring& strBookNo) {
    std::vector<CDrawingRename> arrPlan;
    std::vector<std::wstring> arrPaths =
        fs::FindMatches(CEditOprt::JoinPath(strFolder, L"*.dwg"), fs::EntryKind::Files);
    std::sort(arrPaths.begin(), arrPaths.end(), [](const std::wstring& a, const std::wstring& b) {
        return text::CompareNoCase(a, b) < 0;
    });
    for (const std::wstring& strPath : arrPaths) {
        std::wstring strNew =
            RenamedDrawingFileName(CEditOprt::GetLastPathItem(strPath), nPattern, strBookNo);
        if (!strNew.empty())
            arrPlan.push_back({strPath, CEditOprt::JoinPath(strFolder, strNew)});
    }
    return arrPlan;
}

int ApplyDrawingRenames(const std::vector<CDrawingRename>& arrPlan, CManageFileInfo& manageFile,
                        ui::Window* pOwner) {
    // A target can be held by a file that the plan moves on later ("B-3" to "3" while "A-B-3"
    // waits for "B-3"): such a rename waits for the next round. A round that renames nothing
    // leaves the waiting files with their names.
    std::vector<CDrawingRename> arrPending = arrPlan;
    std::vector<CDrawingRename> arrDone;
    std::vector<std::wstring> arrRefusals;
    for (bool bProgress = true; bProgress && !arrPending.empty();) {
        bProgress = false;
        std::vector<CDrawingRename> arrWaiting;
        for (const CDrawingRename& rename : arrPending) {
            if (fs::Rename(rename.strOldPath, rename.strNewPath)) {
                arrDone.push_back(rename);
                bProgress = true;
                continue;
            }
            int nError = fs::LastError();
            bool bHeldByPlan =
                nError == EEXIST &&
                std::any_of(arrPending.begin(), arrPending.end(), [&](const CDrawingRename& r) {
                    return text::EqualsNoCase(r.strOldPath, rename.strNewPath);
                });
            if (bHeldByPlan) {
                arrWaiting.push_back(rename);
                continue;
            }
            std::wstring strReason =
                nError == EEXIST
                    ? text::Format(L"已经存在“%s”", CEditOprt::GetLastPathItem(rename.strNewPath))
                    : fs::ErrorText(nError);
            arrRefusals.push_back(text::Format(
                L"“%s”没有改名为“%s”：%s", CEditOprt::GetLastPathItem(rename.strOldPath),
                CEditOprt::GetLastPathItem(rename.strNewPath), strReason));
        }
        arrPending = std::move(arrWaiting);
    }
    for (const CDrawingRename& rename : arrPending)
        arrRefusals.push_back(text::Format(L"“%s”没有改名为“%s”：已经存在“%s”",
                                           CEditOprt::GetLastPathItem(rename.strOldPath),
                                           CEditOprt::GetLastPathItem(rename.strNewPath),
                                           CEditOprt::GetLastPathItem(rename.strNewPath)));

    // The records follow, all at once; each is found by its old name before any changes, so
    // that a name another file has just left is not taken for that file's.
    std::vector<RecordChange> arrChanges;
    for (const CDrawingRename& rename : arrDone)
        for (CFileInfoNode* pRecord :
             RecordsNamed(manageFile, CEditOprt::GetLastPathItem(rename.strOldPath)))
            arrChanges.push_back({pRecord, pRecord->Getm_strFileName(),
                                  CEditOprt::GetLastPathItem(rename.strNewPath)});
    for (const RecordChange& change : arrChanges)
        change.pRecord->Setm_strFileName(change.strNewName);
    if (!arrChanges.empty() && !manageFile.WriteManageFile()) {
        std::wstring strReason = CEditOprt::WriteFailureReason(manageFile.Getm_nLastWriteError());
        for (const RecordChange& change : arrChanges)
            change.pRecord->Setm_strFileName(change.strOldName);
        std::vector<std::wstring> arrStuck;
        for (auto it = arrDone.rbegin(); it != arrDone.rend(); ++it)
            if (!fs::Rename(it->strNewPath, it->strOldPath))
                arrStuck.push_back(text::Format(L"“%s”", it->strNewPath));
        std::wstring strText = text::Format(L"管理文件“%s”不能写入（%s），图纸没有改名。",
                                            manageFile.Getm_StrManageFilePathName(), strReason);
        if (!arrStuck.empty()) {
            strText += L"\n这些图纸不能改回原名：";
            strText += text::Join(arrStuck, L"、");
        }
        ShowBox(pOwner, strText);
        return 0;
    }
    if (!arrRefusals.empty())
        ShowBox(pOwner, text::Join(arrRefusals, L"\n"));
    return static_cast<int>(arrDone.size());
}
