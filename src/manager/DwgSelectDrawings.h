#pragma once
// What the drawing selection dialog shows: the drawings of a Project (its own, then each
// Equipment's) or of an Equipment, read from the management files and the folders. Each
// drawing appears once: under the first type that lists it, else among the drawings without
// type; a drawing on disk that no record lists counts among those without type, and a record
// whose file is missing is left out.

#include "records/XmSb.h"
#include "store/FileStyleList.h"

#include <string>
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
    std::wstring strFileName;    // as the disk spells it
    std::wstring strSysType;     // as the management file stores it; "" without type
    std::wstring strDisplayType; // what users see of that type
    std::wstring strRemark;
    std::wstring strFullPath;
    std::wstring strRelPath; // the name, after "S\" for an Equipment's drawing in a Project
};

class CDwgSelectDrawings {
public:
    // Reads the containers and their drawings. arrOnDisk are the drawing files of the container
    // (CollectContainerDrawings), the only drawings taken to exist; arrStyles the types list
    // (ReadFileStyleList), consulted for names the catalogue does not know.
    void Load(const std::wstring& strManageFile, const std::vector<std::wstring>& arrOnDisk,
              const std::vector<STRUCT_XMSB_FILESTYLE>& arrStyles);

    const std::vector<CDwgSelectContainer>& Containers() const { return m_arrContainers; }
    // Container by container, each with its drawings without type first and then by type in
    // file order; within a group in the order of the records (drawings without a record last,
    // by name).
    const std::vector<CDwgSelectDrawing>& Drawings() const { return m_arrDrawings; }
    // The index of the drawing with that full path (compared without regard to case); -1.
    int Find(const std::wstring& strFullPath) const;
    // What users see of a stored type name.
    std::wstring DisplayName(const std::wstring& strSysType) const;

private:
    void AddContainer(const std::wstring& strManageFile, bool bProject);
    // The drawings on disk by folded folder: their names as the disk spells them in listing
    // order, and folded name -> index in that list.
    struct FolderOnDisk {
        std::vector<std::wstring> names;
        std::unordered_map<std::wstring, size_t> byName;
    };
    using OnDisk = std::unordered_map<std::wstring, FolderOnDisk>;
    void AddDrawingsOf(int nContainer, const OnDisk& onDisk);
    void AddDrawing(int nContainer, const std::wstring& strName, const std::wstring& strFoldedName,
                    const std::wstring& strSysType, const std::wstring& strRemark);

    std::vector<CDwgSelectContainer> m_arrContainers;
    std::vector<CDwgSelectDrawing> m_arrDrawings;
    std::unordered_map<std::wstring, int> m_mapByPath; // folded full path -> drawing
    const std::vector<STRUCT_XMSB_FILESTYLE>* m_pStyles = nullptr;
    // The records of each container, read by AddContainer.
    std::vector<std::vector<STRUCT_XMSB_FILE>> m_arrRecords;
    std::vector<std::wstring> m_arrFoldedFolders;
    mutable std::unordered_map<std::wstring, std::wstring> m_mapDisplayNames;
};
