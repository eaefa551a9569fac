#include "server/FtpLoginInfo.h"

#include "platform/text/CodePage.h"
#include "platform/text/TextFile.h"
#include "platform/text/WideString.h"

#include <vector>

bool DecodeLetterLine(std::wstring_view letters, std::wstring& line) {
    line.clear();
    if (letters.size() % 2 != 0)
        return false;
    std::string bytes;
    for (size_t i = 0; i < letters.size(); i += 2) {
        wchar_t high = letters[i], low = letters[i + 1];
        if (high < L'a' || high > L'p' || low < L'a' || low > L'p')
            return false;
        bytes.push_back(static_cast<char>(16 * (high - L'a') + (low - L'a')));
    }
    line = text::AnsiCodePage().Decode(bytes);
    return true;
}

int ReadFtpLoginInfo(const std::wstring& strPath, FtpLoginInfo& info) {
    info = FtpLoginInfo();
    std::vector<std::wstring> letterLines;
    if (!text::ReadTextLines(strPath, letterLines))
        return 0;
    std::vector<std::wstring> lines(11);
    for (size_t i = 0; i < letterLines.size() && i < lines.size(); ++i)
        if (!DecodeLetterLine(text::Trim(letterLines[i]), lines[i]))
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
