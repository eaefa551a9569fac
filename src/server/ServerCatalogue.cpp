// The catalogue protocol of CMyFtpConnection: version checks, the lock, the backup, the log,
// and the sending of files and folders that records each change in the catalogue.

#include "drawing/EditOprt.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "platform/text/TextFile.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"
#include "server/CatalogueLock.h"
#include "server/MyFtpConnection.h"
#include "server/OperateVersionFile.h"
#include "server/SyncPause.h"

#include <ctime>

namespace {

const std::wstring kCatalogue = L"Server.xml";
const std::wstring kCatalogueProbe = L"Server_Tmp.xml";
const std::wstring kLock = L"Server.xml.bak";
const std::wstring kBackup = L"Server.backup";
const std::wstring kLog = L"OS.log";

// Looks at a lock that another client holds, 400 ms apart, before it is taken as left behind.
constexpr int kLockLooks = 6;
constexpr int kLockLookPauseMs = 400;
// Looks in all before giving up, when the lock keeps changing hands.
constexpr int kLockLookLimit = 100;

std::vector<std::wstring> ReadCatalogueLines(const std::wstring& strPath) {
    std::vector<std::wstring> arrLines;
    CEditOprt::ReadLines(strPath, arrLines, 0);
    return arrLines;
}

std::vector<std::wstring> BytesToLines(const std::string& bytes) {
    return text::SplitTextLines(text::AnsiCodePage().Decode(bytes));
}

// Lines as a catalogue's lines are counted: trimmed, empty ones left out.
size_t CountCatalogueLines(const std::string& bytes) {
    size_t nLines = 0;
    for (const std::wstring& line : BytesToLines(bytes))
        nLines += text::Trim(line).empty() ? 0 : 1;
    return nLines;
}

void ShowError(const std::wstring& strMessage, unsigned icon = ui::MB_ICONERROR) {
    ui::MessageBox(nullptr, strMessage, L"Tessaline", ui::MB_OK | icon);
}

std::tm LocalNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

} // namespace

int CMyFtpConnection::LockServerCatalogue() {
    const CatalogueLockHolder me = ThisProcessLockHolder(GetLocalHostId());
    CatalogueLockHolder waitedFor;
    int nLooks = 0;
    for (int nRound = 0; nRound < kLockLookLimit; ++nRound) {
        std::string bytes;
        if (DownloadBytes(kLock, bytes)) {
            CatalogueLockHolder holder = ParseLockHolder(BytesToLines(bytes));
            LockHolderKind kind = JudgeLockHolder(holder, me);
            if (kind == LockHolderKind::ThisProcess)
                return 1;
            if (kind == LockHolderKind::Other) {
                // A lock that changes hands is alive: the count starts again for each holder.
                if (!(holder == waitedFor)) {
                    waitedFor = holder;
                    nLooks = 0;
                }
                SyncPause(kLockLookPauseMs);
                if (++nLooks < kLockLooks)
                    continue;
                // The holder has not moved for six looks: it is taken as gone.
                waitedFor = CatalogueLockHolder();
                nLooks = 0;
            }
            m_pFtpConnection->Delete(kLock, true);
        } else if (!m_lastStatus.IsMissing()) {
            break;
        }
        // The lock is free. Our record is appended rather than stored: when several clients
        // find it free at the same moment, the server keeps every record whole and in order,
        // the first one holds the lock, and the others see that at their next look.
        std::string record = text::EncodeTextLines(FormatLockRecord(me));
        if (!RunWithReconnect(
                [&](net::FtpSession& session) { return session.Upload(kLock, record, true); })) {
            ShowError(text::Format(L"文件 %s 上传失败，请确认是否被其它客户端用户调用！", kLock),
                      ui::MB_ICONEXCLAMATION);
            return 0;
        }
    }
    // The lock could not be read, or kept changing hands for as long as a client should wait.
    ShowError(L"未能取得Server.xml文件的更新锁，服务器文件目录未更新！");
    return 0;
}

