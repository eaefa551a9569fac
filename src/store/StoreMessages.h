#pragma once
// The two kinds of boxes the data stores show: a plain box with the module's name as its title
// (MFC's AfxMessageBox, which adds the exclamation icon to an OK box), and a box over the host's
// main window with a title of its own.

#include <string_view>

namespace store {

inline constexpr std::wstring_view kModuleCaption = L"OvManage";

void ShowPlainMessage(std::wstring_view strText);
void ShowMessage(std::wstring_view strText, std::wstring_view strCaption, unsigned flags);

} // namespace store
