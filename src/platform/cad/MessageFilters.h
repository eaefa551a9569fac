#pragma once
// Window messages and the host's message filters: functions a module registers to look at
// each window message first and swallow it (return true) or let it pass.

#include <cstdint>

struct MSG {
    void* hwnd = nullptr;
    unsigned message = 0;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
};

inline constexpr unsigned WM_NCMOUSEMOVE = 0x00A0;
inline constexpr unsigned WM_MOUSEMOVE = 0x0200;
inline constexpr unsigned WM_LBUTTONDOWN = 0x0201;
inline constexpr unsigned WM_LBUTTONUP = 0x0202;
inline constexpr unsigned WM_LBUTTONDBLCLK = 0x0203;
inline constexpr unsigned WM_RBUTTONDOWN = 0x0204;
inline constexpr unsigned WM_RBUTTONUP = 0x0205;
inline constexpr unsigned WM_MBUTTONDOWN = 0x0207;
inline constexpr unsigned WM_MOUSEWHEEL = 0x020A;

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
