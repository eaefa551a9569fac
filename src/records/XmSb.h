#pragma once
// CXmSb: what a management file lists, read for the drawing-selection dialog: the drawing
// types in file order, each with its files and their remarks, and the description block as raw
// text. Built from the path; a file that is missing or not a ".itm"/".prj" file reads as empty.

#include <string>
#include <utility>
#include <vector>

struct STRUCT_XMSB_ONEFILE {
    std::wstring strFileName;
    std::wstring strRemark;
};

struct STRUCT_XMSB_FILE {
    std::wstring strStyleName; // "" for the files without type
    std::vector<STRUCT_XMSB_ONEFILE> arrFiles;
};

class CXmSb {
public:
    // Reads the file; one that exists but cannot be opened is reported on the command line
    // ("%s 文件打不开，错误码为 %d").
    explicit CXmSb(std::wstring strManageFilePathName);

    const std::wstring& Getm_StrManageFilePathName() const { return m_StrManageFilePathName; }
    // Whether the path named an existing file (read or not), so that a caller that wants the
    // records of a file if there is one needs no look at the disk of its own.
    bool FileExists() const { return m_bFileExists; }
    const std::vector<STRUCT_XMSB_FILE>& Getm_XmSbFileArray() const { return m_XmSbFileArray; }
    // The same, handed over to a caller that keeps it (no copy of every record); empty after.
    std::vector<STRUCT_XMSB_FILE> TakeXmSbFileArray() { return std::move(m_XmSbFileArray); }
    // The lines between the description markers joined with CR LF.
    const std::wstring& Getm_StrDescription() const { return m_StrDescription; }

private:
    std::wstring m_StrManageFilePathName;
    std::vector<STRUCT_XMSB_FILE> m_XmSbFileArray;
    std::wstring m_StrDescription;
    bool m_bFileExists = false;
};
