#pragma once
// The server's word dictionary "Data\word.mdb" over a local copy, through an FTP connection
// that is opened for it and closed again. A connection that fails is not reported here (the
// connection says in one line that the server cannot be reached), and the command goes on with
// the local copy, which a failed download leaves untouched. A server that could not be reached
// is not tried again for a minute (UnreachableServers.h).

#include <functional>
#include <string>

// 1 when the local copy was replaced.
int DownloadWordDictionary(const std::wstring& strLocalPath);

// The step every management and save command starts with on a client of a server installation
// (installation kinds 1 and 2): the copy below the main installation folder is refreshed.
// 1 when it was, 0 when it was not (not a client, or no server).
int RefreshWordDictionaryFromServer();

// Tests put a download of their own in place; an empty function restores the real one.
void SetWordDictionaryDownloadForTesting(std::function<int(const std::wstring&)> download);
