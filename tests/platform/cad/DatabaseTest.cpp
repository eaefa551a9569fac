#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbDictionary.h"
#include "platform/cad/DbGroup.h"
#include "platform/cad/DbOpen.h"
#include "platform/cad/DbSymbolTable.h"
#include "support/DrawingSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace ovtest;

TEST(Database, HandlesAreUniqueHexTextThatFindsTheObjectAgain) {
    AcDbDatabase db;
    AcDbObjectId first = AddLine(db, {0, 0, 0}, {1, 1, 0});
    AcDbObjectId second = AddText(db, {0, 0, 0}, L"A");
    EXPECT_NE(first.handle(), second.handle());
    EXPECT_LT(second.handle().value(), db.handseed().value());

    std::wstring text = second.handle().text();
    AcDbObjectId found;
    ASSERT_EQ(db.getAcDbObjectId(found, false, AcDbHandle(text.c_str())), Acad::eOk);
    EXPECT_EQ(found, second);
    std::wstring lower = text;
    for (wchar_t& c : lower)
        c = static_cast<wchar_t>(std::towlower(c));
    ASSERT_EQ(db.getAcDbObjectId(found, false, AcDbHandle(lower.c_str())), Acad::eOk);
    EXPECT_EQ(found, second);

    EXPECT_EQ(db.getAcDbObjectId(found, false, AcDbHandle(L"FFFFFF")), Acad::eUnknownHandle);
    EXPECT_TRUE(found.isNull());
    EXPECT_TRUE(AcDbHandle(L"").isNull());
    EXPECT_TRUE(AcDbHandle(L"12G").isNull());
    EXPECT_TRUE(AcDbHandle(L"11111111111111111").isNull());
}

