#pragma once
// CAllStyNameInfo: the drawing-type catalogue, the system and display names of every defined
// drawing type, read from the style file "Data\dwgstyle.dat" in the common-resource folder
// (format: docs/records.md).

#include "suite/OvXmInfo/StyleNameNode.h"

#include <string>
#include <vector>

class CAllStyNameInfo {
public:
    // The style file below the folder that SetStyleFileName is given.
    static constexpr const wchar_t* kStyleFileName = L"Data\\dwgstyle.dat";

    // Reads the catalogue from the style file of that folder. A file that cannot be read is
    // reported on the command line and leaves the catalogue empty; 0 then.
    int SetStyleFileName(const std::wstring& strFolder);
    const std::wstring& GetStyleFolder() const { return m_strStyleFolder; }

    // The catalogue from the lines of a style file, as SetStyleFileName reads them.
    void SetStyleLines(const std::vector<std::wstring>& arrLines);

    // The display names in catalogue order, empty ones included (a type may have none).
    void GetDisplayNameStrArray(std::vector<std::wstring>& arrNames) const;
    // Empty when the name is not in the catalogue.
    std::wstring FindDisplayNameBySysName(const std::wstring& strSysName) const;
    std::wstring FindSysNameByDisplayName(const std::wstring& strDisplayName) const;
    const std::vector<CStyleNameNode>& GetStyleNameArray() const { return m_arrStyleNames; }

private:
    std::wstring m_strStyleFolder;
    std::vector<CStyleNameNode> m_arrStyleNames;
};
