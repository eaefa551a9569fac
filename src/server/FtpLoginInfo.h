#pragma once
// The login-information file "LocalData\OvFTPLoginInfo.sys": where the server is and how to log
// in. The installation's configuration tool writes it; the module only reads it.
//
// Every line is stored in letters: each byte of the line becomes two letters "a" to "p", the
// first for its high and the second for its low four bits ("a" = 0 ... "p" = 15), so "A"
// (0x41) is "eb". The bytes are text in the installation's code page. Lines, after decoding:
//   1 not used here, 2 base folder on the site (may be empty), 3 server address, 4 port,
//   5 "1" for an anonymous login, 6 user name, 7 password, 8-10 not used here, 11 "1" for
//   passive transfers.

#include <string>

struct FtpLoginInfo {
    std::wstring strRemoteDir;
    std::wstring strServer;
    int nPort = 0;
    int bAnonymous = 0;
    // Empty for an anonymous login, whatever lines 6 and 7 hold.
    std::wstring strUser;
    std::wstring strPassword;
    int bPassive = 0;
};

// 0 when the file is missing, cannot be read or is not in letters, or names no server.
int ReadFtpLoginInfo(const std::wstring& strPath, FtpLoginInfo& info);
