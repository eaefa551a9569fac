#include "store/LetterCode.h"

#include "server/FtpLoginInfo.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

std::string LoginFile(const std::vector<std::wstring>& lines) {
    std::string bytes;
    for (const std::wstring& line : lines)
        bytes += ovtest::Cp936(EncodeLetters(line)) + "\r\n";
    return bytes;
}

TEST(FtpLoginInfo, ReadsTheLinesItUses) {
    ovtest::TempFolder folder;
    folder.WriteBytes(L"login.sys", LoginFile({L"x", L"模板库", L"ftp.example.com", L"2121", L"0",
                                               L"张三", L"p w", L"", L"", L"", L"1"}));
    FtpLoginInfo info;
    ASSERT_EQ(ReadFtpLoginInfo(folder.Path(L"login.sys"), info), 1);
    EXPECT_EQ(info.strRemoteDir, L"模板库");
    EXPECT_EQ(info.strServer, L"ftp.example.com");
    EXPECT_EQ(info.nPort, 2121);
    EXPECT_EQ(info.bAnonymous, 0);
    EXPECT_EQ(info.strUser, L"张三");
    EXPECT_EQ(info.strPassword, L"p w");
    EXPECT_EQ(info.bPassive, 1);

    // "1" on line 5 logs in anonymously whatever lines 6 and 7 hold; a short file leaves the
    // rest at its defaults (port 0 is the default port, active transfers).
    folder.WriteBytes(L"login.sys", LoginFile({L"", L"", L"10.0.0.1", L"", L"1", L"u", L"p"}));
    ASSERT_EQ(ReadFtpLoginInfo(folder.Path(L"login.sys"), info), 1);
    EXPECT_EQ(info.bAnonymous, 1);
    EXPECT_EQ(info.strUser, L"");
    EXPECT_EQ(info.strPassword, L"");
    EXPECT_EQ(info.nPort, 0);
    EXPECT_EQ(info.bPassive, 0);
}

TEST(FtpLoginInfo, RefusesMissingGarbledOrServerlessFiles) {
    ovtest::TempFolder folder;
    FtpLoginInfo info;
    EXPECT_EQ(ReadFtpLoginInfo(folder.Path(L"missing.sys"), info), 0);
    folder.WriteBytes(L"plain.sys", "\r\nbase\r\n10.0.0.1\r\n21\r\n");
    EXPECT_EQ(ReadFtpLoginInfo(folder.Path(L"plain.sys"), info), 0) << "not in letters";
    folder.WriteBytes(L"empty.sys", LoginFile({L"x", L"base", L"", L"21"}));
    EXPECT_EQ(ReadFtpLoginInfo(folder.Path(L"empty.sys"), info), 0) << "no server";
}

} // namespace
