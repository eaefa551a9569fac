#include "drawing/EditOprt.h"
#include "platform/cad/DbOpen.h"
#include "support/DrawingSupport.h"

#include <gtest/gtest.h>

using namespace ovtest;

TEST(EditOprtEntities, TextOfTextsAndParagraphTexts) {
    AcDbDatabase db;
    AcDbObjectId text = AddText(db, {0, 0, 0}, L"屏柜");
    AcDbObjectId mtext = AddMText(db, {0, 0, 0}, L"{\\fSimSun|b0|i0|c134;端子\\P排}");
    AcDbObjectId line = AddLine(db, {0, 0, 0}, {1, 1, 0});
    std::wstring value = L"stale";
    EXPECT_EQ(CEditOprt::GetEntityText(text, value), 1);
    EXPECT_EQ(value, L"屏柜");
    EXPECT_EQ(CEditOprt::GetEntityText(mtext, value), 1);
    EXPECT_EQ(value, L"端子排");
    EXPECT_EQ(CEditOprt::GetEntityText(line, value), 0);
    EXPECT_EQ(value, L"");
    EXPECT_EQ(CEditOprt::GetEntityText(AcDbObjectId::kNull, value), 0);
    EXPECT_EQ(db.openObjectCount(), 0);
}

TEST(EditOprtEntities, HandlesEraseAndMove) {
    AcDbDatabase db;
    AcDbObjectId id = AddLine(db, {0, 0, 0}, {1, 1, 0});
    AcDbObjectId found;
    ASSERT_EQ(CEditOprt::GetObjectIdFromHandle(&db, found, id.handle().text()), 1);
    EXPECT_EQ(found, id);
    EXPECT_EQ(CEditOprt::GetObjectIdFromHandle(&db, found, L"not hex"), 0);
    EXPECT_TRUE(found.isNull());
    EXPECT_EQ(CEditOprt::GetObjectIdFromHandle(nullptr, found, id.handle().text()), 0);

    ASSERT_EQ(CEditOprt::MoveEntity(id, 10, 20, 0), 1);
    {
        AcDbObjectPointer<AcDbLine> line(id, AcDb::kForRead);
        EXPECT_EQ(line->endPoint(), AcGePoint3d(11, 21, 0));
        EXPECT_EQ(CEditOprt::MoveEntity(id, 1, 1, 0), 0) << "open for read elsewhere";
    }
    EXPECT_EQ(CEditOprt::MoveEntity(static_cast<AcDbEntity*>(nullptr), 1, 1, 0), 0);
    ASSERT_EQ(CEditOprt::EraseObject(id), 1);
    EXPECT_EQ(CEditOprt::EraseObject(id), 0);
    EXPECT_EQ(CEditOprt::MoveEntity(id, 1, 1, 0), 0);
    EXPECT_EQ(db.openObjectCount(), 0);
}

TEST(EditOprtEntities, CentresAndExtents) {
    AcDbDatabase db;
    AcDbObjectId block = AddBlock(db, L"FRAME", {new AcDbLine({0, 0, 0}, {20, 10, 0})});
    AcDbObjectId reference = AddToModelSpace(db, new AcDbBlockReference({100, 100, 0}, block));
    AcDbObjectId text = AddText(db, {0, 0, 0}, L"AB", 4.0);
    AcDbObjectId empty = AddText(db, {500, 500, 0}, L"");
    AcDbObjectId hidden = AddLine(db, {-50, -50, 0}, {-40, -40, 0});
    {
        AcDbObjectPointer<AcDbEntity> entity(hidden, AcDb::kForWrite);
        entity->setVisibility(AcDb::kInvisible);
    }
    AcGePoint3d centre;
    {
        AcDbObjectPointer<AcDbEntity> entity(reference, AcDb::kForRead);
        ASSERT_EQ(CEditOprt::GetEntityCentre(entity.object(), centre), 1);
        EXPECT_EQ(centre, AcGePoint3d(110, 105, 0));
        AcDbObjectPointer<AcDbEntity> nothing(empty, AcDb::kForRead);
        EXPECT_EQ(CEditOprt::GetEntityCentre(nothing.object(), centre), 0);
    }
    AcGePoint3d low, high;
    ASSERT_EQ(CEditOprt::GetModelSpaceExtents(&db, low, high), 1);
    EXPECT_EQ(low, AcGePoint3d(0, 0, 0)) << "the invisible line and the empty text are left out";
    EXPECT_EQ(high, AcGePoint3d(120, 110, 0));
    ASSERT_EQ(CEditOprt::GetEntitiesExtents({text, hidden, AcDbObjectId::kNull}, low, high), 1);
    EXPECT_EQ(low, AcGePoint3d(-50, -50, 0)) << "listed ids count, visible or not";
    EXPECT_EQ(high, AcGePoint3d(4, 4, 0));
    EXPECT_EQ(CEditOprt::GetEntitiesExtents({empty}, low, high), 0);
    EXPECT_EQ(CEditOprt::GetEntitiesExtents({}, low, high), 0);
    EXPECT_EQ(db.openObjectCount(), 0);
}
