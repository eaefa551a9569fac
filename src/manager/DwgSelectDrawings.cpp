#include "manager/DwgSelectDrawings.h"

#include "drawing/EditOprt.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/WideString.h"
#include "suite/OvXmInfo/AllStyNameInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"

#include <unordered_set>

void CDwgSelectDrawings::Load(const std::wstring& strManageFile,
                              const std::vector<std::wstring>& arrOnDisk,
                              const std::vector<STRUCT_XMSB_FILESTYLE>& arrStyles) {
    m_arrContainers.clear();
    m_arrDrawings.clear();
    m_arrRecords.clear();
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
    // the disk per record would cost more than reading all the records.
    OnDisk onDisk;
    onDisk.files.reserve(arrOnDisk.size());
    for (const std::wstring& strPath : arrOnDisk) {
        onDisk.files.emplace(text::FoldCase(strPath), strPath);
        onDisk.byFolder[text::FoldCase(CEditOprt::GetParentPath(strPath))].push_back(strPath);
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
}

void CDwgSelectDrawings::AddDrawing(int nContainer, const std::wstring& strPath,
                                    const std::wstring& strSysType, const std::wstring& strRemark) {
    const CDwgSelectContainer& container = m_arrContainers[static_cast<size_t>(nContainer)];
    CDwgSelectDrawing drawing;
    drawing.nContainer = nContainer;
    drawing.strFileName = CEditOprt::GetLastPathItem(strPath);
    drawing.strSysType = strSysType;
    drawing.strDisplayType = strSysType.empty() ? std::wstring() : DisplayName(strSysType);
    drawing.strRemark = strRemark;
    drawing.strFullPath = CEditOprt::JoinPath(container.strFolder, drawing.strFileName);
    drawing.strRelPath =
        nContainer > 0 ? container.strName + L"\\" + drawing.strFileName : drawing.strFileName;
    m_mapByPath.emplace(text::FoldCase(drawing.strFullPath),
                        static_cast<int>(m_arrDrawings.size()));
    m_arrDrawings.push_back(std::move(drawing));
}

void CDwgSelectDrawings::AddDrawingsOf(int nContainer, const OnDisk& onDisk) {
    const CDwgSelectContainer& container = m_arrContainers[static_cast<size_t>(nContainer)];
    const std::vector<STRUCT_XMSB_FILE>& arrRecords = m_arrRecords[static_cast<size_t>(nContainer)];
    std::unordered_set<std::wstring> placed;
    // A drawing listed under a type is shown there, under the first type that lists it; the
    // typed groups are settled first, then shown after the drawings without type.
    struct Placed {
        std::wstring strPath, strSysType, strRemark;
    };
    std::vector<Placed> arrTyped, arrUntyped;
    auto place = [&](const STRUCT_XMSB_FILE& style, std::vector<Placed>& into) {
        for (const STRUCT_XMSB_ONEFILE& file : style.arrFiles) {
            std::wstring strKey =
                text::FoldCase(CEditOprt::JoinPath(container.strFolder, file.strFileName));
            auto found = onDisk.files.find(strKey);
            if (found == onDisk.files.end() || !placed.insert(strKey).second)
                continue;
            into.push_back({found->second, style.strStyleName, file.strRemark});
        }
    };
    for (const STRUCT_XMSB_FILE& style : arrRecords)
        if (!style.strStyleName.empty())
            place(style, arrTyped);
    for (const STRUCT_XMSB_FILE& style : arrRecords)
        if (style.strStyleName.empty())
            place(style, arrUntyped);
    auto folder = onDisk.byFolder.find(text::FoldCase(container.strFolder));
    if (folder != onDisk.byFolder.end())
        for (const std::wstring& strPath : folder->second)
            if (placed.insert(text::FoldCase(strPath)).second)
                arrUntyped.push_back({strPath, L"", L""});
    for (const Placed& one : arrUntyped)
        AddDrawing(nContainer, one.strPath, one.strSysType, one.strRemark);
    for (const Placed& one : arrTyped)
        AddDrawing(nContainer, one.strPath, one.strSysType, one.strRemark);
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
