// One catalogue update of CMyFtpConnection: every file of a send recorded under one lock.
//
// Under the lock: download the catalogue and its backup, add the entries to the working copy,
// check it against the backup, upload it under a temporary name, look again, store the backup,
// rename the upload over "Server.xml", unlock. The look before the rename is what keeps an
// update from dropping another client's entry: clients that store their lock record over ours
// (as Windows clients do) or change the catalogue meanwhile are seen there.

#include "drawing/EditOprt.h"
#include "platform/fs/FileIo.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/text/TextFile.h"
#include "platform/text/WideString.h"
#include "server/CatalogueSite.h"
#include "server/MyFtpConnection.h"
#include "server/OperateVersionFile.h"

#include <algorithm>

using namespace catalogue_site;

namespace {

// Times the lock is taken again after another client took it from us, and times our entries
// are merged into a catalogue that changed under our lock, before the update is abandoned.
constexpr int kLockRounds = 5;
constexpr int kMergeRounds = 3;

const wchar_t kDownloadFailed[] = L"下载Server.xml文件失败，未能更新服务器文件目录！";

std::function<void()>& BeforeLook() {
    static std::function<void()> action;
    return action;
}

} // namespace

void SetBeforeCatalogueLookForTesting(std::function<void()> action) {
    BeforeLook() = std::move(action);
}

struct CMyFtpConnection::CatalogueState {
    bool bExists = false;
    std::string bytes;

    bool operator==(const CatalogueState&) const = default;
};

int CMyFtpConnection::DownloadCatalogueState(CatalogueState& state) {
    state = CatalogueState();
    if (DownloadBytes(kCatalogue, state.bytes)) {
        state.bExists = true;
        return 1;
    }
    if (!m_lastStatus.IsMissing())
        return 0;
    // A catalogue is started anew only when the server says it is not there and a listing of
    // the base folder agrees; one that merely could not be read stops the update. Windows
    // clients rename it to "Server_Tmp.xml" and back before they read it: caught in between,
    // it is read under that name.
    std::vector<std::wstring> arrNames;
    m_lastStatus = m_pFtpConnection->ListNames(L"", arrNames);
    if (!m_lastStatus)
        return 0;
    auto listed = [&](const std::wstring& strName) {
        return std::any_of(arrNames.begin(), arrNames.end(), [&](const std::wstring& strListed) {
            return text::EqualsNoCase(strListed, strName);
        });
    };
    if (listed(kCatalogue))
        return 0;
    if (listed(kCatalogueProbe)) {
        state.bExists = DownloadBytes(kCatalogueProbe, state.bytes);
        return state.bExists ? 1 : 0;
    }
    return 1;
}

int CMyFtpConnection::RecordServerChanges(const std::vector<std::wstring>& arrFiles,
                                          int bWasUpToDate, std::wstring& strFailure) {
    for (int nRound = 0; nRound < kLockRounds; ++nRound) {
        if (!LockServerCatalogue()) {
            strFailure = L"未能取得Server.xml文件的更新锁，服务器文件目录未更新！";
            return 0;
        }
        std::wstring strVersionLine;
        UpdateResult result = UpdateLockedCatalogue(arrFiles, strVersionLine, strFailure);
        // A lock another client holds now is left alone; ours is released on every other path,
        // as one left behind would hold up every client until one of them breaks it. After a
        // failure nobody looked at the lock lately: it is removed only if it still is ours.
        if (result == UpdateResult::LockLost)
            continue;
        if (result == UpdateResult::Failed) {
            UnlockServerCatalogue();
            return 0;
        }
        DeleteIfStillOurLock();
        // This client's own change must not make it look out of date.
        if (bWasUpToDate) {
            CEditOprt::WriteTextFile(ClientFilePath(L"Client.xml"), strVersionLine);
            CEditOprt::WriteTextFile(ClientFilePath(L"Client_PartLib.xml"), strVersionLine);
        }
        return 1;
    }
    strFailure = L"Server.xml文件的更新锁一再被其它客户端取得，服务器文件目录未更新！";
    return 0;
}

