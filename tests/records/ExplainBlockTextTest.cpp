// The description block as text: tolerant parser, builder, top insertion and value patcher.

#include "records/ExplainBlockText.h"
#include "records/XmSbExplainInfo.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using ovtest::Cp936Lines;
using ovtest::TempFolder;

namespace {

using Entries = std::vector<std::pair<std::wstring, std::wstring>>;

Entries Pairs(const std::vector<CExplainInfoNode>& nodes) {
    Entries pairs;
    for (const CExplainInfoNode& node : nodes)
        pairs.emplace_back(node.Getm_StrTitle(), node.Getm_StrValue());
    return pairs;
}

Entries ReadStrict(const std::wstring& path) {
    CXmSbExplainInfo info(path);
    EXPECT_EQ(info.ReadExplainInfo(), 1);
    return Pairs(info.GetExplainInfoNodes());
}

const std::vector<std::wstring> kContent = {L"$BEGIN CONTENT OF PRJ", L"屏面布置图:", L"1.dwg<>",
                                            L"$End CONTENT OF PRJ", L"$EOF"};

std::vector<std::wstring> WithContent(std::vector<std::wstring> block) {
    block.insert(block.end(), kContent.begin(), kContent.end());
    return block;
}

} // namespace

TEST(TolerantParser, ReadsTheBlockAndLeavesTheRest) {
    std::vector<std::wstring> lines =
        WithContent({L"$begin note of prj", L"$BEGIN_ONE_NOTE", L"工程名称", L"甲",
                     L"$END_ONE_NOTE", L"$BEGIN_ONE_NOTE", L"空值", L"$END_ONE_NOTE", L"设备数量",
                     L"4", L"松散", L"$END NOTE OF PRJ"});
    std::vector<std::wstring> rest = lines;
    EXPECT_EQ(Pairs(explain::ParseExplainLines(rest, 0)),
              (Entries{{L"工程名称", L"甲"}, {L"空值", L""}, {L"设备数量", L"4"}, {L"松散", L""}}));
    EXPECT_EQ(rest, kContent);

    rest = lines;
    EXPECT_EQ(Pairs(explain::ParseExplainLines(rest, 1))[2],
              (std::pair<std::wstring, std::wstring>{L"设备数量", L""}));
}

TEST(TolerantParser, NeverTakesTheContentSectionForDescriptions) {
    std::vector<std::wstring> noBlock = kContent;
    EXPECT_TRUE(explain::ParseExplainLines(noBlock, 0).empty());
    EXPECT_EQ(noBlock, kContent);

    std::vector<std::wstring> noEnd =
        WithContent({L"$BEGIN NOTE OF PRJ", L"$BEGIN_ONE_NOTE", L"工程名称", L"甲"});
    EXPECT_EQ(Pairs(explain::ParseExplainLines(noEnd, 0)), (Entries{{L"工程名称", L"甲"}}));
    EXPECT_EQ(noEnd, kContent);
}

TEST(BlockBuilder, IsReadBackByBothReaders) {
    TempFolder folder;
    std::vector<std::wstring> lines = explain::BuildExplainLines(
        {{L"工程名称", L"甲"}, {L"设备型号", L""}, {L"备注", L"两行\r\n合一"}});
    folder.WriteBytes(L"S\\S.prj", Cp936Lines(lines));
    Entries expected = {{L"工程名称", L"甲"}, {L"设备型号", L""}, {L"备注", L"两行  合一"}};
    EXPECT_EQ(ReadStrict(folder.Path(L"S\\S.prj")), expected);
    std::erase(lines, L"");
    EXPECT_EQ(Pairs(explain::ParseExplainLines(lines, 0)), expected);
}

