#include "server/OperateVersionFile.h"
#include "server/MyFtpConnection.h"

#include "platform/text/TextFile.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using ovtest::Cp936Lines;

TEST(VersionStamp, AlwaysGrows) {
    EXPECT_EQ(NextVersionStamp(L"2024,01,02,10,30,00", L"2024,01,02,10,30,05"),
              L"2024,01,02,10,30,05");
    EXPECT_EQ(NextVersionStamp(L"2024,01,02,10,30,05", L"2024,01,02,10,30,05"),
              L"2024,01,02,10,30,06");
    // A client whose clock lags behind counts on from the newer stamp, one second at a time,
    // without carrying: 59 becomes 60.
    EXPECT_EQ(NextVersionStamp(L"2024,01,02,10,30,59", L"2023,12,31,00,00,00"),
              L"2024,01,02,10,30,60");
    // Past 99 it carries, where a three-digit field would sort before "99".
    EXPECT_EQ(NextVersionStamp(L"2024,01,02,10,99,99", L"2023,12,31,00,00,00"),
              L"2024,01,02,11,00,00");
    // A stamp of another form still gives a larger one.
    std::wstring odd = L"2024,01,02, 10:30:00";
    EXPECT_GT(NextVersionStamp(odd, L"2024,01,01,00,00,00"), odd);
    // So does one with a field too long for a number (found by fuzzing: it overflowed).
    std::wstring huge = L"24," + std::wstring(50, L'3');
    EXPECT_GT(NextVersionStamp(huge, L"2024,01,01,00,00,00"), huge);
}

TEST(OperateVersionFile, KeepsOneEntryPerFileNewestFirst) {
    ovtest::TempInstallation installation;
    std::wstring path = installation.Path(L"TempFTP\\Server.xml");
    COperateVersionFile catalogue(path);
    ASSERT_EQ(catalogue.UpdateCatalogue(L"Template\\prjs\\柜1\\a.dwg", L"MOD"), 1);
    ASSERT_EQ(catalogue.UpdateCatalogue(L"Template\\prjs\\柜1\\b.dwg", L"MOD"), 1);
    ASSERT_EQ(catalogue.UpdateCatalogue(L"template\\PRJS\\柜1\\A.dwg", L"MOD"), 1);

    std::vector<std::wstring> lines;
    ASSERT_TRUE(text::ReadTextLines(path, lines));
    ASSERT_EQ(lines.size(), 3u);
    ASSERT_TRUE(IsVersionLine(lines[0]));
    std::wstring versionStamp = lines[0].substr(kVersionLinePrefix.size());
    STRUCT_FILE_INFO newest = ParseCatalogueEntry(lines[1]);
    STRUCT_FILE_INFO older = ParseCatalogueEntry(lines[2]);
    EXPECT_EQ(newest.m_strFile, L"template\\PRJS\\柜1\\A.dwg");
    EXPECT_EQ(newest.m_strTime, versionStamp);
    EXPECT_EQ(newest.m_strOprt, L"MOD");
    EXPECT_EQ(older.m_strFile, L"Template\\prjs\\柜1\\b.dwg");
    // Three updates within one second still got three growing stamps.
    EXPECT_LT(older.m_strTime, newest.m_strTime);

    // As Windows writes it: CP936, CR LF between lines and none after the last entry.
    std::string bytes = installation.ReadBytes(L"TempFTP\\Server.xml");
    EXPECT_EQ(bytes.substr(bytes.size() - 4), "|MOD");
    EXPECT_NE(bytes.find(ovtest::Cp936(L"柜1\\A.dwg|")), std::string::npos);
    EXPECT_NE(bytes.find("\r\n"), std::string::npos);
    EXPECT_FALSE(installation.Exists(L"Client_PartLib.xml"));
}

TEST(OperateVersionFile, NeverDropsALineItCannotRead) {
    ovtest::TempInstallation installation;
    installation.WriteBytes(L"TempFTP\\Server.xml",
                            Cp936Lines({L"Data\\x.dwg|2024,01,01,00,00,00|MOD", L"", L"junk"}));
    COperateVersionFile catalogue(installation.Path(L"TempFTP\\Server.xml"));
    ASSERT_EQ(catalogue.UpdateCatalogue(L"Data\\OvMainLib.mdb", L"MOD"), 1);
    std::vector<std::wstring> lines;
    ASSERT_TRUE(text::ReadTextLines(installation.Path(L"TempFTP\\Server.xml"), lines));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(ParseCatalogueEntry(lines[2]).m_strFile, L"Data\\x.dwg");
    EXPECT_EQ(ParseCatalogueEntry(lines[3]).m_strFile, L"junk");
    // Sending the part library alone also stamps the client's part-library file.
    std::wstring partLib;
    ASSERT_TRUE(text::ReadFirstTextLine(installation.Path(L"Client_PartLib.xml"), partLib));
    EXPECT_EQ(partLib, lines[0]);

    COperateVersionFile unwritable(installation.Path(L"no folder\\Server.xml"));
    EXPECT_EQ(unwritable.UpdateCatalogue(L"a.dwg", L"MOD"), 0);
}

TEST(OperateVersionFile, TellsWhetherTheMainLibraryChangedSinceAStamp) {
    ovtest::TempFolder folder;
    folder.WriteBytes(L"Server.xml", Cp936Lines({L"版本日期：2024,03,01,00,00,00",
                                                 L"a.dwg|2024,03,01,00,00,00|MOD",
                                                 L"Data\\OvMainLib.mdb|2024,02,01,00,00,00|MOD",
                                                 L"b.dwg|2024,01,01,00,00,00|MOD"}));
    std::wstring copy = folder.Path(L"Server.xml");
    EXPECT_EQ(CMyFtpConnection::IsMainLibChangedSince(copy, L"版本日期：2024,01,15,00,00,00"), 1);
    EXPECT_EQ(CMyFtpConnection::IsMainLibChangedSince(copy, L"2024,02,01,00,00,00"), 0);
    // The walk stops at the first entry that is not newer, even if an older one is the library.
    EXPECT_EQ(CMyFtpConnection::IsMainLibChangedSince(copy, L"2024,03,01,00,00,00"), 0);
    EXPECT_EQ(CMyFtpConnection::IsMainLibChangedSince(copy, L""), 1);
    EXPECT_EQ(CMyFtpConnection::IsMainLibChangedSince(folder.Path(L"none.xml"), L""), 0);
}

} // namespace