CMyFtpConnection::UpdateResult
CMyFtpConnection::UpdateLockedCatalogue(const std::vector<std::wstring>& arrFiles,
                                        std::wstring& strVersionLine, std::wstring& strFailure) {
    CatalogueState site;
    if (!DownloadCatalogueState(site)) {
        strFailure = kDownloadFailed;
        return UpdateResult::Failed;
    }
    // A backup that cannot be read (other than missing) is left as it is: it may be the only
    // good copy.
    std::string backup;
    bool bBackupReadable = DownloadBytes(kBackup, backup) || m_lastStatus.IsMissing();

    std::wstring strTemporary;
    for (int nMerge = 0; nMerge < kMergeRounds; ++nMerge) {
        size_t nSite = CatalogueLines(site.bytes).size();
        size_t nBackup = CatalogueLines(backup).size();
        bool bStoreBackup = bBackupReadable && (nBackup == 0 || nBackup <= nSite);
        // The backup as the site holds it once this update has stored it (or left it).
        const std::string& baseline = bStoreBackup ? site.bytes : backup;
        std::string updated;
        if (!WriteUpdatedCatalogue(site.bytes, baseline, arrFiles, updated, strFailure) ||
            !PutTemporary(kCatalogue, updated, strTemporary)) {
            if (!strTemporary.empty())
                DeleteLeftover(strTemporary); // put there by an earlier round
            if (strFailure.empty())
                strFailure =
                    text::Format(L"文件 %s 上传失败，请确认是否被其它客户端用户调用！", kCatalogue);
            return UpdateResult::Failed;
        }

        // The look before the catalogue is replaced.
        if (BeforeLook())
            BeforeLook()();
        if (!IsLockOurs()) {
            DeleteLeftover(strTemporary);
            return UpdateResult::LockLost;
        }
        CatalogueState now;
        if (!DownloadCatalogueState(now)) {
            DeleteLeftover(strTemporary);
            strFailure = kDownloadFailed;
            return UpdateResult::Failed;
        }
        if (!(now == site)) {
            // Changed under our lock: our entries go into the catalogue as it is now.
            site = std::move(now);
            continue;
        }

        if (!bStoreBackup || !RunWithReconnect([&](net::FtpSession& session) {
                return session.Upload(kBackup, site.bytes);
            }))
            AppendServerLog(L"备份Server.xml文件时出错！");
        if (!MoveTemporaryOver(strTemporary, kCatalogue, updated)) {
            strFailure =
                text::Format(L"文件 %s 上传失败，请确认是否被其它客户端用户调用！", kCatalogue);
            return UpdateResult::Failed;
        }
        std::vector<std::wstring> arrLines = CatalogueLines(updated);
        strVersionLine = arrLines.empty() ? std::wstring() : arrLines.front();
        return UpdateResult::Done;
    }
    DeleteLeftover(strTemporary);
    strFailure = L"Server.xml文件在更新期间一再被其它客户端改动，服务器文件目录未更新！";
    return UpdateResult::Failed;
}

// The working copy "TempFTP\Server.xml": the catalogue with the new entries, checked against
// the backup. A copy with fewer lines than the backup lost entries: it is rebuilt from the
// backup with the same entries added.
int CMyFtpConnection::WriteUpdatedCatalogue(const std::string& catalogue,
                                            const std::string& baseline,
                                            const std::vector<std::wstring>& arrFiles,
                                            std::string& updated, std::wstring& strFailure) {
    std::wstring strCopy = StagingPath(kCatalogue);
    std::vector<std::wstring> arrOprts(arrFiles.size(), L"MOD");
    auto update = [&](const std::string& from) {
        int cause = 0;
        if (!fs::WriteBytes(strCopy, from, &cause) ||
            !COperateVersionFile(strCopy).UpdateCatalogue(arrFiles, arrOprts) ||
            !fs::ReadBytes(strCopy, updated, &cause)) {
            strFailure = text::Format(L"%s 文件不能写入，错误码为 %d，服务器文件目录未更新！",
                                      strCopy, cause ? cause : fs::kGenericError);
            return false;
        }
        return true;
    };
    bool bOk = update(catalogue);
    std::vector<std::wstring> arrCopy = CatalogueLines(updated);
    std::vector<std::wstring> arrBackup = CatalogueLines(baseline);
    if (bOk && arrBackup.size() > arrCopy.size()) {
        bOk = update(baseline);
        arrCopy = CatalogueLines(updated);
        if (bOk && arrCopy.size() < arrBackup.size()) {
            strFailure = L"利用备份数据更新Server.xml仍然出错！";
            if (!arrCopy.empty())
                strFailure = arrCopy.back() + L"," + strFailure;
            bOk = false;
        }
    } else if (bOk) {
        if (arrCopy.size() < 2)
            AppendServerLog(arrCopy.empty()
                                ? std::wstring(L"更新后Server.xml文件数据为空！")
                                : text::Format(L"%s,更新Server.xml文件仅有一条数据！", arrCopy[0]));
        if (arrBackup.size() < 2)
            AppendServerLog(arrBackup.empty() ? std::wstring(L"Server.backup文件不存在或数据为空！")
                                              : text::Format(L"%s,Server.backup文件仅有一条数据！",
                                                             arrBackup[0]));
    }
    fs::DeleteFile(strCopy);
    return bOk ? 1 : 0;
}
