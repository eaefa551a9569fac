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

} // namespace xmpath
