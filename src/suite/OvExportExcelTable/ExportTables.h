#pragma once
// The seven tables the management window exports, built from a container (docs/exports.md).

#include "platform/xlsx/Workbook.h"
#include "suite/OvExportExcelTable/ExportSource.h"

// The table's caption for a kind 1-7 ("" for another kind); it names the sheet and the file.
const wchar_t* ExportTableCaption(int nKind);

// The sheet of a kind: a header row and one row per item.
xlsx::Sheet BuildExportTable(const ExportSource& source, int nKind);
