#pragma once
// The name shift that makes room for a new drawing under a name a drawing already has: that
// drawing moves to the next name (NextShiftName), the one holding the next name first moves on,
// and so on up the chain of names that exist.

#include <string>
#include <utility>
#include <vector>

class CManageFileInfo;

namespace ui {
class Window;
}

// The paths that move, from the given one up the chain of existing files; empty when the path
// is free.
std::vector<std::wstring> PlanNameShift(const std::wstring& strPath);

// Renames the chain from its end, so that every name is free when it is taken. A rename that
// fails (the system's message has been shown) stops the shift: 0, with the renames done so far
// in arrRenamed as (old path, new path), in the order they were made.
int ApplyNameShift(const std::vector<std::wstring>& arrChain,
                   std::vector<std::pair<std::wstring, std::wstring>>& arrRenamed,
                   ui::Window* pOwner);

// Each renamed file's record takes its new name (remark and type stay with the drawing); the
// management file is written once when anything changed. 0 when the write failed.
int RenameShiftedRecords(CManageFileInfo& manageFile,
                         const std::vector<std::pair<std::wstring, std::wstring>>& arrRenamed);
