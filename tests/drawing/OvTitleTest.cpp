// Title blocks: which reference is the title block, how its record is read, and which text is
// the drawing name; the library's closed reader on the same drawings.

#include "drawing/OvTitle.h"
#include "platform/cad/HostServices.h"
#include "suite/OvDwgBtlInfo/OvDwgBtlInfo.h"
#include "support/DrawingSupport.h"
#include "support/HostSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ovtest;

namespace {

// A name cell from (10, 20) to (50, 10) relative to the block, and a number cell beside it.
const std::vector<std::wstring> kCells = {L"$BEGINETITLE", L"skipped",
                                          L"图号|50|20|90|10|3.5|0.7|HZTXT",
                                          L" 图 样 名 称 |10|20|50|10|5|0.8|宋体", L"$ENDTITLE"};

std::wstring NameOf(AcDbDatabase& db) {
    Ov_CTitle title(&db);
    title.FindTitleBlock();
    title.ReadCells();
    std::wstring name;
    title.SearchDrawingName(name);
    return name;
}

} // namespace

TEST(OvTitle, TheLastQualifyingReferenceIsTheTitleBlock) {
    AcDbDatabase db;
    AcDbObjectId first = AddTitleBlock(db, {0, 0, 0}, kCells);
    AcDbObjectId second = AddTitleBlock(db, {1000, 0, 0}, kCells);
    // A reference lacking one of the four applications is no title block.
    AcDbObjectId partial = AddTitleBlock(db, {2000, 0, 0}, kCells);
    SetXData(partial, L"VERNUM_OF_TABLE", {});
    Ov_CTitle title(&db);
    ASSERT_EQ(title.FindTitleBlock(), 1);
    EXPECT_EQ(title.Getm_idTitle(), second);
    EXPECT_NE(title.Getm_idTitle(), first);
    ASSERT_EQ(title.ReadCells(), 2);
    EXPECT_EQ(title.Getm_ptBase().x, 1000.0);
    EXPECT_EQ(title.Getm_strLabel(0), L"图号");
    EXPECT_EQ(title.Getm_ptCorner1(1).x, 1010.0) << "corners are absolute";
    EXPECT_EQ(title.Getm_ptCorner2(1).y, 10.0);
    EXPECT_EQ(title.Getm_dTextHeight(0), 3.5);
    EXPECT_EQ(title.Getm_dWidthFactor(0), 0.7);
    EXPECT_EQ(title.Getm_strTextStyle(1), L"宋体");

    AcDbDatabase none;
    Ov_CTitle empty(&none);
    EXPECT_EQ(empty.FindTitleBlock(), 0);
    EXPECT_EQ(empty.ReadCells(), 0);
}

TEST(OvTitle, TheRecordIsFoundByItsTrimmedKeyAndReadBetweenTheMarkers) {
    AcDbDatabase db;
    AddTitleBlock(db, {0, 0, 0},
                  {L"ignored|1|1|1|1|1|1|x", L"$BEGINETITLE", L"skipped", L"A|1|2|3|4|5|6|S|T",
                   L"B|7", L"$ENDTITLE", L"after|1|1|1|1|1|1|x"},
                  L" tessaline_title ");
    Ov_CTitle title(&db);
    title.FindTitleBlock();
    ASSERT_EQ(title.ReadCells(), 2);
    EXPECT_EQ(title.Getm_strLabel(0), L"A");
    EXPECT_EQ(title.Getm_strTextStyle(0), L"S|T") << "the style is the rest after the 7th bar";
    EXPECT_EQ(title.Getm_strLabel(1), L"B");
    EXPECT_EQ(title.Getm_ptCorner1(1).x, 7.0);
    EXPECT_EQ(title.Getm_ptCorner2(1).x, 0.0) << "missing numbers are 0";

    // Without the begin marker every string up to the end marker is a cell.
    AcDbDatabase unmarked;
    AddTitleBlock(unmarked, {0, 0, 0}, {L"A|12abc", L"B", L"$ENDTITLE", L"C"});
    Ov_CTitle second(&unmarked);
    second.FindTitleBlock();
    ASSERT_EQ(second.ReadCells(), 2);
    EXPECT_EQ(second.Getm_ptCorner1(0).x, 12.0) << "numbers are read as atof reads them";

    AcDbDatabase otherKey;
    AddTitleBlock(otherKey, {0, 0, 0}, kCells, L"OTHER");
    Ov_CTitle third(&otherKey);
    EXPECT_EQ(third.FindTitleBlock(), 1);
    EXPECT_EQ(third.ReadCells(), 0);
}

