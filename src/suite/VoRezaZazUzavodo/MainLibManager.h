#pragma once
// The main-component library "VoRezaZazUzavodo" as the wire dialogs call on it: a browser of
// the installation's component list ("Data\OvMainLib.txt", docs/wire-information.md) that
// answers the window that asked with the record of the chosen component.
//
// The protocol: OvGetMainLibManagerAttributes(window, 2) shows the browser; when the user
// chooses a component the browser posts WM_OVMAINLIB_CHOSEN to the window with the record in
// lParam (a const std::vector<std::wstring>*, valid until the next browse), and when the user
// cancels it posts WM_OVMAINLIB_CANCELLED. OvExecuteFilter(0) applies the filter text typed in
// the browser, which is what Enter does there.
//
// Record elements, as far as this library fills them: 0 material code, 1 name, 2 model, 3
// kind, 4 maker, 5 unit, 18 average length. A record has as many elements as its line in the
// list has fields; readers take a missing element as empty.

#include "platform/ui/Messages.h"

#include <string>
#include <vector>

namespace ui {
class Window;
}

inline constexpr unsigned WM_OVMAINLIB_CHOSEN = 1124;
inline constexpr unsigned WM_OVMAINLIB_CANCELLED = 1125;

// Shows the browser for the window (mode 2: materials, the only mode this library knows).
// Returns when the user has chosen or cancelled, after posting the answer; 0 when the browser
// could not be shown (an unknown mode, no window) and nothing was posted.
int OvGetMainLibManagerAttributes(ui::Window* pWnd, int nMode);

// Applies the open browser's filter text to its list; 0 when no browser is open.
int OvExecuteFilter(int nMode);

// The components of the installation's list, one record per line.
std::vector<std::vector<std::wstring>> OvReadMainLibRecords();

// Element `nIndex` of a record, "" past its end.
std::wstring OvRecordElement(const std::vector<std::wstring>& record, size_t nIndex);
