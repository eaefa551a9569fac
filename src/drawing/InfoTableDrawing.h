#pragma once
// Drawing the equipment information table into model space: the ruled table of the eleven
// entries with its lower-left corner at the origin, the long entries 9 and 10 as wrapped MTexts,
// and the group "GROUP_SBINFOTABLE" that marks the table of a drawing.

#include "drawing/InfoTableData.h"
#include "platform/cad/DbObject.h"

#include <string>
#include <vector>

class AcDbDatabase;
class AcDbMText;
class AcDbText;

namespace infotable {

inline constexpr const wchar_t* kGroupName = L"GROUP_SBINFOTABLE";

// Narrows a text's width factor by steps of 0.01 (a step not smaller than the factor is
// divided by 10 first) until its extents are narrower than the width; it stops with the factor
// reached once the step falls below 0.001. The factor stays above 0.
void FitTextToWidth(AcDbText* pText, double dWidth);

// The value as MText contents that show it as typed: "\", "{" and "}" escaped.
std::wstring EscapeMText(const std::wstring& strValue);

// Wraps an MText holding a plain value into lines no wider than the width, each of at least one
// character, joined with "\P" inside "{\W<w>;...}" (w from the text height, the style's x-scale,
// the width factor and the average character width; no "\W" when that width is 0). The number
// of lines.
int WrapMText(AcDbMText* pMText, const std::wstring& strValue, double dTextHeight,
              double dWidthFactor, double dWidth);

// Draws the table from the entry lists (at least eleven entries) into the database's model
// space; the new entities' ids, in drawing order. Nothing with fewer entries.
std::vector<AcDbObjectId> DrawTable(AcDbDatabase* pDb, const Parameters& parameters,
                                    const std::vector<std::wstring>& arrTitles,
                                    const std::vector<std::wstring>& arrValues);

// The members of the group of that name (empty when there is none).
std::vector<AcDbObjectId> GroupMembers(AcDbDatabase* pDb);
// Makes the group of that name hold exactly the entities (not selectable), replacing any group
// of that name.
void ReplaceGroup(AcDbDatabase* pDb, const std::vector<AcDbObjectId>& ids);
void SetVisible(const std::vector<AcDbObjectId>& ids, bool bVisible);
void EraseAll(const std::vector<AcDbObjectId>& ids);

} // namespace infotable
