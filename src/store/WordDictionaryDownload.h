#pragma once
// The download step of the word-dictionary refresh on a super-client installation: the server's
// "Data\word.mdb" over the local copy, through an FTP connection that is opened and closed
// again. A connection that fails is not reported; the local copy is then used as it is.

#include <functional>
#include <string>

// 1 when the local copy was replaced.
int DownloadWordDictionary(const std::wstring& strLocalPath);

// Tests put a download of their own in place; an empty function restores the real one.
void SetWordDictionaryDownloadForTesting(std::function<int(const std::wstring&)> download);
