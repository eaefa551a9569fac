#pragma once
// The current Project and Equipment: the management-file paths in the first line of
// "Data\recent.dat" (Project) and "Data\default.dat" (Equipment). Empty when none is current
// or the file is missing. The management-file library writes them
// (CXmComonPar::WriteCurrentXmOrSbNameToFile).

#include <string>

namespace ui {
class Window;
}

std::wstring GetRecentContainerPath();
std::wstring GetDefaultContainerPath();

// After a container's folder was renamed or moved: "Data\recent.dat" and "Data\default.dat"
// follow it when their first line names a file at or below the old folder (compared without
// regard to case, whole path items only: "\P\A" is not below "\P\AB"); they then name the same
// file below the new folder, and the container's own management file (named after its folder)
// by the new folder's name. Files naming something else are left alone, so that renaming an
// Equipment does not make it the current one. The number of files rewritten.
int FollowMovedFolder(const std::wstring& strOldFolder, const std::wstring& strNewFolder);

// After a container's folder was deleted: "Data\recent.dat" and "Data\default.dat" are
// forgotten (CXmComonPar::DeleteRecentDatOrDefaultDatFile) when they name a file at or below it,
// so that no command goes on working on a container that is gone. The number forgotten.
int ForgetDeletedFolder(const std::wstring& strFolder, ui::Window* pWnd);
