#pragma once
// The module's paths are logical: the backslash is the only separator ("\home\u\P\P.itm").
// These map them to native Linux paths ("/home/u/P/P.itm", UTF-8 names) and back.

#include <filesystem>
#include <string>
#include <string_view>

namespace fs {

std::filesystem::path ToNative(std::wstring_view logical);
std::wstring ToLogical(const std::filesystem::path& native);

} // namespace fs
