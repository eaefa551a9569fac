#include "FtpTestSite.h"

#include "platform/text/TextFile.h"
#include "platform/text/Utf8.h"
#include "server/MyFtpConnection.h"
#include "server/OperateVersionFile.h"

#include <regex>

namespace {

using ovtest::FtpClientTest;

std::vector<std::wstring> CatalogueFiles(const std::vector<std::wstring>& lines) {
    std::vector<std::wstring> files;
    for (const std::wstring& line : CatalogueEntryLines(lines))
        files.push_back(ParseCatalogueEntry(line).m_strFile);
    return files;
}

TEST_F(FtpClientTest, SendingRecordsEachFileOnceAndKeepsTheClientCurrent) {
    installation.WriteBytes(L"a.dwg", "a1");
    site.Write(L"图纸\\.keep", "");
    CMyFtpConnection connection;

    ASSERT_EQ(connection.SendFileToServer(installation.Path(L"a.dwg"), L"图纸\\电气#1 %20.dwg"), 1);
    std::vector<std::wstring> first = site.Lines(L"Server.xml");
    ASSERT_EQ(first.size(), 2u);
    EXPECT_TRUE(IsVersionLine(first[0]));
    EXPECT_EQ(CatalogueFiles(first), std::vector<std::wstring>{L"图纸\\电气#1 %20.dwg"});
    // On the server's disk the names are the CP936 bytes the Windows clients send.
    EXPECT_EQ(site.Read(L"图纸\\电气#1 %20.dwg"), "a1");
    EXPECT_FALSE(site.Exists(L"Server.xml.bak")) << "the lock is released";
    // The client was up to date before its own send, so it still is.
    std::wstring client;
    ASSERT_TRUE(text::ReadFirstTextLine(installation.Path(L"Client.xml"), client));
    EXPECT_EQ(client, first[0]);
    EXPECT_EQ(connection.CheckClientVersion(), 0);

    installation.WriteBytes(L"b.dwg", "b");
    installation.WriteBytes(L"a.dwg", "a2");
    ASSERT_EQ(connection.SendFileToServer(installation.Path(L"b.dwg"), L"b.dwg"), 1);
    ASSERT_EQ(connection.SendFileToServer(installation.Path(L"a.dwg"), L"图纸\\电气#1 %20.dwg"), 1);
    std::vector<std::wstring> third = site.Lines(L"Server.xml");
    EXPECT_EQ(CatalogueFiles(third),
              (std::vector<std::wstring>{L"图纸\\电气#1 %20.dwg", L"b.dwg"}));
    EXPECT_GT(third[0], first[0]);
    EXPECT_EQ(ParseCatalogueEntry(third[1]).m_strTime, third[0].substr(kVersionLinePrefix.size()));
    ASSERT_TRUE(text::ReadFirstTextLine(installation.Path(L"Client.xml"), client));
    EXPECT_EQ(client, third[0]);
    // The backup holds the catalogue as it was before the last update.
    EXPECT_EQ(site.Lines(L"Server.backup").size(), 3u);

    // Another client's change makes this one out of date.
    installation.WriteBytes(L"Client.xml", ovtest::Cp936(L"版本日期：2000,01,01,00,00,00"));
    EXPECT_EQ(connection.CheckClientVersion(), 1);
    EXPECT_EQ(connection.RefreshClientVersion(), 1);
    EXPECT_EQ(connection.CheckClientVersion(), 0);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(FtpClientTest, TheLockIsTakenOverLeftoversAndBrokenAfterSixLooks) {
    CMyFtpConnection connection;
    ASSERT_EQ(connection.Connect(), 1);
    std::wstring me = CMyFtpConnection::GetLocalHostId();
    EXPECT_TRUE(std::regex_match(text::ToUtf8(me), std::regex(R"([0-9.]*\(.+\))")));

    // A lock naming only this host was left by an earlier run: removed at once.
    site.Write(L"Server.xml.bak", ovtest::Cp936Lines({me}));
    ASSERT_EQ(connection.LockServerCatalogue(), 1);
    EXPECT_TRUE(pauses.empty());
    std::vector<std::wstring> lock = site.Lines(L"Server.xml.bak");
    ASSERT_EQ(lock.size(), 2u);
    EXPECT_EQ(lock[0], me);
    EXPECT_EQ(connection.LockServerCatalogue(), 1) << "held already";
    EXPECT_EQ(connection.UnlockServerCatalogue(), 1);
    EXPECT_FALSE(site.Exists(L"Server.xml.bak"));

    // Another client's lock is waited for, six looks 400 ms apart, then broken.
    site.Write(L"Server.xml.bak", ovtest::Cp936Lines({L"10.9.9.9(other)"}));
    ASSERT_EQ(connection.LockServerCatalogue(), 1);
    EXPECT_EQ(pauses, std::vector<int>(6, 400));
    EXPECT_EQ(site.Lines(L"Server.xml.bak")[0], me);

    // A lock that is not ours is never removed by our unlock.
    site.Write(L"Server.xml.bak", ovtest::Cp936Lines({L"10.9.9.9(other)"}));
    EXPECT_EQ(connection.UnlockServerCatalogue(), 0);
    EXPECT_TRUE(site.Exists(L"Server.xml.bak"));
}

TEST_F(FtpClientTest, ACatalogueShorterThanItsBackupIsRestoredAndUpdatedAgain) {
    std::vector<std::wstring> backup = {L"版本日期：2024,01,05,00,00,00"};
    for (const wchar_t* file : {L"d.dwg", L"c.dwg", L"b.dwg", L"a.dwg"})
        backup.push_back(std::wstring(file) + L"|2024,01,01,00,00,00|MOD");
    site.Write(L"Server.backup", ovtest::Cp936Lines(backup));
    site.Write(L"Server.xml", ovtest::Cp936Lines({backup[0], backup[1]}));
    installation.WriteBytes(L"f.dwg", "f");
    CMyFtpConnection connection;
    ASSERT_EQ(connection.SendFileToServer(installation.Path(L"f.dwg"), L"f.dwg"), 1);
    EXPECT_EQ(CatalogueFiles(site.Lines(L"Server.xml")),
              (std::vector<std::wstring>{L"f.dwg", L"d.dwg", L"c.dwg", L"b.dwg", L"a.dwg"}));
    std::vector<std::wstring> log = site.Lines(L"OS.log");
    ASSERT_EQ(log.size(), 1u);
    EXPECT_TRUE(std::regex_match(
        text::ToUtf8(log[0]),
        std::regex(R"(\[TIME:\]\d{4}-\d{1,2}-\d{1,2} \d{1,2}:\d{1,2}:\d{1,2}  \[HOST:\].+\(.+\)  )"
                   R"(\[OPRT:\]备份Server\.xml文件时出错！)")))
        << text::ToUtf8(log[0]);
    EXPECT_FALSE(site.Exists(L"Server.xml.bak"));
}

TEST_F(FtpClientTest, AFailedCatalogueUpdateReleasesTheLock) {
    site.Write(L"Server.xml", ovtest::Cp936Lines({L"版本日期：2024,01,05,00,00,00", L"x|t|MOD"}));
    installation.WriteBytes(L"f.dwg", "f");
    // The working copy cannot be written: a folder stands in its place.
    installation.MakeFolder(L"TempFTP\\Server.xml");
    CMyFtpConnection connection;
    EXPECT_EQ(connection.SendFileToServer(installation.Path(L"f.dwg"), L"f.dwg"), 0);
    EXPECT_FALSE(site.Exists(L"Server.xml.bak"));
    EXPECT_EQ(site.Lines(L"Server.xml").size(), 2u) << "the catalogue is left as it was";
    ASSERT_FALSE(boxes.Boxes().empty());
    EXPECT_EQ(boxes.Boxes().back().text, L"下载Server.xml文件失败，未能更新服务器文件目录！");
}

TEST_F(FtpClientTest, AFolderIsSentWithItsDrawingsOneSecondApart) {
    for (const wchar_t* file :
         {L"柜1\\a.dwg", L"柜1\\b.DWG", L"柜1\\notes.txt", L"柜1\\柜1.prj", L"柜1\\sub\\c.itm"})
        installation.WriteBytes(file, "x");
    CMyFtpConnection connection;
    ASSERT_EQ(connection.SendFolderToServer(L"Template\\prjs", L"Template\\prjs\\柜1",
                                            installation.Path(L"柜1")),
              1);
    EXPECT_EQ(pauses, std::vector<int>(4, 1000));
    for (const wchar_t* file : {L"a.dwg", L"b.DWG", L"柜1.prj", L"sub\\c.itm"})
        EXPECT_TRUE(site.Exists(L"Template\\prjs\\柜1\\" + std::wstring(file))) << file;
    EXPECT_FALSE(site.Exists(L"Template\\prjs\\柜1\\notes.txt"));
    std::vector<std::wstring> files = CatalogueFiles(site.Lines(L"Server.xml"));
    EXPECT_EQ(files, (std::vector<std::wstring>{
                         L"Template\\prjs\\柜1\\柜1.prj", L"Template\\prjs\\柜1\\sub\\c.itm",
                         L"Template\\prjs\\柜1\\sub", L"Template\\prjs\\柜1\\b.DWG",
                         L"Template\\prjs\\柜1\\a.dwg", L"Template\\prjs\\柜1"}));
    EXPECT_FALSE(site.Exists(L"Server.xml.bak"));
}

} // namespace
