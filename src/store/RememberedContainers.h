#pragma once
// The current Project and Equipment: the management-file paths in the first line of
// "Data\recent.dat" (Project) and "Data\default.dat" (Equipment). Empty when none is current
// or the file is missing. The management-file library writes them
// (CXmComonPar::WriteCurrentXmOrSbNameToFile).

#include <string>

std::wstring GetRecentContainerPath();
std::wstring GetDefaultContainerPath();