int CMyFtpConnection::UnlockServerCatalogue() {
    std::string bytes;
    if (!EnsureConnected() || !DownloadBytes(kLock, bytes))
        return m_lastStatus.IsMissing() ? 1 : 0;
    // A lock that was broken and taken by another client meanwhile is not ours to remove.
    CatalogueLockHolder me = ThisProcessLockHolder(GetLocalHostId());
    if (JudgeLockHolder(ParseLockHolder(BytesToLines(bytes)), me) != LockHolderKind::ThisProcess)
        return 0;
    m_lastStatus = m_pFtpConnection->Delete(kLock);
    return m_lastStatus ? 1 : 0;
}

int CMyFtpConnection::BackupServerCatalogue(std::wstring strLocalCopy) {
    std::vector<std::wstring> arrCopy = ReadCatalogueLines(strLocalCopy);
    std::string bytes;
    int bOk = 0;
    if (DownloadBytes(kBackup, bytes) || m_lastStatus.IsMissing()) {
        size_t nBackup = CountCatalogueLines(bytes);
        if (nBackup == 0 || nBackup <= arrCopy.size()) {
            m_pFtpConnection->Delete(kBackup, true);
            std::wstring strName = kBackup;
            bOk = UploadFile(strLocalCopy, strName);
        }
    }
    // A backup that could not be read is left as it is: it may be the only good copy.
    if (!bOk)
        AppendServerLog(L"备份Server.xml文件时出错！");
    return bOk;
}

int CMyFtpConnection::VerifyServerCatalogue(std::wstring strLocalCopy,
                                            const std::vector<std::wstring>& arrFiles,
                                            const std::vector<std::wstring>& arrOprts) {
    std::wstring strBackup = StagingPath(kBackup);
    fs::DeleteFile(strBackup);
    DownloadFile(kBackup, strBackup);
    std::vector<std::wstring> arrCopy = ReadCatalogueLines(strLocalCopy);
    std::vector<std::wstring> arrBackup = ReadCatalogueLines(strBackup);

    if (arrBackup.size() <= arrCopy.size()) {
        if (arrCopy.size() < 2)
            AppendServerLog(arrCopy.empty()
                                ? std::wstring(L"更新后Server.xml文件数据为空！")
                                : text::Format(L"%s,更新Server.xml文件仅有一条数据！", arrCopy[0]));
        if (arrBackup.size() < 2)
            AppendServerLog(arrBackup.empty() ? std::wstring(L"Server.backup文件不存在或数据为空！")
                                              : text::Format(L"%s,Server.backup文件仅有一条数据！",
                                                             arrBackup[0]));
        fs::DeleteFile(strBackup);
        return 1;
    }

    // The copy lost entries: start again from the backup and apply the same change to it.
    int bRestored = fs::CopyFile(strBackup, strLocalCopy, true) &&
                    COperateVersionFile(strLocalCopy).UpdateCatalogue(arrFiles, arrOprts);
    arrCopy = ReadCatalogueLines(strLocalCopy);
    fs::DeleteFile(strBackup);
    if (bRestored && arrCopy.size() >= arrBackup.size())
        return 1;
    std::wstring strMessage = L"利用备份数据更新Server.xml仍然出错！";
    if (!arrCopy.empty())
        strMessage = arrCopy.back() + L"," + strMessage;
    AppendServerLog(strMessage);
    ShowError(strMessage);
    fs::DeleteFile(strLocalCopy);
    return 0;
}

int CMyFtpConnection::AppendServerLog(std::wstring strMessage) {
    if (!EnsureConnected())
        return 0;
    std::tm now = LocalNow();
    std::wstring strLine = text::Format(
        L"[TIME:]%d-%d-%d %d:%d:%d  [HOST:]%s  [OPRT:]%s", now.tm_year + 1900, now.tm_mon + 1,
        now.tm_mday, now.tm_hour, now.tm_min, now.tm_sec, GetLocalHostId(), strMessage);
    // Appended, not downloaded and stored back: lines that two clients log at the same time
    // must both stay.
    std::string line = text::EncodeTextLines({strLine});
    return RunWithReconnect(
        [&](net::FtpSession& session) { return session.Upload(kLog, line, true); });
}

