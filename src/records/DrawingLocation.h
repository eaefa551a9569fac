#pragma once
// The location a drawing belongs to (an Equipment's name): the record in the drawing's
// named-object dictionary and the texts in model space that repeat it. When drawings move into
// a new Equipment made from a template, their location is renamed to the Equipment's name.
//
//   named-object dictionary
//     "OV_DWG_DICITIONARY" (dictionary; further records of the product family stay untouched)
//       "OV_LOCATION_XRECORD" (extended record): text "位置", text the location
//
// Texts that repeat the location:
// - terminal-strip heads: TEXT or MTEXT with extended data "DZP_NAME" and a handle (1005)
//   under "OV_DZPHEAD_LOACTIONHANDLE" leading to the text that shows the head's location; that
//   text is the head's own when its "OV_DZPLOCATION_HEADHANDLE" holds the head's handle;
// - part-layout blocks: block references with "OVPARTLAYT_PART", the location being the
//   string (1000) under "OVPARTLAYT_LOCATION";
// - location labels of bills of material: TEXT or MTEXT with "OVBOM_LOCATION_LABELHANDLE".

#include <string>

class AcDbDatabase;

inline constexpr const wchar_t* kDwgDictionaryKey = L"OV_DWG_DICITIONARY";
inline constexpr const wchar_t* kLocationRecordKey = L"OV_LOCATION_XRECORD";
inline constexpr const wchar_t* kLocationLabel = L"位置";

// The item after the first text item that contains "位置" (blanks ignored); "" when the
// drawing has no dictionary, no record or no such item.
std::wstring GetDrawingLocation(AcDbDatabase* pDb);

// Makes the dictionary and the record when missing and sets the record to "位置" and the
// location. 0 when the database cannot be changed now (a document that is not locked) or an
// entry of that name is of another kind.
int SetDrawingLocation(AcDbDatabase* pDb, const std::wstring& strLocation);

// Renames the location in a database that may be changed now: the record, the heads' location
// texts that showed the old location (a head without a text of its own gets a new, invisible
// one, linked both ways), the part-layout blocks and the labels whose whole text was the old
// location. 0 when the record cannot be written.
int RenameLocationInDatabase(AcDbDatabase* pDb, const std::wstring& strNewLocation);

// The same on the drawing at the path: an open document is changed while it is locked and
// stays open unsaved; a drawing read from its file is saved back in the host's default save
// format. 0 when the drawing cannot be read, changed or saved.
int RenameDrawingLocation(std::wstring strDwgPath, const std::wstring& strNewLocation);
