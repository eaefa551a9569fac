// The catalogue protocol of CMyFtpConnection: version checks, the lock and the log.

#include "drawing/EditOprt.h"
#include "platform/fs/FileIo.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "platform/text/TextFile.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"
#include "server/CatalogueLock.h"
#include "server/CatalogueSite.h"
#include "server/MyFtpConnection.h"
#include "server/OperateVersionFile.h"
#include "server/SyncPause.h"

namespace catalogue_site {

std::vector<std::wstring> BytesToLines(std::string_view bytes) {
    return text::SplitTextLines(text::AnsiCodePage().Decode(bytes));
}

std::vector<std::wstring> CatalogueLines(std::string_view bytes) {
    std::vector<std::wstring> lines;
    for (const std::wstring& line : BytesToLines(bytes))
        if (!text::Trim(line).empty())
            lines.push_back(text::Trim(line));
    return lines;
}

void ShowError(const std::wstring& strMessage) {
    ui::MessageBox(nullptr, strMessage, L"Tessaline", ui::MB_OK | ui::MB_ICONERROR);
}

std::tm LocalNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

} // namespace catalogue_site

using namespace catalogue_site;

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
            m_pFtpConnection->Delete(kLock);
        } else if (!m_lastStatus.IsMissing()) {
            break;
        }
        // The lock is free. Our record is appended rather than stored: when several clients
        // find it free at the same moment, the server keeps every record whole and in order and
        // the first one holds the lock. Whether it is ours is seen at the look before the
        // catalogue is replaced, which also catches a client that stored its record over ours.
        std::string record = text::EncodeTextLines(FormatLockRecord(me));
        m_lockTakenAt = std::chrono::steady_clock::now();
        if (!RunWithReconnect(
                [&](net::FtpSession& session) { return session.Upload(kLock, record, true); })) {
            return 0;
        }
        return 1;
    }
    // The lock could not be read, or kept changing hands for as long as a client should wait.
    return 0;
}

int CMyFtpConnection::IsLockOurs() {
    std::string bytes;
    if (!DownloadBytes(kLock, bytes))
        return 0;
    return JudgeLockHolder(ParseLockHolder(BytesToLines(bytes)),
                           ThisProcessLockHolder(GetLocalHostId())) == LockHolderKind::ThisProcess;
}

int CMyFtpConnection::UnlockServerCatalogue() {
    m_lockTakenAt = {};
    return DeleteIfStillOurLock();
}

int CMyFtpConnection::DeleteIfStillOurLock() {
    if (!EnsureConnected())
        return 0;
    // A lock taken a moment ago and seen ours at the look before the catalogue was replaced is
    // still ours: others break a lock only after watching it for longer. Later, a lock broken
    // and taken by another client meanwhile is not ours to remove.
    bool bSurelyOurs = m_lockTakenAt != std::chrono::steady_clock::time_point() &&
                       std::chrono::steady_clock::now() - m_lockTakenAt < kLockSurelyOurs;
    m_lockTakenAt = {};
    if (!bSurelyOurs && !IsLockOurs())
        return m_lastStatus.IsMissing() ? 1 : 0;
    m_lastStatus = m_pFtpConnection->Delete(kLock);
    return m_lastStatus ? 1 : 0;
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
        std::wstring strTemporary;
        bOk = fs::ReadBytes(strClient, bytes) && PutTemporary(kCatalogue, bytes, strTemporary);
        // Two clients may both have found the lock free: only the holder puts its catalogue in
        // place, or it might replace one the other has already filled.
        if (bOk && !IsLockOurs()) {
            DeleteLeftover(strTemporary);
            return 0;
        }
        bOk = bOk && MoveTemporaryOver(strTemporary, kCatalogue, bytes);
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
    std::vector<std::wstring> arrLines;
    CEditOprt::ReadLines(strCatalogueCopy, arrLines, 0);
    for (const std::wstring& strLine : CatalogueEntryLines(arrLines)) {
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
