#include "manager/Renumbering.h"

#include "drawing/EditOprt.h"
#include "drawing/OpenSaveClose.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/WideString.h"
#include "store/ReadAworkSys.h"
#include "suite/OvXmInfo/DrawFileStyleNode.h"
#include "suite/OvXmInfo/FileInfoNode.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmComonPar.h"

#include <map>
#include <set>

namespace {

// Numbers are kept as digit strings, so that a prefix of any length counts right.
std::wstring Increment(std::wstring strDigits) {
    for (size_t i = strDigits.size(); i-- > 0;) {
        if (strDigits[i] != L'9') {
            ++strDigits[i];
            return strDigits;
        }
        strDigits[i] = L'0';
    }
    return L"1" + strDigits;
}

std::wstring Padded(const std::wstring& strDigits, size_t nWidth) {
    size_t nFirst = strDigits.find_first_not_of(L'0');
    std::wstring strValue = nFirst == std::wstring::npos ? L"0" : strDigits.substr(nFirst);
    return strValue.size() < nWidth ? std::wstring(nWidth - strValue.size(), L'0') + strValue
                                    : strValue;
}

// <0, 0, >0 as the numbers compare.
int CompareNumbers(const std::wstring& a, const std::wstring& b) {
    std::wstring strA = Padded(a, 0);
    std::wstring strB = Padded(b, 0);
    if (strA.size() != strB.size())
        return strA.size() < strB.size() ? -1 : 1;
    return strA.compare(strB);
}

struct CPlannedRename {
    CFileInfoNode* pFile;
    std::wstring strFrom;
    std::wstring strTo;
    std::wstring strNewName;
};

// A name beside the file that no file holds, to park it on while a cycle of renames is broken.
std::wstring ParkingPath(const std::wstring& strPath) {
    for (int n = 1;; ++n) {
        std::wstring strParked = strPath + L".renumbering" + std::to_wstring(n);
        if (!fs::Exists(strParked))
            return strParked;
    }
}

} // namespace

std::wstring NumberPrefix(const std::wstring& strFileName) {
    size_t nEnd = 0;
    while (nEnd < strFileName.size() && strFileName[nEnd] >= L'0' && strFileName[nEnd] <= L'9')
        ++nEnd;
    return strFileName.substr(0, nEnd);
}

std::vector<std::wstring> PlanRenumbering(const std::wstring& strReference,
                                          const std::vector<std::wstring>& arrNames, int bUpward,
                                          int bOnlyWhenBigger) {
    std::vector<std::wstring> arrNewNames(arrNames.size());
    std::wstring strNumber = NumberPrefix(strReference);
    if (strNumber.empty())
        return arrNewNames;
    bool bFirst = !bUpward;
    for (size_t i = 0; i < arrNames.size(); ++i) {
        std::wstring strOwn = NumberPrefix(arrNames[i]);
        if (strOwn.empty())
            continue;
        if (bUpward && bOnlyWhenBigger && CompareNumbers(strNumber, strOwn) > 0)
            continue;
        strNumber = Padded(bFirst ? strNumber : Increment(strNumber), strNumber.size());
        bFirst = false;
        std::wstring strNewName = strNumber + arrNames[i].substr(strOwn.size());
        if (!text::EqualsNoCase(strNewName, arrNames[i]))
            arrNewNames[i] = strNewName;
    }
    return arrNewNames;
}

ui::HTREEITEM NextItemInTreeOrder(const ui::TreeCtrl& tree, ui::HTREEITEM hItem) {
    if (!tree.IsItem(hItem))
        return nullptr;
    if (ui::HTREEITEM hChild = tree.GetChildItem(hItem))
        return hChild;
    for (ui::HTREEITEM hWalk = hItem; hWalk; hWalk = tree.GetParentItem(hWalk))
        if (ui::HTREEITEM hNext = tree.GetNextSiblingItem(hWalk))
            return hNext;
    return nullptr;
}

std::vector<CFileInfoNode*> RenumberingWalk(const ui::TreeCtrl& tree, ui::HTREEITEM hStart) {
    std::vector<CFileInfoNode*> arrFiles;
    for (ui::HTREEITEM hItem = hStart; hItem; hItem = NextItemInTreeOrder(tree, hItem)) {
        CTreeDataNode* pNode = CTreeDataNode::FromTreeItem(tree, hItem);
        if (!pNode)
            break;
        if (pNode->GetNodeKind() == kTreeNodeStyle)
            continue;
        if (pNode->GetNodeKind() != kTreeNodeFile)
            break;
        if (CFileInfoNode* pFile = static_cast<CDrawTreeFileNode*>(pNode)->Getm_pFileInfoNode())
            arrFiles.push_back(pFile);
    }
    return arrFiles;
}

bool IsRenumberingOn() {
    return CReadAworkSys().GetSoftCurVersion() != 1;
}

