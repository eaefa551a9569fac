#pragma once
// The word suggestions of the description dialogs: the words of the dictionary table that
// belongs to a description title, from the local word dictionary "Data\word.mdb".
//
// Each dialog keeps its own COperateMdb from its first request to its end; GetWordList opens
// it on first use (refreshing the local copy from the server on a super-client installation)
// and lets it go again when it finds nothing, so that the next request opens the file anew.

#include "store/OperateMdb.h"

#include <memory>
#include <string>
#include <vector>

// The dictionary table that lists the default description titles of a Project or Equipment.
inline constexpr const wchar_t* kDefaultTitlesTable = L"项目设备描述信息";

// Which table belongs to a title.
enum class WordTableRule {
    // The creation, modification, information-table and wire dialogs: the first table whose
    // name holds the title after its first character ("OV" + title). With no such table the
    // list stays empty.
    TitleAfterFirstCharacter,
    // The new-file dialog: the table's name must also begin with "OV". With no such table the
    // list gets two empty entries.
    OvPrefixed,
};

// The local dictionary: the per-workstation folder joined with "Data\word.mdb".
std::wstring GetLocalWordDictionaryPath();

// On a super-client installation, replaces the local dictionary with the server's copy unless
// someone holds it open: the lock file "word.ldb" beside it is deleted first, and only when
// there was none or it could be deleted is the server's copy fetched. Other installations keep
// their copy.
void RefreshLocalWordDictionary(const std::wstring& strMdbPath);

// The name of the table that belongs to the title, or "" when none does.
std::wstring FindWordTable(const std::vector<std::wstring>& arrTableNames,
                           const std::wstring& strTitle, WordTableRule rule);

// The local dictionary opened as GetWordList opens it (refreshed first on a super-client
// installation); null when it cannot be opened.
std::unique_ptr<COperateMdb> OpenLocalWordDictionary();

// The words of the title's table in a dictionary that stays open whatever is found, for a
// dialog that opens the dictionary once for its whole life. 1 when the table was read, 0 when
// reading it failed, -1 when no table belongs to the title.
int GetWordListFrom(COperateMdb& operateMdb, const std::wstring& strTitle,
                    std::vector<std::wstring>& arrWords,
                    WordTableRule rule = WordTableRule::TitleAfterFirstCharacter);

// Fills arrWords with the words of the title's table, in table order (empty cells as empty
// words). 1 when a table was found and read.
int GetWordList(const std::wstring& strTitle, std::vector<std::wstring>& arrWords,
                std::unique_ptr<COperateMdb>& pOperateMdb,
                WordTableRule rule = WordTableRule::TitleAfterFirstCharacter);
