// The seven exported tables of a Project, read back with a real reader and checked cell by
// cell; and the ways a workbook cannot be written.

#include "platform/cad/CommandLine.h"
#include "platform/cad/DbLine.h"
#include "platform/fs/FileSystem.h"
#include "platform/ui/ScriptedBackend.h"
#include "suite/OvExportExcelTable/OvExportExcelTable.h"
#include "support/DrawingSupport.h"
#include "support/HostSupport.h"
#include "support/StyleCatalogue.h"
#include "support/TestSupport.h"
#include "support/WorkbookReader.h"

#include <gtest/gtest.h>

using namespace ovtest;
using Row = std::vector<std::string>;

namespace {

std::string ManageFile(const std::vector<std::pair<std::wstring, std::wstring>>& notes,
                       const std::vector<std::wstring>& content) {
    std::vector<std::wstring> lines{L"$BEGIN NOTE OF PRJ"};
    for (const auto& [title, value] : notes)
        lines.insert(lines.end(), {L"$BEGIN_ONE_NOTE", title, value, L"$END_ONE_NOTE"});
    lines.insert(lines.end(), {L"$END NOTE OF PRJ", L"$BEGIN CONTENT OF PRJ"});
    lines.insert(lines.end(), content.begin(), content.end());
    lines.insert(lines.end(), {L"$End CONTENT OF PRJ", L"$EOF"});
    return Cp936Lines(lines);
}

// A block reference with the material fields as "OVPART" data (none: no data).
void AddPart(AcDbDatabase& db, AcDbObjectId block, const std::vector<std::wstring>& fields) {
    AcDbObjectId id = AddToModelSpace(db, new AcDbBlockReference({0, 0, 0}, block));
    if (fields.empty())
        return;
    ResbufChain items;
    for (const std::wstring& field : fields)
        items.push_back(resbuf::Text(1000, field));
    SetXData(id, L"OVPART", items);
}

const std::vector<std::wstring> kRelay1 = {L"M1",  L"继电器", L"DZ-10", L"220V",
                                           L"厂A", L"个",     L"元件",  L"1KA"};
const std::vector<std::wstring> kRelay2 = {L"M1",  L"继电器", L"DZ-10", L"220V",
                                           L"厂A", L"个",     L"元件",  L"2KA"};
const std::vector<std::wstring> kDevice = {L"P7",  L"线路保护", L"PRS-7",   L"",
                                           L"厂B", L"台",       L"保护装置"};

class Export : public ::testing::Test {
protected:
    Export() {
        folder.WriteBytes(
            L"P\\P.itm",
            ManageFile({{L"工程名称", L"甲站"}, {L"工程合同号", L"HT-01"}}, {L"总图.dwg<>"}));
        folder.WriteBytes(L"P\\E1\\E1.prj", ManageFile({{L"工程名称", L"甲站"},
                                                        {L"工程合同号", L"HT-01"},
                                                        {L"设备名称", L"1号屏"},
                                                        {L"设备型号", L"PRC-1"},
                                                        {L"设备图册号", L"TC-01"}},
                                                       {L"PM:", L"图1.dwg<布置>", L"图2.dwg<>",
                                                        L"YL:", L"图3.dwg<原理>"}));
        folder.WriteBytes(L"P\\E2\\E2.prj", ManageFile({{L"设备型号", L"PRC-2"}}, {}));
        SaveDrawing(folder.Path(L"P\\E1\\图1.dwg"), [](AcDbDatabase& db) {
            RegisterApplication(db, L"OVPART");
            AcDbObjectId relay = AddBlock(db, L"KA", {});
            AcDbObjectId device = AddBlock(db, L"PD", {});
            AcDbObjectId frame = AddBlock(db, L"TK", {});
            AddPart(db, relay, kRelay1);
            AddPart(db, device, kDevice);
            AddPart(db, relay, kRelay2);
            AddPart(db, frame, {});
        });
        SaveDrawing(folder.Path(L"P\\E2\\a.dwg"), [](AcDbDatabase& db) {
            RegisterApplication(db, L"OVPART");
            AddPart(db, AddBlock(db, L"KA", {}), kRelay1);
        });
        folder.WriteBytes(L"P\\E2\\broken.dwg", "not a drawing");
    }
    ReadSheet Exported(int kind) {
        EXPECT_EQ(OvExportExcelTable(folder.Path(L"P\\P.itm"), kind), 1);
        return ReadWorkbook(
            fs::Resolve(ExportWorkbookPath(folder.Path(L"P\\P.itm"), kind)).string());
    }

    TempFolder folder;
    HostSession host;
    ScopedStyleCatalogue catalogue{{L"PM=屏面布置图", L"YL=原理图"}};
};

} // namespace

TEST_F(Export, PanelInformationHasARowPerEquipmentWithItsDescriptionAndCounts) {
    ReadSheet sheet = Exported(3);
    ASSERT_TRUE(sheet.ok) << sheet.error;
    EXPECT_TRUE(folder.Exists(L"P\\P_工程屏柜信息表.xlsx"));
    EXPECT_EQ(sheet.title, "工程屏柜信息表");
    EXPECT_EQ(sheet.rows, (std::vector<Row>{{"序号", "设备名称", "设备型号", "设备图册号",
                                             "工程合同号", "图纸类型数", "图纸数量"},
                                            {"1", "1号屏", "PRC-1", "TC-01", "HT-01", "2", "3"},
                                            {"2", "E2", "PRC-2", "", "", "0", "0"}}));
    EXPECT_NE(cad::CommandLine::Instance().Text().find(L"工程屏柜信息表已导出到\""),
              std::wstring::npos);
}