TEST(OvTitle, TheReaderHoldsAHundredCells) {
    std::vector<std::wstring> strings = {L"$BEGINETITLE", L""};
    for (int i = 0; i < 150; ++i)
        strings.push_back(L"C" + std::to_wstring(i) + L"|0|0|0|0|0|0|");
    AcDbDatabase db;
    AddTitleBlock(db, {0, 0, 0}, strings);
    Ov_CTitle title(&db);
    title.FindTitleBlock();
    EXPECT_EQ(title.ReadCells(), Ov_CTitle::kMaxCells);
    EXPECT_EQ(title.Getm_strLabel(99), L"C99");
}

TEST(OvTitle, TheDrawingNameIsTheLastTextStrictlyInsideTheNameCell) {
    AcDbDatabase db;
    AddTitleBlock(db, {100, 100, 0}, kCells);
    EXPECT_EQ(NameOf(db), L"");
    AddText(db, {120, 115, 0}, L"一次 接线图");
    EXPECT_EQ(NameOf(db), L"一次接线图") << "spaces removed";
    AddMText(db, {130, 112, 0}, L"{\\fSimSun|b0;二次 原理图}");
    AddText(db, {110, 115, 0}, L"on the border");
    AddText(db, {130, 120, 0}, L"on the top border");
    AddText(db, {160, 115, 0}, L"in the number cell");
    EXPECT_EQ(NameOf(db), L"二次原理图");

    // The first cell in stored order whose label is one of the names is the name cell.
    AcDbDatabase labels;
    AddTitleBlock(labels, {0, 0, 0},
                  {L"DWG.NO.|0|10|10|0", L"图纸名称|20|10|30|0", L"dwg.no.|40|10|50|0"});
    AddText(labels, {25, 5, 0}, L"B");
    AddText(labels, {5, 5, 0}, L"A");
    EXPECT_EQ(NameOf(labels), L"A");
}

TEST(OvTitle, NameFromADrawingFileOrAnOpenDocument) {
    HostSession host;
    TempFolder folder;
    SaveDrawing(folder.Path(L"A.dwg"), [](AcDbDatabase& db) {
        AddTitleBlock(db, {0, 0, 0}, kCells);
        AddText(db, {20, 15, 0}, L"总图");
    });
    EXPECT_EQ(GetDrawingNameFromTitle(folder.Path(L"A.dwg"), 1), L"总图");
    EXPECT_EQ(GetDrawingNameFromTitle(folder.Path(L"missing.dwg"), 1), L"");

    AcDbDatabase* current = host.CurrentDatabase();
    EXPECT_EQ(HasTitleBlock(), 0);
    {
        DocumentLock lock(host.Current());
        AddTitleBlock(*current, {0, 0, 0}, kCells);
        AddText(*current, {20, 15, 0}, L"当前图");
    }
    EXPECT_EQ(HasTitleBlock(), 1);
    std::wstring title = host.Current()->docTitle();
    EXPECT_EQ(GetDrawingNameFromTitle(title, 0), L"当前图") << "found among the open documents";
}

TEST(OvDwgBtlInfo, TheClosedReaderAnswersFromTheSavedDrawing) {
    TempFolder folder;
    SaveDrawing(folder.Path(L"A.dwg"), [](AcDbDatabase& db) {
        AddTitleBlock(db, {5, 5, 0}, kCells);
    });
    OvDwgBtlInfoRequest request;
    request.strDwgPathName = folder.Path(L"A.dwg");
    ASSERT_EQ(OvGetBtlInfoFromDwg(reinterpret_cast<ui::WPARAM>(&request)), 1);
    EXPECT_EQ(request.nFound, 1);
    ASSERT_EQ(request.arrCells.size(), 2u);
    EXPECT_EQ(request.arrCells[1].strLabel, L" 图 样 名 称 ");
    EXPECT_EQ(request.arrCells[1].ptCorner1.x, 15.0);

    folder.WriteBytes(L"B.dwg", "AC1024 not a drawing of this host");
    request.strDwgPathName = folder.Path(L"B.dwg");
    EXPECT_EQ(OvGetBtlInfoFromDwg(reinterpret_cast<ui::WPARAM>(&request)), 0);
    EXPECT_EQ(request.nFound, 0);
    EXPECT_TRUE(request.arrCells.empty());
    EXPECT_EQ(OvGetBtlInfoFromDwg(0), 0);
}
