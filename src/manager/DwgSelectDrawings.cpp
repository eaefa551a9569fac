#include "manager/DwgSelectDrawings.h"

#include "drawing/EditOprt.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/WideString.h"
#include "suite/OvXmInfo/AllStyNameInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"

namespace {

// What a drawing without type or remark points at.
const std::wstring kNone;

bool SameName(std::wstring_view a, std::wstring_view b) {
    return a == b || text::EqualsNoCase(a, b);
}

} // namespace

void CDwgSelectDrawings::Load(const std::wstring& strManageFile,
                              std::vector<std::wstring> arrOnDisk,
                              const std::vector<STRUCT_XMSB_FILESTYLE>& arrStyles) {
    m_arrContainers.clear();
    m_arrDrawings.clear();
    m_arrRecords.clear();
    m_mapFolders.clear();
    m_mapDisplayNames.clear();
    m_pStyles = &arrStyles;
    bool bProject = text::EqualsNoCase(CEditOprt::GetExtension(strManageFile), L"itm");
    CXmSb root(strManageFile);
    AddContainer(root, bProject);
    if (bProject) {
        // The Equipments: direct subfolders holding a management file named after themselves.
        // Reading it tells whether there is one: no look at the disk of its own.
        const std::wstring& strFolder = m_arrContainers.front().strFolder;
        for (const std::wstring& strSub :
             fs::FindMatches(CEditOprt::JoinPath(strFolder, L"*"), fs::EntryKind::Folders)) {
            CXmSb records(
                CEditOprt::JoinPath(strSub, CEditOprt::GetLastPathItem(strSub) + L".prj"));
            if (records.FileExists())
                AddContainer(records, false);
        }
    }
    // Which drawings exist comes from one listing per folder, made by the caller: a look at
    // the disk per record would cost more than reading all the records. The caller's paths
    // come folder by folder, so each folder is folded once.
    std::vector<OnDisk> arrFiles;
    arrFiles.reserve(arrOnDisk.size());
    std::vector<std::vector<size_t>> arrByContainer(m_arrContainers.size());
    CDwgSelectIndex onDisk;
    onDisk.Reset(arrOnDisk.size());
    std::wstring_view lastFolder;
    int nContainer = -1;
    for (size_t i = 0; i < arrOnDisk.size(); ++i) {
        std::wstring_view strPath = arrOnDisk[i];
        size_t slash = strPath.find_last_of(L'\\');
        std::wstring_view folder = strPath.substr(0, slash == std::wstring_view::npos ? 0 : slash);
        if (i == 0 || folder != lastFolder) {
            auto found = m_mapFolders.find(text::FoldCase(folder));
            nContainer = found == m_mapFolders.end() ? -1 : found->second;
            lastFolder = folder;
        }
        if (nContainer < 0)
            continue; // not a folder of the container: not its drawing
        std::wstring_view strName =
            strPath.substr(slash == std::wstring_view::npos ? 0 : slash + 1);
        size_t nHash = CDwgSelectIndex::Hash(nContainer, strName);
        auto same = [&](int n) {
            return arrFiles[static_cast<size_t>(n)].nContainer == nContainer &&
                   SameName(arrFiles[static_cast<size_t>(n)].strName, strName);
        };
        // Of names that differ only in case (possible on Linux) the records find the first.
        if (onDisk.Find(nHash, same) < 0)
            onDisk.Insert(nHash, static_cast<int>(arrFiles.size()));
        arrByContainer[static_cast<size_t>(nContainer)].push_back(arrFiles.size());
        arrFiles.push_back({strName, &arrOnDisk[i], nContainer, nHash});
    }
    m_arrDrawings.reserve(arrFiles.size());
    m_Index.Reset(arrFiles.size());
    for (int i = 0; i < static_cast<int>(m_arrContainers.size()); ++i)
        AddDrawingsOf(i, arrFiles, arrByContainer[static_cast<size_t>(i)], onDisk);
}

void CDwgSelectDrawings::AddContainer(CXmSb& records, bool bProject) {
    CDwgSelectContainer container;
    container.strManageFile = records.Getm_StrManageFilePathName();
    container.strFolder = CEditOprt::GetParentPath(container.strManageFile);
    container.strName = CEditOprt::GetLastPathItem(container.strFolder);
    container.bProject = bProject;
    container.strDescription = records.Getm_StrDescription();
    for (const STRUCT_XMSB_FILE& style : records.Getm_XmSbFileArray())
        if (!style.strStyleName.empty())
            container.arrTypes.push_back(style.strStyleName);
    m_mapFolders.emplace(text::FoldCase(container.strFolder),
                         static_cast<int>(m_arrContainers.size()));
    m_arrContainers.push_back(std::move(container));
    m_arrRecords.push_back(records.TakeXmSbFileArray());
}

