#include "platform/cad/DbGroup.h"

#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbDictionary.h"
#include "platform/cad/DbEntity.h"
#include "platform/cad/DwgFiler.h"

#include <algorithm>

std::wstring AcDbGroup::name() const {
    AcDbDatabase* db = database();
    auto* owner =
        db ? dynamic_cast<AcDbDictionary*>(db->objectAt(ownerId().handle().value())) : nullptr;
    return owner ? owner->nameAt(objectId()) : std::wstring();
}

Acad::ErrorStatus AcDbGroup::setDescription(const std::wstring& description) {
    return assign(m_description, description);
}

Acad::ErrorStatus AcDbGroup::setSelectable(bool selectable) {
    return assign(m_selectable, selectable);
}

Acad::ErrorStatus AcDbGroup::append(AcDbObjectId entityId) {
    if (!database())
        return Acad::eNotInDatabase;
    if (entityId.isNull())
        return Acad::eNullObjectId;
    if (entityId.databaseSerial() != database()->serial())
        return Acad::eWrongDatabase;
    AcDbObject* member = database()->objectAt(entityId.handle().value());
    if (!dynamic_cast<AcDbEntity*>(member))
        return member ? Acad::eWrongObjectType : Acad::eUnknownHandle;
    if (member->isErased())
        return Acad::eWasErased;
    if (has(entityId))
        return Acad::eAlreadyInDb;
    if (Acad::ErrorStatus status = assertWriteEnabled(); status != Acad::eOk)
        return status;
    m_members.push_back(entityId.handle().value());
    return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::remove(AcDbObjectId entityId) {
    auto found = std::find(m_members.begin(), m_members.end(), entityId.handle().value());
    if (!database() || entityId.databaseSerial() != database()->serial() ||
        found == m_members.end())
        return Acad::eKeyNotFound;
    if (Acad::ErrorStatus status = assertWriteEnabled(); status != Acad::eOk)
        return status;
    m_members.erase(found);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbGroup::clear() {
    if (Acad::ErrorStatus status = assertWriteEnabled(); status != Acad::eOk)
        return status;
    m_members.clear();
    return Acad::eOk;
}

bool AcDbGroup::has(AcDbObjectId entityId) const {
    return database() && entityId.databaseSerial() == database()->serial() &&
           std::find(m_members.begin(), m_members.end(), entityId.handle().value()) !=
               m_members.end();
}

uint32_t AcDbGroup::allEntityIds(std::vector<AcDbObjectId>& ids) const {
    ids.clear();
    for (uint64_t handle : m_members) {
        AcDbObject* member = database() ? database()->objectAt(handle) : nullptr;
        if (member && !member->isErased())
            ids.push_back(member->objectId());
    }
    return static_cast<uint32_t>(ids.size());
}

uint32_t AcDbGroup::numEntities() const {
    std::vector<AcDbObjectId> ids;
    return allEntityIds(ids);
}

void AcDbGroup::dwgOutFields(cad::DwgOutFiler& filer) const {
    AcDbObject::dwgOutFields(filer);
    filer.writeString(m_description);
    filer.writeBool(m_selectable);
    std::vector<AcDbObjectId> ids;
    allEntityIds(ids);
    filer.writeIds(ids);
}

bool AcDbGroup::dwgInFields(cad::DwgInFiler& filer) {
    if (!AcDbObject::dwgInFields(filer))
        return false;
    m_description = filer.readString();
    m_selectable = filer.readBool();
    m_members = filer.readHandles();
    return filer.ok();
}
