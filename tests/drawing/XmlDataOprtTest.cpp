// "OrvaneLineInfo.xml": round trips, files written by hand in the old layout, and writes that
// fail without touching the old file.

#include "drawing/XmlDataOprt.h"
#include "platform/ui/ScriptedBackend.h"
#include "platform/xml/XmlDocument.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <regex>

using namespace ovtest;

namespace {

class LineInfoFile : public ::testing::Test {
protected:
    std::wstring Path() const { return folder.Path(L"OrvaneLineInfo.xml"); }
    std::vector<STRUCT_LINEITEM> Read(int expected = 1) {
        std::vector<STRUCT_LINEITEM> items;
        EXPECT_EQ(oprt.ReadLineItems(Path(), items), expected) << oprt.Getm_strError();
        return items;
    }

    TempFolder folder;
    CXmlDataOprt oprt;
    ui::ScriptedBackend backend;
};

} // namespace

TEST_F(LineInfoFile, WritesTheRootWithItsEditionAndReadsTheRowsBack) {
    std::vector<STRUCT_LINEITEM> items{{L"交流电流A", L"A&1", L"<铜线> \"软\"", L"1.5"},
                                       {L"空", L"", L"", L""}};
    ASSERT_EQ(oprt.WriteLineItems(Path(), items), 1);
    EXPECT_EQ(Read(), items);
    std::string bytes = folder.ReadBytes(L"OrvaneLineInfo.xml");
    EXPECT_EQ(bytes.rfind("<?xml version='1.0'?>\n<Tessaline edition=\"", 0), 0u) << bytes;
    EXPECT_TRUE(std::regex_search(bytes, std::regex("edition=\"\\d{4}(,\\d\\d){5}\"")));
    EXPECT_NE(bytes.find("code=\"\" describe=\"\" length=\"\""), std::string::npos)
        << "empty values are written all the same";
    EXPECT_EQ(CXmlDataOprt::EditionText(2024, 1, 2, 3, 4, 5), L"2024,01,02,03,04,05");
}

TEST_F(LineInfoFile, ReadsFilesOfTheOldLayoutWrittenByHand) {
    folder.WriteBytes(
        L"OrvaneLineInfo.xml",
        "<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n"
        "<Tessaline edition=\"2009,03,01,10,00,00\">\r\n"
        "  <Group><LineItem STYLE=\"" +
            Cp936(L"普通导线") +
            "\" Code=\"P1\" DrawId=\"7\"/></Group>\r\n"
            "  <lineitem style=\"x\"><LINEITEM style=\"inner\" length=\"2\"/></lineitem>\r\n"
            "  <OTHER style=\"no\"/>\r\n"
            "</Tessaline>\r\n");
    EXPECT_EQ(Read(), (std::vector<STRUCT_LINEITEM>{{L"普通导线", L"P1", L"", L""},
                                                    {L"x", L"", L"", L""},
                                                    {L"inner", L"", L"", L"2"}}));
}

TEST_F(LineInfoFile, AMissingFileIsNoItemsAndABrokenOneSaysWhy) {
    EXPECT_TRUE(Read(0).empty());
    EXPECT_TRUE(oprt.Getm_strError().empty());
    folder.WriteBytes(L"OrvaneLineInfo.xml", "<Tessaline><LINEITEM style='a'>");
    EXPECT_TRUE(Read(0).empty());
    EXPECT_FALSE(oprt.Getm_strError().empty());
}

TEST_F(LineInfoFile, AWriteThatFailsKeepsTheOldFile) {
    ASSERT_EQ(oprt.WriteLineItems(Path(), {{L"a", L"", L"", L""}}), 1);
    std::string before = folder.ReadBytes(L"OrvaneLineInfo.xml");
    {
        FileSizeLimit limit(100);
        std::vector<STRUCT_LINEITEM> many(20, {L"类别", L"编码", L"很长的物料描述", L"1.0"});
        EXPECT_EQ(oprt.WriteLineItems(Path(), many), 0);
    }
    EXPECT_EQ(oprt.Getm_strError(), L"文件超过了允许的大小");
    EXPECT_EQ(folder.ReadBytes(L"OrvaneLineInfo.xml"), before);
    EXPECT_EQ(oprt.WriteLineItems(folder.Path(L"no\\such\\OrvaneLineInfo.xml"), {}), 0);
    EXPECT_FALSE(oprt.Getm_strError().empty());
    EXPECT_TRUE(backend.Boxes().empty()) << "the caller says why";
}

TEST_F(LineInfoFile, AStepOfTheDocumentThatFailsIsToldAndNothingIsWritten) {
    xml::FailAllocationsForTesting(0);
    EXPECT_EQ(oprt.WriteLineItems(Path(), {}), 0);
    xml::FailAllocationsForTesting(100000);
    std::wstring longText(50000, L'长');
    EXPECT_EQ(oprt.WriteLineItems(Path(), {{L"a", L"", longText, L""}}), 0);
    xml::FailAllocationsForTesting(xml::kNoAllocationFailure);
    ASSERT_EQ(backend.Boxes().size(), 2u);
    EXPECT_EQ(backend.Boxes()[0].text, L"生成XML注释出错!");
    EXPECT_EQ(backend.Boxes()[1].text, L"设置属性describe的值为" + longText + L"时失败！");
    EXPECT_FALSE(folder.Exists(L"OrvaneLineInfo.xml"));
}
