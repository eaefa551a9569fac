#pragma once
// The title block as the system's drawings keep it, shared by the title-block library and the
// module's own reader and writer: a block reference in model space with extended data of the
// four applications below, and in its extension dictionary the record "TESSALINE_TITLE" whose
// strings describe the cells: "$BEGINETITLE", one string the readers skip, one string per cell
// ("label|x1|y1|x2|y2|text height|width factor|text style"), "$ENDTITLE".

#include "platform/cad/DbObject.h"
#include "platform/cad/Geometry.h"

#include <string>
#include <vector>

class AcDbDatabase;
class AcDbEntity;

inline constexpr const wchar_t* kTitleBlockApplications[] = {
    L"HORSIZE_OF_DRAWING", L"VERSIZE_OF_DRAWING", L"HORNUM_OF_TABLE", L"VERNUM_OF_TABLE"};
inline constexpr const wchar_t* kTitleRecordKey = L"TESSALINE_TITLE";
inline constexpr const wchar_t* kTitleBeginMarker = L"$BEGINETITLE";
inline constexpr const wchar_t* kTitleEndMarker = L"$ENDTITLE";

struct OvTitleCell {
    std::wstring strLabel;
    // Upper-left and lower-right corners.
    AcGePoint3d ptCorner1;
    AcGePoint3d ptCorner2;
    double dTextHeight = 0.0;
    double dWidthFactor = 0.0;
    std::wstring strTextStyle;
};

// A block reference carrying extended data of all four applications (their contents are not
// read).
bool OvIsTitleBlockReference(const AcDbEntity* pEnt);

// The last title-block reference met in model space, or null. The walk stops at an entity
// that cannot be opened.
AcDbObjectId OvFindTitleBlock(AcDbDatabase* pDb);

// The cell strings of the reference's record "TESSALINE_TITLE" (its key found trimmed and
// without regard to case): the strings after "$BEGINETITLE" and the one string following it,
// up to "$ENDTITLE" or the end; all strings when the begin marker is missing. False when the
// reference has no such record.
bool OvReadTitleCellStrings(AcDbObjectId idReference, std::vector<std::wstring>& arrCells);

// One cell string: the label before the first "|", six numbers (read as atof reads them;
// missing ones are 0) and the text style after the seventh "|". The stored corners are
// relative to the block's insertion point `ptBase`, which is added to them: only translation,
// no scale or rotation.
OvTitleCell OvParseTitleCell(const std::wstring& strCell, const AcGePoint3d& ptBase);
