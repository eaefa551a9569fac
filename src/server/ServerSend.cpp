// Sending files and folders to the site, each send recorded in the catalogue by one update.

#include "drawing/EditOprt.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WaitCursor.h"
#include "server/CatalogueSite.h"
#include "server/MyFtpConnection.h"

using namespace catalogue_site;

namespace {

void ShowNoNetwork() {
    ShowError(L"\n网络无连接,请检查网络连接后再重试!");
}

void ShowFolderNotMade(const std::wstring& strPath) {
    ui::MessageBox(nullptr, text::Format(L"创建目录%s失败！", strPath), L"Tessaline",
                   ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

bool IsSentKind(const std::wstring& strName) {
    std::wstring strExt = CEditOprt::GetExtension(strName);
    return text::EqualsNoCase(strExt, L"dwg") || text::EqualsNoCase(strExt, L"itm") ||
           text::EqualsNoCase(strExt, L"prj");
}

} // namespace

void CMyFtpConnection::ReportUnrecordedFiles(const std::wstring& strFailure,
                                             const std::vector<std::wstring>& arrFiles) {
    AppendServerLog(strFailure);
    ShowError(strFailure + L"\n以下文件和目录已在服务器上，但没有记入Server.xml：\n" +
              text::Join(arrFiles, L"\n"));
}

int CMyFtpConnection::SendFileToServer(std::wstring strLocal, std::wstring strRemote) {
    if (!EnsureConnected()) {
        ShowNoNetwork();
        return 0;
    }
    ui::CWaitCursor waitCursor;
    int bUpToDate = CheckClientVersion() == 0;
    if (!UploadFile(strLocal, strRemote))
        return 0;
    std::wstring strFailure;
    if (RecordServerChanges({strRemote}, bUpToDate, strFailure))
        return 1;
    ReportUnrecordedFiles(strFailure, {strRemote});
    return 0;
}

int CMyFtpConnection::CreateServerFolder(std::wstring strBase, std::wstring strName) {
    std::wstring strPath = JoinRemotePath(strBase, strName);
    if (!EnsureConnected())
        return 0;
    int bUpToDate = CheckClientVersion() == 0;
    if (!CreateServerFolderPath(strPath)) {
        ShowFolderNotMade(strPath);
        return 0;
    }
    std::wstring strFailure;
    if (RecordServerChanges({strPath}, bUpToDate, strFailure))
        return 1;
    ReportUnrecordedFiles(strFailure, {strPath});
    return 0;
}

int CMyFtpConnection::SendFolderToServer(std::wstring strRemoteBase, std::wstring strRemoteFolder,
                                         std::wstring strLocalFolder) {
    if (!EnsureConnected()) {
        ShowNoNetwork();
        return 0;
    }
    ui::CWaitCursor waitCursor;
    int bUpToDate = CheckClientVersion() == 0;
    // Files first, then one catalogue update for all of them: the lock is held for a moment,
    // not for the whole transfer.
    std::vector<std::wstring> arrSent;
    int bAllSent = CollectFolderSend(strRemoteBase, strRemoteFolder, strLocalFolder, arrSent);
    if (arrSent.empty())
        return bAllSent;
    std::wstring strFailure;
    if (!RecordServerChanges(arrSent, bUpToDate, strFailure)) {
        ReportUnrecordedFiles(strFailure, arrSent);
        return 0;
    }
    return bAllSent;
}

// Uploads what the folder holds and lists, in the order the changes happened, the folders made
// and the files sent: the catalogue then holds them newest first, as one update per change
// would have left them.
int CMyFtpConnection::CollectFolderSend(const std::wstring& strRemoteBase,
                                        const std::wstring& strRemoteFolder,
                                        const std::wstring& strLocalFolder,
                                        std::vector<std::wstring>& arrSent) {
    std::wstring strFolderName = CEditOprt::GetLastPathItem(L"\\" + strRemoteFolder);
    std::wstring strTarget = JoinRemotePath(strRemoteBase, strFolderName);
    if (!EnsureConnected())
        return 0;
    if (!m_pFtpConnection->FolderExists(strRemoteFolder)) {
        if (!CreateServerFolderPath(strTarget)) {
            ShowFolderNotMade(strTarget);
            return 0;
        }
        arrSent.push_back(strTarget);
    }
    int bAllSent = 1;
    for (const std::wstring& strEntry :
         fs::FindMatches(CEditOprt::JoinPath(strLocalFolder, L"*.*"))) {
        std::wstring strName = CEditOprt::GetFileNamePart(strEntry);
        if (fs::IsFolder(strEntry)) {
            if (!CollectFolderSend(strTarget, JoinRemotePath(strRemoteFolder, strName), strEntry,
                                   arrSent))
                bAllSent = 0;
        } else if (IsSentKind(strName)) {
            std::wstring strRemote = JoinRemotePath(strTarget, strName);
            if (UploadFile(strEntry, strRemote))
                arrSent.push_back(strRemote);
            else
                bAllSent = 0;
        }
    }
    return bAllSent;
}
