#pragma once
// One FTP session: a login on one server, a current folder, and binary transfers and commands
// on remote names. Served by libcurl; nothing here throws, every operation answers with a status
// that carries the server's reply or libcurl's description of what went wrong.
//
// Remote names are given the way the module writes them, with backslashes ("Data\word.mdb");
// slashes are accepted too. A name that starts with a separator counts from the server's root,
// any other name from the current folder. On the wire the names go with "/" and in the
// installation's code page (text::AnsiCodePage()), as the Windows clients of the same site send
// them, so that every client sees the same file names.
//
// A session keeps one control connection and spends no command it does not need: transfers and
// commands name absolute paths, so the connection never changes folders (no CWD), the binary
// type is set once, and a command the server refuses (a file that is not there) leaves the
// connection open.

#include "platform/net/FtpListing.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace net {

struct FtpLogin {
    std::wstring host;
    int port = 21; // 0 stands for the default port 21
    // Empty for an anonymous login.
    std::wstring user;
    std::wstring password;
    bool passive = true;
    // Connecting (with the greeting and the login) and each reply of the server are bounded by
    // these; a transfer that moves no byte for `replyTimeoutMs` is given up. A connection is
    // tried once (each address of the host once): a server that is down costs one time-out,
    // not several in a row.
    long connectTimeoutMs = 6000;
    long replyTimeoutMs = 6000;
};

struct FtpStatus {
    bool ok = true;
    int curlCode = 0;  // libcurl's code, 0 on success
    int replyCode = 0; // the server's last reply code, 0 when it sent none
    std::wstring text; // the server's error reply, or libcurl's description
    // Of several commands sent together (RNFR, RNTO): the one the server refused, from 0.
    int command = 0;

    explicit operator bool() const { return ok; }
    // The server answered that the file or folder is not there (as opposed to a connection or
    // permission trouble, after which the name may well exist).
    bool IsMissing() const;
    // The server was not reached: refused, not found, or silent through the connection, its
    // greeting or the login. A server that answered (a login refused, say) was reached.
    bool IsUnreachable() const;
};

struct FtpEntry {
    std::wstring name;
    bool isFolder = false;
};

class FtpSession {
public:
    FtpSession();
    ~FtpSession();
    FtpSession(const FtpSession&) = delete;
    FtpSession& operator=(const FtpSession&) = delete;

    // Connects and logs in; the current folder becomes the folder the server put us in.
    FtpStatus Open(const FtpLogin& login);
    // Logs out and closes the connection.
    void Close();
    bool IsOpen() const { return m_open; }

    // The current folder from the server's root, with backslashes ("\" for the root).
    const std::wstring& CurrentFolder() const { return m_current; }
    // Changes the current folder when the folder exists.
    FtpStatus SetCurrentFolder(std::wstring_view folder);
    // One command (CWD): a folder that is not there answers IsMissing().
    FtpStatus FolderExists(std::wstring_view folder);

    FtpStatus Download(std::wstring_view remote, std::string& bytes);
    // Replaces the remote file, or with `append` adds the bytes to its end (APPE): the server
    // appends each transfer whole, so records appended by several clients never mix.
    FtpStatus Upload(std::wstring_view remote, std::string_view bytes, bool append = false);
    FtpStatus Delete(std::wstring_view remote);
    FtpStatus Rename(std::wstring_view from, std::wstring_view to);
    FtpStatus MakeFolder(std::wstring_view remote);

    // LIST of a folder, folders told from files.
    FtpStatus List(std::wstring_view folder, std::vector<FtpEntry>& entries);
    // NLST of a folder: names only.
    FtpStatus ListNames(std::wstring_view folder, std::vector<std::wstring>& names);

private:
    struct Request;
    struct Target;
    FtpStatus Resolve(std::wstring_view remote, bool isFolder, Target& target) const;
    FtpStatus Perform(Request& request);
    int Run(void* easy);
    // Each command's failure is the server's answer, which keeps the connection open; the first
    // refused command decides the status.
    FtpStatus RunCommands(const std::vector<std::string>& commands);
    FtpStatus Transfer(std::wstring_view remote, bool isFolder, Request& request);

    void* m_curl = nullptr;  // CURL*
    void* m_multi = nullptr; // CURLM*, whose cache keeps the connection for the whole session
    FtpLogin m_login;
    std::string m_origin; // "ftp://host:port"
    std::wstring m_current = L"\\";
    bool m_open = false;
};

} // namespace net
