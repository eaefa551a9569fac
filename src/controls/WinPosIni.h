#pragma once
// A window's placement on screen kept in "LocalData\WinPos.Ini" of the per-workstation
// installation folder, in a section named by the caller or, for an empty name, by the window's
// caption: "ptMinPosition.x", "ptMinPosition.y", "ptMaxPosition.x", "ptMaxPosition.y", the four
// "rcNormalPosition." edges and "IsMaxSize", each a decimal number.

#include <string>

namespace ui {
class Dialog;
}

// The file, below the per-workstation installation folder.
std::wstring WinPosIniPath();
// Writes the nine keys; nothing when the section name is empty or the window is minimised.
// 0 when nothing was written.
int SaveWindowPlacementToIni(ui::Dialog& window, const std::wstring& strName);
// A saved "IsMaxSize" other than 0 maximises the window (1). Otherwise the saved placement is
// applied when the window's normal rectangle has a size and the saved left and top edges are
// both at least 1 (a window without a sizing border keeps its size); 1 when it was applied.
int RestoreWindowPlacementFromIni(ui::Dialog& window, const std::wstring& strName);