TEST(TopInsertion, InsertsAfterTheFirstLineAndKeepsEveryEntryReadable) {
    TempFolder folder;
    std::wstring path = folder.Path(L"S\\S.prj");
    folder.WriteBytes(
        L"S\\S.prj",
        Cp936Lines(WithContent({L"  $begin note of prj", L"", L"$BEGIN_ONE_NOTE", L"  工程名称",
                                L"", L"$END_ONE_NOTE", L"$END NOTE OF PRJ"})));
    ASSERT_EQ(explain::InsertExplainInfoAtTop(
                  path, {{L"设备型号", L"M1"}, {L"", L" "}, {L"设备名称", L"柜1"}}),
              1);
    std::vector<std::wstring> expected =
        WithContent({L"$begin note of prj", L"$BEGIN_ONE_NOTE", L"设备型号", L"M1",
                     L"$END_ONE_NOTE", L"$BEGIN_ONE_NOTE", L"设备名称", L"柜1", L"$END_ONE_NOTE",
                     L"$BEGIN_ONE_NOTE", L"工程名称", L"", L"$END_ONE_NOTE", L"$END NOTE OF PRJ"});
    EXPECT_EQ(folder.ReadBytes(L"S\\S.prj"), Cp936Lines(expected));

    folder.WriteBytes(L"T\\T.prj", Cp936Lines(kContent));
    EXPECT_EQ(explain::InsertExplainInfoAtTop(folder.Path(L"T\\T.prj"), {{L"设备型号", L"M1"}}), 0);
    EXPECT_EQ(folder.ReadBytes(L"T\\T.prj"), Cp936Lines(kContent));
    EXPECT_EQ(explain::InsertExplainInfoAtTop(folder.Path(L"U\\U.prj"), {{L"设备型号", L"M1"}}), 0);
    EXPECT_FALSE(folder.Exists(L"U\\U.prj"));
}

TEST(ValuePatcher, PushesProjectTitlesIntoEachEquipment) {
    TempFolder folder;
    folder.WriteBytes(
        L"P\\P.itm",
        Cp936Lines(WithContent({L"$BEGIN NOTE OF PRJ", L"$BEGIN_ONE_NOTE", L"工程名称", L"新名",
                                L"$END_ONE_NOTE", L"$BEGIN_ONE_NOTE", L"工程合同号", L"HT-2",
                                L"$END_ONE_NOTE", L"$BEGIN_ONE_NOTE", L"设备名称", L"不下传",
                                L"$END_ONE_NOTE", L"$END NOTE OF PRJ"})));
    folder.WriteBytes(
        L"P\\S1\\S1.prj",
        Cp936Lines(WithContent({L"$BEGIN NOTE OF PRJ", L"   $BEGIN_ONE_NOTE", L"  工程名称 ",
                                L"旧名", L"$END_ONE_NOTE", L"$BEGIN_ONE_NOTE", L"设备名称", L"柜1",
                                L"$END_ONE_NOTE", L"$BEGIN_ONE_NOTE", L"工程合同号",
                                L"$END_ONE_NOTE", L"$END NOTE OF PRJ"})));
    folder.WriteBytes(L"P\\Other\\x.prj", Cp936Lines(kContent));

    EXPECT_EQ(explain::PushProjectValuesToEquipments(folder.Path(L"P\\P.itm")), 1);
    EXPECT_EQ(ReadStrict(folder.Path(L"P\\S1\\S1.prj")),
              (Entries{{L"工程名称", L"新名"}, {L"设备名称", L"柜1"}, {L"工程合同号", L"HT-2"}}));
    std::string written = folder.ReadBytes(L"P\\S1\\S1.prj");
    EXPECT_EQ(
        written.rfind(ovtest::Cp936(L"$BEGIN NOTE OF PRJ\r\n$BEGIN_ONE_NOTE\r\n工程名称\r\n"), 0),
        0u)
        << "indented block lines are written without their blanks";
    EXPECT_NE(written.find(ovtest::Cp936(L"1.dwg<>\r\n$End CONTENT OF PRJ\r\n$EOF\r\n")),
              std::string::npos);
    EXPECT_EQ(folder.ReadBytes(L"P\\Other\\x.prj"), Cp936Lines(kContent));
}
