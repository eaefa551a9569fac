#pragma once
// Message boxes, with the Win32 button and icon flags and results the dialogs are written in;
// the process's backend shows them.

#include "platform/ui/Backend.h"

#include <string>
#include <string_view>

namespace ui {

class Window; // a dialog or the host's main window; null for "no owner"

// Buttons.
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
inline constexpr unsigned MB_YESNOCANCEL = 0x3;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_RETRYCANCEL = 0x5;
inline constexpr unsigned MB_TYPEMASK = 0xF;
// Icons.
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_ICONMASK = 0xF0;
// Default button.
inline constexpr unsigned MB_DEFBUTTON1 = 0x000;
inline constexpr unsigned MB_DEFBUTTON2 = 0x100;
inline constexpr unsigned MB_DEFBUTTON3 = 0x200;
inline constexpr unsigned MB_DEFMASK = 0xF00;

// The answer a user gets by pressing Enter: the default button of the box.
int DefaultAnswer(unsigned flags);
// Whether `answer` is one of the box's buttons.
bool IsAnswerOf(unsigned flags, int answer);
// "OK", "Yes/No", ... and "exclamation", "question", ... for printing boxes.
std::wstring ButtonsName(unsigned flags);
std::wstring IconName(unsigned flags);

int MessageBox(Window* owner, std::wstring_view text, std::wstring_view caption, unsigned flags);

} // namespace ui
