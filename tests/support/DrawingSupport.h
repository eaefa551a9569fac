#pragma once
// Building drawings in tests: a few entities and records in model space of a database, without
// the open-append-close ceremony in every test.

#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbLine.h"
#include "platform/cad/DbText.h"

#include <string>
#include <vector>

namespace ovtest {

AcDbObjectId AddText(AcDbDatabase& db, const AcGePoint3d& position, const std::wstring& text,
                     double height = 2.5);
AcDbObjectId AddMText(AcDbDatabase& db, const AcGePoint3d& location, const std::wstring& contents,
                      double height = 2.5);
AcDbObjectId AddLine(AcDbDatabase& db, const AcGePoint3d& start, const AcGePoint3d& end);
// Appends an entity made with `new` to model space and closes it.
AcDbObjectId AddToModelSpace(AcDbDatabase& db, AcDbEntity* entity);
// A named block holding the entities, which the database takes over.
AcDbObjectId AddBlock(AcDbDatabase& db, const std::wstring& name,
                      std::initializer_list<AcDbEntity*> entities);
AcDbObjectId AddLayer(AcDbDatabase& db, const std::wstring& name, int colorIndex = 7);
AcDbObjectId AddTextStyle(AcDbDatabase& db, const std::wstring& name, double xScale);
void RegisterApplication(AcDbDatabase& db, const std::wstring& name);
void SetXData(AcDbObjectId id, const std::wstring& application, const ResbufChain& items);
// A title block: a block reference at the position carrying the four title-block applications
// (registered when missing), with the extended record `key` in its extension dictionary holding
// the strings (group code 1 each).
AcDbObjectId AddTitleBlock(AcDbDatabase& db, const AcGePoint3d& position,
                           const std::vector<std::wstring>& strings,
                           const std::wstring& key = L"TESSALINE_TITLE");
// Every model-space entity id, in order.
std::vector<AcDbObjectId> ModelSpaceIds(const AcDbDatabase& db);

} // namespace ovtest
