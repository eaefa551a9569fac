#include "server/WordDictionaryRefresh.h"

#include "drawing/EditOprt.h"
#include "server/MyFtpConnection.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

namespace {

std::function<int(const std::wstring&)>& TestDownload() {
    static std::function<int(const std::wstring&)> download;
    return download;
}

} // namespace

int DownloadWordDictionary(const std::wstring& strLocalPath) {
    if (TestDownload())
        return TestDownload()(strLocalPath);
    // Before every command: a server found unreachable a moment ago is not waited for again.
    CMyFtpConnection connection;
    if (!connection.ConnectUnlessRecentlyUnreachable())
        return 0;
    int bOk = connection.DownloadFile(L"Data\\word.mdb", strLocalPath);
    connection.Disconnect();
    return bOk;
}

int RefreshWordDictionaryFromServer() {
    int nKind = GetCurTessalInstallStyle();
    if (nKind != 1 && nKind != 2)
        return 0;
    return DownloadWordDictionary(CEditOprt::JoinPath(GetInstallPath_TL(), L"Data\\word.mdb"));
}

void SetWordDictionaryDownloadForTesting(std::function<int(const std::wstring&)> download) {
    TestDownload() = std::move(download);
}
