#pragma once
// Settings files of the Windows ".ini" kind, read and written as the Windows private-profile
// functions do: "[section]" lines, "key=value" lines below them, section and key names matched
// without regard to case and to blanks around them. The file is a text file of the
// installation (its code page, CR LF); a write replaces it safely.

#include <string>

namespace text {

// The integer at the start of the key's value (an optional sign, then digits; 0 when the value
// does not start with one); `defaultValue` when the file, the section or the key is missing.
int GetPrivateProfileIntW(const std::wstring& section, const std::wstring& key, int defaultValue,
                          const std::wstring& path);
// Sets the key's value: the key's line is replaced, or added at the end of its section, which
// is added at the end of the file when missing (the file is made when it does not exist).
// False when the file cannot be written (it then stays as it was) or a name is empty.
bool WritePrivateProfileStringW(const std::wstring& section, const std::wstring& key,
                                const std::wstring& value, const std::wstring& path);

} // namespace text
