#pragma once
// The list of container kinds "Data\filestyle.dat": one "name(description)" per line.

#include <string>
#include <vector>

struct STRUCT_XMSB_FILESTYLE {
    std::wstring strStyleName;
    std::wstring strDescription;
};

// 0 (after a command-line message) when the file cannot be opened.
int ReadFileStyleList(std::vector<STRUCT_XMSB_FILESTYLE>& arrStyles);
// The description of the first entry named exactly so; non-zero when one was found.
int GetFileStyleDescription(const std::wstring& strName, std::wstring& strDescription);
// One line of the list; false for lines the list skips.
bool ParseFileStyleLine(const std::wstring& strLine, STRUCT_XMSB_FILESTYLE& style);
