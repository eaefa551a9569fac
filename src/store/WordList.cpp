#include "store/WordList.h"

#include "drawing/EditOprt.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/WideString.h"
#include "server/WordDictionaryRefresh.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

namespace {

constexpr int kSuperClient = 1;

} // namespace

std::wstring GetLocalWordDictionaryPath() {
    return CEditOprt::JoinPath(GetTessalLocalInstallPath(), L"Data\\word.mdb");
}

void RefreshLocalWordDictionary(const std::wstring& strMdbPath) {
    if (GetCurTessalInstallStyle() != kSuperClient)
        return;
    std::wstring strLockPath =
        CEditOprt::JoinPath(CEditOprt::GetParentPath(strMdbPath), L"word.ldb");
    // A lock file that cannot be deleted means the dictionary is open somewhere: replacing it
    // now would pull the file from under its user.
    if (fs::Exists(strLockPath) && !fs::DeleteFile(strLockPath))
        return;
    DownloadWordDictionary(strMdbPath);
}

std::wstring FindWordTable(const std::vector<std::wstring>& arrTableNames,
                           const std::wstring& strTitle, WordTableRule rule) {
    for (const std::wstring& strTable : arrTableNames) {
        // Where the title first occurs; a name that begins with the title does not belong to it.
        size_t nPosition = strTable.find(strTitle);
        if (nPosition == std::wstring::npos || nPosition == 0)
            continue;
        if (rule == WordTableRule::OvPrefixed && !text::StartsWith(strTable, L"OV"))
            continue;
        return strTable;
    }
    return {};
}

std::unique_ptr<COperateMdb> OpenLocalWordDictionary() {
    std::wstring strPath = GetLocalWordDictionaryPath();
    RefreshLocalWordDictionary(strPath);
    auto pOperateMdb = std::make_unique<COperateMdb>(strPath);
    if (!pOperateMdb->IsConnected())
        pOperateMdb.reset();
    return pOperateMdb;
}

int GetWordListFrom(COperateMdb& operateMdb, const std::wstring& strTitle,
                    std::vector<std::wstring>& arrWords, WordTableRule rule) {
    arrWords.clear();
    std::vector<std::wstring> arrTableNames;
    operateMdb.GetTableNames(arrTableNames);
    std::wstring strTable = FindWordTable(arrTableNames, strTitle, rule);
    if (strTable.empty()) {
        if (rule == WordTableRule::OvPrefixed)
            arrWords.assign(2, std::wstring());
        return -1;
    }
    return operateMdb.GetFieldValues(strTable, L"WORD", arrWords, kMdbChar, 0);
}

int GetWordList(const std::wstring& strTitle, std::vector<std::wstring>& arrWords,
                std::unique_ptr<COperateMdb>& pOperateMdb, WordTableRule rule) {
    arrWords.clear();
    if (!pOperateMdb)
        pOperateMdb = OpenLocalWordDictionary();
    if (!pOperateMdb)
        return 0;
    int nResult = GetWordListFrom(*pOperateMdb, strTitle, arrWords, rule);
    if (nResult >= 0)
        return nResult;
    pOperateMdb.reset();
    return 0;
}
