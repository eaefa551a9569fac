#include "platform/cad/DbOpen.h"

#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbEntity.h"
#include "platform/cad/HostServices.h"

AcDbDatabase* AcDbHostApplicationServices::workingDatabase() const {
    if (m_working)
        return m_working;
    return m_documentDatabase ? m_documentDatabase() : nullptr;
}

AcDbHostApplicationServices* acdbHostApplicationServices() {
    static AcDbHostApplicationServices services;
    return &services;
}

Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& object, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErased) {
    object = nullptr;
    if (id.isNull())
        return Acad::eNullObjectId;
    AcDbDatabase* database = id.database();
    AcDbObject* found = database ? database->objectAt(id.handle().value()) : nullptr;
    if (!found)
        return Acad::eUnknownHandle;
    if (found->isErased() && !openErased)
        return Acad::eWasErased;
    if (mode == AcDb::kForWrite) {
        if (found->isWriteEnabled())
            return Acad::eWasOpenForWrite;
        if (found->isReadEnabled())
            return Acad::eWasOpenForRead;
        if (!database->isWriteAllowed())
            return Acad::eLockViolation;
    } else if (found->isWriteEnabled()) {
        return Acad::eWasOpenForWrite;
    }
    database->noteOpened(found, mode == AcDb::kForWrite);
    object = found;
    return Acad::eOk;
}

Acad::ErrorStatus acdbOpenAcDbEntity(AcDbEntity*& entity, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErased) {
    return acdbOpenObject(entity, id, mode, openErased);
}
