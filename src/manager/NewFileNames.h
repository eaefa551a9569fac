#pragma once
// The names a new drawing is given: the proposal from the book number and the highest number
// in use, the drawing template that goes with a number, and the next name of a drawing that
// moves up to make room.

#include <string>
#include <vector>

// The drawing templates below the installation folder.
inline constexpr const wchar_t* kDrawingTemplateFolder = L"Support\\TEMPLATE";
// The template taken when the one a number calls for is not installed.
inline constexpr const wchar_t* kFallbackTemplate = L"ACAD.dwt";

// "%s-%d" of the book number and nHighest + 1 from 10 on, "%s-0%d" below; every "-" at either
// end is trimmed, so that an empty book number gives the number alone.
std::wstring ProposeNewFileName(const std::wstring& strBookNumber, long long nHighest);

// The run of decimal digits at the end of the text ("" when it ends otherwise).
std::wstring TrailingDigits(const std::wstring& strText);

// The largest number at the end of the drawings' names (without their four-character
// extension), compared as numbers; 0 when none ends in a number.
long long HighestTrailingNumber(const std::vector<std::wstring>& arrPaths);

// The template the number at the end of the file name (".dwg" or not) calls for: 1 the cover,
// 2 the contents frame, 3 the panel layout, 4 the pressure-plate arrangement, anything else
// the plain drawing frame.
std::wstring TemplateForFileName(const std::wstring& strFileName);

// The name a drawing takes when it moves up one place: the number at the end of the stem
// increased by one. Numbers of three digits and more keep their width, zero-filled ("A-001"
// gives "A-002"); a shorter number that starts with "0" stays two digits while it can
// ("A-01" gives "A-02", "A-09" gives "A-10"). A stem without a number gets "1".
std::wstring NextShiftName(const std::wstring& strPath);
