#pragma once
// Opening objects by id, and a guard that closes what it opened.

#include "platform/cad/DbObject.h"

class AcDbEntity;

// Opens the object for read or write. Fails with eNullObjectId, eUnknownHandle (no such object,
// or its database is gone), eWasErased (unless openErased), eWasOpenForWrite / eWasOpenForRead
// (the object is open in a way that excludes this opening), eLockViolation (a document's
// database changed while the document is not locked).
Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& object, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErased = false);
// As above; an object that is no entity gives eWrongObjectType and stays closed.
Acad::ErrorStatus acdbOpenAcDbEntity(AcDbEntity*& entity, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErased = false);

// Opens an object of the class T; eWrongObjectType (and nothing left open) for other classes.
template <typename T>
Acad::ErrorStatus acdbOpenObject(T*& object, AcDbObjectId id, AcDb::OpenMode mode,
                                 bool openErased = false) {
    object = nullptr;
    AcDbObject* opened = nullptr;
    Acad::ErrorStatus status = acdbOpenAcDbObject(opened, id, mode, openErased);
    if (status != Acad::eOk)
        return status;
    if (!opened)
        return Acad::eNullObjectId;
    object = dynamic_cast<T*>(opened);
    if (!object) {
        opened->close();
        return Acad::eWrongObjectType;
    }
    return Acad::eOk;
}

// Opens an object for its lifetime and closes it when it ends.
template <typename T> class AcDbObjectPointer {
public:
    AcDbObjectPointer(AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false)
        : m_status(acdbOpenObject(m_object, id, mode, openErased)) {}
    ~AcDbObjectPointer() {
        if (m_object)
            m_object->close();
    }
    AcDbObjectPointer(const AcDbObjectPointer&) = delete;
    AcDbObjectPointer& operator=(const AcDbObjectPointer&) = delete;

    Acad::ErrorStatus openStatus() const { return m_status; }
    T* object() const { return m_object; }
    T* operator->() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }

private:
    T* m_object = nullptr;
    Acad::ErrorStatus m_status;
};
