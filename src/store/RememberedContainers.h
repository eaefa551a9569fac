#pragma once
// The current Project and Equipment: the management-file paths in the first line of
// "Data\recent.dat" (Project) and "Data\default.dat" (Equipment). Empty when none is current
// or the file is missing.

#include <string>

std::wstring GetRecentContainerPath();
std::wstring GetDefaultContainerPath();
// Remembers (or, with "", forgets) the current Project or Equipment. 0 when the file could not
// be written.
int SetRecentContainerPath(const std::wstring& strManageFilePath);
int SetDefaultContainerPath(const std::wstring& strManageFilePath);
