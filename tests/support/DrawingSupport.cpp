#include "support/DrawingSupport.h"

#include "platform/cad/DbDictionary.h"
#include "platform/cad/DbOpen.h"
#include "platform/cad/DbSymbolTable.h"

#include "suite/OvDwgBtlInfo/TitleBlockFormat.h"

#include <gtest/gtest.h>

namespace ovtest {

namespace {
template <typename Table, typename Record>
AcDbObjectId AddRecord(AcDbObjectId tableId, Record* record) {
    AcDbObjectPointer<Table> table(tableId, AcDb::kForWrite);
    EXPECT_EQ(table.openStatus(), Acad::eOk);
    AcDbObjectId id;
    EXPECT_EQ(table->add(id, record), Acad::eOk);
    record->close();
    return id;
}
} // namespace

AcDbObjectId AddToModelSpace(AcDbDatabase& db, AcDbEntity* entity) {
    AcDbObjectPointer<AcDbBlockTableRecord> space(db.modelSpaceId(), AcDb::kForWrite);
    EXPECT_EQ(space.openStatus(), Acad::eOk);
    AcDbObjectId id;
    EXPECT_EQ(space->appendAcDbEntity(id, entity), Acad::eOk);
    entity->close();
    return id;
}

AcDbObjectId AddText(AcDbDatabase& db, const AcGePoint3d& position, const std::wstring& text,
                     double height) {
    return AddToModelSpace(db, new AcDbText(position, text, AcDbObjectId::kNull, height));
}

AcDbObjectId AddMText(AcDbDatabase& db, const AcGePoint3d& location, const std::wstring& contents,
                      double height) {
    auto* mtext = new AcDbMText();
    mtext->setLocation(location);
    mtext->setContents(contents);
    mtext->setTextHeight(height);
    return AddToModelSpace(db, mtext);
}

AcDbObjectId AddLine(AcDbDatabase& db, const AcGePoint3d& start, const AcGePoint3d& end) {
    return AddToModelSpace(db, new AcDbLine(start, end));
}

AcDbObjectId AddBlock(AcDbDatabase& db, const std::wstring& name,
                      std::initializer_list<AcDbEntity*> entities) {
    auto* block = new AcDbBlockTableRecord();
    block->setName(name);
    AcDbObjectId id = AddRecord<AcDbBlockTable>(db.blockTableId(), block);
    AcDbObjectPointer<AcDbBlockTableRecord> opened(id, AcDb::kForWrite);
    for (AcDbEntity* entity : entities) {
        EXPECT_EQ(opened->appendAcDbEntity(entity), Acad::eOk);
        entity->close();
    }
    return id;
}

AcDbObjectId AddLayer(AcDbDatabase& db, const std::wstring& name, int colorIndex) {
    auto* layer = new AcDbLayerTableRecord();
    layer->setName(name);
    layer->setColorIndex(colorIndex);
    return AddRecord<AcDbLayerTable>(db.layerTableId(), layer);
}

AcDbObjectId AddTextStyle(AcDbDatabase& db, const std::wstring& name, double xScale) {
    auto* style = new AcDbTextStyleTableRecord();
    style->setName(name);
    style->setXScale(xScale);
    return AddRecord<AcDbTextStyleTable>(db.textStyleTableId(), style);
}

void RegisterApplication(AcDbDatabase& db, const std::wstring& name) {
    auto* application = new AcDbRegAppTableRecord();
    application->setName(name);
    AddRecord<AcDbRegAppTable>(db.regAppTableId(), application);
}

void SetXData(AcDbObjectId id, const std::wstring& application, const ResbufChain& items) {
    AcDbObjectPointer<AcDbObject> object(id, AcDb::kForWrite);
    ASSERT_EQ(object.openStatus(), Acad::eOk);
    EXPECT_EQ(object->setXData(application, items), Acad::eOk);
}

AcDbObjectId AddTitleBlock(AcDbDatabase& db, const AcGePoint3d& position,
                           const std::vector<std::wstring>& strings, const std::wstring& key) {
    AcDbObjectId block = cad::FindRecord(db.blockTableId(), L"TITLE");
    if (block.isNull())
        block = AddBlock(db, L"TITLE", {new AcDbLine({0, 0, 0}, {100, 0, 0})});
    AcDbObjectId id = AddToModelSpace(db, new AcDbBlockReference(position, block));
    for (const wchar_t* application : kTitleBlockApplications) {
        if (cad::FindRecord(db.regAppTableId(), application).isNull())
            RegisterApplication(db, application);
        SetXData(id, application, {resbuf::Text(1000, L"")});
    }
    AcDbObjectPointer<AcDbBlockReference> reference(id, AcDb::kForWrite);
    EXPECT_EQ(reference->createExtensionDictionary(), Acad::eOk);
    AcDbObjectPointer<AcDbDictionary> dictionary(reference->extensionDictionary(), AcDb::kForWrite);
    ResbufChain chain;
    for (const std::wstring& string : strings)
        chain.push_back(resbuf::Text(1, string));
    auto* record = new AcDbXrecord();
    EXPECT_EQ(record->setFromRbChain(chain), Acad::eOk);
    AcDbObjectId recordId;
    EXPECT_EQ(dictionary->setAt(key, record, recordId), Acad::eOk);
    record->close();
    return id;
}

std::vector<AcDbObjectId> ModelSpaceIds(const AcDbDatabase& db) {
    return db.modelSpace()->entityIds();
}

} // namespace ovtest
