#include "store/WordDictionaryDownload.h"

#include "platform/cad/CommandLine.h"

namespace {

std::function<int(const std::wstring&)>& TestDownload() {
    static std::function<int(const std::wstring&)> download;
    return download;
}

} // namespace

int DownloadWordDictionary(const std::wstring& strLocalPath) {
    if (TestDownload())
        return TestDownload()(strLocalPath);
    // The FTP connection joins here once the server client is part of the build. Until then
    // the user is told once, and the local copy is used.
    static bool bTold = false;
    if (!bTold) {
        bTold = true;
        acutPrintf(L"\n%s\n", L"从服务器更新词库的功能尚未提供，使用本地词库。");
    }
    return 0;
}

void SetWordDictionaryDownloadForTesting(std::function<int(const std::wstring&)> download) {
    TestDownload() = std::move(download);
}
