#pragma once
// The table exporter "RuVorurIzidiVivave": one of seven tables of a Project or Equipment
// written as a workbook beside its management file, "<container>_<table>.xlsx". What each table
// holds is written down in docs/exports.md.

#include <string>

// Kind 1 purchased materials, 2 protection devices, 3 panel information, 4 packing list,
// 5 component labels, 6 bill of materials, 7 project/equipment detail summary. 1 when the
// workbook was written (its path on the command line); 0 after telling the user why not (a
// management file that cannot be read, a workbook another program holds open, a folder that
// cannot be written, a full disk); no partial workbook is ever left.
int OvExportExcelTable(const std::wstring& strManageFile, int nKind);

// Where the table of that kind goes.
std::wstring ExportWorkbookPath(const std::wstring& strManageFile, int nKind);
