#pragma once
// The step every management and save command starts with on a client of a server installation
// (installation kinds 1 and 2): the server's word dictionary "Data\word.mdb" replaces the local
// copy below the main installation folder. A connection that fails is not reported here, and
// the command goes on with the local copy, which a failed download leaves untouched.

// 1 when the local copy was refreshed, 0 when it was not (not a client, or no server).
int RefreshWordDictionaryFromServer();
