#pragma once
// What the exported tables are made from: a Project or Equipment read from its management
// files (description values, drawing types and drawings) and the block references of the
// drawings in its folders, each with the material fields it carries as extended data of the
// application "OVPART" (docs/exports.md).

#include <string>
#include <vector>

// The material fields of a block reference, in the order "OVPART" carries them.
enum PartField {
    kPartCode,
    kPartName,
    kPartModel,
    kPartSpec,
    kPartMaker,
    kPartUnit,
    kPartKind,
    kPartLabel,
    kPartFieldCount
};

struct ExportPart {
    std::wstring strBlockName;
    std::vector<std::wstring> arrFields; // kPartFieldCount values, "" where the data has none
    bool bHasPartData = false;           // the reference carries "OVPART" data
    std::wstring strDrawing;             // the file name of the drawing it stands in
};

struct ExportDrawingType {
    std::wstring strTypeName; // the type's display name; "" for files without type
    std::vector<std::pair<std::wstring, std::wstring>> arrDrawings; // file name, remark
};

// One container: the Project itself (its own folder) or one of its Equipments, at any depth.
struct ExportUnit {
    bool bIsEquipment = false;
    std::wstring strFolderName;
    std::wstring strName;     // "设备名称" (Equipments) or "工程名称", else the folder name
    std::wstring strProject;  // "工程名称"
    std::wstring strContract; // "工程合同号"
    std::wstring strModel;    // "设备型号"
    std::wstring strBookNo;   // "设备图册号"
    std::vector<ExportDrawingType> arrTypes;
    std::vector<ExportPart> arrParts; // every non-anonymous block reference, drawing by drawing
    int DrawingCount() const;
};

struct ExportSource {
    bool bIsXm = false;
    std::wstring strName;             // the container's folder name
    std::vector<ExportUnit> arrUnits; // the container first, then its Equipments in folder order
};

// Reads the container of the management file; false (after the library's command-line
// message) when the file cannot be read.
bool ReadExportSource(const std::wstring& strManageFile, ExportSource& source);

// The block references of a drawing's model space (an open document's, else the file's);
// false when the drawing cannot be read.
bool ReadDrawingParts(const std::wstring& strPath, std::vector<ExportPart>& arrParts);
