#include "manager/DrawingNameShift.h"

#include "drawing/EditOprt.h"
#include "manager/NewFileNames.h"
#include "platform/fs/FileSystem.h"
#include "suite/OvXmInfo/FileInfoNode.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmComonPar.h"

std::vector<std::wstring> PlanNameShift(const std::wstring& strPath) {
    std::vector<std::wstring> arrChain;
    for (std::wstring strNext = strPath; fs::Exists(strNext); strNext = NextShiftName(strNext))
        arrChain.push_back(strNext);
    return arrChain;
}

int ApplyNameShift(const std::vector<std::wstring>& arrChain,
                   std::vector<std::pair<std::wstring, std::wstring>>& arrRenamed,
                   ui::Window* pOwner) {
    for (auto it = arrChain.rbegin(); it != arrChain.rend(); ++it) {
        std::wstring strNext = NextShiftName(*it);
        if (!g_XmComonPar.RenameByShFileOperat(*it, strNext, pOwner))
            return 0;
        arrRenamed.emplace_back(*it, strNext);
    }
    return 1;
}

int RenameShiftedRecords(CManageFileInfo& manageFile,
                         const std::vector<std::pair<std::wstring, std::wstring>>& arrRenamed) {
    bool bChanged = false;
    for (const auto& [strOld, strNew] : arrRenamed) {
        std::wstring strOldName = CEditOprt::GetLastPathItem(strOld);
        CFileStyleNodeInfo* pStyle = manageFile.FindStyNodeByInputFileName(strOldName);
        CFileInfoNode* pFile = pStyle ? pStyle->FindFileNode(strOldName) : nullptr;
        if (!pFile)
            continue;
        pFile->Setm_strFileName(CEditOprt::GetLastPathItem(strNew));
        bChanged = true;
    }
    return !bChanged || manageFile.WriteManageFile() ? 1 : 0;
}
