#pragma once
// The defaults of a container's wire list: the categories a new list starts with, and the
// installation's default wire data from "Data\DZBDXLXFH.txt", read for the wire dialog as
// "category:code,description,length" per line (full-width ":" and "," allowed).

#include "drawing/XmlDataOprt.h"

#include <string>
#include <vector>

// "交流电流A" ... "三芯屏蔽线", in the order a new list shows them.
extern const wchar_t* const g_arrDefaultLineStyles[7];

class CDefaultLineData {
public:
    // Reads the installation's wire-type list.
    void Read();
    // Reads the lines given instead (tests, other installations).
    void ReadLines(const std::vector<std::wstring>& arrLines);

    // An item whose code, description and length are all empty takes them from the last entry
    // of its category (compared without regard to case); any other item stays as it is.
    void Complete(STRUCT_LINEITEM& item) const;

    const std::vector<STRUCT_LINEITEM>& Getm_arrEntries() const { return m_arrEntries; }

private:
    std::vector<STRUCT_LINEITEM> m_arrEntries;
};
