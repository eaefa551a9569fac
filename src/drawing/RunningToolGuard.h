#pragma once
// The running-tool guard: the suite's tools that work on a container's drawings from windows of
// their own must be closed before the drawings or the container change under them.

namespace ui {
class Window;
}

// The five tools' window titles, in the order they are looked for.
extern const wchar_t* const g_arrRunningToolTitles[5];

// 1 after telling the user to close the first of the tools that is open (exclamation icon,
// title "Tessaline"); 0 when none is.
int CheckRunningTools(ui::Window* pOwner);
