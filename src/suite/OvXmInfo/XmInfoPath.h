#pragma once
// Logical-path helpers of the management-file library (backslash only, as the module's paths).

#include <string>
#include <string_view>

namespace xmpath {

// Folder and name with exactly one backslash at the seam.
std::wstring Join(std::wstring_view strFolder, std::wstring_view strName);
// Everything before the last backslash ("" without one).
std::wstring Parent(std::wstring_view strPath);
// The last item, a trailing backslash ignored.
std::wstring LastItem(std::wstring_view strPath);
// The extension of the last item without the dot ("" without one).
std::wstring Extension(std::wstring_view strPath);
std::wstring WithoutExtension(std::wstring_view strPath);

// Whether a name can stand as one file or folder name on every installation that shares these
// folders, Windows ones included: not blank, not "." or "..", none of \ / : * ? " < > | or a
// control character, no "." or blank at its end (Windows drops them, so "A." would be "A"),
// and no device name (CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9, with any extension, any case).
bool IsUsableName(std::wstring_view strName);

} // namespace xmpath
