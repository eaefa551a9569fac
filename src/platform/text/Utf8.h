#pragma once
// UTF-8 for the Linux side of the boundary: native file names and console output.
// Escaped bytes (see CodePage.h) travel as the raw byte they stand for, so a file name that is
// not valid UTF-8 on disk still round-trips; other values that UTF-8 cannot carry become U+FFFD.

#include <string>
#include <string_view>

namespace text {

std::string ToUtf8(std::wstring_view text);
// The same appended to `out`, whose storage is reused: for callers converting many paths.
void AppendUtf8(std::wstring_view text, std::string& out);
std::wstring FromUtf8(std::string_view bytes);
// The same appended to `out`: for callers decoding many names into storage they reuse.
void AppendFromUtf8(std::string_view bytes, std::wstring& out);
// Whether every byte belongs to a UTF-8 character (FromUtf8 would escape none).
bool IsValidUtf8(std::string_view bytes);

} // namespace text
