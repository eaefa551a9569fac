#pragma once
// The system's printf-style format strings ("%s", "%d", "%2.2d", "%.2f") applied type-safely.

#include <exception>
#include <string>
#include <string_view>

#include <fmt/printf.h>
#include <fmt/xchar.h>

namespace text {

// Formats like swprintf, with wide strings for "%s". A format that does not fit its arguments
// is a programming fault, but it must not take the host down: the format text comes back as
// it stands, with the arguments left out.
template <typename... Args> std::wstring Format(std::wstring_view format, const Args&... args) {
    try {
        return fmt::sprintf(format, args...);
    } catch (const std::exception&) {
        return std::wstring(format);
    }
}

} // namespace text