TEST_F(Export, MaterialTablesCountBlockReferencesByTheirData) {
    ReadSheet purchased = Exported(1);
    ASSERT_TRUE(purchased.ok) << purchased.error;
    EXPECT_EQ(purchased.rows,
              (std::vector<Row>{
                  {"序号", "设备名称", "物料编码", "名称", "型号", "规格", "厂家", "单位", "数量"},
                  {"1", "1号屏", "M1", "继电器", "DZ-10", "220V", "厂A", "个", "2"},
                  {"2", "1号屏", "P7", "线路保护", "PRS-7", "", "厂B", "台", "1"},
                  {"3", "E2", "M1", "继电器", "DZ-10", "220V", "厂A", "个", "1"}}))
        << "two relays that differ only in their labels are one material";

    ReadSheet devices = Exported(2);
    EXPECT_EQ(
        devices.rows,
        (std::vector<Row>{{"序号", "设备名称", "设备型号", "装置名称", "型号", "厂家", "数量"},
                          {"1", "1号屏", "PRC-1", "线路保护", "PRS-7", "厂B", "1"}}));

    ReadSheet bom = Exported(6);
    EXPECT_EQ(bom.rows,
              (std::vector<Row>{
                  {"序号", "物料编码", "名称", "型号", "规格", "厂家", "单位", "块名", "数量"},
                  {"1", "M1", "继电器", "DZ-10", "220V", "厂A", "个", "KA", "3"},
                  {"2", "P7", "线路保护", "PRS-7", "", "厂B", "台", "PD", "1"},
                  {"3", "", "", "", "", "", "", "TK", "1"}}))
        << "the whole Project, by block and data";

    ReadSheet labels = Exported(5);
    EXPECT_EQ(labels.rows, (std::vector<Row>{{"序号", "设备名称", "标号", "名称", "型号", "图纸"},
                                             {"1", "1号屏", "1KA", "继电器", "DZ-10", "图1.dwg"},
                                             {"2", "1号屏", "2KA", "继电器", "DZ-10", "图1.dwg"},
                                             {"3", "E2", "1KA", "继电器", "DZ-10", "a.dwg"}}));
}

TEST_F(Export, PackingListAndDetailSummaryFollowTheContentOfTheManagementFiles) {
    ReadSheet packing = Exported(4);
    EXPECT_EQ(packing.rows,
              (std::vector<Row>{{"序号", "设备名称", "设备图册号", "装箱内容", "数量", "单位"},
                                {"1", "1号屏", "TC-01", "屏柜 PRC-1", "1", "面"},
                                {"2", "1号屏", "TC-01", "图纸：屏面布置图", "2", "张"},
                                {"3", "1号屏", "TC-01", "图纸：原理图", "1", "张"},
                                {"4", "E2", "", "屏柜 PRC-2", "1", "面"}}));
    ReadSheet summary = Exported(7);
    EXPECT_EQ(
        summary.rows,
        (std::vector<Row>{{"序号", "工程名称", "设备名称", "设备型号", "设备图册号", "图纸类型",
                           "图纸名称", "备注"},
                          {"1", "甲站", "", "", "", "", "总图.dwg", ""},
                          {"2", "甲站", "1号屏", "PRC-1", "TC-01", "屏面布置图", "图1.dwg", "布置"},
                          {"3", "甲站", "1号屏", "PRC-1", "TC-01", "屏面布置图", "图2.dwg", ""},
                          {"4", "甲站", "1号屏", "PRC-1", "TC-01", "原理图", "图3.dwg", "原理"}}));
    ASSERT_GE(summary.widths.size(), 8u);
    EXPECT_GE(summary.widths[3], 8.0) << "as wide as \"设备型号\"";
}

TEST_F(Export, AnEquipmentExportsItselfAlone) {
    ASSERT_EQ(OvExportExcelTable(folder.Path(L"P\\E1\\E1.prj"), 3), 1);
    ReadSheet sheet = ReadWorkbook(folder.NativePath(L"P\\E1\\E1_工程屏柜信息表.xlsx").string());
    ASSERT_TRUE(sheet.ok) << sheet.error;
    EXPECT_EQ(sheet.rows.size(), 2u);
    EXPECT_EQ(sheet.Cell(1, 1), "1号屏");
}

TEST_F(Export, AWorkbookThatCannotBeWrittenIsReportedAndLeavesNothing) {
    folder.WriteBytes(L"P\\~$P_BOM表.xlsx", "");
    EXPECT_EQ(OvExportExcelTable(folder.Path(L"P\\P.itm"), 6), 0);
    folder.WriteBytes(L"P\\.~lock.P_装箱清单.xlsx#", "");
    EXPECT_EQ(OvExportExcelTable(folder.Path(L"P\\P.itm"), 4), 0);
    {
        FileSizeLimit limit(1000);
        EXPECT_EQ(OvExportExcelTable(folder.Path(L"P\\P.itm"), 7), 0);
    }
    const auto& boxes = host.Boxes().Boxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, L"表格文件\"" + folder.Path(L"P\\P_BOM表.xlsx") +
                                 L"\"已在另一程序中打开，请关闭后再导出。");
    EXPECT_EQ(boxes[0].caption, L"Tessaline");
    EXPECT_EQ(boxes[2].text, L"表格文件\"" + folder.Path(L"P\\P_项目设备明细汇总.xlsx") +
                                 L"\"无法写入：磁盘空间不足");
    EXPECT_FALSE(folder.Exists(L"P\\P_BOM表.xlsx"));
    EXPECT_FALSE(folder.Exists(L"P\\P_项目设备明细汇总.xlsx"));
    EXPECT_EQ(OvExportExcelTable(folder.Path(L"P\\P.itm"), 8), 0);
    EXPECT_EQ(OvExportExcelTable(folder.Path(L"P\\missing.itm"), 1), 0);
}
