#pragma once
// Window messages and the host's message filters: functions a module registers to look at
// each window message first and swallow it (return true) or let it pass.

#include "platform/ui/Messages.h"

// The host's messages are the window messages of the user-interface port.
using ui::MSG;
using ui::WM_LBUTTONDBLCLK;
using ui::WM_LBUTTONDOWN;
using ui::WM_LBUTTONUP;
using ui::WM_MBUTTONDOWN;
using ui::WM_MOUSEMOVE;
using ui::WM_MOUSEWHEEL;
using ui::WM_NCMOUSEMOVE;
using ui::WM_RBUTTONDOWN;
using ui::WM_RBUTTONUP;

using AcedFilterWinMsgFn = bool (*)(MSG*);

// False when the filter is registered already.
bool acedRegisterFilterWinMsg(AcedFilterWinMsgFn filter);
// False when the filter was not registered.
bool acedRemoveFilterWinMsg(AcedFilterWinMsgFn filter);

namespace cad {
// Passes a message through the filters; true when one of them swallowed it.
bool FilterWindowMessage(MSG& message);
int RegisteredFilterCount();
} // namespace cad
