#pragma once
// The reports of ovinfo, one per command. Each prints to standard output and returns the exit
// status; messages go to standard error.

#include <string>

// The logical path of a path given on the command line (relative to the current folder).
std::wstring LogicalPathOf(const char* pNativePath);
// A logical path as messages show it: the native path.
std::string ShownPath(const std::wstring& strPath);

int PrintRecords(const std::wstring& strPath);
// `pPngPath` may be null; otherwise the painted picture is written there as a PNG file.
int PrintPreview(const std::wstring& strPath, const char* pPngPath);
int PrintTitle(const std::wstring& strPath);
int PrintLocation(const std::wstring& strPath);
