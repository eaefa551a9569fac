#pragma once
// The texts and blocks of model space that repeat a drawing's location, and how each takes a
// new location (records/DrawingLocation.h describes them).

#include "platform/cad/DbObject.h"

#include <string>
#include <vector>

class AcDbDatabase;

struct LocationTexts {
    std::vector<AcDbObjectId> arrHeads;       // terminal-strip heads
    std::vector<AcDbObjectId> arrPartLayouts; // part-layout block references
    std::vector<AcDbObjectId> arrLabels;      // location labels of bills of material
};

// Collected first, so that the changes that follow (new texts among them) do not disturb the
// walk through model space.
LocationTexts CollectLocationTexts(AcDbDatabase* pDb);

// The head's own location text, when it shows the old location, takes the new one and moves
// beside the head; a head without a text of its own gets a new one.
void RenameHeadLocation(AcDbDatabase* pDb, AcDbObjectId idHead, const std::wstring& strOld,
                        const std::wstring& strNew);
void SetPartLayoutLocation(AcDbDatabase* pDb, AcDbObjectId idPart, const std::wstring& strNew);
// Only a label whose whole text is the old location changes.
void RenameLabel(AcDbObjectId idLabel, const std::wstring& strOld, const std::wstring& strNew);
