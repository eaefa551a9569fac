#pragma once
// What the drawing selection dialog shows: the drawings of a Project (its own, then each
// Equipment's) or of an Equipment, read from the management files and the folders. Each
// drawing appears once: under the first type that lists it, else among the drawings without
// type; a drawing on disk that no record lists counts among those without type, and a record
// whose file is missing is left out.

#include "manager/DwgSelectIndex.h"
#include "records/XmSb.h"
#include "store/FileStyleList.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct CDwgSelectContainer {
    std::wstring strFolder;     // without a trailing backslash
    std::wstring strName;       // the folder's name
    std::wstring strManageFile; // strFolder\strName.itm or .prj
    bool bProject = false;
    std::wstring strDescription; // the description block's lines, as CXmSb reads them
    // The types the management file lists, in file order, by the names it stores.
    std::vector<std::wstring> arrTypes;
};

struct CDwgSelectDrawing {
    int nContainer = 0;
    // The type as the management file stores it ("" without type), what users see of it, and
    // the record's remark: held by the drawings' list, which reads ten thousand of them at
    // once, valid until it is loaded again.
    const std::wstring& SysType() const { return *pSysType; }
    const std::wstring& DisplayType() const { return *pDisplayType; }
    const std::wstring& Remark() const { return *pRemark; }
    const std::wstring* pSysType = nullptr;
    const std::wstring* pDisplayType = nullptr;
    const std::wstring* pRemark = nullptr;
    std::wstring strFullPath;
    // The file name as the disk spells it, and the relative path: the name, after "S\" for an
    // Equipment's drawing in a Project. Both end the full path, which holds them once for all.
    std::wstring_view FileName() const { return std::wstring_view(strFullPath).substr(nNameAt); }
    std::wstring_view RelPath() const { return std::wstring_view(strFullPath).substr(nRelAt); }
    size_t nNameAt = 0;
    size_t nRelAt = 0;
};

class CDwgSelectDrawings {
public:
    // The drawings point into the list's own storage: a copy would point into another's.
    CDwgSelectDrawings() = default;
    CDwgSelectDrawings(const CDwgSelectDrawings&) = delete;
    CDwgSelectDrawings& operator=(const CDwgSelectDrawings&) = delete;

    // Reads the containers and their drawings. arrOnDisk are the drawing files of the container
    // (CollectContainerDrawings), the only drawings taken to exist; arrStyles the types list
    // (ReadFileStyleList), consulted for names the catalogue does not know.
    // The listed paths become the drawings' own.
    void Load(const std::wstring& strManageFile, std::vector<std::wstring> arrOnDisk,
              const std::vector<STRUCT_XMSB_FILESTYLE>& arrStyles);

    const std::vector<CDwgSelectContainer>& Containers() const { return m_arrContainers; }
    // Container by container, each with its drawings without type first and then by type in
    // file order; within a group in the order of the records (drawings without a record last,
    // by name).
    const std::vector<CDwgSelectDrawing>& Drawings() const { return m_arrDrawings; }
    // The index of the drawing with that full path (compared without regard to case); -1.
    int Find(const std::wstring& strFullPath) const;
    // What users see of a stored type name, kept by the list for its drawings to point at.
    const std::wstring& DisplayName(const std::wstring& strSysType) const;

private:
    // One drawing on disk while the records are matched with the listing.
    struct OnDisk {
        size_t nNameAt; // the name, in m_strNames
        size_t nNameSize;
        std::wstring* pPath; // the listed path, until a drawing takes it
        int nContainer;
        size_t nHash; // of container and name without regard to case
        bool bPlaced;
        bool bSpelledAlike; // the path begins with the container's folder as it holds it
    };
    std::wstring_view Name(const OnDisk& file) const {
        return std::wstring_view(m_strNames).substr(file.nNameAt, file.nNameSize);
    }
    // Takes the container's records out of `records`.
    void AddContainer(CXmSb& records, bool bProject);
    void AddDrawingsOf(int nContainer, std::vector<OnDisk>& arrOnDisk,
                       const std::vector<size_t>& arrInFolder, CDwgSelectIndex& onDisk);
    void AddDrawing(int nContainer, const OnDisk& file, const std::wstring& strSysType,
                    const std::wstring& strDisplayType, const std::wstring& strRemark);

    std::vector<CDwgSelectContainer> m_arrContainers;
    std::vector<CDwgSelectDrawing> m_arrDrawings;
    // The names of the files listed on disk, side by side, while they are matched.
    std::wstring m_strNames;
    // The drawings by container and name without regard to case, made on the first Find.
    mutable CDwgSelectIndex m_Index;
    mutable bool m_bIndexed = false;
    std::unordered_map<std::wstring, int> m_mapFolders; // folded folder -> container
    const std::vector<STRUCT_XMSB_FILESTYLE>* m_pStyles = nullptr;
    // The records of each container, taken by AddContainer; the drawings point into them.
    std::vector<std::vector<STRUCT_XMSB_FILE>> m_arrRecords;
    mutable std::unordered_map<std::wstring, std::wstring> m_mapDisplayNames;
};
