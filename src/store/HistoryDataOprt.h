#pragma once
// CHistoryDataOprt: the dialog history "LocalData\HistoryData.txt", a list of texts addressed
// by index, one per line. Made on the stack for one operation; it writes the file back when
// it goes out of scope after a change.

#include "platform/text/TextFile.h"

#include <string>
#include <vector>

class CHistoryDataOprt {
public:
    // The built-in entries, then the file's lines over them (creating the file when missing).
    CHistoryDataOprt();
    virtual ~CHistoryDataOprt();
    CHistoryDataOprt(const CHistoryDataOprt&) = delete;
    CHistoryDataOprt& operator=(const CHistoryDataOprt&) = delete;

    static constexpr int kDefaultCount = 297;
    static std::vector<std::wstring> DefaultEntries();

    // An index outside the list reads as "" (0 for numbers) and is never written.
    void GetHistoryString(int nIndex, std::wstring& strValue) const;
    void GetHistoryInt(int nIndex, int& nValue) const;
    void GetHistoryReal(int nIndex, double& dValue) const;
    void SetHistoryString(int nIndex, const std::wstring& strValue);
    void SetHistoryInt(int nIndex, int nValue);     // stored as "%d"
    void SetHistoryReal(int nIndex, double dValue); // stored as "%.2f"
    int GetHistoryLastIndex() const { return static_cast<int>(m_arrEntries.size()) - 1; }

    // Writes the list now if it was changed (the destructor does the same).
    int WriteBack();

private:
    static std::wstring FilePath();
    int WriteAll(text::TextFileStatus* status = nullptr) const;

    int m_bModified = 0;
    std::vector<std::wstring> m_arrEntries;
};
