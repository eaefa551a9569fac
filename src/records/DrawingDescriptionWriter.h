#pragma once
// The drawing writer: a container's description carried into its drawings, as the modification
// dialog does after a change and the creation dialog does for drawings copied from a template.
//
// Into each drawing go
// - the cover texts, TEXT entities of model space, by four rules tried in this order (the first
//   that applies and has a value changes the text, and no later rule is tried for it):
//     extended data "OV_ProjectName",       or in an "01" drawing a text ending in "工程": the
//                                           project name;
//     "OV_ProjectContractNo",               or a text beginning with "合同号": "合同号：" and the
//                                           contract number;
//     "OV_EquipmentType",                   or a text ending in "型": the equipment model;
//     "OV_EquipmentName",                   or a text ending in "柜": the equipment name.
//   ("ending in" means after at least one other character; an "01" drawing is one whose file
//   name holds "01".) A text that changes carries the rule's application afterwards (one empty
//   string item), so that it is found by its data the next time;
// - the cells of the title block (TitleBlockFill.h).
//
// A value made only of blanks (the default titles carry " ") counts as empty everywhere: it fills
// no text and no cell.

#include "suite/OvXmInfo/ExplainInfoNode.h"

#include <string>
#include <vector>

class AcDbDatabase;

// The values the writer needs, taken from the description entries.
struct CDrawingDescription {
    std::wstring strContractNo;     // "工程合同号"
    std::wstring strProjectName;    // "工程名称"
    std::wstring strEquipmentModel; // "设备型号"
    std::wstring strEquipmentName;  // "设备名称"
    std::wstring strBookNo;         // "设备图册号"
    std::wstring strDesigner;       // "工程电气设计负责人"
    // Every entry with a title and a value, both trimmed, for the cells labelled with a title.
    std::vector<CExplainInfoNode> arrEntries;

    // The values of the first entry of each title, trimmed.
    static CDrawingDescription FromEntries(const std::vector<CExplainInfoNode>& entries);
};

// Writes the cover texts and title-block cells into a database that may be changed now (an open
// document that is locked, or a database read from its file). strFileName is the drawing's file
// name, for the "01" rules. The number of texts and cells set.
int WriteDescriptionInDatabase(AcDbDatabase* pDb, const std::wstring& strFileName,
                               const CDrawingDescription& description);

// The same on the drawing at the path: an open document's database is changed while it is
// locked and stays open, unsaved; a drawing read from its file is saved back in the host's
// default save format. 0 when the drawing cannot be read, or its file cannot be saved (the file
// is then as it was).
int WriteDescriptionToDrawing(const std::wstring& strDwgPath,
                              const CDrawingDescription& description);

// Each drawing in turn; a drawing that cannot be read or saved is named on the command line
// ("图纸"%s"无法读取，没有写入描述信息。" / "图纸"%s"无法保存，没有写入描述信息。") and the
// others go on. With a new location (an Equipment made from a template) each drawing's
// location is renamed to it too (RenameLocationInDatabase), in the same reading and saving of
// the drawing. The number of drawings written.
int WriteDescriptionToDrawings(const std::vector<std::wstring>& arrDwgPaths,
                               const CDrawingDescription& description,
                               const std::wstring& strNewLocation = L"");

// The drawings of a container (CollectContainerDrawings: an Equipment's, or a Project's own and
// those of its Equipments) get the description. A Project's own drawings and an Equipment's
// take the entries given. The drawings of a Project's Equipments take their Equipment's entries
// first and the Project's for what the Equipment has no value of: a drawing number is made of
// the Project's contract number and its Equipment's book number, and a Project, which has no
// book number, must not leave "HT-12G-" in every drawing of every Equipment. The number of
// drawings written.
int WriteDescriptionToContainer(const std::wstring& strManageFile,
                                const std::vector<CExplainInfoNode>& entries);
