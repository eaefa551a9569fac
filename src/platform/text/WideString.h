#pragma once
// Character-based helpers for the wide strings every text of the system is kept in.

#include <string>
#include <string_view>
#include <vector>

namespace text {

// Blanks as the system's trim rules mean them: space, tab, CR, LF.
inline constexpr std::wstring_view kBlanks = L" \t\r\n";

std::wstring TrimLeft(std::wstring_view s, std::wstring_view chars = kBlanks);
std::wstring TrimRight(std::wstring_view s, std::wstring_view chars = kBlanks);
std::wstring Trim(std::wstring_view s, std::wstring_view chars = kBlanks);

// Removes every occurrence of the given characters anywhere in the text.
std::wstring RemoveChars(std::wstring_view s, std::wstring_view chars);

// Case folding as file names on Windows compare: letters of every script, not only ASCII.
wchar_t FoldCase(wchar_t c);
std::wstring FoldCase(std::wstring_view s);
bool EqualsNoCase(std::wstring_view a, std::wstring_view b);
int CompareNoCase(std::wstring_view a, std::wstring_view b);
bool StartsWith(std::wstring_view s, std::wstring_view prefix);
bool StartsWithNoCase(std::wstring_view s, std::wstring_view prefix);
// Position of the first match at or after `from`, or npos.
size_t FindNoCase(std::wstring_view haystack, std::wstring_view needle, size_t from = 0);

// Splits at every occurrence of the separator; empty parts are kept, so "a::b" gives three
// parts and "" gives one empty part.
std::vector<std::wstring> Split(std::wstring_view s, std::wstring_view separator);
std::wstring Join(const std::vector<std::wstring>& parts, std::wstring_view separator);

// Replaces every occurrence, left to right, without rescanning replaced text.
std::wstring ReplaceAll(std::wstring_view s, std::wstring_view from, std::wstring_view to);

// Numbers by the C library's rules (atoi, atof): leading blanks are skipped, the longest
// numeric prefix is converted, and text that does not start with a number gives 0.
int ToInt(std::wstring_view s);
double ToReal(std::wstring_view s);

} // namespace text
