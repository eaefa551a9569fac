// The drawing writer: cover texts and title-block cells from a container's description, in a
// database, in an open document and in drawing files.

#include "records/DrawingDescriptionWriter.h"
#include "platform/cad/CommandLine.h"
#include "platform/cad/DbOpen.h"
#include "platform/cad/DbSymbolTable.h"
#include "support/DrawingSupport.h"
#include "support/HostSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ovtest;

namespace {

std::wstring TextOf(AcDbObjectId id) {
    AcDbObjectPointer<AcDbEntity> entity(id, AcDb::kForRead);
    if (auto* text = AcDbText::cast(entity.object()))
        return text->textString();
    if (auto* mtext = AcDbMText::cast(entity.object()))
        return mtext->contents();
    return L"?";
}

bool Marked(AcDbObjectId id, const wchar_t* application) {
    AcDbObjectPointer<AcDbEntity> entity(id, AcDb::kForRead);
    ResbufChain items = entity->xData(application);
    return items.size() == 1 && items[0].restype == 1000 && items[0].resval.rstring.empty();
}

// Every model-space text as "text@x,y", in order.
std::vector<std::wstring> Texts(const AcDbDatabase& db) {
    std::vector<std::wstring> texts;
    for (AcDbObjectId id : ModelSpaceIds(db)) {
        AcDbObjectPointer<AcDbText> text(id, AcDb::kForRead);
        if (text)
            texts.push_back(text->textString());
    }
    return texts;
}

CDrawingDescription Description(const std::vector<CExplainInfoNode>& entries) {
    return CDrawingDescription::FromEntries(entries);
}

const std::vector<CExplainInfoNode> kEntries = {
    {L"工程名称", L"城东变电站工程"}, {L"工程合同号", L"HT-12"}, {L"设备型号", L"PK-10"},
    {L"设备名称", L"1号主变保护柜"},  {L"设备图册号", L"B7"},    {L"工程电气设计负责人", L"张工"},
    {L"设计阶段", L"施工图"},         {L"工程 地点", L" "}};

// A title block at (100, 0): cells of 40 x 10 side by side, labelled as given.
AcDbObjectId AddCells(AcDbDatabase& db, const std::vector<std::wstring>& labels) {
    std::vector<std::wstring> strings = {L"$BEGINETITLE", L"A3"};
    double x = 0;
    for (const std::wstring& label : labels) {
        strings.push_back(label + L"|" + std::to_wstring(x) + L"|10|" + std::to_wstring(x + 40) +
                          L"|0|3.5|0.7|仿宋");
        x += 40;
    }
    strings.push_back(L"$ENDTITLE");
    return AddTitleBlock(db, {100, 0, 0}, strings);
}

} // namespace

TEST(DrawingDescription, BlankValuesCountAsEmptyAndTheFirstEntryOfATitleGivesTheValue) {
    CDrawingDescription d = Description(
        {{L"工程名称", L" "}, {L"工程合同号", L" 7 "}, {L"工程合同号", L"8"}, {L"", L"x"}});
    EXPECT_EQ(d.strProjectName, L"");
    EXPECT_EQ(d.strContractNo, L"7");
    ASSERT_EQ(d.arrEntries.size(), 2u) << "no blank value, no untitled entry";
    EXPECT_EQ(d.arrEntries[0].Getm_StrValue(), L"7");
}

TEST(DrawingDescription, CoverTextsFollowTheFourRulesInOrder) {
    AcDbDatabase db;
    RegisterApplication(db, L"OV_EquipmentName");
    AcDbObjectId project = AddText(db, {0, 0, 0}, L"某某工程");
    AcDbObjectId alone = AddText(db, {0, 10, 0}, L"工程");
    AcDbObjectId contract = AddText(db, {0, 20, 0}, L"合同号：旧");
    AcDbObjectId model = AddText(db, {0, 30, 0}, L"XX型");
    AcDbObjectId cabinet = AddText(db, {0, 40, 0}, L"旧柜");
    AcDbObjectId marked = AddText(db, {0, 50, 0}, L"随便什么");
    SetXData(marked, L"OV_EquipmentName", {resbuf::Text(1000, L"")});
    AcDbObjectId both = AddText(db, {0, 60, 0}, L"配电柜工程");

    EXPECT_EQ(WriteDescriptionInDatabase(&db, L"01-封面.dwg", Description(kEntries)), 6);
    EXPECT_EQ(TextOf(project), L"城东变电站工程");
    EXPECT_TRUE(Marked(project, L"OV_ProjectName"));
    EXPECT_EQ(TextOf(alone), L"工程") << "the word alone is no project name";
    EXPECT_EQ(TextOf(contract), L"合同号：HT-12");
    EXPECT_TRUE(Marked(contract, L"OV_ProjectContractNo"));
    EXPECT_EQ(TextOf(model), L"PK-10");
    EXPECT_EQ(TextOf(cabinet), L"1号主变保护柜");
    EXPECT_EQ(TextOf(marked), L"1号主变保护柜") << "found by its data in any drawing";
    EXPECT_EQ(TextOf(both), L"城东变电站工程") << "the first rule that applies wins";

    // Found by their data from now on, in any drawing; a rule without a value leaves the text
    // to the next rule.
    CDrawingDescription nameOnly = Description({{L"设备名称", L"2号柜"}, {L"工程名称", L" "}});
    SetXData(project, L"OV_EquipmentName", {resbuf::Text(1000, L"")});
    EXPECT_EQ(WriteDescriptionInDatabase(&db, L"05.dwg", nameOnly), 3);
    EXPECT_EQ(TextOf(project), L"2号柜");
    EXPECT_EQ(TextOf(cabinet), L"2号柜");
    EXPECT_EQ(TextOf(contract), L"合同号：HT-12") << "no contract number: unchanged";
    EXPECT_EQ(TextOf(both), L"城东变电站工程");
}

