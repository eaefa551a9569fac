#include "server/MyFtpConnection.h"

#include "drawing/EditOprt.h"
#include "platform/cad/CommandLine.h"
#include "platform/fs/FileIo.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/Wildcard.h"
#include "platform/net/LocalHost.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WaitCursor.h"
#include "server/CatalogueLock.h"
#include "server/FtpLoginInfo.h"
#include "server/UnreachableServers.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

#include <algorithm>
#include <cwctype>

namespace {

net::FtpStatus LocalFailure(std::wstring text) {
    net::FtpStatus status;
    status.ok = false;
    status.text = std::move(text);
    return status;
}

bool NameMatches(const std::wstring& strPattern, const std::wstring& strName) {
    return fs::HasWildcard(strPattern) ? fs::MatchWildcard(strPattern, strName)
                                       : strPattern == strName;
}

void ShowUploadFailure(const std::wstring& strRemote) {
    ui::MessageBox(nullptr,
                   text::Format(L"文件 %s 上传失败，请确认是否被其它客户端用户调用！", strRemote),
                   L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

// The name an upload travels under beside its target: the target's name followed by this
// process's id and key, so that no other client (and no other process of this machine) ever
// writes the same temporary file.
std::wstring TemporaryNameFor(const std::wstring& strRemote) {
    CatalogueLockHolder me = ThisProcessLockHolder(L"");
    return text::Format(L"%s.%d-%s.ovtmp", strRemote, me.nProcessId, me.strKey);
}

} // namespace

CMyFtpConnection::CMyFtpConnection()
    : CMyFtpConnection(CEditOprt::JoinPath(GetInstallPath_TL(), L"LocalData\\OvFTPLoginInfo.sys")) {
}

CMyFtpConnection::CMyFtpConnection(std::wstring strLoginFile)
    : m_strLoginFile(std::move(strLoginFile)), m_strInstallPath(GetInstallPath_TL()) {
    std::wstring strFlag = CEditOprt::JoinPath(CEditOprt::GetParentPath(m_strLoginFile), L"Ftp.bg");
    m_bUploadByRename = CEditOprt::IsFileExist(strFlag);
}

CMyFtpConnection::~CMyFtpConnection() {
    Disconnect();
}

int CMyFtpConnection::Connect() {
    return ConnectTo(false);
}

int CMyFtpConnection::ConnectUnlessRecentlyUnreachable() {
    return ConnectTo(true);
}

int CMyFtpConnection::ConnectTo(bool bSkipRecentlyUnreachable) {
    Disconnect();
    FtpLoginInfo info;
    if (!ReadFtpLoginInfo(m_strLoginFile, info)) {
        m_lastStatus = LocalFailure(L"No usable login information in " + m_strLoginFile);
        return 0;
    }
    m_strRemoteDir = info.strRemoteDir;
    if (bSkipRecentlyUnreachable && IsServerRecentlyUnreachable(info.strServer, info.nPort)) {
        m_lastStatus = LocalFailure(info.strServer + L" was not reachable a moment ago");
        return 0;
    }

    net::FtpLogin login;
    login.host = info.strServer;
    login.port = info.nPort;
    login.user = info.strUser;
    login.password = info.strPassword;
    login.passive = info.bPassive != 0;
    auto session = std::make_unique<net::FtpSession>();
    {
        ui::CWaitCursor waitCursor;
        m_lastStatus = session->Open(login);
    }
    if (m_lastStatus.IsUnreachable()) {
        RememberUnreachableServer(info.strServer, info.nPort);
        acutPrintf(L"\n无法连接服务器%s（%s），使用本地数据。\n", info.strServer,
                   m_lastStatus.text.substr(0, 200));
        return 0;
    }
    if (!m_lastStatus) {
        acutPrintf(L"\n%s", m_lastStatus.text.substr(0, 200) + L"\n");
        return 0;
    }
    ForgetUnreachableServer(info.strServer, info.nPort);
    if (!m_strRemoteDir.empty()) {
        m_lastStatus = session->SetCurrentFolder(m_strRemoteDir);
        if (!m_lastStatus) {
            session.reset();
            ui::MessageBox(nullptr,
                           text::Format(L"设置站点当前路径失败!\n可能原因:FTP站点中路径名%s不存在",
                                        m_strRemoteDir),
                           L"Tessaline", ui::MB_OK | ui::MB_ICONERROR);
            return 0;
        }
    }
    m_pFtpConnection = std::move(session);
    return 1;
}

void CMyFtpConnection::Disconnect() {
    m_pFtpConnection.reset();
}

int CMyFtpConnection::EnsureConnected() {
    return m_pFtpConnection || Connect() ? 1 : 0;
}

// A transfer that fails is tried once more over a new connection: the server may have dropped
// an idle one. When the server answered that the name is not there, the connection is sound and
// a new one would hear the same answer, so that case is not retried.
int CMyFtpConnection::RunWithReconnect(
    const std::function<net::FtpStatus(net::FtpSession&)>& operation) {
    if (m_pFtpConnection) {
        m_lastStatus = operation(*m_pFtpConnection);
        if (m_lastStatus || m_lastStatus.IsMissing())
            return m_lastStatus ? 1 : 0;
    }
    if (!Connect())
        return 0;
    m_lastStatus = operation(*m_pFtpConnection);
    return m_lastStatus ? 1 : 0;
}

int CMyFtpConnection::DownloadBytes(const std::wstring& strRemote, std::string& bytes) {
    return RunWithReconnect(
        [&](net::FtpSession& session) { return session.Download(strRemote, bytes); });
}

int CMyFtpConnection::DownloadFile(std::wstring strRemote, std::wstring strLocal) {
    strRemote = text::Trim(strRemote);
    strLocal = text::Trim(strLocal);
    std::wstring strFolder = CEditOprt::GetParentPath(strLocal);
    if (!strFolder.empty() && !CEditOprt::IsDirExist(strFolder))
        CEditOprt::CreateDirPath(strFolder);
    std::string bytes;
    if (!DownloadBytes(strRemote, bytes))
        return 0;
    // The local copy (the word dictionary, say) is replaced only by a complete download.
    if (!fs::WriteBytes(strLocal, bytes)) {
        m_lastStatus =
            LocalFailure(L"Cannot write " + strLocal + L": " + fs::ErrorText(fs::LastError()));
        return 0;
    }
    return 1;
}

int CMyFtpConnection::UploadFile(std::wstring strLocal, std::wstring& strRemote) {
    strLocal = text::Trim(strLocal);
    strRemote = text::Trim(strRemote);
    std::string bytes;
    int bOk = 0;
    if (fs::ReadBytes(strLocal, bytes))
        bOk = PutWhole(strRemote, bytes);
    else
        m_lastStatus = LocalFailure(L"Cannot read " + strLocal);
    if (!bOk) {
        ShowUploadFailure(strRemote);
        return 0;
    }
    return 1;
}

int CMyFtpConnection::PutTemporary(const std::wstring& strRemote, const std::string& bytes,
                                   std::wstring& strTemporary) {
    strTemporary = TemporaryNameFor(strRemote);
    if (RunWithReconnect(
            [&](net::FtpSession& session) { return session.Upload(strTemporary, bytes); }))
        return 1;
    // A transfer cut half way leaves part of the file under the temporary name.
    DeleteLeftover(strTemporary);
    return 0;
}

void CMyFtpConnection::DeleteLeftover(const std::wstring& strRemote) {
    net::FtpStatus failure = m_lastStatus;
    if (m_pFtpConnection)
        m_pFtpConnection->Delete(strRemote);
    m_lastStatus = failure;
}

int CMyFtpConnection::MoveTemporaryOver(const std::wstring& strTemporary,
                                        const std::wstring& strRemote, const std::string& bytes) {
    if (!EnsureConnected())
        return 0;
    m_lastStatus = m_pFtpConnection->Rename(strTemporary, strRemote);
    if (m_lastStatus)
        return 1;
    net::FtpStatus failure = m_lastStatus;
    DeleteLeftover(strTemporary);
    // The temporary file was there (RNFR went through) and the server would not put it in the
    // target's place: some Windows servers never rename over an existing file.
    if (failure.command != 1 || failure.replyCode < 500)
        return 0;
    m_bRenameOverRefused = 1;
    acutPrintf(L"\nFTP服务器不允许改名覆盖已有文件，文件改为直接上传。\n");
    return PutThePartWay(strRemote, bytes);
}

int CMyFtpConnection::PutWhole(const std::wstring& strRemote, const std::string& bytes) {
    if (m_bRenameOverRefused)
        return PutThePartWay(strRemote, bytes);
    std::wstring strTemporary;
    return PutTemporary(strRemote, bytes, strTemporary) &&
           MoveTemporaryOver(strTemporary, strRemote, bytes);
}

int CMyFtpConnection::PutThePartWay(const std::wstring& strRemote, const std::string& bytes) {
    std::wstring strSent = strRemote;
    if (m_bUploadByRename) {
        // The file arrives under the temporary name in its own folder and replaces the target
        // only when it is complete.
        m_strUploadTarget = strRemote;
        m_strUploadDir = CEditOprt::GetParentPath(strRemote);
        m_strUploadTemp = m_strUploadDir.empty() ? L"#.txt" : m_strUploadDir + L"\\#.txt";
        strSent = m_strUploadTemp;
    }
    if (!RunWithReconnect([&](net::FtpSession& session) { return session.Upload(strSent, bytes); }))
        return 0;
    if (!m_bUploadByRename)
        return 1;
    m_pFtpConnection->Delete(m_strUploadTarget);
    m_lastStatus = m_pFtpConnection->Rename(m_strUploadTemp, m_strUploadTarget);
    return m_lastStatus ? 1 : 0;
}

int CMyFtpConnection::ServerFileExists(std::wstring strRemote) {
    if (!EnsureConnected())
        return 0;
    std::string bytes;
    return DownloadBytes(text::Trim(strRemote), bytes);
}

int CMyFtpConnection::FindServerFile(std::wstring strFolder, std::wstring strName) {
    if (!EnsureConnected())
        return 0;
    std::vector<std::wstring> arrNames;
    m_lastStatus = m_pFtpConnection->ListNames(strFolder, arrNames);
    if (!m_lastStatus)
        return 0;
    // Sites kept on a case-sensitive server may hold a drawing as "A.DWG" when "A.dwg" is
    // asked for.
    std::wstring strUpper = strName;
    if (CEditOprt::HasExtension(strName)) {
        std::wstring strExt = CEditOprt::GetExtension(strName);
        std::transform(strExt.begin(), strExt.end(), strExt.begin(), ::towupper);
        strUpper = CEditOprt::RemoveExtension(strName) + L"." + strExt;
    }
    for (const std::wstring& strPattern : {strName, strUpper})
        for (const std::wstring& strListed : arrNames)
            if (NameMatches(strPattern, strListed))
                return 1;
    return 0;
}

int CMyFtpConnection::ServerFolderExists(std::wstring strPath) {
    strPath = text::TrimRight(text::Trim(strPath), L"\\");
    if (strPath.empty() || !EnsureConnected())
        return 0;
    std::wstring strParent = CEditOprt::GetParentPath(strPath);
    std::wstring strName = strPath.substr(strParent.empty() ? 0 : strParent.size() + 1);
    std::vector<net::FtpEntry> arrEntries;
    m_lastStatus = m_pFtpConnection->List(strParent, arrEntries);
    for (const net::FtpEntry& entry : arrEntries)
        if (entry.isFolder && text::EqualsNoCase(entry.name, strName))
            return 1;
    return 0;
}

int CMyFtpConnection::CreateServerFolderPath(std::wstring strPath) {
    if (!EnsureConnected())
        return 0;
    strPath = text::TrimRight(strPath, L"\\");
    if (strPath.empty())
        return 0;
    // Usually only the last level is missing: one MKD makes it.
    if (m_pFtpConnection->MakeFolder(strPath))
        return 1;
    std::wstring strPrefix;
    for (const std::wstring& strPart : text::Split(strPath, L"\\")) {
        strPrefix =
            strPrefix.empty() && strPart.empty() ? L"\\" : JoinRemotePath(strPrefix, strPart);
        if (strPart.empty() || m_pFtpConnection->FolderExists(strPrefix))
            continue;
        m_lastStatus = m_pFtpConnection->MakeFolder(strPrefix);
        // Another client may have made the same folder a moment ago.
        if (!m_lastStatus && !m_pFtpConnection->FolderExists(strPrefix))
            return 0;
    }
    return 1;
}

std::wstring CMyFtpConnection::GetLocalHostId() {
    return text::Format(L"%s(%s)", net::LocalIPv4Address(), net::LocalHostName());
}

std::wstring CMyFtpConnection::StagingPath(const std::wstring& strName) const {
    return CEditOprt::JoinPath(m_strInstallPath, L"TempFTP\\" + strName);
}

std::wstring CMyFtpConnection::ClientFilePath(const std::wstring& strName) const {
    return CEditOprt::JoinPath(m_strInstallPath, strName);
}

std::wstring CMyFtpConnection::JoinRemotePath(const std::wstring& strFolder,
                                              const std::wstring& strName) {
    // An empty folder is the base folder itself, not the server's root.
    return strFolder.empty() ? strName : CEditOprt::JoinPath(strFolder, strName);
}
