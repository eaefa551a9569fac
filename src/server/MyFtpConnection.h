#pragma once
// CMyFtpConnection: the module's way to the shared server, an FTP site whose address and account
// the installation keeps in "LocalData\OvFTPLoginInfo.sys" (see FtpLoginInfo.h). Objects are
// made on the stack for one task and never keep a connection beyond it.
//
// The transfer operations (this file's first group, MyFtpConnection.cpp) retry once over a new
// connection when a transfer fails. The catalogue protocol (second group, ServerCatalogue.cpp)
// records every file a client sends in the site's catalogue "Server.xml", under the lock
// "Server.xml.bak", with the backup "Server.backup" and the shared log "OS.log"; see
// docs/server-sync.md.
//
// Remote names are relative to the site's base folder and use backslashes ("Data\word.mdb").
// Results are 1 for success and 0 for failure.

#include "platform/net/FtpSession.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CMyFtpConnection {
public:
    // The login file of the installation; uploads go by rename when "Ftp.bg" lies beside it.
    CMyFtpConnection();
    explicit CMyFtpConnection(std::wstring strLoginFile);
    virtual ~CMyFtpConnection();
    CMyFtpConnection(const CMyFtpConnection&) = delete;
    CMyFtpConnection& operator=(const CMyFtpConnection&) = delete;

    int Connect();
    void Disconnect();
    int IsConnected() const { return m_pFtpConnection ? 1 : 0; }

    // Creates the local folder when needed; the local file is replaced only by a complete copy.
    int DownloadFile(std::wstring strRemote, std::wstring strLocal);
    // With upload by rename, `strRemote` is set to the final target name on success.
    int UploadFile(std::wstring strLocal, std::wstring& strRemote);
    int ServerFileExists(std::wstring strRemote);
    // The name in the folder (empty: the base folder), or with its extension in upper case.
    int FindServerFile(std::wstring strFolder, std::wstring strName);
    int ServerFolderExists(std::wstring strPath);
    int CreateServerFolderPath(std::wstring strPath);
    // "address(host name)", the mark of this machine in the lock and the log.
    static std::wstring GetLocalHostId();

    int LockServerCatalogue();
    // Removes the lock when this process still holds it.
    int UnlockServerCatalogue();
    int BackupServerCatalogue(std::wstring strLocalCopy);
    int VerifyServerCatalogue(std::wstring strLocalCopy, const std::vector<std::wstring>& arrFiles,
                              const std::vector<std::wstring>& arrOprts);
    int AppendServerLog(std::wstring strMessage);
    // 1 when the site changed since the stamp this client remembers, 0 when it did not (or
    // cannot be asked).
    int CheckClientVersion();
    static int IsMainLibChangedSince(std::wstring strCatalogueCopy, std::wstring strStampLine);
    int RefreshClientVersion();
    int SendFileToServer(std::wstring strLocal, std::wstring strRemote);
    int CreateServerFolder(std::wstring strBase, std::wstring strName);
    // Sends the drawings and management files (".dwg", ".itm", ".prj") of the local folder and
    // its subfolders. 0 when any of them could not be sent; the others are sent all the same.
    int SendFolderToServer(std::wstring strRemoteBase, std::wstring strRemoteFolder,
                           std::wstring strLocalFolder);

    const std::wstring& Getm_strRemoteDir() const { return m_strRemoteDir; }
    int Getm_bUploadByRename() const { return m_bUploadByRename; }
    // How the last exchange with the server ended, with the server's words.
    const net::FtpStatus& GetLastStatus() const { return m_lastStatus; }

private:
    int RunWithReconnect(const std::function<net::FtpStatus(net::FtpSession&)>& operation);
    int EnsureConnected();
    int DownloadBytes(const std::wstring& strRemote, std::string& bytes);
    int IsNameListed(const std::wstring& strName);
    int CreateCatalogueIfMissing();
    // Records a sent file or a made folder ("MOD") in the catalogue, under the lock.
    int RecordServerChange(const std::wstring& strFile, int bWasUpToDate);
    int UpdateLockedCatalogue(const std::wstring& strFile, const std::wstring& strOprt);
    std::wstring StagingPath(const std::wstring& strName) const;
    std::wstring ClientFilePath(const std::wstring& strName) const;
    static std::wstring JoinRemotePath(const std::wstring& strFolder, const std::wstring& strName);

    std::wstring m_strRemoteDir;
    std::unique_ptr<net::FtpSession> m_pFtpConnection; // null when not connected
    std::wstring m_strLoginFile;
    std::wstring m_strInstallPath;
    int m_bUploadByRename = 0;
    std::wstring m_strUploadDir;
    std::wstring m_strUploadTarget;
    std::wstring m_strUploadTemp;
    net::FtpStatus m_lastStatus;
};