int CMyFtpConnection::CreateCatalogueIfMissing() {
    // Only a catalogue that the server says is not there is started anew, and only under the
    // lock: a client that started one over a catalogue it merely failed to read, or over one
    // another client had just written, would wipe every entry of the site.
    if (!LockServerCatalogue())
        return 0;
    std::string bytes;
    int bOk = 0;
    if (!DownloadBytes(kCatalogue, bytes) && m_lastStatus.IsMissing()) {
        std::wstring strClient = ClientFilePath(L"Client.xml");
        if (!CEditOprt::IsFileExist(strClient)) {
            std::tm now = LocalNow();
            wchar_t line[64] = {};
            std::wcsftime(line, 64, L"%Y,%m,%d, %X", &now);
            CEditOprt::WriteTextFile(strClient, std::wstring(kVersionLinePrefix) + line + L"\n");
        }
        std::wstring strName = kCatalogue;
        bOk = UploadFile(strClient, strName);
    }
    UnlockServerCatalogue();
    return bOk;
}

int CMyFtpConnection::CheckClientVersion() {
    std::wstring strCopy = StagingPath(kCatalogue);
    fs::DeleteFile(strCopy);
    if (!m_pFtpConnection)
        return 0;
    if (!DownloadFile(kCatalogue, strCopy)) {
        if (m_lastStatus.IsMissing())
            CreateCatalogueIfMissing();
        return 0;
    }
    std::wstring strSiteLine;
    CEditOprt::ReadFirstLine(strCopy, strSiteLine);
    strSiteLine = text::Trim(strSiteLine);
    int nChanged = 0;
    std::wstring strClientLine;
    if (strSiteLine.empty()) {
        nChanged = 0;
    } else if (CEditOprt::ReadFirstLine(ClientFilePath(L"Client.xml"), strClientLine) &&
               !text::Trim(strClientLine).empty()) {
        nChanged = text::EqualsNoCase(text::Trim(strClientLine), strSiteLine) ? 0 : 1;
    } else {
        std::wstring strPartLibLine;
        CEditOprt::ReadFirstLine(ClientFilePath(L"Client_PartLib.xml"), strPartLibLine);
        nChanged = IsMainLibChangedSince(strCopy, strPartLibLine);
    }
    fs::DeleteFile(strCopy);
    return nChanged;
}

int CMyFtpConnection::IsMainLibChangedSince(std::wstring strCatalogueCopy,
                                            std::wstring strStampLine) {
    std::wstring strStamp = text::Trim(text::TrimLeft(strStampLine, kVersionLinePrefix));
    for (const std::wstring& strLine : CatalogueEntryLines(ReadCatalogueLines(strCatalogueCopy))) {
        STRUCT_FILE_INFO entry = ParseCatalogueEntry(strLine);
        bool bMainLib = text::EqualsNoCase(entry.m_strFile, kMainLibFile);
        if (strStamp.empty()) {
            if (bMainLib)
                return 1;
            continue;
        }
        // Entries stand newest first: the first one not newer than the stamp ends the search.
        if (text::CompareNoCase(entry.m_strTime, strStamp) <= 0)
            return 0;
        if (bMainLib)
            return 1;
    }
    return 0;
}

int CMyFtpConnection::RefreshClientVersion() {
    std::wstring strCopy = StagingPath(kCatalogue);
    fs::DeleteFile(strCopy);
    if (!DownloadFile(kCatalogue, strCopy))
        return 0;
    std::wstring strLine;
    CEditOprt::ReadFirstLine(strCopy, strLine);
    strLine = text::Trim(strLine);
    fs::DeleteFile(strCopy);
    if (strLine.empty())
        return 0;
    CEditOprt::WriteTextFile(ClientFilePath(L"Client.xml"), strLine);
    return CEditOprt::WriteTextFile(ClientFilePath(L"Client_PartLib.xml"), strLine);
}

int CMyFtpConnection::RecordServerChange(const std::wstring& strFile, int bWasUpToDate) {
    if (!LockServerCatalogue())
        return 0;
    int bOk = UpdateLockedCatalogue(strFile, L"MOD");
    // Released on every path: a lock left behind after a failure would hold up every client
    // of the site until one of them breaks it.
    UnlockServerCatalogue();
    // This client's own change must not make it look out of date.
    if (bOk && bWasUpToDate)
        RefreshClientVersion();
    return bOk;
}

