#pragma once
// The equipment information table's data: its eleven entries and where each comes from, the
// layout parameters, and the entry lists the dialog hands to the drawing command. The
// parameters and the lists live as long as the module.

#include "suite/OvXmInfo/ExplainInfoNode.h"

#include <string>
#include <vector>

namespace infotable {

inline constexpr int kEntryCount = 11;

struct EntryDefinition {
    const wchar_t* strTableTitle;
    const wchar_t* strExplainTitle; // the description entry the value comes from
    const wchar_t* strWordKey;      // the word-dictionary key for its choices
    const wchar_t* strSuffix;       // written after the value in the table
};

// The entries in table order; the table places them by position.
const EntryDefinition& Entry(int nIndex);

// The word-dictionary key of a table title: any title holding "端子" takes "端子型号".
std::wstring WordKeyOf(const std::wstring& strTableTitle);

// The eleven (table title, value) pairs from an Equipment's description: the value of the
// entry whose title is exactly the description title, "" when there is none.
std::vector<CExplainInfoNode> BuildEntries(const std::vector<CExplainInfoNode>& description);

// The table's rows merged back into the description: titles 0 to 2 go back to their
// description titles, each description entry of a matching title takes the row's value, and a
// row that matches none is appended.
void MergeIntoDescription(const std::vector<CExplainInfoNode>& rows,
                          std::vector<CExplainInfoNode>& description);

struct Parameters {
    double c1 = 25.0; // column widths
    double c2 = 65.0;
    double c3 = 25.0;
    double c4 = 45.0;
    double R = 8.0;  // row height
    double H = 4.0;  // text height
    double F = 0.75; // text width factor
    int A = 0;       // 0 left-middle, 1 centre

    double Width() const { return c1 + c2 + c3 + c4; }
};

Parameters& TableParameters();

// The titles and values the dialog's OK stored, in list order.
std::vector<std::wstring>& EntryTitles();
std::vector<std::wstring>& EntryValues();

} // namespace infotable
