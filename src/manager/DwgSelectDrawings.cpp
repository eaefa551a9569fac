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
    // come folder by folder, so each folder is folded once. The names are copied side by side
    // for the records to be matched with: ten thousand paths lie all over the heap, and
    // reading each again for every comparison is what costs.
    std::vector<OnDisk> arrFiles;
    arrFiles.reserve(arrOnDisk.size());
    m_strNames.clear();
    m_strNames.reserve(arrOnDisk.size() * 16);
    std::vector<std::vector<size_t>> arrByContainer(m_arrContainers.size());
    std::wstring_view lastFolder;
    int nContainer = -1;
    bool bSpelledAlike = false;
    for (size_t i = 0; i < arrOnDisk.size(); ++i) {
        std::wstring_view strPath = arrOnDisk[i];
        size_t slash = strPath.find_last_of(L'\\');
        std::wstring_view folder = strPath.substr(0, slash == std::wstring_view::npos ? 0 : slash);
        if (i == 0 || folder != lastFolder) {
            auto found = m_mapFolders.find(text::FoldCase(folder));
            nContainer = found == m_mapFolders.end() ? -1 : found->second;
            bSpelledAlike = nContainer >= 0 &&
                            folder == m_arrContainers[static_cast<size_t>(nContainer)].strFolder;
            lastFolder = folder;
        }
        if (nContainer < 0)
            continue; // not a folder of the container: not its drawing
        std::wstring_view strName =
            strPath.substr(slash == std::wstring_view::npos ? 0 : slash + 1);
        OnDisk file{m_strNames.size(),
                    strName.size(),
                    &arrOnDisk[i],
                    nContainer,
                    CDwgSelectIndex::Hash(nContainer, strName),
                    false,
                    bSpelledAlike};
        m_strNames.append(strName);
        arrByContainer[static_cast<size_t>(nContainer)].push_back(arrFiles.size());
        arrFiles.push_back(file);
    }
    m_arrDrawings.reserve(arrFiles.size());
    // The records are matched container by container, in a table small enough to stay in
    // the cache; the index of all drawings waits until a drawing is first looked for.
    CDwgSelectIndex onDisk;
    for (int i = 0; i < static_cast<int>(m_arrContainers.size()); ++i)
        AddDrawingsOf(i, arrFiles, arrByContainer[static_cast<size_t>(i)], onDisk);
    std::wstring().swap(m_strNames);
    m_bIndexed = false;
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

void CDwgSelectDrawings::AddDrawing(int nContainer, const OnDisk& file,
                                    const std::wstring& strSysType,
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
    std::wstring_view strName = Name(file);
    if (file.bSpelledAlike) {
        drawing.strFullPath = std::move(*file.pPath);
    } else {
        drawing.strFullPath.reserve(container.strFolder.size() + 1 + strName.size());
        drawing.strFullPath.append(container.strFolder).append(1, L'\\').append(strName);
    }
    drawing.nNameAt = drawing.strFullPath.size() - strName.size();
    // An Equipment's folder ends in its name: "S\name" ends the full path too.
    bool bPrefixed = nContainer > 0 && container.strName.size() < drawing.nNameAt;
    drawing.nRelAt = bPrefixed ? drawing.nNameAt - 1 - container.strName.size() : drawing.nNameAt;
    m_arrDrawings.push_back(std::move(drawing));
}

void CDwgSelectDrawings::AddDrawingsOf(int nContainer, std::vector<OnDisk>& arrFiles,
                                       const std::vector<size_t>& arrInFolder,
                                       CDwgSelectIndex& onDisk) {
    onDisk.Reset(arrInFolder.size());
    for (size_t nFile : arrInFolder) {
        const OnDisk& file = arrFiles[nFile];
        // Of names that differ only in case (possible on Linux) the records find the first.
        if (onDisk.Find(file.nHash, [&](int n) {
                return SameName(Name(arrFiles[static_cast<size_t>(n)]), Name(file));
            }) < 0)
            onDisk.Insert(file.nHash, static_cast<int>(nFile));
    }
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
                    return SameName(Name(arrFiles[static_cast<size_t>(n)]), file.strFileName);
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
            pDisplay = &DisplayName(one.pStyle->strStyleName);
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
    if (!m_bIndexed) {
        m_Index.Reset(m_arrDrawings.size());
        for (size_t i = 0; i < m_arrDrawings.size(); ++i)
            m_Index.Insert(
                CDwgSelectIndex::Hash(m_arrDrawings[i].nContainer, m_arrDrawings[i].FileName()),
                static_cast<int>(i));
        m_bIndexed = true;
    }
    return m_Index.Find(CDwgSelectIndex::Hash(nContainer, strName), [&](int n) {
        const CDwgSelectDrawing& drawing = m_arrDrawings[static_cast<size_t>(n)];
        return drawing.nContainer == nContainer && SameName(drawing.FileName(), strName);
    });
}

const std::wstring& CDwgSelectDrawings::DisplayName(const std::wstring& strSysType) const {
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