TEST(Database, OpenModesExcludeEachOtherAndSettersNeedWriteAccess) {
    AcDbDatabase db;
    AcDbObjectId id = AddText(db, {0, 0, 0}, L"A");
    AcDbText* reader = nullptr;
    ASSERT_EQ(acdbOpenObject(reader, id, AcDb::kForRead), Acad::eOk);
    AcDbText* writer = nullptr;
    EXPECT_EQ(acdbOpenObject(writer, id, AcDb::kForWrite), Acad::eWasOpenForRead);
    EXPECT_EQ(writer, nullptr);
    EXPECT_EQ(reader->setTextString(L"B"), Acad::eNotOpenForWrite);
    EXPECT_EQ(reader->textString(), L"A");
    reader->close();

    ASSERT_EQ(acdbOpenObject(writer, id, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(acdbOpenObject(reader, id, AcDb::kForRead), Acad::eWasOpenForWrite);
    EXPECT_EQ(writer->setTextString(L"B"), Acad::eOk);
    EXPECT_EQ(writer->erase(), Acad::eOk);
    writer->close();

    EXPECT_EQ(acdbOpenObject(reader, id, AcDb::kForRead), Acad::eWasErased);
    ASSERT_EQ(acdbOpenObject(reader, id, AcDb::kForRead, true), Acad::eOk);
    EXPECT_EQ(reader->textString(), L"B");
    reader->close();
    EXPECT_TRUE(ModelSpaceIds(db).empty()) << "erased entities are not walked";

    AcDbLine* wrongClass = nullptr;
    EXPECT_EQ(acdbOpenObject(wrongClass, id, AcDb::kForRead, true), Acad::eWrongObjectType);
    EXPECT_EQ(db.openObjectCount(), 0);
}

TEST(Database, IdsOfADeletedDatabaseOpenNothing) {
    auto db = std::make_unique<AcDbDatabase>();
    AcDbObjectId id = AddLine(*db, {0, 0, 0}, {1, 0, 0});
    db.reset();
    AcDbEntity* entity = nullptr;
    EXPECT_EQ(acdbOpenAcDbEntity(entity, id, AcDb::kForRead), Acad::eUnknownHandle);
    EXPECT_EQ(id.database(), nullptr);
}

TEST(Database, ExtendedDataNeedsARegisteredApplicationAndDataCodes) {
    AcDbDatabase db;
    AcDbObjectId id = AddText(db, {0, 0, 0}, L"A");
    AcDbObjectPointer<AcDbText> text(id, AcDb::kForWrite);
    ResbufChain items{resbuf::Text(1000, L"v"),  resbuf::Text(1005, L"1A"),
                      resbuf::Real(1040, 2.5),   resbuf::Short(1070, 7),
                      resbuf::Long(1071, 70000), resbuf::Point(1010, {1, 2, 3})};
    EXPECT_EQ(text->setXData(L"OV_ProjectName", items), Acad::eRegappIdNotFound);
    RegisterApplication(db, L"OV_ProjectName");
    EXPECT_EQ(text->setXData(L"OV_ProjectName", {resbuf::Text(1, L"x")}), Acad::eInvalidInput);
    EXPECT_FALSE(text->hasXData(L"OV_ProjectName"));
    ASSERT_EQ(text->setXData(L"OV_ProjectName", items), Acad::eOk);
    EXPECT_EQ(text->xData(L"ov_projectname"), items) << "application names ignore case";
    ASSERT_EQ(text->setXData(L"OV_PROJECTNAME", {}), Acad::eOk);
    EXPECT_TRUE(text->xDataApplications().empty());
}

TEST(Database, DictionariesNestWithCaseBlindKeysAndExtendedRecords) {
    AcDbDatabase db;
    AcDbObjectPointer<AcDbDictionary> named(db.namedObjectsDictionaryId(), AcDb::kForWrite);
    AcDbObjectId innerId;
    auto* inner = new AcDbDictionary();
    ASSERT_EQ(named->setAt(L"OV_DWG_DICITIONARY", inner, innerId), Acad::eOk);
    AcDbObjectId recordId;
    auto* record = new AcDbXrecord();
    EXPECT_EQ(record->setFromRbChain({resbuf::Text(1000, L"not a record code")}),
              Acad::eInvalidInput);
    ASSERT_EQ(record->setFromRbChain({resbuf::Text(1, L"位置"), resbuf::Text(1, L"A1")}),
              Acad::eOk);
    ASSERT_EQ(inner->setAt(L"OV_LOCATION_XRECORD", record, recordId), Acad::eOk);
    record->close();
    inner->close();

    EXPECT_TRUE(named->has(L"ov_dwg_dicitionary"));
    AcDbDictionary* found = nullptr;
    ASSERT_EQ(named->getAt(L"Ov_Dwg_Dicitionary", found, AcDb::kForRead), Acad::eOk);
    AcDbXrecord* read = nullptr;
    ASSERT_EQ(found->getAt(L"OV_LOCATION_XRECORD", read, AcDb::kForRead), Acad::eOk);
    ResbufChain chain;
    read->rbChain(chain);
    EXPECT_EQ(chain.size(), 2u);
    read->close();
    found->close();

    // Setting a key again replaces the entry and erases what it held.
    AcDbObjectId replacement;
    auto* second = new AcDbDictionary();
    ASSERT_EQ(named->setAt(L"OV_DWG_DICITIONARY", second, replacement), Acad::eOk);
    second->close();
    AcDbObject* old = nullptr;
    EXPECT_EQ(acdbOpenAcDbObject(old, innerId, AcDb::kForRead), Acad::eWasErased);
    EXPECT_EQ(named->numEntries(), 2u) << "the group dictionary and the replaced entry";
}

TEST(Database, ExtensionDictionaryBelongsToItsEntity) {
    AcDbDatabase db;
    AcDbObjectId block = AddBlock(db, L"FRAME", {new AcDbLine({0, 0, 0}, {10, 5, 0})});
    AcDbObjectId id = AddToModelSpace(db, new AcDbBlockReference({0, 0, 0}, block));
    AcDbObjectPointer<AcDbBlockReference> reference(id, AcDb::kForWrite);
    EXPECT_TRUE(reference->extensionDictionary().isNull());
    ASSERT_EQ(reference->createExtensionDictionary(), Acad::eOk);
    EXPECT_EQ(reference->createExtensionDictionary(), Acad::eAlreadyInDb);
    AcDbObjectPointer<AcDbDictionary> dictionary(reference->extensionDictionary(), AcDb::kForRead);
    ASSERT_EQ(dictionary.openStatus(), Acad::eOk);
    EXPECT_EQ(dictionary->ownerId(), id);
}

TEST(Database, GroupsHoldEntitiesOfTheirOwnDatabase) {
    AcDbDatabase db, other;
    AcDbObjectId a = AddLine(db, {0, 0, 0}, {1, 0, 0});
    AcDbObjectId b = AddText(db, {0, 0, 0}, L"B");
    AcDbObjectId foreign = AddLine(other, {0, 0, 0}, {1, 0, 0});

    auto* group = new AcDbGroup(L"", false);
    EXPECT_EQ(group->append(a), Acad::eNotInDatabase);
    AcDbObjectPointer<AcDbDictionary> groups(db.groupDictionaryId(), AcDb::kForWrite);
    AcDbObjectId groupId;
    ASSERT_EQ(groups->setAt(L"GROUP_SBINFOTABLE", group, groupId), Acad::eOk);
    EXPECT_EQ(group->append(a), Acad::eOk);
    EXPECT_EQ(group->append(a), Acad::eAlreadyInDb);
    EXPECT_EQ(group->append(b), Acad::eOk);
    EXPECT_EQ(group->append(foreign), Acad::eWrongDatabase);
    EXPECT_EQ(group->append(db.layerTableId()), Acad::eWrongObjectType);
    EXPECT_EQ(group->name(), L"GROUP_SBINFOTABLE");
    EXPECT_FALSE(group->isSelectable());
    group->close();

    {
        AcDbObjectPointer<AcDbEntity> entity(a, AcDb::kForWrite);
        entity->erase();
    }
    AcDbObjectPointer<AcDbGroup> opened(groupId, AcDb::kForRead);
    std::vector<AcDbObjectId> members;
    EXPECT_EQ(opened->allEntityIds(members), 1u);
    EXPECT_EQ(members, std::vector<AcDbObjectId>{b});
}

TEST(Database, AppendedEntitiesTakeTheCurrentLayerAndRefuseUnknownOnes) {
    AcDbDatabase db;
    AcDbObjectId layer = AddLayer(db, L"TEXT", 1);
    ASSERT_EQ(db.setClayer(layer), Acad::eOk);
    AcDbObjectId id = AddText(db, {0, 0, 0}, L"A");
    AcDbObjectPointer<AcDbText> text(id, AcDb::kForRead);
    EXPECT_EQ(text->layer(), L"TEXT");
    EXPECT_EQ(text->textStyleName(), L"Standard");
    EXPECT_EQ(text->layerId(), layer);

    auto* stray = new AcDbLine({0, 0, 0}, {1, 0, 0});
    stray->setLayer(L"NO SUCH LAYER");
    AcDbObjectPointer<AcDbBlockTableRecord> space(db.modelSpaceId(), AcDb::kForWrite);
    EXPECT_EQ(space->appendAcDbEntity(stray), Acad::eKeyNotFound);
    EXPECT_EQ(stray->database(), nullptr);
    delete stray;
    EXPECT_EQ(db.setClayer(db.textStyleTableId()), Acad::eInvalidInput);
}

TEST(Database, TextExtentsFollowTheMetricsModel) {
    AcDbDatabase db;
    auto* text = new AcDbText({10, 20, 0}, L"设备AB", AcDbObjectId::kNull, 4.0);
    text->setWidthFactor(0.75);
    AcDbObjectId id = AddToModelSpace(db, text);
    AcDbObjectPointer<AcDbText> opened(id, AcDb::kForWrite);
    AcDbExtents extents;
    ASSERT_EQ(opened->getGeomExtents(extents), Acad::eOk);
    // Two full-width characters (4 each) and two half-width ones (2 each), times 0.75.
    EXPECT_DOUBLE_EQ(extents.maxPoint().x - extents.minPoint().x, 9.0);
    EXPECT_DOUBLE_EQ(extents.minPoint().y, 20.0);
    EXPECT_DOUBLE_EQ(extents.maxPoint().y, 24.0);

    // Centred and middle on an alignment point: the box sits around it.
    opened->setHorizontalMode(AcDb::kTextCenter);
    opened->setVerticalMode(AcDb::kTextVertMid);
    opened->setAlignmentPoint({0, 0, 0});
    ASSERT_EQ(opened->getGeomExtents(extents), Acad::eOk);
    EXPECT_DOUBLE_EQ(extents.minPoint().x, -4.5);
    EXPECT_DOUBLE_EQ(extents.maxPoint().y, 2.0);
    EXPECT_DOUBLE_EQ(opened->position().x, -4.5);

    // Turned a quarter: the box stands upright.
    opened->setRotation(std::acos(0.0));
    ASSERT_EQ(opened->getGeomExtents(extents), Acad::eOk);
    EXPECT_NEAR(extents.maxPoint().y - extents.minPoint().y, 9.0, 1e-9);

    EXPECT_EQ(opened->transformBy(AcGeMatrix3d::translation({1, 2, 0})), Acad::eOk);
    EXPECT_DOUBLE_EQ(opened->alignmentPoint().y, 2.0);
    AcGeMatrix3d scale;
    scale.entry[0][0] = 2.0;
    EXPECT_EQ(opened->transformBy(scale), Acad::eNotApplicable);
    EXPECT_DOUBLE_EQ(opened->alignmentPoint().x, 1.0);

    opened->setTextString(L"");
    EXPECT_EQ(opened->getGeomExtents(extents), Acad::eInvalidExtents);
}

TEST(Database, ParagraphTextLaysOutLinesWidthFactorsAndStyleScale) {
    AcDbDatabase db;
    AddTextStyle(db, L"NARROW", 0.5);
    AcDbObjectId id = AddMText(db, {0, 100, 0}, L"{\\W0.5;ABCD}\\P工程", 3.0);
    AcDbObjectPointer<AcDbMText> mtext(id, AcDb::kForWrite);
    EXPECT_EQ(mtext->lineCount(), 2);
    EXPECT_DOUBLE_EQ(mtext->actualWidth(), 6.0) << "工程 is wider than ABCD at half width";
    EXPECT_DOUBLE_EQ(mtext->actualHeight(), 3.0 + 5.0);
    AcDbExtents extents;
    ASSERT_EQ(mtext->getGeomExtents(extents), Acad::eOk);
    EXPECT_DOUBLE_EQ(extents.maxPoint().y, 100.0) << "attached at the top left";
    EXPECT_DOUBLE_EQ(extents.minPoint().y, 92.0);

    mtext->setTextStyle(cad::FindRecord(db.textStyleTableId(), L"narrow"));
    EXPECT_DOUBLE_EQ(mtext->actualWidth(), 3.0);
    mtext->setAttachment(AcDbMText::kBottomRight);
    ASSERT_EQ(mtext->getGeomExtents(extents), Acad::eOk);
    EXPECT_DOUBLE_EQ(extents.maxPoint().x, 0.0);
    EXPECT_DOUBLE_EQ(extents.minPoint().y, 100.0);

    mtext->setContents(L"\\U+4E2D\\\\x\\fSimSun|b0;y");
    EXPECT_DOUBLE_EQ(mtext->actualWidth(), (3.0 + 1.5 * 3) * 0.5) << "中, \\, x, y";
    mtext->setContents(L"");
    EXPECT_EQ(mtext->getGeomExtents(extents), Acad::eInvalidExtents);
}

TEST(Database, BlockReferenceExtentsAreTheBlockScaledTurnedAndMoved) {
    AcDbDatabase db;
    AcDbObjectId block = AddBlock(db, L"B", {new AcDbLine({0, 0, 0}, {10, 5, 0})});
    auto* reference = new AcDbBlockReference({100, 0, 0}, block);
    reference->setScaleFactors({2, 2, 1});
    reference->setRotation(std::acos(-1.0));
    AcDbObjectId id = AddToModelSpace(db, reference);
    AcDbObjectPointer<AcDbBlockReference> opened(id, AcDb::kForRead);
    AcDbExtents extents;
    ASSERT_EQ(opened->geomExtentsBestFit(extents), Acad::eOk);
    EXPECT_NEAR(extents.minPoint().x, 80.0, 1e-9);
    EXPECT_NEAR(extents.maxPoint().x, 100.0, 1e-9);
    EXPECT_NEAR(extents.minPoint().y, -10.0, 1e-9);

    AcDbObjectId empty = AddBlock(db, L"EMPTY", {});
    AcDbObjectId emptyReference = AddToModelSpace(db, new AcDbBlockReference({0, 0, 0}, empty));
    AcDbObjectPointer<AcDbBlockReference> nothing(emptyReference, AcDb::kForRead);
    EXPECT_EQ(nothing->getGeomExtents(extents), Acad::eInvalidExtents);
}
