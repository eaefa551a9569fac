// Removing and entering one drawing's record in a management file's text.

#include "records/DrawingRecordEdit.h"

#include "platform/text/TextFile.h"
#include "support/SampleProject.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ovtest;

namespace {

std::vector<std::wstring> Lines(const TempFolder& folder, const std::wstring& file) {
    std::vector<std::wstring> lines;
    text::ReadTextLines(folder.Path(file), lines);
    return lines;
}

} // namespace

TEST(DrawingRecordEdit, OnlyTheDrawingsOwnLinesGo) {
    TempFolder folder;
    // A description value that looks like a record, a record with a remark followed by a type
    // header, the same drawing in another case under a second type.
    folder.WriteBytes(L"S.prj", ManageFileBytes({L"说明=a.dwg"}, {L"PM:", L"a.dwg<旧>", L"YL:",
                                                                  L"b.dwg<>", L"A.DWG <x>"}));
    std::vector<std::wstring> remarks;
    EXPECT_EQ(RemoveDrawingRecords(folder.Path(L"S.prj"), {L"a.dwg", L"c.dwg"}, &remarks), 1);
    EXPECT_EQ(remarks, (std::vector<std::wstring>{L"旧", L""}));
    EXPECT_EQ(
        Lines(folder, L"S.prj"),
        (std::vector<std::wstring>{L"$BEGIN NOTE OF PRJ", L"$BEGIN_ONE_NOTE", L"说明", L"a.dwg",
                                   L"$END_ONE_NOTE", L"$END NOTE OF PRJ", L"$BEGIN CONTENT OF PRJ",
                                   L"PM:", L"YL:", L"b.dwg<>", L"$End CONTENT OF PRJ", L"$EOF"}));
    EXPECT_EQ(RemoveDrawingRecords(folder.Path(L"missing.prj"), {L"a.dwg"}), 0);
}

TEST(DrawingRecordEdit, ARecordGoesUnderItsTypeOrAmongTheUntyped) {
    TempFolder folder;
    folder.WriteBytes(L"S.prj", ManageFileBytes({}, {L"u.dwg<>", L"PM：", L"p.dwg<>"}));
    EXPECT_EQ(InsertDrawingRecord(folder.Path(L"S.prj"), L"PM", L"复件a.dwg", L"面板"), 1);
    EXPECT_EQ(InsertDrawingRecord(folder.Path(L"S.prj"), L"", L"n.dwg", L""), 1);
    EXPECT_EQ(InsertDrawingRecord(folder.Path(L"S.prj"), L"YL", L"y.dwg", L""), 1);
    EXPECT_EQ(Lines(folder, L"S.prj"),
              (std::vector<std::wstring>{L"$BEGIN NOTE OF PRJ", L"$END NOTE OF PRJ",
                                         L"$BEGIN CONTENT OF PRJ", L"n.dwg<>", L"u.dwg<>", L"PM：",
                                         L"复件a.dwg<面板>", L"p.dwg<>", L"YL:", L"y.dwg<>",
                                         L"$End CONTENT OF PRJ", L"$EOF"}));

    // A file without a content section gets one before "$EOF".
    folder.WriteBytes(L"T.prj", Cp936Lines({L"$BEGIN NOTE OF PRJ", L"$END NOTE OF PRJ", L"$EOF"}));
    EXPECT_EQ(InsertDrawingRecord(folder.Path(L"T.prj"), L"PM", L"a.dwg", L""), 1);
    EXPECT_EQ(Lines(folder, L"T.prj"),
              (std::vector<std::wstring>{L"$BEGIN NOTE OF PRJ", L"$END NOTE OF PRJ",
                                         L"$BEGIN CONTENT OF PRJ", L"PM:", L"a.dwg<>",
                                         L"$End CONTENT OF PRJ", L"$EOF"}));
}
