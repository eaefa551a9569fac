#pragma once
// Edits of one drawing's record in a management file's text, for moves and deletions that do
// not go through the window's trees: the file is read, the content section changed line by
// line and written back whole through the safe writer (temporary file, then rename), so the
// description block, the other records and the end markers stay exactly as they were.
//
// A record is a line of the content section that is not a type header: the drawing's name
// before the first "<" (the whole line without one), compared without regard to case.

#include <string>
#include <vector>

// Removes every record of the named drawings. pRemarks (optional) receives, per name, the
// remark of its first record ("" without one). 0 when the file cannot be read or written
// (the command line says why); a file without such records is left untouched.
int RemoveDrawingRecords(const std::wstring& strManageFile,
                         const std::vector<std::wstring>& arrNames,
                         std::vector<std::wstring>* pRemarks = nullptr);

// Enters "name<remark>" under the type stored as strSysType, right after its header line
// ("name:" or "name："); with an empty type among the files without type, right after the
// start of the content section. A header or a content section that is missing is added.
int InsertDrawingRecord(const std::wstring& strManageFile, const std::wstring& strSysType,
                        const std::wstring& strName, const std::wstring& strRemark);
