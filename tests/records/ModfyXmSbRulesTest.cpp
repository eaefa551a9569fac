// The modification dialog's rules without a window: entry order, the parent's values, the
// proposed folder name and whether drawings need writing.

#include "records/ModfyXmSbRules.h"
#include "support/SampleProject.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ovtest;

namespace {

using Entries = std::vector<CExplainInfoNode>;

std::vector<std::wstring> Titles(const Entries& entries) {
    std::vector<std::wstring> titles;
    for (const CExplainInfoNode& entry : entries)
        titles.push_back(entry.Getm_StrTitle());
    return titles;
}

} // namespace

TEST(ModfyXmSbRules, KindTitlesComeFirstAndSchematicLabelsLast) {
    Entries entries = {{L"原理图标号1", L""}, {L"颜色", L""},           {L"设备名称", L""},
                       {L"工程名称", L""},    {L"设备原理图标号", L""}, {L"设备型号", L""}};
    Entries forXm = entries;
    modify::OrderEntries(forXm, 1);
    EXPECT_EQ(Titles(forXm),
              (std::vector<std::wstring>{L"工程名称", L"颜色", L"设备名称", L"设备型号",
                                         L"原理图标号1", L"设备原理图标号"}));
    modify::OrderEntries(entries, 0);
    EXPECT_EQ(Titles(entries),
              (std::vector<std::wstring>{L"设备名称", L"设备型号", L"颜色", L"工程名称",
                                         L"设备原理图标号", L"原理图标号1"}));
}

TEST(ModfyXmSbRules, BlankProjectValuesOfAnEquipmentComeFromItsParent) {
    TempFolder folder;
    folder.WriteBytes(L"P\\P.itm",
                      ManageFileBytes({L"工程名称=旧名", L"工程名称=甲", L"工程合同号=A",
                                       L"工程合同号=$END_ONE_NOTE", L"工程地点=乙"},
                                      {}));
    Entries parent = modify::ReadParentProjectEntries(folder.Path(L"P\\S"));
    Entries entries = {
        {L"工程名称", L" "}, {L"工程合同号", L""}, {L"工程地点", L"自己的"}, {L"设备名称", L""}};
    modify::FillFromParentProject(entries, parent);
    EXPECT_EQ(entries[0].Getm_StrValue(), L"甲") << "the parent's last entry of the title";
    EXPECT_EQ(entries[1].Getm_StrValue(), L"A") << "a marker is no value";
    EXPECT_EQ(entries[2].Getm_StrValue(), L"自己的");
    EXPECT_TRUE(modify::ReadParentProjectEntries(folder.Path(L"Q\\S")).empty());
}

TEST(ModfyXmSbRules, TheFolderNameComesFromTheValuesPresentInTheChosenOrder) {
    Entries onlyName = {{L"工程名称", L"甲"}, {L"工程合同号", L" "}};
    EXPECT_EQ(modify::ProposeFolderName(onlyName, 1, 0), L"甲");
    EXPECT_EQ(modify::ProposeFolderName(onlyName, 1, 1), L"甲");
    Entries both = {{L"工程合同号", L" 123 "}, {L"工程名称", L"甲"}};
    EXPECT_EQ(modify::ProposeFolderName(both, 1, 0), L"123-甲");
    EXPECT_EQ(modify::ProposeFolderName(both, 1, 1), L"甲-123");
    EXPECT_EQ(modify::ProposeFolderName({{L"工程名称", L" "}}, 1, 0), L"")
        << "two blanks propose nothing, not \" - \"";
    EXPECT_EQ(modify::ProposeFolderName({{L"设备名称", L"柜"}, {L"设备图册号", L"B"}}, 0, 1),
              L"B-柜");
}

TEST(ModfyXmSbRules, OnlyAChangedValueOfATitleAsksForTheDrawings) {
    Entries snapshot = {{L"a", L"1"}, {L"b", L"2"}, {L"b", L"3"}, {L"c", L" "}};
    EXPECT_FALSE(modify::HaveValuesChanged(snapshot, {{L"b", L"2"}, {L"a", L"1"}, {L"b", L"3"}}))
        << "moved and deleted";
    EXPECT_FALSE(modify::HaveValuesChanged(snapshot, {{L"a", L"1 "}, {L"c", L""}, {L"d", L"9"}}))
        << "blanks around a value, an added title";
    EXPECT_TRUE(modify::HaveValuesChanged(snapshot, {{L"b", L"2"}, {L"b", L"4"}}));
    EXPECT_TRUE(modify::HaveValuesChanged(snapshot, {{L"a", L"1"}, {L"c", L"x"}}))
        << "deleting one entry and changing another still writes";
}
