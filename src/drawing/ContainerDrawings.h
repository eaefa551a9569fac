#pragma once
// The drawings of a container, as the close, batch-save and export commands take them.

#include <string>
#include <vector>

// For an Equipment (".prj"): every "*.dwg" in the management file's folder. For a Project
// (".itm"): every "*.dwg" in its folder, then for each direct subfolder that holds a
// management file named after itself with ".prj" (an Equipment), every "*.dwg" in it.
// Folders and files in name order. Any other file gives no drawings. The number found.
int CollectContainerDrawings(const std::wstring& strManageFile,
                             std::vector<std::wstring>& arrPaths);
