#include "manager/DwgSelectDrawings.h"

#include "drawing/EditOprt.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/WideString.h"
#include "suite/OvXmInfo/AllStyNameInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"

void CDwgSelectDrawings::Load(const std::wstring& strManageFile,
                              const std::vector<std::wstring>& arrOnDisk,
                              const std::vector<STRUCT_XMSB_FILESTYLE>& arrStyles) {
    m_arrContainers.clear();
    m_arrDrawings.clear();
    m_arrRecords.clear();
    m_arrFoldedFolders.clear();
    m_mapByPath.clear();
    m_mapDisplayNames.clear();
    m_pStyles = &arrStyles;
    bool bProject = text::EqualsNoCase(CEditOprt::GetExtension(strManageFile), L"itm");
    AddContainer(strManageFile, bProject);
    if (bProject) {
        // The Equipments: direct subfolders holding a management file named after themselves.
        const std::wstring& strFolder = m_arrContainers.front().strFolder;
        for (const std::wstring& strSub :
             fs::FindMatches(CEditOprt::JoinPath(strFolder, L"*"), fs::EntryKind::Folders)) {
            std::wstring strPrj =
                CEditOprt::JoinPath(strSub, CEditOprt::GetLastPathItem(strSub) + L".prj");
            if (fs::IsFile(strPrj))
                AddContainer(strPrj, false);
        }
    }
    // Which drawings exist comes from one listing per folder, made by the caller: a look at
    // the disk per record would cost more than reading all the records. The caller's paths
    // come folder by folder, so each folder is folded once.
    OnDisk onDisk;
    std::wstring_view lastFolder;
    FolderOnDisk* pFolder = nullptr;
    for (const std::wstring& strPath : arrOnDisk) {
        size_t slash = strPath.find_last_of(L'\\');
        std::wstring_view folder =
            std::wstring_view(strPath).substr(0, slash == std::wstring::npos ? 0 : slash);
        if (!pFolder || folder != lastFolder) {
            pFolder = &onDisk[text::FoldCase(folder)];
            lastFolder = folder;
        }
        std::wstring strName = strPath.substr(slash == std::wstring::npos ? 0 : slash + 1);
        pFolder->byName.emplace(text::FoldCase(strName), pFolder->names.size());
        pFolder->names.push_back(std::move(strName));
    }
    m_arrDrawings.reserve(arrOnDisk.size());
    m_mapByPath.reserve(arrOnDisk.size());
    for (int i = 0; i < static_cast<int>(m_arrContainers.size()); ++i)
        AddDrawingsOf(i, onDisk);
    m_arrRecords.clear();
}

void CDwgSelectDrawings::AddContainer(const std::wstring& strManageFile, bool bProject) {
    CDwgSelectContainer container;
    container.strManageFile = strManageFile;
    container.strFolder = CEditOprt::GetParentPath(strManageFile);
    container.strName = CEditOprt::GetLastPathItem(container.strFolder);
    container.bProject = bProject;
    CXmSb records(strManageFile);
    container.strDescription = records.Getm_StrDescription();
    for (const STRUCT_XMSB_FILE& style : records.Getm_XmSbFileArray())
        if (!style.strStyleName.empty())
            container.arrTypes.push_back(style.strStyleName);
    m_arrContainers.push_back(std::move(container));
    m_arrRecords.push_back(records.Getm_XmSbFileArray());
    m_arrFoldedFolders.push_back(text::FoldCase(m_arrContainers.back().strFolder));
}

