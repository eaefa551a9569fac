#include "platform/cad/DbSymbolTable.h"

#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbLine.h"
#include "platform/cad/DbOpen.h"
#include "platform/cad/DbText.h"
#include "platform/cad/DwgFiler.h"
#include "platform/text/WideString.h"

namespace cad {

namespace {
template <typename T> T* Peek(AcDbObjectId id) {
    AcDbDatabase* database = id.database();
    return database ? dynamic_cast<T*>(database->objectAt(id.handle().value())) : nullptr;
}
} // namespace

std::wstring RecordName(AcDbObjectId recordId) {
    auto* record = Peek<AcDbSymbolTableRecord>(recordId);
    return record && !record->isErased() ? record->name() : std::wstring();
}

AcDbObjectId FindRecord(AcDbObjectId tableId, const std::wstring& name) {
    auto* table = Peek<AcDbSymbolTable>(tableId);
    AcDbObjectId id;
    if (table)
        table->getAt(name, id);
    return id;
}

} // namespace cad

Acad::ErrorStatus AcDbSymbolTableRecord::getName(std::wstring& name) const {
    name = m_name;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::setName(const std::wstring& name) {
    if (name.empty())
        return Acad::eInvalidKey;
    AcDbDatabase* db = database();
    auto* table =
        db ? dynamic_cast<AcDbSymbolTable*>(db->objectAt(ownerId().handle().value())) : nullptr;
    AcDbObjectId existing;
    if (table && table->getAt(name, existing) == Acad::eOk && existing != objectId())
        return Acad::eDuplicateKey;
    return assign(m_name, name);
}

void AcDbSymbolTableRecord::dwgOutFields(cad::DwgOutFiler& filer) const {
    AcDbObject::dwgOutFields(filer);
    filer.writeString(m_name);
}

bool AcDbSymbolTableRecord::dwgInFields(cad::DwgInFiler& filer) {
    if (!AcDbObject::dwgInFields(filer))
        return false;
    m_name = filer.readString();
    if (m_name.empty())
        filer.fail();
    return filer.ok();
}

bool AcDbSymbolTable::has(const std::wstring& name) const {
    AcDbObjectId id;
    return getAt(name, id) == Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::getAt(const std::wstring& name, AcDbObjectId& id,
                                         bool getErased) const {
    id = AcDbObjectId();
    AcDbDatabase* db = database();
    if (!db)
        return Acad::eKeyNotFound;
    for (uint64_t handle : m_records) {
        auto* record = dynamic_cast<AcDbSymbolTableRecord*>(db->objectAt(handle));
        if (record && (getErased || !record->isErased()) &&
            text::EqualsNoCase(record->name(), name)) {
            id = record->objectId();
            return Acad::eOk;
        }
    }
    return Acad::eKeyNotFound;
}

Acad::ErrorStatus AcDbSymbolTable::add(AcDbObjectId& id, AcDbSymbolTableRecord* record) {
    id = AcDbObjectId();
    if (!database())
        return Acad::eNotInDatabase;
    if (!record)
        return Acad::eNullObjectPointer;
    if (!accepts(record))
        return Acad::eWrongObjectType;
    if (record->database())
        return Acad::eAlreadyInDb;
    if (record->name().empty())
        return Acad::eInvalidKey;
    if (has(record->name()))
        return Acad::eDuplicateKey;
    if (Acad::ErrorStatus status = assertWriteEnabled(); status != Acad::eOk)
        return status;
    if (Acad::ErrorStatus status = database()->addObject(record, objectId(), id);
        status != Acad::eOk)
        return status;
    m_records.push_back(id.handle().value());
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::add(AcDbSymbolTableRecord* record) {
    AcDbObjectId ignored;
    return add(ignored, record);
}

std::vector<AcDbObjectId> AcDbSymbolTable::recordIds() const {
    std::vector<AcDbObjectId> ids;
    for (uint64_t handle : m_records) {
        AcDbObject* record = database() ? database()->objectAt(handle) : nullptr;
        if (record && !record->isErased())
            ids.push_back(record->objectId());
    }
    return ids;
}

void AcDbSymbolTable::dwgOutFields(cad::DwgOutFiler& filer) const {
    AcDbObject::dwgOutFields(filer);
    filer.writeIds(recordIds());
}

bool AcDbSymbolTable::dwgInFields(cad::DwgInFiler& filer) {
    if (!AcDbObject::dwgInFields(filer))
        return false;
    m_records = filer.readHandles();
    return filer.ok();
}

bool AcDbBlockTable::accepts(const AcDbSymbolTableRecord* record) const {
    return dynamic_cast<const AcDbBlockTableRecord*>(record) != nullptr;
}

bool AcDbLayerTable::accepts(const AcDbSymbolTableRecord* record) const {
    return dynamic_cast<const AcDbLayerTableRecord*>(record) != nullptr;
}

bool AcDbTextStyleTable::accepts(const AcDbSymbolTableRecord* record) const {
    return dynamic_cast<const AcDbTextStyleTableRecord*>(record) != nullptr;
}

bool AcDbRegAppTable::accepts(const AcDbSymbolTableRecord* record) const {
    return dynamic_cast<const AcDbRegAppTableRecord*>(record) != nullptr;
}

namespace {

// Gives an entity about to join the database its default layer and text style, or says why it
// cannot join.
Acad::ErrorStatus ResolveNames(const AcDbDatabase& db, std::wstring& layer, std::wstring* style) {
    AcDbObjectId layerId = layer.empty() ? db.clayer() : cad::FindRecord(db.layerTableId(), layer);
    if (layerId.isNull())
        return Acad::eKeyNotFound;
    if (style) {
        AcDbObjectId styleId =
            style->empty() ? db.textstyle() : cad::FindRecord(db.textStyleTableId(), *style);
        if (styleId.isNull())
            return Acad::eKeyNotFound;
        *style = cad::RecordName(styleId);
    }
    layer = cad::RecordName(layerId);
    return Acad::eOk;
}

} // namespace

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbObjectId& id, AcDbEntity* entity) {
    id = AcDbObjectId();
    AcDbDatabase* db = database();
    if (!db)
        return Acad::eNotInDatabase;
    if (!entity)
        return Acad::eNullEntityPointer;
    if (entity->database())
        return Acad::eAlreadyInDb;
    std::wstring layer = entity->m_layer;
    std::wstring* style = nullptr;
    auto* text = dynamic_cast<AcDbText*>(entity);
    auto* mtext = dynamic_cast<AcDbMText*>(entity);
    std::wstring styleName = text ? text->m_style : mtext ? mtext->m_style : std::wstring();
    if (text || mtext)
        style = &styleName;
    if (Acad::ErrorStatus status = ResolveNames(*db, layer, style); status != Acad::eOk)
        return status;
    if (auto* reference = dynamic_cast<AcDbBlockReference*>(entity)) {
        AcDbObjectId block = reference->blockTableRecord();
        if (block.databaseSerial() != db->serial())
            return block.isNull() ? Acad::eInvalidInput : Acad::eWrongDatabase;
        if (!dynamic_cast<AcDbBlockTableRecord*>(db->objectAt(block.handle().value())))
            return Acad::eWrongObjectType;
    }
    if (Acad::ErrorStatus status = assertWriteEnabled(); status != Acad::eOk)
        return status;
    if (Acad::ErrorStatus status = db->addObject(entity, objectId(), id); status != Acad::eOk)
        return status;
    entity->m_layer = layer;
    if (text)
        text->m_style = styleName;
    if (mtext)
        mtext->m_style = styleName;
    m_entities.push_back(id.handle().value());
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbEntity* entity) {
    AcDbObjectId ignored;
    return appendAcDbEntity(ignored, entity);
}

Acad::ErrorStatus AcDbBlockTableRecord::newIterator(AcDbBlockTableRecordIterator*& iterator) const {
    iterator = new AcDbBlockTableRecordIterator(entityIds());
    return Acad::eOk;
}

std::vector<AcDbObjectId> AcDbBlockTableRecord::entityIds() const {
    std::vector<AcDbObjectId> ids;
    for (uint64_t handle : m_entities) {
        AcDbObject* entity = database() ? database()->objectAt(handle) : nullptr;
        if (entity && !entity->isErased())
            ids.push_back(entity->objectId());
    }
    return ids;
}

void AcDbBlockTableRecord::dwgOutFields(cad::DwgOutFiler& filer) const {
    AcDbSymbolTableRecord::dwgOutFields(filer);
    filer.writeIds(entityIds());
}

bool AcDbBlockTableRecord::dwgInFields(cad::DwgInFiler& filer) {
    if (!AcDbSymbolTableRecord::dwgInFields(filer))
        return false;
    m_entities = filer.readHandles();
    return filer.ok();
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntityId(AcDbObjectId& id) const {
    if (done())
        return Acad::eInvalidInput;
    id = m_ids[m_position];
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntity(AcDbEntity*& entity, AcDb::OpenMode mode,
                                                          bool openErased) const {
    entity = nullptr;
    if (done())
        return Acad::eInvalidInput;
    return acdbOpenAcDbEntity(entity, m_ids[m_position], mode, openErased);
}

Acad::ErrorStatus AcDbLayerTableRecord::setColorIndex(int index) {
    if (index < 1 || index > 255)
        return Acad::eInvalidInput;
    return assign(m_colorIndex, index);
}

void AcDbLayerTableRecord::dwgOutFields(cad::DwgOutFiler& filer) const {
    AcDbSymbolTableRecord::dwgOutFields(filer);
    filer.writeI16(static_cast<int16_t>(m_colorIndex));
}

bool AcDbLayerTableRecord::dwgInFields(cad::DwgInFiler& filer) {
    if (!AcDbSymbolTableRecord::dwgInFields(filer))
        return false;
    m_colorIndex = filer.readI16();
    if (m_colorIndex < 1 || m_colorIndex > 255)
        filer.fail();
    return filer.ok();
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setXScale(double xScale) {
    if (!(xScale > 0.0))
        return Acad::eInvalidInput;
    return assign(m_xScale, xScale);
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setTextSize(double size) {
    if (!(size >= 0.0))
        return Acad::eInvalidInput;
    return assign(m_textSize, size);
}

void AcDbTextStyleTableRecord::dwgOutFields(cad::DwgOutFiler& filer) const {
    AcDbSymbolTableRecord::dwgOutFields(filer);
    filer.writeDouble(m_xScale);
    filer.writeDouble(m_textSize);
}

bool AcDbTextStyleTableRecord::dwgInFields(cad::DwgInFiler& filer) {
    if (!AcDbSymbolTableRecord::dwgInFields(filer))
        return false;
    m_xScale = filer.readDouble();
    m_textSize = filer.readDouble();
    if (!(m_xScale > 0.0) || m_textSize < 0.0)
        filer.fail();
    return filer.ok();
}
