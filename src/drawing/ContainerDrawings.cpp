#include "drawing/ContainerDrawings.h"

#include "drawing/EditOprt.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/WideString.h"

namespace {

void AddDrawingsOfFolder(const std::wstring& strFolder, std::vector<std::wstring>& arrPaths) {
    for (std::wstring& strPath :
         fs::FindMatches(CEditOprt::JoinPath(strFolder, L"*.dwg"), fs::EntryKind::Files))
        arrPaths.push_back(std::move(strPath));
}

} // namespace

int CollectContainerDrawings(const std::wstring& strManageFile,
                             std::vector<std::wstring>& arrPaths) {
    arrPaths.clear();
    std::wstring strExt = CEditOprt::GetExtension(strManageFile);
    bool bIsXm = text::EqualsNoCase(strExt, L"itm");
    if (!bIsXm && !text::EqualsNoCase(strExt, L"prj"))
        return 0;
    std::wstring strFolder = CEditOprt::GetParentPath(strManageFile);
    AddDrawingsOfFolder(strFolder, arrPaths);
    if (bIsXm)
        for (const std::wstring& strSub :
             fs::FindMatches(CEditOprt::JoinPath(strFolder, L"*"), fs::EntryKind::Folders)) {
            std::wstring strName = CEditOprt::GetLastPathItem(strSub);
            if (fs::IsFile(CEditOprt::JoinPath(strSub, strName + L".prj")))
                AddDrawingsOfFolder(strSub, arrPaths);
        }
    return static_cast<int>(arrPaths.size());
}