int CMyFtpConnection::UpdateLockedCatalogue(const std::wstring& strFile,
                                            const std::wstring& strOprt) {
    std::wstring strCopy = StagingPath(kCatalogue);
    fs::DeleteFile(strCopy);
    // Renaming the catalogue away and back fails while another connection still writes it.
    // Should the way back fail, the catalogue is read under the probe name, and our upload
    // puts it back under its own.
    std::wstring strSource = kCatalogue;
    bool bMoved = m_pFtpConnection->Rename(kCatalogue, kCatalogueProbe).ok;
    if (bMoved && !m_pFtpConnection->Rename(kCatalogueProbe, kCatalogue))
        strSource = kCatalogueProbe;
    if (DownloadFile(strSource, strCopy)) {
        BackupServerCatalogue(strCopy);
    } else if (bMoved || !m_lastStatus.IsMissing() || IsNameListed(kCatalogue)) {
        std::wstring strMessage = L"下载Server.xml文件失败，未能更新服务器文件目录！";
        AppendServerLog(strMessage);
        ShowError(strMessage);
        return 0;
    }

    if (!COperateVersionFile(strCopy).UpdateCatalogue(strFile, strOprt)) {
        fs::DeleteFile(strCopy);
        return 0;
    }
    if (!VerifyServerCatalogue(strCopy, {strFile}, {strOprt}))
        return 0;
    std::wstring strName = kCatalogue;
    int bOk = UploadFile(strCopy, strName);
    if (bOk && strSource != kCatalogue)
        m_pFtpConnection->Delete(strSource);
    fs::DeleteFile(strCopy);
    return bOk;
}

int CMyFtpConnection::IsNameListed(const std::wstring& strName) {
    std::vector<std::wstring> arrNames;
    m_lastStatus = m_pFtpConnection->ListNames(L"", arrNames);
    for (const std::wstring& strListed : arrNames)
        if (text::EqualsNoCase(strListed, strName))
            return 1;
    // A listing that failed proves nothing either way.
    return m_lastStatus ? 0 : 1;
}

int CMyFtpConnection::SendFileToServer(std::wstring strLocal, std::wstring strRemote) {
    if (!EnsureConnected()) {
        ShowError(L"\n网络无连接,请检查网络连接后再重试!");
        return 0;
    }
    int bUpToDate = CheckClientVersion() == 0;
    if (!UploadFile(strLocal, strRemote))
        return 0;
    return RecordServerChange(strRemote, bUpToDate);
}

int CMyFtpConnection::CreateServerFolder(std::wstring strBase, std::wstring strName) {
    std::wstring strPath = JoinRemotePath(strBase, strName);
    if (!EnsureConnected())
        return 0;
    int bUpToDate = CheckClientVersion() == 0;
    if (!CreateServerFolderPath(strPath)) {
        ShowError(text::Format(L"创建目录%s失败！", strPath), ui::MB_ICONEXCLAMATION);
        return 0;
    }
    return RecordServerChange(strPath, bUpToDate);
}

int CMyFtpConnection::SendFolderToServer(std::wstring strRemoteBase, std::wstring strRemoteFolder,
                                         std::wstring strLocalFolder) {
    std::wstring strFolderName = CEditOprt::GetLastPathItem(L"\\" + strRemoteFolder);
    if (!ServerFolderExists(strRemoteFolder) && !CreateServerFolder(strRemoteBase, strFolderName))
        return 0;
    std::wstring strTarget = JoinRemotePath(strRemoteBase, strFolderName);
    int bAllSent = 1;
    for (const std::wstring& strEntry :
         fs::FindMatches(CEditOprt::JoinPath(strLocalFolder, L"*.*"))) {
        std::wstring strName = CEditOprt::GetFileNamePart(strEntry);
        if (fs::IsFolder(strEntry)) {
            if (!SendFolderToServer(strTarget, JoinRemotePath(strRemoteFolder, strName), strEntry))
                bAllSent = 0;
            continue;
        }
        std::wstring strExt = CEditOprt::GetExtension(strName);
        if (!text::EqualsNoCase(strExt, L"dwg") && !text::EqualsNoCase(strExt, L"itm") &&
            !text::EqualsNoCase(strExt, L"prj"))
            continue;
        SyncPause(1000);
        if (!SendFileToServer(strEntry, JoinRemotePath(strTarget, strName)))
            bAllSent = 0;
    }
    return bAllSent;
}
