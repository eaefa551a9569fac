#pragma once
// CMyFtpConnection: the module's way to the shared server, an FTP site whose address and account
// the installation keeps in "LocalData\OvFTPLoginInfo.sys" (see FtpLoginInfo.h). Objects are
// made on the stack for one task and keep one control connection for it.
//
// The transfer operations (this file's first group, MyFtpConnection.cpp) retry once over a new
// connection when a transfer fails. The catalogue protocol (second group, ServerCatalogue.cpp,
// CatalogueUpdate.cpp, ServerSend.cpp) records every file a client sends in the site's catalogue
// "Server.xml", under the lock "Server.xml.bak", with the backup "Server.backup" and the shared
// log "OS.log"; see docs/server-sync.md.
//
// Remote names are relative to the site's base folder and use backslashes ("Data\word.mdb").
// Results are 1 for success and 0 for failure.

#include "platform/net/FtpSession.h"

#include <chrono>
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

    // Tries the server once. A server that cannot be reached is named in one line on the command
    // line and remembered for a minute (UnreachableServers.h).
    int Connect();
    // Connect, for the refresh before every command: a server that could not be reached less
    // than a minute ago is not tried again, and nothing is said.
    int ConnectUnlessRecentlyUnreachable();
    void Disconnect();
    int IsConnected() const { return m_pFtpConnection ? 1 : 0; }

    // Creates the local folder when needed; the local file is replaced only by a complete copy.
    int DownloadFile(std::wstring strRemote, std::wstring strLocal);
    // The file goes up under a temporary name and replaces the remote file only when it is
    // complete. With upload by rename, `strRemote` is set to the final target name on success.
    int UploadFile(std::wstring strLocal, std::wstring& strRemote);
    int ServerFileExists(std::wstring strRemote);
    // The name in the folder (empty: the base folder), or with its extension in upper case.
    int FindServerFile(std::wstring strFolder, std::wstring strName);
    // Looks through the parent folder's listing, names compared without regard to case.
    int ServerFolderExists(std::wstring strPath);
    int CreateServerFolderPath(std::wstring strPath);
    // "address(host name)", the mark of this machine in the lock and the log.
    static std::wstring GetLocalHostId();

    int LockServerCatalogue();
    // Removes the lock when this process still holds it.
    int UnlockServerCatalogue();
    int AppendServerLog(std::wstring strMessage);
    // 1 when the site changed since the stamp this client remembers, 0 when it did not (or
    // cannot be asked).
    int CheckClientVersion();
    static int IsMainLibChangedSince(std::wstring strCatalogueCopy, std::wstring strStampLine);
    int RefreshClientVersion();
    int SendFileToServer(std::wstring strLocal, std::wstring strRemote);
    int CreateServerFolder(std::wstring strBase, std::wstring strName);
    // Sends the drawings and management files (".dwg", ".itm", ".prj") of the local folder and
    // its subfolders, then records every file and new folder in one catalogue update. 0 when
    // any of them could not be sent or recorded; the others are sent all the same.
    int SendFolderToServer(std::wstring strRemoteBase, std::wstring strRemoteFolder,
                           std::wstring strLocalFolder);

    const std::wstring& Getm_strRemoteDir() const { return m_strRemoteDir; }
    int Getm_bUploadByRename() const { return m_bUploadByRename; }
    // How the last exchange with the server ended, with the server's words.
    const net::FtpStatus& GetLastStatus() const { return m_lastStatus; }

private:
    enum class UpdateResult { Done, LockLost, Failed };
    struct CatalogueState;

    int ConnectTo(bool bSkipRecentlyUnreachable);
    int RunWithReconnect(const std::function<net::FtpStatus(net::FtpSession&)>& operation);
    int EnsureConnected();
    int DownloadBytes(const std::wstring& strRemote, std::string& bytes);
    // Removes a file of ours from the site, as far as the connection allows; what is left
    // behind is only ever under a temporary name.
    void DeleteLeftover(const std::wstring& strRemote);
    // The two halves of a whole-file upload: the bytes under a name of this process beside the
    // target, then a rename over the target. Where the server refuses to rename over a file,
    // the upload falls back to the way Windows clients upload (PutThePartWay) from then on.
    int PutTemporary(const std::wstring& strRemote, const std::string& bytes,
                     std::wstring& strTemporary);
    int MoveTemporaryOver(const std::wstring& strTemporary, const std::wstring& strRemote,
                          const std::string& bytes);
    int PutWhole(const std::wstring& strRemote, const std::string& bytes);
    int PutThePartWay(const std::wstring& strRemote, const std::string& bytes);
    int CreateCatalogueIfMissing();
    int DownloadCatalogueState(CatalogueState& state);
    // Records sent files and made folders ("MOD") in the catalogue, all under one lock.
    int RecordServerChanges(const std::vector<std::wstring>& arrFiles, int bWasUpToDate,
                            std::wstring& strFailure);
    UpdateResult UpdateLockedCatalogue(const std::vector<std::wstring>& arrFiles,
                                       std::wstring& strVersionLine, std::wstring& strFailure);
    int WriteUpdatedCatalogue(const std::string& catalogue, const std::string& baseline,
                              const std::vector<std::wstring>& arrFiles, std::string& updated,
                              std::wstring& strFailure);
    // Whether the lock on the site holds this process's record first.
    int IsLockOurs();
    // Removes the lock after an update that has just seen it ours (no look when it was taken
    // less than 2 s ago), or after a look that finds it ours.
    int DeleteIfStillOurLock();
    int CollectFolderSend(const std::wstring& strRemoteBase, const std::wstring& strRemoteFolder,
                          const std::wstring& strLocalFolder, std::vector<std::wstring>& arrSent);
    void ReportUnrecordedFiles(const std::wstring& strFailure,
                               const std::vector<std::wstring>& arrFiles);
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
    // The server refused to rename a file over another: uploads go the Windows clients' way.
    int m_bRenameOverRefused = 0;
    // When this process appended its record to the lock (steady clock).
    std::chrono::steady_clock::time_point m_lockTakenAt;
    net::FtpStatus m_lastStatus;
};

// Tests act as another client at the moment an update has put its catalogue on the site under
// the temporary name and is about to look again (null: nothing happens there).
void SetBeforeCatalogueLookForTesting(std::function<void()> action);
