#pragma once

#include <string_view>

namespace fs {

// File-name patterns as Windows matches them: "*" any run, "?" one character, no regard to
// case, and a pattern ending in ".*" also matches the name without an extension ("*.*" matches
// every name).
bool MatchWildcard(std::wstring_view pattern, std::wstring_view name);
bool HasWildcard(std::wstring_view name);

} // namespace fs