void CDwgSelectDrawings::AddDrawing(int nContainer, OnDisk& file, const std::wstring& strSysType,
                                    const std::wstring& strDisplayType,
                                    const std::wstring& strRemark) {
    const CDwgSelectContainer& container = m_arrContainers[static_cast<size_t>(nContainer)];
    CDwgSelectDrawing drawing;
    drawing.nContainer = nContainer;
    drawing.pSysType = &strSysType;
    drawing.pDisplayType = &strDisplayType;
    drawing.pRemark = &strRemark;
    // The listed path is the container's folder and the name, as a rule spelled alike: it
    // is taken over rather than copied.
    std::wstring& strListed = *file.pPath;
    size_t nFolder = strListed.size() - file.strName.size();
    if (nFolder == container.strFolder.size() + 1 &&
        std::wstring_view(strListed).substr(0, nFolder - 1) == container.strFolder) {
        drawing.strFullPath = std::move(strListed);
    } else {
        drawing.strFullPath.reserve(container.strFolder.size() + 1 + file.strName.size());
        drawing.strFullPath.append(container.strFolder).append(1, L'\\').append(file.strName);
    }
    drawing.nNameAt = drawing.strFullPath.size() - file.strName.size();
    // An Equipment's folder ends in its name: "S\name" ends the full path too.
    bool bPrefixed = nContainer > 0 && container.strName.size() < drawing.nNameAt;
    drawing.nRelAt = bPrefixed ? drawing.nNameAt - 1 - container.strName.size() : drawing.nNameAt;
    m_Index.Insert(file.nHash, static_cast<int>(m_arrDrawings.size()));
    m_arrDrawings.push_back(std::move(drawing));
    // Later look-ups still compare this file's name: it now lies in the drawing's path (the
    // drawings have room reserved for all, so it stays where it is).
    file.strName = m_arrDrawings.back().FileName();
}

void CDwgSelectDrawings::AddDrawingsOf(int nContainer, std::vector<OnDisk>& arrFiles,
                                       const std::vector<size_t>& arrInFolder,
                                       const CDwgSelectIndex& onDisk) {
    const std::vector<STRUCT_XMSB_FILE>& arrRecords = m_arrRecords[static_cast<size_t>(nContainer)];
    // A drawing listed under a type is shown there, under the first type that lists it; the
    // typed groups are settled first, then shown after the drawings without type.
    struct Placed {
        size_t nFile;
        const STRUCT_XMSB_FILE* pStyle;
        const std::wstring* pRemark;
    };
    std::vector<Placed> arrTyped, arrUntyped;
    auto place = [&](const STRUCT_XMSB_FILE& style, std::vector<Placed>& into) {
        for (const STRUCT_XMSB_ONEFILE& file : style.arrFiles) {
            int nFile =
                onDisk.Find(CDwgSelectIndex::Hash(nContainer, file.strFileName), [&](int n) {
                    return arrFiles[static_cast<size_t>(n)].nContainer == nContainer &&
                           SameName(arrFiles[static_cast<size_t>(n)].strName, file.strFileName);
                });
            if (nFile < 0 || arrFiles[static_cast<size_t>(nFile)].bPlaced)
                continue;
            arrFiles[static_cast<size_t>(nFile)].bPlaced = true;
            into.push_back({static_cast<size_t>(nFile), &style, &file.strRemark});
        }
    };
    for (const STRUCT_XMSB_FILE& style : arrRecords)
        if (!style.strStyleName.empty())
            place(style, arrTyped);
    for (const STRUCT_XMSB_FILE& style : arrRecords)
        if (style.strStyleName.empty())
            place(style, arrUntyped);
    for (size_t nFile : arrInFolder)
        if (!arrFiles[nFile].bPlaced)
            arrUntyped.push_back({nFile, nullptr, &kNone});
    for (const Placed& one : arrUntyped)
        AddDrawing(nContainer, arrFiles[one.nFile], kNone, kNone, *one.pRemark);
    // The display name once per type, not once per drawing.
    const STRUCT_XMSB_FILE* pLastStyle = nullptr;
    const std::wstring* pDisplay = &kNone;
    for (const Placed& one : arrTyped) {
        if (one.pStyle != pLastStyle) {
            pLastStyle = one.pStyle;
            pDisplay = &DisplayNameHeld(one.pStyle->strStyleName);
        }
        AddDrawing(nContainer, arrFiles[one.nFile], one.pStyle->strStyleName, *pDisplay,
                   *one.pRemark);
    }
}

int CDwgSelectDrawings::Find(const std::wstring& strFullPath) const {
    size_t slash = strFullPath.find_last_of(L'\\');
    if (slash == std::wstring::npos)
        return -1;
    auto folder =
        m_mapFolders.find(text::FoldCase(std::wstring_view(strFullPath).substr(0, slash)));
    if (folder == m_mapFolders.end())
        return -1;
    int nContainer = folder->second;
    std::wstring_view strName = std::wstring_view(strFullPath).substr(slash + 1);
    return m_Index.Find(CDwgSelectIndex::Hash(nContainer, strName), [&](int n) {
        const CDwgSelectDrawing& drawing = m_arrDrawings[static_cast<size_t>(n)];
        return drawing.nContainer == nContainer && SameName(drawing.FileName(), strName);
    });
}

std::wstring CDwgSelectDrawings::DisplayName(const std::wstring& strSysType) const {
    return DisplayNameHeld(strSysType);
}

const std::wstring& CDwgSelectDrawings::DisplayNameHeld(const std::wstring& strSysType) const {
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
    return m_mapDisplayNames.emplace(strSysType, std::move(strName)).first->second;
}
