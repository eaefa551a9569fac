#pragma once
// Handles, object ids and the base of everything a drawing database holds.
//
// Objects live in their database, which owns them. Code reaches them by id: it opens an object
// for read or for write (acdbOpenObject, DbOpen.h), works on it and closes it again. An object
// open for write cannot be opened again; one open for read cannot be opened for write. Setters
// of an object that lies in a database refuse to work unless it is open for write. An object
// made with `new` and not yet added to a database belongs to the code that made it.

#include "platform/cad/ErrorStatus.h"
#include "platform/cad/ResultBuffer.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class AcDbDatabase;

namespace cad {
class DwgOutFiler;
class DwgInFiler;

// The kinds of object the drawing file stores; the numbers are written to files and never
// change.
enum class ObjectKind : uint8_t {
    Text = 1,
    MText = 2,
    Line = 3,
    BlockReference = 4,
    Dictionary = 10,
    Xrecord = 11,
    Group = 12,
    BlockTable = 20,
    LayerTable = 21,
    TextStyleTable = 22,
    RegAppTable = 23,
    BlockTableRecord = 30,
    LayerTableRecord = 31,
    TextStyleTableRecord = 32,
    RegAppTableRecord = 33,
};
} // namespace cad

// A handle: a number unique within its database, written as hexadecimal text.
class AcDbHandle {
public:
    AcDbHandle() = default;
    explicit AcDbHandle(uint64_t value) : m_value(value) {}
    // From hexadecimal text ("1F", "1f"); anything else (empty, other characters, more than 16
    // digits) gives the null handle.
    explicit AcDbHandle(const wchar_t* hex);

    bool isNull() const { return m_value == 0; }
    uint64_t value() const { return m_value; }
    // Upper-case hexadecimal without leading zeros ("0" for the null handle).
    std::wstring text() const;
    bool operator==(const AcDbHandle&) const = default;

private:
    uint64_t m_value = 0;
};

// Names an object of a database. An id outlives neither its database nor its meaning: once the
// database is deleted the id opens nothing (eUnknownHandle), it never reaches freed memory.
class AcDbObjectId {
public:
    AcDbObjectId() = default;
    AcDbObjectId(uint32_t databaseSerial, uint64_t handle)
        : m_database(databaseSerial), m_handle(handle) {}

    static const AcDbObjectId kNull;

    bool isNull() const { return m_handle == 0; }
    AcDbHandle handle() const { return AcDbHandle(m_handle); }
    // The database of the object, or null when it was deleted.
    AcDbDatabase* database() const;
    uint32_t databaseSerial() const { return m_database; }

    bool operator==(const AcDbObjectId&) const = default;
    bool operator<(const AcDbObjectId& other) const {
        return m_database != other.m_database ? m_database < other.m_database
                                              : m_handle < other.m_handle;
    }

private:
    uint32_t m_database = 0;
    uint64_t m_handle = 0;
};

inline const AcDbObjectId AcDbObjectId::kNull{};

class AcDbObject {
public:
    AcDbObject() = default;
    virtual ~AcDbObject();
    AcDbObject(const AcDbObject&) = delete;
    AcDbObject& operator=(const AcDbObject&) = delete;

    AcDbObjectId objectId() const;
    AcDbObjectId ownerId() const { return m_owner; }
    AcDbHandle getHandle() const { return AcDbHandle(m_handle); }
    AcDbDatabase* database() const { return m_database; }

    // Ends one opening; an object opened for read twice is closed twice.
    Acad::ErrorStatus close();
    bool isReadEnabled() const { return m_readers > 0 || m_writer || !m_database; }
    bool isWriteEnabled() const { return m_writer || !m_database; }
    Acad::ErrorStatus upgradeOpen();
    Acad::ErrorStatus downgradeOpen();

    bool isErased() const { return m_erased; }
    Acad::ErrorStatus erase(bool erasing = true);

    // Extended data, kept per registered application as items (group codes 1000 to 1071).
    ResbufChain xData(const std::wstring& application) const;
    bool hasXData(const std::wstring& application) const;
    std::vector<std::wstring> xDataApplications() const;
    // Replaces the application's items; an empty chain removes them. The application must be
    // registered in the object's database.
    Acad::ErrorStatus setXData(const std::wstring& application, const ResbufChain& items);

    AcDbObjectId extensionDictionary() const;
    Acad::ErrorStatus createExtensionDictionary();

    virtual cad::ObjectKind kind() const = 0;
    // Writes and reads the fields of the object's own class and its bases; reading returns
    // false on a damaged stream.
    virtual void dwgOutFields(cad::DwgOutFiler& filer) const;
    virtual bool dwgInFields(cad::DwgInFiler& filer);

protected:
    // eOk when the object may be changed now (open for write, or outside any database), and
    // the database is marked as changed.
    Acad::ErrorStatus assertWriteEnabled();
    // Sets a field of the object when it may be changed now.
    template <typename Field, typename Value>
    Acad::ErrorStatus assign(Field& field, Value&& value) {
        Acad::ErrorStatus status = assertWriteEnabled();
        if (status == Acad::eOk)
            field = std::forward<Value>(value);
        return status;
    }

private:
    friend class AcDbDatabase;

    AcDbDatabase* m_database = nullptr;
    uint64_t m_handle = 0;
    AcDbObjectId m_owner;
    uint64_t m_extensionDictionary = 0;
    bool m_erased = false;
    int m_readers = 0;
    bool m_writer = false;
    std::vector<std::pair<std::wstring, ResbufChain>> m_xdata;
};