int ApplyRenumbering(const std::vector<CFileInfoNode*>& arrFiles,
                     const std::vector<std::wstring>& arrNewNames, ui::Window* pOwner) {
    std::vector<CPlannedRename> arrPlan;
    for (size_t i = 0; i < arrFiles.size() && i < arrNewNames.size(); ++i) {
        if (arrNewNames[i].empty() ||
            text::EqualsNoCase(arrNewNames[i], arrFiles[i]->Getm_strFileName()))
            continue;
        std::wstring strFrom = arrFiles[i]->GetFilePathName();
        arrPlan.push_back({arrFiles[i], strFrom,
                           CEditOprt::JoinPath(CEditOprt::GetParentPath(strFrom), arrNewNames[i]),
                           arrNewNames[i]});
    }
    // Open drawings are saved and closed first; one that stays open ends the walk.
    for (size_t i = 0; i < arrPlan.size(); ++i)
        if (CEditOprt::IsDocumentOpen(arrPlan[i].strFrom) &&
            (!OpenSaveCloseDrawing(arrPlan[i].strFrom, 1) ||
             CEditOprt::IsDocumentOpen(arrPlan[i].strFrom))) {
            arrPlan.resize(i);
            break;
        }
    // A target that a file outside the plan holds ends the walk before it. Paths are looked
    // up by their folded spelling, as the file system compares them.
    std::map<std::wstring, size_t> arrFromIndex;
    for (size_t i = 0; i < arrPlan.size(); ++i)
        arrFromIndex.emplace(text::FoldCase(arrPlan[i].strFrom), i);
    size_t nRefused = arrPlan.size();
    for (size_t i = 0; i < nRefused; ++i) {
        if (!fs::Exists(arrPlan[i].strTo))
            continue;
        auto holder = arrFromIndex.find(text::FoldCase(arrPlan[i].strTo));
        if (holder == arrFromIndex.end() || holder->second >= nRefused) {
            // A cut may leave an earlier target held by a drawing that no longer moves: the
            // walk is looked at again from its start.
            nRefused = i;
            i = static_cast<size_t>(-1);
        }
    }

    // Which pending drawing holds a path now (folded), and the drawings still to rename in
    // walk order.
    std::map<std::wstring, size_t> arrHolder;
    std::vector<std::wstring> arrCurrent;
    std::vector<size_t> arrPending;
    for (size_t i = 0; i < nRefused; ++i) {
        arrCurrent.push_back(arrPlan[i].strFrom);
        arrHolder[text::FoldCase(arrPlan[i].strFrom)] = i;
        arrPending.push_back(i);
    }
    int nRenamed = 0;
    std::set<CManageFileInfo*> arrWrite;
    bool bFailed = false;
    while (!arrPending.empty() && !bFailed) {
        size_t nFree = arrPending.size();
        for (size_t k = 0; k < arrPending.size() && nFree == arrPending.size(); ++k)
            if (!arrHolder.count(text::FoldCase(arrPlan[arrPending[k]].strTo)))
                nFree = k;
        if (nFree == arrPending.size()) {
            // Every target is still held by another drawing of the plan: one of them is
            // parked on a free name, which frees its place.
            size_t nParked = arrPending.front();
            std::wstring strParked = ParkingPath(arrPlan[nParked].strFrom);
            if (!g_XmComonPar.RenameByShFileOperat(arrCurrent[nParked], strParked, pOwner)) {
                bFailed = true;
            } else {
                arrHolder.erase(text::FoldCase(arrCurrent[nParked]));
                arrHolder[text::FoldCase(strParked)] = nParked;
                arrCurrent[nParked] = strParked;
            }
            continue;
        }
        size_t nIndex = arrPending[nFree];
        CPlannedRename& rename = arrPlan[nIndex];
        if (!g_XmComonPar.RenameByShFileOperat(arrCurrent[nIndex], rename.strTo, pOwner)) {
            bFailed = true;
            break;
        }
        arrHolder.erase(text::FoldCase(arrCurrent[nIndex]));
        rename.pFile->Setm_strFileName(rename.strNewName);
        if (CFileStyleNodeInfo* pStyle = rename.pFile->Getm_pStyleNode())
            arrWrite.insert(pStyle->Getm_pManageFileInfo());
        ++nRenamed;
        arrPending.erase(arrPending.begin() + static_cast<std::ptrdiff_t>(nFree));
    }
    // A drawing parked when a rename failed takes its own name again.
    for (size_t nIndex : arrPending)
        if (arrCurrent[nIndex] != arrPlan[nIndex].strFrom)
            fs::Rename(arrCurrent[nIndex], arrPlan[nIndex].strFrom);
    // The drawing whose name a file outside the plan holds: the library refuses it and says so.
    if (!bFailed && nRefused < arrPlan.size()) {
        CPlannedRename& rename = arrPlan[nRefused];
        if (g_XmComonPar.RenameByShFileOperat(rename.strFrom, rename.strTo, pOwner)) {
            rename.pFile->Setm_strFileName(rename.strNewName);
            if (CFileStyleNodeInfo* pStyle = rename.pFile->Getm_pStyleNode())
                arrWrite.insert(pStyle->Getm_pManageFileInfo());
            ++nRenamed;
        }
    }
    for (CManageFileInfo* pManageFile : arrWrite)
        if (pManageFile)
            pManageFile->WriteManageFile();
    return nRenamed;
}

int RenumberDrawingsFrom(const ui::TreeCtrl& tree, ui::HTREEITEM hStart,
                         const std::wstring& strReference, int bUpward, int bOnlyWhenBigger,
                         ui::Window* pOwner) {
    if (NumberPrefix(strReference).empty() || !hStart)
        return 0;
    std::vector<CFileInfoNode*> arrFiles = RenumberingWalk(tree, hStart);
    std::vector<std::wstring> arrNames;
    for (const CFileInfoNode* pFile : arrFiles)
        arrNames.push_back(pFile->Getm_strFileName());
    return ApplyRenumbering(
        arrFiles, PlanRenumbering(strReference, arrNames, bUpward, bOnlyWhenBigger), pOwner);
}
