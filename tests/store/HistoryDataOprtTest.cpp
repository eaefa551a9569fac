#include "store/HistoryDataOprt.h"
#include "platform/cad/CommandLine.h"
#include "support/TestSupport.h"
#include "support/WriteFaults.h"

#include <gtest/gtest.h>

using ovtest::TempInstallation;

TEST(HistoryDataOprt, DefaultsByIndex) {
    std::vector<std::wstring> defaults = CHistoryDataOprt::DefaultEntries();
    ASSERT_EQ(defaults.size(), 297u);
    EXPECT_EQ(defaults[0], L"1");
    EXPECT_EQ(defaults[1], L"");
    EXPECT_EQ(defaults[70], L"A");
    EXPECT_EQ(defaults[86], L"-5.0");
    EXPECT_EQ(defaults[88], L"0");
    EXPECT_EQ(defaults[90], L"1");
    EXPECT_EQ(defaults[164], L"0");
    EXPECT_EQ(defaults[165], L"1");
    EXPECT_EQ(defaults[230], L"WL");
    EXPECT_EQ(defaults[237], L"C30-15L(1.5)");
    EXPECT_EQ(defaults[280], L"0");
    EXPECT_EQ(defaults[281], L"1");
    EXPECT_EQ(defaults[296], L"16");
}

TEST(HistoryDataOprt, AMissingFileIsCreatedFromTheDefaults) {
    TempInstallation installation;
    { CHistoryDataOprt history; }
    std::string bytes = installation.ReadBytes(L"LocalData\\HistoryData.txt");
    EXPECT_EQ(bytes.substr(0, 9), "1\r\n\r\n\r\n\r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 4), "\r\n16") << "no line end after the last entry";
    CHistoryDataOprt again;
    EXPECT_EQ(again.GetHistoryLastIndex(), 296);
}

TEST(HistoryDataOprt, ShortFilesReplaceTheirEntriesLongFilesAreKeptWhole) {
    TempInstallation installation;
    std::vector<std::wstring> ten(10, L"工程");
    installation.WriteBytes(L"LocalData\\HistoryData.txt", ovtest::Cp936Lines(ten, "\n"));
    {
        CHistoryDataOprt history;
        std::wstring value;
        history.GetHistoryString(9, value);
        EXPECT_EQ(value, L"工程");
        history.GetHistoryString(10, value);
        EXPECT_EQ(value, L"1") << "entry 10 keeps its default";
        EXPECT_EQ(history.GetHistoryLastIndex(), 296);
    }
    std::vector<std::wstring> lines;
    for (int i = 0; i < 300; ++i)
        lines.push_back(std::to_wstring(i));
    installation.WriteBytes(L"LocalData\\HistoryData.txt", ovtest::Cp936Lines(lines));
    {
        CHistoryDataOprt history;
        EXPECT_EQ(history.GetHistoryLastIndex(), 299);
        history.SetHistoryInt(299, 7);
    }
    lines[299] = L"7";
    std::string expected = ovtest::Cp936Lines(lines);
    EXPECT_EQ(installation.ReadBytes(L"LocalData\\HistoryData.txt"),
              expected.substr(0, expected.size() - 2));
}

TEST(HistoryDataOprt, SettersFormatAndIgnoreIndicesOutsideTheList) {
    TempInstallation installation;
    {
        CHistoryDataOprt history;
        history.SetHistoryReal(88, 2.0 / 3);
        history.SetHistoryInt(89, -4);
        history.SetHistoryString(90, L"两行\n文本");
        history.SetHistoryString(297, L"beyond");
        history.SetHistoryString(-1, L"before");
        std::wstring value;
        int number = 1;
        double real = 1;
        history.GetHistoryString(297, value);
        history.GetHistoryInt(-1, number);
        history.GetHistoryReal(500, real);
        EXPECT_EQ(value, L"");
        EXPECT_EQ(number, 0);
        EXPECT_EQ(real, 0.0);
    }
    CHistoryDataOprt reread;
    std::wstring value;
    reread.GetHistoryString(88, value);
    EXPECT_EQ(value, L"0.67");
    reread.GetHistoryString(89, value);
    EXPECT_EQ(value, L"-4");
    reread.GetHistoryString(90, value);
    EXPECT_EQ(value, L"两行 文本") << "a line break would shift every later entry";
    EXPECT_EQ(reread.GetHistoryLastIndex(), 296);
}

TEST(HistoryDataOprt, TheLocalDataFolderIsMadeWhenMissing) {
    TempInstallation installation;
    std::filesystem::remove_all(installation.NativePath(L"LocalData"));
    {
        CHistoryDataOprt history; // cannot create the file yet: silently not written
        history.SetHistoryInt(0, 5);
    }
    CHistoryDataOprt reread;
    int value = 0;
    reread.GetHistoryInt(0, value);
    EXPECT_EQ(value, 5);
}

TEST(HistoryDataOprt, AFailedWriteLeavesTheOldFileAndSaysSo) {
    TempInstallation installation;
    { CHistoryDataOprt created; }
    std::string old = installation.ReadBytes(L"LocalData\\HistoryData.txt");
    for (ovtest::WriteFault fault : ovtest::kWriteFaults) {
        SCOPED_TRACE(ovtest::WriteFaultName(fault));
        cad::CommandLine::Instance().Clear();
        {
            ovtest::ScopedWriteFault armed(fault);
            CHistoryDataOprt history;
            history.SetHistoryInt(0, 5);
        } // written back here, and refused
        EXPECT_EQ(installation.ReadBytes(L"LocalData\\HistoryData.txt"), old);
        EXPECT_NE(cad::CommandLine::Instance().Text().find(L"HistoryData.txt 文件不能写入"),
                  std::wstring::npos);
    }
}
