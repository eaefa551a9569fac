#pragma once
// The renumbering of drawings: drawings whose file names start with a number keep a numbering
// without gaps or repeats after one of them was deleted, renamed or inserted.
//
// A file name's number prefix is the run of decimal digits at its start (any length:
// "20240115-A.dwg" has the prefix "20240115"); the rest is what follows it. The walk goes
// through the content tree in tree order from a given item on, through every drawing type and
// its drawings whether the type is open or not, and ends at any other item (a container) or at
// an item whose node is unknown. Each numbered drawing met gets a number from the reference
// name, written zero-padded to the width of the reference's number:
// - downward, after a deletion (the deleted drawing is the reference): the first numbered
//   drawing takes the reference's number, each later one the number after the one before;
// - upward, after a rename or an insertion (the new name is the reference): each numbered
//   drawing takes the number after the reference's, which then becomes the reference; with
//   the only-when-bigger flag a drawing whose number is smaller than the reference's keeps its
//   name (and the reference stays).
// Drawings without a number prefix keep their names. All new names are planned first and then
// applied in an order in which each target is free, so that no rename lands on a drawing that
// has not moved on yet.

#include "platform/ui/TreeCtrl.h"

#include <string>
#include <vector>

class CFileInfoNode;

namespace ui {
class Window;
}

std::wstring NumberPrefix(const std::wstring& strFileName);

// The new names of the drawings in walk order; "" where a drawing keeps its name. Nothing
// changes for a reference without a number prefix.
std::vector<std::wstring> PlanRenumbering(const std::wstring& strReference,
                                          const std::vector<std::wstring>& arrNames, int bUpward,
                                          int bOnlyWhenBigger);

// The item after hItem in tree order (its first child, else the next sibling of it or of the
// nearest parent that has one), whether items are open or not; null at the end.
ui::HTREEITEM NextItemInTreeOrder(const ui::TreeCtrl& tree, ui::HTREEITEM hItem);
// The records of the drawings the walk meets from hStart on.
std::vector<CFileInfoNode*> RenumberingWalk(const ui::TreeCtrl& tree, ui::HTREEITEM hStart);

// Whether the installation renumbers at all: "软件当前版本: " in "LocalData\awork.sys" is not 1.
bool IsRenumberingOn();

// Gives the drawings their planned names (arrNewNames as PlanRenumbering makes them). A drawing
// that is open is saved and closed first (one that stays open ends the walk there). A planned
// name that a file outside the plan holds ends the walk before that drawing: the library's
// rename refuses it with its message. The records take the new names and their management
// files are written once. The number of drawings renamed.
int ApplyRenumbering(const std::vector<CFileInfoNode*>& arrFiles,
                     const std::vector<std::wstring>& arrNewNames, ui::Window* pOwner);

// The walk from hStart planned and applied; 0 when nothing was renamed.
int RenumberDrawingsFrom(const ui::TreeCtrl& tree, ui::HTREEITEM hStart,
                         const std::wstring& strReference, int bUpward, int bOnlyWhenBigger,
                         ui::Window* pOwner);
