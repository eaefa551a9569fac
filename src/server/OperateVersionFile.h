#pragma once
// The server catalogue "Server.xml" in memory, and the version stamps that mark its updates.
//
// A catalogue is a text file: its first line is the version line, "版本日期：" and a stamp; every
// further non-empty line is one entry "file|time|operation", newest first, one entry per file.
// File is the path below the site's base folder, time the stamp of the update that wrote the
// entry, operation "MOD", "DEL" or "REN". A stamp is the local time "YYYY,MM,DD,hh,mm,ss".

#include <string>
#include <string_view>
#include <vector>

inline constexpr std::wstring_view kVersionLinePrefix = L"版本日期：";
// The part library whose stamp a client keeps apart in "Client_PartLib.xml".
inline constexpr std::wstring_view kMainLibFile = L"Data\\OvMainLib.mdb";

struct STRUCT_FILE_INFO {
    std::wstring m_strFile;
    std::wstring m_strTime;
    std::wstring m_strOprt;
};

// "file|time|operation" (trimmed); missing fields stay empty, so no line is ever dropped.
STRUCT_FILE_INFO ParseCatalogueEntry(std::wstring_view line);
// Whether the line is a version line.
bool IsVersionLine(std::wstring_view line);
// The entry lines of a catalogue's lines: line 1 is skipped when it is the version line.
std::vector<std::wstring> CatalogueEntryLines(const std::vector<std::wstring>& lines);

// The stamp an update writes when the catalogue's stamp is `oldStamp` and the clock says `now`.
// Stamps always grow, even when the writer's clock lags behind another client's: a stamp not
// older than `now` is followed by the same stamp one second later. That second is only counted
// up, "59" becomes "60", so the stamp stays the same length and keeps sorting as text; only
// past "99" does it carry into the minute (and so on), where a longer field would sort wrong.
std::wstring NextVersionStamp(std::wstring_view oldStamp, std::wstring_view now);

class COperateVersionFile {
public:
    explicit COperateVersionFile(std::wstring strPath = {});

    const std::wstring& Getm_strPath() const { return m_strPath; }
    void Setm_strPath(std::wstring strPath) { m_strPath = std::move(strPath); }
    const std::vector<STRUCT_FILE_INFO>& Getm_arrEntries() const { return m_arrEntries; }

    void ClearEntries();
    // Reads the entries of the file; a missing file has none.
    void LoadCatalogue();
    // For each file, removes the first entry of it (names compared without regard to case).
    // 0 when the list is empty.
    int RemoveEntries(const std::vector<std::wstring>& arrFiles);
    // Adds one entry per file under a new stamp and rewrites the file (safely: a failed write
    // leaves the old file). 0 when the file cannot be written.
    int WriteCatalogue(const std::vector<std::wstring>& arrFiles,
                       const std::vector<std::wstring>& arrOprts);
    int UpdateCatalogue(const std::wstring& strFile, const std::wstring& strOprt);
    int UpdateCatalogue(const std::vector<std::wstring>& arrFiles,
                        const std::vector<std::wstring>& arrOprts);

    // The current local time as a stamp.
    static std::wstring GetVersionStamp();

private:
    std::wstring m_strPath;
    std::vector<STRUCT_FILE_INFO> m_arrEntries; // newest first
};
