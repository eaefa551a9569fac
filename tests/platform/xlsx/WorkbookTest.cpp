// Workbooks, read back with a real reader; a failed write leaves nothing and says why.

#include "platform/xlsx/Workbook.h"
#include "platform/fs/FileIo.h"
#include "support/TestSupport.h"
#include "support/WorkbookReader.h"

#include <gtest/gtest.h>

using namespace ovtest;

namespace {

xlsx::Sheet Sample() {
    return {
        L"清单[1]",
        {L"序号", L"名称", L"Count"},
        {{xlsx::Cell::Number(1), xlsx::Cell::Text(L"铜芯聚氯乙烯绝缘软线"), xlsx::Cell::Number(12)},
         {xlsx::Cell::Number(2), xlsx::Cell::Text(L""), xlsx::Cell::Number(0.5)}}};
}

size_t FilesIn(const TempFolder& folder) {
    size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Native())) {
        (void)entry;
        ++count;
    }
    return count;
}

} // namespace

TEST(Workbook, WritesHeaderRowsAndColumnsWideEnoughForTheirText) {
    TempFolder folder;
    int cause = -1;
    ASSERT_TRUE(xlsx::WriteWorkbook(folder.Path(L"a.xlsx"), {Sample()}, &cause));
    EXPECT_EQ(cause, fs::kNoError);
    ReadSheet sheet = ReadWorkbook(folder.NativePath(L"a.xlsx").string());
    ASSERT_TRUE(sheet.ok) << sheet.error;
    EXPECT_EQ(sheet.title, "清单_1_") << "characters a sheet name cannot hold";
    ASSERT_EQ(sheet.rows.size(), 3u);
    EXPECT_EQ(sheet.rows[0], (std::vector<std::string>{"序号", "名称", "Count"}));
    EXPECT_EQ(sheet.rows[1], (std::vector<std::string>{"1", "铜芯聚氯乙烯绝缘软线", "12"}));
    EXPECT_EQ(sheet.Cell(2, 1), "");
    EXPECT_EQ(sheet.Cell(2, 2), "0.5");
    ASSERT_EQ(sheet.widths.size(), 3u);
    EXPECT_GE(sheet.widths[1], xlsx::ColumnWidthFor(L"铜芯聚氯乙烯绝缘软线"));
    EXPECT_GE(sheet.widths[2], xlsx::ColumnWidthFor(L"Count"));
    EXPECT_EQ(FilesIn(folder), 1u) << "no temporary file stays";
}

TEST(Workbook, AFailedWriteLeavesTheOldWorkbookAndNoPartialFile) {
    TempFolder folder;
    folder.WriteBytes(L"a.xlsx", "old workbook");
    int cause = 0;
    std::wstring detail;
    {
        FileSizeLimit limit(2000);
        xlsx::Sheet big = Sample();
        for (int i = 0; i < 2000; ++i)
            big.rows.push_back({xlsx::Cell::Text(std::to_wstring(i) + L"条不重复的导线说明")});
        EXPECT_FALSE(xlsx::WriteWorkbook(folder.Path(L"a.xlsx"), {big}, &cause, &detail));
    }
    EXPECT_EQ(cause, fs::kDiskFull) << detail;
    EXPECT_EQ(folder.ReadBytes(L"a.xlsx"), "old workbook");
    EXPECT_EQ(FilesIn(folder), 1u);

    EXPECT_FALSE(xlsx::WriteWorkbook(folder.Path(L"missing\\a.xlsx"), {Sample()}, &cause));
    EXPECT_EQ(cause, fs::kBadPath);
    EXPECT_FALSE(folder.Exists(L"missing"));
}
