// The location record of drawings and the texts that repeat it, read, written and renamed.

#include "records/DrawingLocation.h"
#include "platform/cad/DbDictionary.h"
#include "platform/cad/DbOpen.h"
#include "support/DrawingSupport.h"
#include "support/HostSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ovtest;

namespace {

// Puts the items into the location record, making the dictionary and record as needed.
void SetRecord(AcDbDatabase& db, const ResbufChain& items) {
    ASSERT_EQ(SetDrawingLocation(&db, L""), 1);
    AcDbObjectPointer<AcDbDictionary> named(db.namedObjectsDictionaryId(), AcDb::kForRead);
    AcDbDictionary* inner = nullptr;
    ASSERT_EQ(named->getAt(kDwgDictionaryKey, inner, AcDb::kForRead), Acad::eOk);
    AcDbXrecord* record = nullptr;
    ASSERT_EQ(inner->getAt(kLocationRecordKey, record, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(record->setFromRbChain(items), Acad::eOk);
    record->close();
    inner->close();
}

std::wstring TextOf(AcDbObjectId id) {
    AcDbObjectPointer<AcDbEntity> entity(id, AcDb::kForRead);
    if (auto* text = AcDbText::cast(entity.object()))
        return text->textString();
    if (auto* mtext = AcDbMText::cast(entity.object()))
        return mtext->contents();
    return L"?";
}

std::wstring Link(AcDbObjectId id, const wchar_t* application) {
    AcDbObjectPointer<AcDbEntity> entity(id, AcDb::kForRead);
    for (const resbuf& item : entity->xData(application))
        if (item.restype == 1005)
            return item.resval.rstring;
    return L"";
}

class DrawingLocationTest : public ::testing::Test {
protected:
    DrawingLocationTest() {
        for (const wchar_t* application :
             {L"DZP_NAME", L"OV_DZPHEAD_LOACTIONHANDLE", L"OV_DZPLOCATION_HEADHANDLE",
              L"OVPARTLAYT_PART", L"OVBOM_LOCATION_LABELHANDLE"})
            RegisterApplication(db, application);
    }
    // A terminal-strip head "X1" (4 high, 4 wide) at (100, 50) linked to `location`; with
    // `own` the location text links back to it.
    AcDbObjectId AddHead(AcDbObjectId location, bool own, double rotation = 0.0) {
        auto* text = new AcDbText({100, 50, 0}, L"X1", AcDbObjectId::kNull, 4.0, rotation);
        AcDbObjectId head = AddToModelSpace(db, text);
        SetXData(head, L"DZP_NAME", {resbuf::Text(1000, L"X1")});
        SetXData(head, L"OV_DZPHEAD_LOACTIONHANDLE",
                 {resbuf::Text(1000, L"keep"), resbuf::Text(1005, location.handle().text())});
        if (own)
            SetXData(location, L"OV_DZPLOCATION_HEADHANDLE",
                     {resbuf::Text(1005, head.handle().text())});
        return head;
    }

    AcDbDatabase db;
};

} // namespace

TEST_F(DrawingLocationTest, TheValueFollowsTheFirstItemHoldingTheLabelBlanksIgnored) {
    EXPECT_EQ(GetDrawingLocation(&db), L"") << "no dictionary";
    SetRecord(db, {resbuf::Text(1, L"编号"), resbuf::Text(1, L"位 置"), resbuf::Text(1, L"A1"),
                   resbuf::Text(1, L"位置"), resbuf::Text(1, L"B2")});
    EXPECT_EQ(GetDrawingLocation(&db), L"A1");
    SetRecord(db, {resbuf::Text(1, L"位置")});
    EXPECT_EQ(GetDrawingLocation(&db), L"") << "no item after the label";
    SetRecord(db, {resbuf::Text(1, L"x")});
    EXPECT_EQ(GetDrawingLocation(&db), L"");
    EXPECT_EQ(GetDrawingLocation(nullptr), L"");
}

TEST_F(DrawingLocationTest, WritingKeepsTheFamilysOtherRecordsAndRefusesAForeignEntry) {
    ASSERT_EQ(SetDrawingLocation(&db, L"A1"), 1);
    {
        AcDbObjectPointer<AcDbDictionary> named(db.namedObjectsDictionaryId(), AcDb::kForRead);
        AcDbDictionary* inner = nullptr;
        ASSERT_EQ(named->getAt(kDwgDictionaryKey, inner, AcDb::kForWrite), Acad::eOk);
        auto* scale = new AcDbXrecord();
        AcDbObjectId id;
        ASSERT_EQ(inner->setAt(L"OV_SCALE_XRECORD", scale, id), Acad::eOk);
        scale->close();
        inner->close();
    }
    ASSERT_EQ(SetDrawingLocation(&db, L"B2"), 1);
    EXPECT_EQ(GetDrawingLocation(&db), L"B2");
    AcDbObjectPointer<AcDbDictionary> named(db.namedObjectsDictionaryId(), AcDb::kForRead);
    AcDbDictionary* inner = nullptr;
    ASSERT_EQ(named->getAt(kDwgDictionaryKey, inner, AcDb::kForRead), Acad::eOk);
    EXPECT_TRUE(inner->has(L"OV_SCALE_XRECORD"));
    inner->close();

    AcDbDatabase other;
    {
        AcDbObjectPointer<AcDbDictionary> otherNamed(other.namedObjectsDictionaryId(),
                                                     AcDb::kForWrite);
        auto* record = new AcDbXrecord();
        AcDbObjectId id;
        ASSERT_EQ(otherNamed->setAt(kDwgDictionaryKey, record, id), Acad::eOk);
        record->close();
    }
    EXPECT_EQ(SetDrawingLocation(&other, L"A1"), 0) << "an extended record, not a dictionary";
}

TEST_F(DrawingLocationTest, AHeadsOwnTextShowingTheOldLocationMovesBesideItAndShrinks) {
    SetDrawingLocation(&db, L"A1");
    AcDbObjectId location = AddText(db, {0, 0, 0}, L"A1");
    AcDbObjectId head = AddHead(location, true);
    AcDbObjectId turnedLocation = AddMText(db, {0, 0, 0}, L"A1");
    AcDbObjectId turnedHead = AddHead(turnedLocation, true, 1.5708);
    AcDbObjectId elsewhere = AddText(db, {0, 0, 0}, L"B9");
    AddHead(elsewhere, true);

    ASSERT_EQ(RenameLocationInDatabase(&db, L"C3"), 1);
    EXPECT_EQ(GetDrawingLocation(&db), L"C3");
    {
        AcDbObjectPointer<AcDbText> text(location, AcDb::kForRead);
        EXPECT_EQ(text->textString(), L"C3");
        EXPECT_EQ(text->height(), 0.01);
        EXPECT_EQ(text->horizontalMode(), AcDb::kTextLeft);
        EXPECT_EQ(text->verticalMode(), AcDb::kTextVertMid);
        // The head's box is 100..104 by 50..54: one unit right of it, at mid height.
        EXPECT_TRUE(text->alignmentPoint().isEqualTo({105, 52, 0}));
    }
    {
        AcDbObjectPointer<AcDbMText> mtext(turnedLocation, AcDb::kForRead);
        EXPECT_EQ(mtext->contents(), L"C3");
        EXPECT_EQ(mtext->attachment(), AcDbMText::kMiddleLeft);
        EXPECT_EQ(mtext->textHeight(), 0.01);
        AcDbExtents box;
        AcDbObjectPointer<AcDbEntity> headEntity(turnedHead, AcDb::kForRead);
        headEntity->getGeomExtents(box);
        double centreX = (box.minPoint().x + box.maxPoint().x) / 2;
        EXPECT_NEAR(mtext->location().x, centreX, 1e-9) << "turned up: above the head";
        EXPECT_NEAR(mtext->location().y, box.maxPoint().y + 1.0, 1e-9);
    }
    EXPECT_EQ(TextOf(elsewhere), L"B9") << "a text showing another location stays";
    EXPECT_EQ(Link(head, L"OV_DZPHEAD_LOACTIONHANDLE"), location.handle().text());
}

TEST_F(DrawingLocationTest, AHeadWithoutATextOfItsOwnGetsANewHiddenOneLinkedBothWays) {
    AddLayer(db, L"TEXT", 3);
    SetDrawingLocation(&db, L"A1");
    AcDbObjectId stranger = AddText(db, {0, 0, 0}, L"A1"); // links back to no head
    AcDbObjectId head = AddHead(stranger, false, 3.1416);
    size_t before = ModelSpaceIds(db).size();

    ASSERT_EQ(RenameLocationInDatabase(&db, L"C3"), 1);
    ASSERT_EQ(ModelSpaceIds(db).size(), before + 1);
    AcDbObjectId added = ModelSpaceIds(db).back();
    AcDbObjectPointer<AcDbText> text(added, AcDb::kForRead);
    EXPECT_EQ(text->textString(), L"C3");
    EXPECT_EQ(text->height(), 2.0);
    EXPECT_EQ(text->rotation(), 3.1416);
    EXPECT_EQ(text->layer(), L"TEXT");
    EXPECT_EQ(text->visibility(), AcDb::kInvisible);
    EXPECT_TRUE(text->alignmentPoint().isEqualTo({95, 48, 0}, 0.1)) << "left of the turned head";
    EXPECT_EQ(Link(added, L"OV_DZPLOCATION_HEADHANDLE"), head.handle().text());
    EXPECT_EQ(Link(head, L"OV_DZPHEAD_LOACTIONHANDLE"), added.handle().text());
    AcDbObjectPointer<AcDbEntity> headEntity(head, AcDb::kForRead);
    EXPECT_EQ(headEntity->xData(L"OV_DZPHEAD_LOACTIONHANDLE").front().resval.rstring, L"keep");
    EXPECT_EQ(TextOf(stranger), L"A1");
}

TEST_F(DrawingLocationTest, PartLayoutsAlwaysAndLabelsOnlyWithTheWholeOldText) {
    SetDrawingLocation(&db, L"A1");
    AcDbObjectId block = AddBlock(db, L"PART", {new AcDbLine({0, 0, 0}, {1, 1, 0})});
    AcDbObjectId part = AddToModelSpace(db, new AcDbBlockReference({0, 0, 0}, block));
    SetXData(part, L"OVPARTLAYT_PART", {resbuf::Text(1000, L"K1")});
    AcDbObjectId exact = AddText(db, {0, 0, 0}, L"A1");
    AcDbObjectId blank = AddText(db, {0, 0, 0}, L"A1 ");
    AcDbObjectId paragraph = AddMText(db, {0, 0, 0}, L"A1");
    for (AcDbObjectId label : {exact, blank, paragraph})
        SetXData(label, L"OVBOM_LOCATION_LABELHANDLE", {resbuf::Text(1000, L"")});
    AcDbObjectId unlabelled = AddText(db, {0, 0, 0}, L"A1");

    ASSERT_EQ(RenameLocationInDatabase(&db, L"C3"), 1);
    AcDbObjectPointer<AcDbEntity> partEntity(part, AcDb::kForRead);
    ResbufChain location = partEntity->xData(L"OVPARTLAYT_LOCATION");
    ASSERT_EQ(location.size(), 1u);
    EXPECT_EQ(location[0].resval.rstring, L"C3");
    EXPECT_EQ(TextOf(exact), L"C3");
    EXPECT_EQ(TextOf(blank), L"A1 ");
    EXPECT_EQ(TextOf(paragraph), L"C3");
    EXPECT_EQ(TextOf(unlabelled), L"A1");
}

TEST(DrawingLocation, RenamingADrawingSavesAFileAndChangesAnOpenDocumentInPlace) {
    HostSession host;
    TempFolder folder;
    SaveDrawing(folder.Path(L"A.dwg"), [](AcDbDatabase& db) { SetDrawingLocation(&db, L"A1"); });
    ASSERT_EQ(RenameDrawingLocation(folder.Path(L"A.dwg"), L"C3"), 1);
    AcDbDatabase read(false, true);
    ASSERT_EQ(read.readDwgFile(folder.Path(L"A.dwg").c_str()), Acad::eOk);
    EXPECT_EQ(GetDrawingLocation(&read), L"C3");

    ASSERT_EQ(acDocManager->appContextOpenDocument(folder.Path(L"A.dwg").c_str()), Acad::eOk);
    AcApDocument* document = host.Current();
    ASSERT_EQ(RenameDrawingLocation(folder.Path(L"A.dwg"), L"D4"), 1);
    EXPECT_EQ(GetDrawingLocation(document->database()), L"D4");
    EXPECT_EQ(document->lockCount(), 0) << "unlocked again";
    AcDbDatabase again(false, true);
    ASSERT_EQ(again.readDwgFile(folder.Path(L"A.dwg").c_str()), Acad::eOk);
    EXPECT_EQ(GetDrawingLocation(&again), L"C3") << "the open drawing is not saved";

    EXPECT_EQ(RenameDrawingLocation(folder.Path(L"missing.dwg"), L"C3"), 0);
}
