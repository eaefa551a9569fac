#pragma once
// Dictionaries (the named-object dictionary, nested dictionaries, extension dictionaries, the
// group dictionary) and extended records. Keys are compared without regard to case and keep
// the spelling they were given; entries keep the order they were added in.

#include "platform/cad/DbOpen.h"

#include <string>
#include <utility>
#include <vector>

class AcDbDictionary : public AcDbObject {
public:
    static AcDbDictionary* cast(AcDbObject* object) {
        return dynamic_cast<AcDbDictionary*>(object);
    }

    bool has(const std::wstring& key) const;
    Acad::ErrorStatus getAt(const std::wstring& key, AcDbObjectId& id) const;
    template <typename T>
    Acad::ErrorStatus getAt(const std::wstring& key, T*& object, AcDb::OpenMode mode) const {
        object = nullptr;
        AcDbObjectId id;
        Acad::ErrorStatus status = getAt(key, id);
        return status == Acad::eOk ? acdbOpenObject(object, id, mode) : status;
    }
    // Adds an object made with `new` under the key (this dictionary must be in a database and
    // open for write); the dictionary takes it over and hands it back open for write. An entry
    // already under the key is replaced and its object erased.
    Acad::ErrorStatus setAt(const std::wstring& key, AcDbObject* newValue, AcDbObjectId& id);
    // Takes the entry out; its object stays in the database, ownerless, for the caller to
    // erase or add elsewhere.
    Acad::ErrorStatus remove(const std::wstring& key, AcDbObjectId& removedId);
    Acad::ErrorStatus remove(const std::wstring& key);
    // The key under which the object is kept ("" when it is not in this dictionary).
    std::wstring nameAt(AcDbObjectId id) const;

    // Entries whose objects are not erased, in order.
    std::vector<std::pair<std::wstring, AcDbObjectId>> entries() const;
    uint32_t numEntries() const { return static_cast<uint32_t>(entries().size()); }
    // Every entry as stored, for the drawing-file reader's checks.
    const std::vector<std::pair<std::wstring, uint64_t>>& storedEntries() const {
        return m_entries;
    }

    cad::ObjectKind kind() const override { return cad::ObjectKind::Dictionary; }
    void dwgOutFields(cad::DwgOutFiler& filer) const override;
    bool dwgInFields(cad::DwgInFiler& filer) override;

private:
    std::vector<std::pair<std::wstring, uint64_t>>::const_iterator
    find(const std::wstring& key) const;
    std::vector<std::pair<std::wstring, uint64_t>> m_entries;
};

// An extended record: a chain of typed items with group codes below 1000.
class AcDbXrecord : public AcDbObject {
public:
    static AcDbXrecord* cast(AcDbObject* object) { return dynamic_cast<AcDbXrecord*>(object); }

    Acad::ErrorStatus rbChain(ResbufChain& chain) const;
    // eInvalidInput for items whose code is not a record code; the record stays as it was.
    Acad::ErrorStatus setFromRbChain(const ResbufChain& chain);

    cad::ObjectKind kind() const override { return cad::ObjectKind::Xrecord; }
    void dwgOutFields(cad::DwgOutFiler& filer) const override;
    bool dwgInFields(cad::DwgInFiler& filer) override;

private:
    ResbufChain m_chain;
};

namespace cad {
bool IsRecordCode(short code);
}