TEST(DrawingDescription, TitleBlockCellsTakeTheirValuesIntoTheirTextOrANewCentredOne) {
    AcDbDatabase db;
    AddTextStyle(db, L"仿宋", 0.8);
    AddCells(db, {L"图 号", L"屏柜型号", L"电气负责人", L"设计阶段", L"工程地点", L"图纸编号"});
    AcDbObjectId number = AddText(db, {110, 5, 0}, L"旧号");
    AcDbObjectId stage = AddMText(db, {230, 5, 0}, L"旧");
    AcDbObjectId outside = AddText(db, {160, 10, 0}, L"边上");

    EXPECT_EQ(WriteDescriptionInDatabase(&db, L"02.dwg", Description(kEntries)), 4);
    EXPECT_EQ(TextOf(number), L"HT-12G-B7");
    EXPECT_EQ(TextOf(stage), L"施工图");
    EXPECT_EQ(TextOf(outside), L"边上") << "a text on the border is outside";
    std::vector<std::wstring> texts = Texts(db);
    ASSERT_EQ(texts.size(), 4u) << "new texts for the model and the designer only";
    EXPECT_EQ(texts[2], L"PK-10");
    EXPECT_EQ(texts[3], L"张工");
    AcDbObjectPointer<AcDbText> added(ModelSpaceIds(db)[4], AcDb::kForRead);
    ASSERT_TRUE(added);
    EXPECT_DOUBLE_EQ(added->alignmentPoint().x, 160) << "centred in its cell";
    EXPECT_DOUBLE_EQ(added->alignmentPoint().y, 5);
    EXPECT_EQ(added->horizontalMode(), AcDb::kTextCenter);
    EXPECT_EQ(added->verticalMode(), AcDb::kTextVertMid);
    EXPECT_DOUBLE_EQ(added->height(), 3.5);
    EXPECT_DOUBLE_EQ(added->widthFactor(), 0.7);
    EXPECT_EQ(added->textStyleName(), L"仿宋");

    // A second run finds the texts it made: nothing is added twice.
    EXPECT_EQ(WriteDescriptionInDatabase(&db, L"02.dwg", Description(kEntries)), 4);
    EXPECT_EQ(Texts(db).size(), 4u);
}

TEST(DrawingDescription, EmptyValuesFillNoCellAndAnMTextShowsBracesAsTyped) {
    AcDbDatabase db;
    AddCells(db, {L"图号", L"设备名称", L"屏柜型号"});
    AcDbObjectId name = AddMText(db, {150, 5, 0}, L"旧");
    EXPECT_EQ(
        WriteDescriptionInDatabase(
            &db, L"01.dwg",
            Description({{L"设备名称", L"{A}\\B"}, {L"设备型号", L" "}, {L"工程合同号", L""}})),
        1);
    EXPECT_EQ(TextOf(name), L"\\{A\\}\\\\B");
    EXPECT_EQ(ModelSpaceIds(db).size(), 2u) << "no \"G-\" number, no blank model";
}

TEST(DrawingDescription, FilesAreSavedOpenDocumentsChangedInPlaceAndFailuresNamed) {
    TempFolder folder;
    HostSession host;
    auto cover = [](AcDbDatabase& db) { AddText(db, {0, 0, 0}, L"旧工程"); };
    SaveDrawing(folder.Path(L"01.dwg"), cover);
    SaveDrawing(folder.Path(L"101.dwg"), cover);
    SaveDrawing(folder.Path(L"03.dwg"));
    folder.WriteBytes(L"04.dwg", "not a drawing");
    ASSERT_EQ(acDocManager->appContextOpenDocument(folder.Path(L"101.dwg").c_str()), Acad::eOk);
    std::string openOnDisk = folder.ReadBytes(L"101.dwg");
    std::string untouched = folder.ReadBytes(L"03.dwg");

    std::vector<std::wstring> paths = {folder.Path(L"01.dwg"), folder.Path(L"101.dwg"),
                                       folder.Path(L"03.dwg"), folder.Path(L"04.dwg")};
    EXPECT_EQ(WriteDescriptionToDrawings(paths, Description(kEntries)), 3);

    AcDbDatabase read(false, true);
    ASSERT_EQ(read.readDwgFile(folder.Path(L"01.dwg").c_str()), Acad::eOk);
    EXPECT_EQ(Texts(read), (std::vector<std::wstring>{L"城东变电站工程"}));
    EXPECT_EQ(Texts(*host.CurrentDatabase()), (std::vector<std::wstring>{L"城东变电站工程"}));
    EXPECT_EQ(folder.ReadBytes(L"101.dwg"), openOnDisk) << "an open drawing stays unsaved";
    EXPECT_EQ(host.Current()->lockCount(), 0) << "and is unlocked again";
    EXPECT_EQ(folder.ReadBytes(L"03.dwg"), untouched) << "nothing changed, nothing saved";
    std::wstring named = L"图纸\"";
    named += folder.Path(L"04.dwg");
    named += L"\"无法读取，没有写入描述信息。";
    EXPECT_NE(cad::CommandLine::Instance().Text().find(named), std::wstring::npos);
}
