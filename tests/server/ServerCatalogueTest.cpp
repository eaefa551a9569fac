#include "FtpTestSite.h"

#include "platform/text/TextFile.h"
#include "platform/text/Utf8.h"
#include "server/MyFtpConnection.h"
#include "server/OperateVersionFile.h"

#include <algorithm>
#include <regex>

namespace {

using ovtest::FtpClientTest;

size_t CountCommands(const std::vector<std::string>& commands, const std::string& part) {
    return std::count_if(commands.begin(), commands.end(), [&](const std::string& command) {
        return command.find(part) != std::string::npos;
    });
}

std::vector<std::wstring> CatalogueFiles(const std::vector<std::wstring>& lines) {
    std::vector<std::wstring> files;
    for (const std::wstring& line : CatalogueEntryLines(lines))
        files.push_back(ParseCatalogueEntry(line).m_strFile);
    return files;
}

TEST_P(FtpClientTest, SendingRecordsEachFileOnceAndKeepsTheClientCurrent) {
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

TEST_P(FtpClientTest, TheLockIsTakenOverLeftoversAndBrokenAfterSixLooks) {
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

TEST_P(FtpClientTest, ACatalogueShorterThanItsBackupIsRestoredAndUpdatedAgain) {
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

TEST_P(FtpClientTest, AFailedCatalogueUpdateReleasesTheLockAndNamesWhatWasNotRecorded) {
    site.Write(L"Server.xml", ovtest::Cp936Lines({L"版本日期：2024,01,05,00,00,00", L"x|t|MOD"}));
    installation.WriteBytes(L"f.dwg", "f");
    // The working copy cannot be written: a folder stands in its place.
    installation.MakeFolder(L"TempFTP\\Server.xml");
    CMyFtpConnection connection;
    EXPECT_EQ(connection.SendFileToServer(installation.Path(L"f.dwg"), L"f.dwg"), 0);
    EXPECT_FALSE(site.Exists(L"Server.xml.bak"));
    EXPECT_EQ(site.Lines(L"Server.xml").size(), 2u) << "the catalogue is left as it was";
    EXPECT_EQ(site.Read(L"f.dwg"), "f") << "the file itself was sent";
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    std::wstring box = boxes.Boxes().back().text;
    EXPECT_TRUE(box.starts_with(installation.Path(L"TempFTP\\Server.xml") + L" 文件不能写入"))
        << text::ToUtf8(box);
    EXPECT_TRUE(box.ends_with(L"没有记入Server.xml：\nf.dwg")) << text::ToUtf8(box);
    EXPECT_EQ(site.Lines(L"OS.log").size(), 1u) << "and logged";
}

TEST_P(FtpClientTest, AFolderIsSentWholeAndRecordedByOneUpdate) {
    for (const wchar_t* file :
         {L"柜1\\a.dwg", L"柜1\\b.DWG", L"柜1\\notes.txt", L"柜1\\柜1.prj", L"柜1\\sub\\c.itm"})
        installation.WriteBytes(file, "x");
    site.Write(L"Template\\prjs\\.keep", "");
    site.Write(L"Server.xml", ovtest::Cp936Lines({L"版本日期：2024,01,05,00,00,00"}));
    CMyFtpConnection connection;
    ASSERT_EQ(connection.SendFolderToServer(L"Template\\prjs", L"Template\\prjs\\柜1",
                                            installation.Path(L"柜1")),
              1);
    EXPECT_TRUE(pauses.empty()) << "no pause between files";
    for (const wchar_t* file : {L"a.dwg", L"b.DWG", L"柜1.prj", L"sub\\c.itm"})
        EXPECT_TRUE(site.Exists(L"Template\\prjs\\柜1\\" + std::wstring(file))) << file;
    EXPECT_FALSE(site.Exists(L"Template\\prjs\\柜1\\notes.txt"));
    // Newest first, as one update per change would have left them, all under one stamp.
    std::vector<std::wstring> lines = site.Lines(L"Server.xml");
    EXPECT_EQ(CatalogueFiles(lines),
              (std::vector<std::wstring>{L"Template\\prjs\\柜1\\柜1.prj",
                                         L"Template\\prjs\\柜1\\sub\\c.itm",
                                         L"Template\\prjs\\柜1\\sub", L"Template\\prjs\\柜1\\b.DWG",
                                         L"Template\\prjs\\柜1\\a.dwg", L"Template\\prjs\\柜1"}));
    for (const std::wstring& entry : CatalogueEntryLines(lines))
        EXPECT_EQ(L"版本日期：" + ParseCatalogueEntry(entry).m_strTime, lines[0]);
    EXPECT_FALSE(site.Exists(L"Server.xml.bak"));
    std::vector<std::string> commands = site.Commands();
    EXPECT_EQ(CountCommands(commands, "APPE /" + text::ToUtf8(site.Name()) + "/Server.xml.bak"), 1u)
        << "locked once";
    EXPECT_EQ(CountCommands(commands, "DELE /" + text::ToUtf8(site.Name()) + "/Server.xml.bak"),
              1u);
    EXPECT_EQ(CountCommands(commands, "RNTO /" + text::ToUtf8(site.Name()) + "/Server.xml"), 1u);
    EXPECT_EQ(CountCommands(commands, "Server_Tmp.xml"), 0u) << "no rename probe";
}

TEST_P(FtpClientTest, FilesThatCouldNotBeSentAreLeftOutAndTheRestRecorded) {
    installation.WriteBytes(L"柜2\\a.dwg", "a");
    installation.WriteBytes(L"柜2\\b.dwg", "b");
    // A folder of the same name stands where b.dwg would go.
    site.Write(L"柜2\\b.dwg\\.keep", "");
    CMyFtpConnection connection;
    EXPECT_EQ(connection.SendFolderToServer(L"", L"柜2", installation.Path(L"柜2")), 0);
    EXPECT_EQ(CatalogueFiles(site.Lines(L"Server.xml")), std::vector<std::wstring>{L"柜2\\a.dwg"});
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, L"文件 柜2\\b.dwg 上传失败，请确认是否被其它客户端用户调用！");
}

// Another client at work while our update holds the lock: it changes the catalogue, takes the
// lock over, or keeps taking it.
class SecondLookTest : public FtpClientTest {
protected:
    void SetUp() override {
        FtpClientTest::SetUp();
        site.Write(L"Server.xml", ovtest::Cp936Lines({L"版本日期：2024,01,05,00,00,00",
                                                      L"old.dwg|2024,01,05,00,00,00|MOD"}));
        installation.WriteBytes(L"mine.dwg", "m");
    }
    void TearDown() override {
        SetBeforeCatalogueLookForTesting(nullptr);
        FtpClientTest::TearDown();
    }
    void WriteOtherLock() {
        site.Write(L"Server.xml.bak", ovtest::Cp936Lines({L"10.9.9.9(other)"}));
    }
    CMyFtpConnection connection;
};

TEST_P(SecondLookTest, ACatalogueChangedUnderOurLockGetsOurEntryMergedIn) {
    int looks = 0;
    SetBeforeCatalogueLookForTesting([&] {
        if (looks++ == 0)
            site.Write(L"Server.xml", ovtest::Cp936Lines({L"版本日期：2024,01,05,00,00,09",
                                                          L"theirs.dwg|2024,01,05,00,00,09|MOD",
                                                          L"old.dwg|2024,01,05,00,00,00|MOD"}));
    });
    ASSERT_EQ(connection.SendFileToServer(installation.Path(L"mine.dwg"), L"mine.dwg"), 1);
    EXPECT_EQ(looks, 2) << "merged, then looked again";
    EXPECT_EQ(CatalogueFiles(site.Lines(L"Server.xml")),
              (std::vector<std::wstring>{L"mine.dwg", L"theirs.dwg", L"old.dwg"}));
    EXPECT_FALSE(site.Exists(L"Server.xml.bak"));
}

TEST_P(SecondLookTest, ALockTakenOverMeansNothingIsUploadedAndTheLockIsTakenAgain) {
    int looks = 0;
    SetBeforeCatalogueLookForTesting([&] {
        if (looks++ == 0)
            WriteOtherLock(); // stored over ours, as the Windows clients store theirs
    });
    ASSERT_EQ(connection.SendFileToServer(installation.Path(L"mine.dwg"), L"mine.dwg"), 1);
    EXPECT_EQ(looks, 2);
    // The other lock was waited for (six looks) and then taken as left behind.
    EXPECT_EQ(pauses, std::vector<int>(6, 400));
    EXPECT_EQ(CatalogueFiles(site.Lines(L"Server.xml")),
              (std::vector<std::wstring>{L"mine.dwg", L"old.dwg"}));
    EXPECT_EQ(CountCommands(site.Commands(), "RNTO /" + text::ToUtf8(site.Name()) + "/Server.xml"),
              1u)
        << "nothing was put in place while the lock was another's";
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_P(SecondLookTest, AnUpdateWhoseLockIsTakenEveryTimeIsAbandonedAndTheOtherLockKept) {
    SetBeforeCatalogueLookForTesting([&] { WriteOtherLock(); });
    EXPECT_EQ(connection.SendFileToServer(installation.Path(L"mine.dwg"), L"mine.dwg"), 0);
    EXPECT_EQ(CatalogueFiles(site.Lines(L"Server.xml")), std::vector<std::wstring>{L"old.dwg"});
    EXPECT_EQ(site.Lines(L"Server.xml.bak"), std::vector<std::wstring>{L"10.9.9.9(other)"});
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_TRUE(boxes.Boxes()[0].text.starts_with(
        L"Server.xml文件的更新锁一再被其它客户端取得，服务器文件目录未更新！\n"));
    EXPECT_TRUE(boxes.Boxes()[0].text.ends_with(L"\nmine.dwg"));
    std::vector<std::wstring> log = site.Lines(L"OS.log");
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].find(L"更新锁一再被其它客户端取得"), std::wstring::npos);
    // The drawing stored and renamed, then each round's catalogue stored and removed.
    EXPECT_EQ(CountCommands(site.Commands(), ".ovtmp"), 2u + 5u * 2u);
}

INSTANTIATE_TEST_SUITE_P(On, SecondLookTest,
                         ::testing::Values(ovtest::FtpTestServer::Pyftpdlib,
                                           ovtest::FtpTestServer::Vsftpd),
                         ovtest::FtpTestServerName);

} // namespace
