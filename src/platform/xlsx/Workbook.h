#pragma once
// Workbooks (".xlsx"), written with libxlsxwriter: sheets of a header row and rows of text and
// number cells, each column as wide as its widest cell.

#include <string>
#include <string_view>
#include <vector>

namespace xlsx {

struct Cell {
    std::wstring text;
    double number = 0.0;
    bool isNumber = false;

    static Cell Text(std::wstring value) { return {std::move(value), 0.0, false}; }
    static Cell Number(double value) { return {L"", value, true}; }
};

struct Sheet {
    // At most 31 characters; the characters a sheet name cannot hold ([]:*?/\) become "_".
    std::wstring name;
    std::vector<std::wstring> header;
    std::vector<std::vector<Cell>> rows;
};

// How wide a column must be for the text, in the workbook's character widths: full-width
// (CJK) characters count as two.
double ColumnWidthFor(std::wstring_view text);

// Writes the sheets as a workbook at the path (logical). The workbook is made under a
// temporary name in the same folder and renamed over the path only once it is complete, so a
// failure leaves no partial file and an older workbook as it was. False on failure, with
// `cause` (fs::FileErrorCause: access denied, disk full, bad path, generic) and the library's
// words in `detail`.
bool WriteWorkbook(std::wstring_view path, const std::vector<Sheet>& sheets, int* cause = nullptr,
                   std::wstring* detail = nullptr);

} // namespace xlsx
