#include "server/WordDictionaryRefresh.h"

#include "drawing/EditOprt.h"
#include "server/MyFtpConnection.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

int RefreshWordDictionaryFromServer() {
    int nKind = GetCurTessalInstallStyle();
    if (nKind != 1 && nKind != 2)
        return 0;
    std::wstring strLocal = CEditOprt::JoinPath(GetInstallPath_TL(), L"Data\\word.mdb");
    CMyFtpConnection connection;
    if (!connection.Connect())
        return 0;
    int bOk = connection.DownloadFile(L"Data\\word.mdb", strLocal);
    connection.Disconnect();
    return bOk;
}
