#include "platform/text/PrivateProfile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using ovtest::Cp936;
using ovtest::TempFolder;

TEST(PrivateProfile, ReadsKeysOfTheirOwnSectionWithoutRegardToCaseOrBlanks) {
    TempFolder folder;
    folder.WriteBytes(L"WinPos.Ini",
                      Cp936(L"[设备管理]\r\nIsMaxSize=1\r\n[项目管理]\r\n ismaxsize = 0\r\n"
                            L"rcNormalPosition.left=-12abc\r\nx=abc\r\n"));
    std::wstring path = folder.Path(L"WinPos.Ini");
    EXPECT_EQ(text::GetPrivateProfileIntW(L"项目管理", L"IsMaxSize", 7, path), 0);
    EXPECT_EQ(text::GetPrivateProfileIntW(L" 设备管理 ", L"ISMAXSIZE", 7, path), 1);
    EXPECT_EQ(text::GetPrivateProfileIntW(L"项目管理", L"rcNormalPosition.left", 7, path), -12);
    EXPECT_EQ(text::GetPrivateProfileIntW(L"项目管理", L"x", 7, path), 0) << "no number";
    EXPECT_EQ(text::GetPrivateProfileIntW(L"项目管理", L"missing", 640, path), 640);
    EXPECT_EQ(text::GetPrivateProfileIntW(L"其他", L"IsMaxSize", 5, path), 5);
    EXPECT_EQ(text::GetPrivateProfileIntW(L"项目管理", L"IsMaxSize", 5, folder.Path(L"none")), 5);
}

TEST(PrivateProfile, WritesReplaceOrAddLinesAndLeaveTheRestAlone) {
    TempFolder folder;
    std::wstring path = folder.Path(L"LocalData\\WinPos.Ini");
    folder.MakeFolder(L"LocalData");
    ASSERT_TRUE(text::WritePrivateProfileStringW(L"项目管理", L"IsMaxSize", L"0", path));
    ASSERT_TRUE(text::WritePrivateProfileStringW(L"设备管理", L"IsMaxSize", L"1", path));
    ASSERT_TRUE(text::WritePrivateProfileStringW(L"项目管理", L"a", L"2", path));
    ASSERT_TRUE(text::WritePrivateProfileStringW(L"项目管理", L"ISMAXSIZE", L"1", path));
    EXPECT_EQ(folder.ReadBytes(L"LocalData\\WinPos.Ini"),
              Cp936(L"[项目管理]\r\nIsMaxSize=1\r\na=2\r\n[设备管理]\r\nIsMaxSize=1\r\n"))
        << "a key keeps its line and the name it was first written with";
    EXPECT_FALSE(text::WritePrivateProfileStringW(L"", L"k", L"1", path));
    EXPECT_FALSE(text::WritePrivateProfileStringW(L"s", L"k", L"1", folder.Path(L"no\\x.ini")));
}
