#pragma once
// CXmlDataOprt: the wire list "OrvaneLineInfo.xml" of a container: a root "Tessaline" with the
// time of writing in "edition", and one "LINEITEM" per wire kind with the attributes "style",
// "code", "describe" and "length".

#include <string>
#include <vector>

// One wire kind: category, material code, material description, average length.
struct STRUCT_LINEITEM {
    std::wstring strStyle;
    std::wstring strCode;
    std::wstring strDescribe;
    std::wstring strLength;

    bool operator==(const STRUCT_LINEITEM& other) const = default;
};

class CXmlDataOprt {
public:
    // The items of every "LINEITEM" element, at any depth and in any case, each element once; a
    // missing attribute reads as empty and others ("DrawId") are ignored. 0 with no items when
    // the file is missing (Getm_strError() empty) or cannot be read or parsed
    // (Getm_strError() says why).
    int ReadLineItems(const std::wstring& strPath, std::vector<STRUCT_LINEITEM>& arrItems);

    // Writes the items in order, through a temporary file renamed over the old one. 0 when a
    // step of building the document failed (its message box shown, nothing written) or the
    // file could not be written (the old one stays; Getm_strError() says why).
    int WriteLineItems(const std::wstring& strPath, const std::vector<STRUCT_LINEITEM>& arrItems);

    const std::wstring& Getm_strError() const { return m_strError; }

    // The "edition" text of a time: "%d" year, then month, day, hour, minute and second with
    // "%2.2d", joined by ",".
    static std::wstring EditionText(int nYear, int nMonth, int nDay, int nHour, int nMinute,
                                    int nSecond);

private:
    std::wstring m_strError;
};
