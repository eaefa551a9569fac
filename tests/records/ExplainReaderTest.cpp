// The strict reader of description blocks: the layout, the numbering of untitled lines and the
// two command-line messages.

#include "platform/cad/CommandLine.h"
#include "records/XmSbExplainInfo.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using ovtest::Cp936Lines;
using ovtest::TempFolder;

namespace {

struct ReadResult {
    int ok = 0;
    std::vector<std::pair<std::wstring, std::wstring>> entries;
    std::vector<std::wstring> messages;
};

ReadResult Read(const TempFolder& folder, const std::vector<std::wstring>& lines) {
    folder.WriteBytes(L"P\\P.itm", Cp936Lines(lines));
    cad::CommandLine::Instance().Clear();
    CXmSbExplainInfo info(folder.Path(L"P\\P.itm"));
    ReadResult result;
    result.ok = info.ReadExplainInfo();
    for (const CExplainInfo& entry : info.Getm_ExplainInfoArray())
        result.entries.emplace_back(entry.Getm_StrTitle(), entry.Getm_StrValue());
    result.messages = cad::CommandLine::Instance().Lines();
    return result;
}

using Entries = std::vector<std::pair<std::wstring, std::wstring>>;

} // namespace

TEST(ExplainReader, MarkersAloneAreAnEmptyDescription) {
    TempFolder folder;
    ReadResult result = Read(folder, {L"$BEGIN NOTE OF PRJ", L"$END NOTE OF PRJ"});
    EXPECT_EQ(result.ok, 1);
    EXPECT_TRUE(result.entries.empty());
    EXPECT_TRUE(result.messages.empty());
}

TEST(ExplainReader, UntitledLinesAreNumberedNotes) {
    TempFolder folder;
    EXPECT_EQ(Read(folder, {L"$BEGIN NOTE OF PRJ", L"甲", L"$END NOTE OF PRJ"}).entries,
              (Entries{{L"说明1", L"甲"}}));
    EXPECT_EQ(Read(folder, {L"$BEGIN NOTE OF PRJ", L"甲", L"乙", L"", L"$END NOTE OF PRJ"}).entries,
              (Entries{{L"说明1", L"甲"}, {L"说明2", L"乙"}, {L"说明3", L""}}));
    // The number follows the digits of the last title that contains "说明".
    std::vector<std::wstring> lines = {
        L"$BEGIN NOTE OF PRJ", L"$BEGIN_ONE_NOTE", L"说明7", L"x", L"$END_ONE_NOTE", L"丙",
        L"$END NOTE OF PRJ"};
    EXPECT_EQ(Read(folder, lines).entries.back(),
              (std::pair<std::wstring, std::wstring>{L"说明8", L"丙"}));
    lines[2] = L"说明2a3";
    EXPECT_EQ(Read(folder, lines).entries.back().first, L"说明24");
    // Digits too many for a number must not overflow into a negative or wrapped title.
    lines[2] = L"说明99999999999999999999999";
    EXPECT_EQ(Read(folder, lines).entries.back().first, L"说明2147483647");
}

TEST(ExplainReader, NotesKeepTitleAndValueAndNeverSwallowTheNextNote) {
    TempFolder folder;
    ReadResult result =
        Read(folder, {L"$BEGIN NOTE OF PRJ", L"$BEGIN_ONE_NOTE", L"工程名称", L"甲", L"第三行",
                      L"$END_ONE_NOTE", L"$BEGIN_ONE_NOTE", L"空值", L"$END_ONE_NOTE",
                      L"$BEGIN_ONE_NOTE", L"$END_ONE_NOTE", L"$BEGIN_ONE_NOTE", L"设备名称", L"乙",
                      L"$END_ONE_NOTE", L"$END NOTE OF PRJ"});
    EXPECT_EQ(result.ok, 1);
    EXPECT_EQ(result.entries,
              (Entries{{L"工程名称", L"甲"}, {L"空值", L""}, {L"设备名称", L"乙"}}));
}

TEST(ExplainReader, FormatFaultsKeepWhatWasReadAndSaySo) {
    TempFolder folder;
    std::wstring path = folder.Path(L"P\\P.itm");
    std::wstring formatMessage = path + L" 文件格式不对，不能正常读取文件信息。";

    ReadResult lower = Read(folder, {L"$begin note of prj", L"$END NOTE OF PRJ"});
    EXPECT_EQ(lower.ok, 0);
    EXPECT_EQ(lower.messages, std::vector<std::wstring>{formatMessage});

    ReadResult cut = Read(folder, {L"$BEGIN NOTE OF PRJ", L"$BEGIN_ONE_NOTE", L"工程名称", L"甲",
                                   L"$END_ONE_NOTE", L"$BEGIN_ONE_NOTE", L"设备名称"});
    EXPECT_EQ(cut.ok, 0);
    EXPECT_EQ(cut.entries, (Entries{{L"工程名称", L"甲"}}));
    EXPECT_EQ(cut.messages, std::vector<std::wstring>{formatMessage});

    ReadResult valueRead =
        Read(folder, {L"$BEGIN NOTE OF PRJ", L"$BEGIN_ONE_NOTE", L"设备名称", L"乙"});
    EXPECT_EQ(valueRead.entries, (Entries{{L"设备名称", L"乙"}}));

    cad::CommandLine::Instance().Clear();
    CXmSbExplainInfo missing(folder.Path(L"P\\Q.itm"));
    EXPECT_EQ(missing.ReadExplainInfo(), 0);
    EXPECT_EQ(cad::CommandLine::Instance().Text(),
              folder.Path(L"P\\Q.itm") + L" 文件打不开，错误码为 2\n");
}
