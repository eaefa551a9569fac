#pragma once
// The window messages, notifications and key codes of the dialogs, with the values Win32 gives
// them: the dialogs exchange user-defined messages by number (WM_USER + 0x66, ...) and test
// key codes and notification codes as the toolkit they were written for defines them.

#include <cstdint>

namespace ui {

class Window;

using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;

constexpr unsigned LOWORD(uintptr_t value) {
    return static_cast<unsigned>(value & 0xFFFF);
}
constexpr unsigned HIWORD(uintptr_t value) {
    return static_cast<unsigned>((value >> 16) & 0xFFFF);
}
constexpr WPARAM MAKEWPARAM(unsigned low, unsigned high) {
    return static_cast<WPARAM>((low & 0xFFFF) | ((high & 0xFFFF) << 16));
}
// A point packed into an LPARAM as mouse messages carry it (signed 16-bit halves).
constexpr LPARAM MAKELPARAM(int x, int y) {
    return static_cast<LPARAM>((static_cast<unsigned>(x) & 0xFFFF) |
                               ((static_cast<unsigned>(y) & 0xFFFF) << 16));
}
constexpr int GET_X_LPARAM(LPARAM value) {
    return static_cast<int16_t>(value & 0xFFFF);
}
constexpr int GET_Y_LPARAM(LPARAM value) {
    return static_cast<int16_t>((value >> 16) & 0xFFFF);
}

// Messages.
inline constexpr unsigned WM_NULL = 0x0000;
inline constexpr unsigned WM_DESTROY = 0x0002;
inline constexpr unsigned WM_SIZE = 0x0005;
inline constexpr unsigned WM_SETFOCUS = 0x0007;
inline constexpr unsigned WM_KILLFOCUS = 0x0008;
inline constexpr unsigned WM_SETREDRAW = 0x000B;
inline constexpr unsigned WM_PAINT = 0x000F;
inline constexpr unsigned WM_CLOSE = 0x0010;
inline constexpr unsigned WM_NOTIFY = 0x004E;
inline constexpr unsigned WM_CONTEXTMENU = 0x007B;
inline constexpr unsigned WM_SETICON = 0x0080;
inline constexpr unsigned WM_NCMOUSEMOVE = 0x00A0;
inline constexpr unsigned WM_KEYDOWN = 0x0100;
inline constexpr unsigned WM_KEYUP = 0x0101;
inline constexpr unsigned WM_CHAR = 0x0102;
inline constexpr unsigned WM_INITDIALOG = 0x0110;
inline constexpr unsigned WM_COMMAND = 0x0111;
inline constexpr unsigned WM_TIMER = 0x0113;
inline constexpr unsigned WM_MOUSEMOVE = 0x0200;
inline constexpr unsigned WM_LBUTTONDOWN = 0x0201;
inline constexpr unsigned WM_LBUTTONUP = 0x0202;
inline constexpr unsigned WM_LBUTTONDBLCLK = 0x0203;
inline constexpr unsigned WM_RBUTTONDOWN = 0x0204;
inline constexpr unsigned WM_RBUTTONUP = 0x0205;
inline constexpr unsigned WM_MBUTTONDOWN = 0x0207;
inline constexpr unsigned WM_MOUSEWHEEL = 0x020A;
inline constexpr unsigned WM_USER = 0x0400;

// WM_SIZE kinds.
inline constexpr unsigned SIZE_RESTORED = 0;
inline constexpr unsigned SIZE_MINIMIZED = 1;
inline constexpr unsigned SIZE_MAXIMIZED = 2;

// Mouse-message key flags.
inline constexpr unsigned MK_LBUTTON = 0x0001;
inline constexpr unsigned MK_RBUTTON = 0x0002;
inline constexpr unsigned MK_CONTROL = 0x0008;

// Command ids of the standard buttons, also the results of message boxes and dialogs.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
inline constexpr int IDC_STATIC = -1;

// Button, edit, list box and combo box notifications (the high word of WM_COMMAND's WPARAM).
inline constexpr unsigned BN_CLICKED = 0;
inline constexpr unsigned BN_DOUBLECLICKED = 5;
inline constexpr unsigned EN_SETFOCUS = 0x0100;
inline constexpr unsigned EN_KILLFOCUS = 0x0200;
inline constexpr unsigned EN_CHANGE = 0x0300;
inline constexpr unsigned LBN_SELCHANGE = 1;
inline constexpr unsigned LBN_DBLCLK = 2;
inline constexpr unsigned LBN_SETFOCUS = 4;
inline constexpr unsigned LBN_KILLFOCUS = 5;
inline constexpr unsigned CBN_SELCHANGE = 1;
inline constexpr unsigned CBN_DBLCLK = 2;
inline constexpr unsigned CBN_SETFOCUS = 3;
inline constexpr unsigned CBN_KILLFOCUS = 4;
inline constexpr unsigned CBN_EDITCHANGE = 5;
inline constexpr unsigned CBN_DROPDOWN = 7;
inline constexpr unsigned CBN_CLOSEUP = 8;

// Common-control notifications (WM_NOTIFY codes).
inline constexpr int NM_CLICK = -2;
inline constexpr int NM_DBLCLK = -3;
inline constexpr int NM_RETURN = -4;
inline constexpr int NM_RCLICK = -5;
inline constexpr int NM_SETFOCUS = -7;
inline constexpr int NM_KILLFOCUS = -8;
inline constexpr int LVN_ITEMCHANGING = -100;
inline constexpr int LVN_ITEMCHANGED = -101;
inline constexpr int LVN_DELETEITEM = -103;
inline constexpr int LVN_DELETEALLITEMS = -104;
inline constexpr int LVN_COLUMNCLICK = -108;
inline constexpr int LVN_BEGINDRAG = -109;
inline constexpr int LVN_KEYDOWN = -155;
inline constexpr int HDN_ITEMCLICK = -322;
inline constexpr int TVN_KEYDOWN = -412;
// The user changed an item's check box (NMTREEVIEW, the item in itemNew).
inline constexpr int TVN_ITEMCHANGED = -418;
inline constexpr int TVN_SELCHANGING = -450;
inline constexpr int TVN_SELCHANGED = -451;
inline constexpr int TVN_ITEMEXPANDING = -454;
inline constexpr int TVN_ITEMEXPANDED = -455;
inline constexpr int TVN_BEGINDRAG = -456;
inline constexpr int TVN_BEGINRDRAG = -457;
inline constexpr int TVN_DELETEITEM = -458;

// Virtual keys.
inline constexpr unsigned VK_BACK = 0x08;
inline constexpr unsigned VK_TAB = 0x09;
inline constexpr unsigned VK_RETURN = 0x0D;
inline constexpr unsigned VK_SHIFT = 0x10;
inline constexpr unsigned VK_CONTROL = 0x11;
inline constexpr unsigned VK_ESCAPE = 0x1B;
inline constexpr unsigned VK_SPACE = 0x20;
inline constexpr unsigned VK_LEFT = 0x25;
inline constexpr unsigned VK_UP = 0x26;
inline constexpr unsigned VK_RIGHT = 0x27;
inline constexpr unsigned VK_DOWN = 0x28;
inline constexpr unsigned VK_DELETE = 0x2E;
inline constexpr unsigned VK_F2 = 0x71;
inline constexpr unsigned VK_F5 = 0x74;

// The header of every WM_NOTIFY.
struct NMHDR {
    Window* hwndFrom = nullptr;
    uintptr_t idFrom = 0;
    int code = 0;
};

// A message as the message loop hands it on (PreTranslateMessage sees these).
struct MSG {
    Window* hwnd = nullptr;
    unsigned message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

} // namespace ui
