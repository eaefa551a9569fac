#include "server/FtpLoginInfo.h"

#include "platform/text/TextFile.h"
#include "platform/text/WideString.h"
#include "store/LetterCode.h"

#include <vector>

int ReadFtpLoginInfo(const std::wstring& strPath, FtpLoginInfo& info) {
    info = FtpLoginInfo();
    std::vector<std::wstring> letterLines;
    if (!text::ReadTextLines(strPath, letterLines))
        return 0;
    std::vector<std::wstring> lines(11);
    for (size_t i = 0; i < letterLines.size() && i < lines.size(); ++i)
        if (!TryDecodeLetters(text::Trim(letterLines[i]), lines[i]))
            return 0;
    info.strRemoteDir = text::Trim(lines[1]);
    info.strServer = text::Trim(lines[2]);
    info.nPort = text::ToInt(lines[3]);
    info.bAnonymous = text::Trim(lines[4]) == L"1" ? 1 : 0;
    if (!info.bAnonymous) {
        info.strUser = lines[5];
        info.strPassword = lines[6];
    }
    info.bPassive = text::Trim(lines[10]) == L"1" ? 1 : 0;
    return info.strServer.empty() ? 0 : 1;
}