void CDwgSelectDrawings::AddDrawing(int nContainer, const std::wstring& strName,
                                    const std::wstring& strFoldedName,
                                    const std::wstring& strSysType, const std::wstring& strRemark) {
    const CDwgSelectContainer& container = m_arrContainers[static_cast<size_t>(nContainer)];
    CDwgSelectDrawing drawing;
    drawing.nContainer = nContainer;
    drawing.strFileName = strName;
    drawing.strSysType = strSysType;
    drawing.strDisplayType = strSysType.empty() ? std::wstring() : DisplayName(strSysType);
    drawing.strRemark = strRemark;
    drawing.strFullPath = container.strFolder + L"\\" + strName;
    drawing.strRelPath = nContainer > 0 ? container.strName + L"\\" + strName : strName;
    m_mapByPath.emplace(m_arrFoldedFolders[static_cast<size_t>(nContainer)] + L"\\" + strFoldedName,
                        static_cast<int>(m_arrDrawings.size()));
    m_arrDrawings.push_back(std::move(drawing));
}

void CDwgSelectDrawings::AddDrawingsOf(int nContainer, const OnDisk& onDisk) {
    const std::vector<STRUCT_XMSB_FILE>& arrRecords = m_arrRecords[static_cast<size_t>(nContainer)];
    auto found = onDisk.find(m_arrFoldedFolders[static_cast<size_t>(nContainer)]);
    if (found == onDisk.end())
        return; // no drawing in the folder: every record's file is missing
    const FolderOnDisk& folder = found->second;
    std::vector<bool> placed(folder.names.size(), false);
    // A drawing listed under a type is shown there, under the first type that lists it; the
    // typed groups are settled first, then shown after the drawings without type.
    struct Placed {
        size_t index;
        std::wstring strFolded;
        const std::wstring* pSysType;
        const std::wstring* pRemark;
    };
    static const std::wstring kNone;
    std::vector<Placed> arrTyped, arrUntyped;
    auto place = [&](const STRUCT_XMSB_FILE& style, std::vector<Placed>& into) {
        for (const STRUCT_XMSB_ONEFILE& file : style.arrFiles) {
            std::wstring strFolded = text::FoldCase(file.strFileName);
            auto name = folder.byName.find(strFolded);
            if (name == folder.byName.end() || placed[name->second])
                continue;
            placed[name->second] = true;
            into.push_back(
                {name->second, std::move(strFolded), &style.strStyleName, &file.strRemark});
        }
    };
    for (const STRUCT_XMSB_FILE& style : arrRecords)
        if (!style.strStyleName.empty())
            place(style, arrTyped);
    for (const STRUCT_XMSB_FILE& style : arrRecords)
        if (style.strStyleName.empty())
            place(style, arrUntyped);
    for (size_t i = 0; i < folder.names.size(); ++i)
        if (!placed[i])
            arrUntyped.push_back({i, text::FoldCase(folder.names[i]), &kNone, &kNone});
    for (const Placed& one : arrUntyped)
        AddDrawing(nContainer, folder.names[one.index], one.strFolded, *one.pSysType, *one.pRemark);
    for (const Placed& one : arrTyped)
        AddDrawing(nContainer, folder.names[one.index], one.strFolded, *one.pSysType, *one.pRemark);
}

int CDwgSelectDrawings::Find(const std::wstring& strFullPath) const {
    auto found = m_mapByPath.find(text::FoldCase(strFullPath));
    return found == m_mapByPath.end() ? -1 : found->second;
}

std::wstring CDwgSelectDrawings::DisplayName(const std::wstring& strSysType) const {
    auto cached = m_mapDisplayNames.find(strSysType);
    if (cached != m_mapDisplayNames.end())
        return cached->second;
    // The catalogue names the types management files store; the types list only where the
    // catalogue does not know a name.
    std::wstring strName;
    if (const CAllStyNameInfo* pCatalogue = CManageFileInfo::Getm_AllStyNameInfo())
        strName = pCatalogue->FindDisplayNameBySysName(strSysType);
    if (strName.empty() && m_pStyles)
        for (const STRUCT_XMSB_FILESTYLE& style : *m_pStyles)
            if (style.strStyleName == strSysType) {
                strName = style.strDescription;
                break;
            }
    if (strName.empty())
        strName = strSysType;
    m_mapDisplayNames.emplace(strSysType, strName);
    return strName;
}
