#include "platform/cad/DbDictionary.h"

#include "platform/cad/DbDatabase.h"
#include "platform/cad/DwgFiler.h"
#include "platform/text/WideString.h"

#include <algorithm>

namespace {
bool IsLive(const AcDbDatabase* database, uint64_t handle) {
    AcDbObject* object = database ? database->objectAt(handle) : nullptr;
    return object && !object->isErased();
}
} // namespace

std::vector<std::pair<std::wstring, uint64_t>>::const_iterator
AcDbDictionary::find(const std::wstring& key) const {
    return std::find_if(m_entries.begin(), m_entries.end(),
                        [&](const auto& entry) { return text::EqualsNoCase(entry.first, key); });
}

bool AcDbDictionary::has(const std::wstring& key) const {
    auto found = find(key);
    return found != m_entries.end() && IsLive(database(), found->second);
}

Acad::ErrorStatus AcDbDictionary::getAt(const std::wstring& key, AcDbObjectId& id) const {
    id = AcDbObjectId();
    auto found = find(key);
    if (found == m_entries.end() || !IsLive(database(), found->second))
        return Acad::eKeyNotFound;
    id = AcDbObjectId(database()->serial(), found->second);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::setAt(const std::wstring& key, AcDbObject* newValue,
                                        AcDbObjectId& id) {
    id = AcDbObjectId();
    if (!database())
        return Acad::eNotInDatabase;
    if (key.empty())
        return Acad::eInvalidKey;
    if (!newValue)
        return Acad::eNullObjectPointer;
    if (newValue->database())
        return Acad::eAlreadyInDb;
    if (Acad::ErrorStatus status = assertWriteEnabled(); status != Acad::eOk)
        return status;
    AcDbObject* replaced = nullptr;
    auto found = find(key);
    if (found != m_entries.end() && IsLive(database(), found->second)) {
        Acad::ErrorStatus status = acdbOpenAcDbObject(
            replaced, AcDbObjectId(database()->serial(), found->second), AcDb::kForWrite);
        if (status != Acad::eOk)
            return status;
    }
    if (Acad::ErrorStatus status = database()->addObject(newValue, objectId(), id);
        status != Acad::eOk) {
        if (replaced)
            replaced->close();
        return status;
    }
    if (replaced) {
        replaced->erase();
        replaced->close();
    }
    if (found != m_entries.end())
        m_entries.erase(found);
    m_entries.emplace_back(key, id.handle().value());
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::remove(const std::wstring& key, AcDbObjectId& removedId) {
    removedId = AcDbObjectId();
    if (Acad::ErrorStatus status = assertWriteEnabled(); status != Acad::eOk)
        return status;
    auto found = find(key);
    if (found == m_entries.end())
        return Acad::eKeyNotFound;
    if (database())
        removedId = AcDbObjectId(database()->serial(), found->second);
    m_entries.erase(found);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::remove(const std::wstring& key) {
    AcDbObjectId ignored;
    return remove(key, ignored);
}

std::wstring AcDbDictionary::nameAt(AcDbObjectId id) const {
    for (const auto& [key, handle] : m_entries)
        if (handle == id.handle().value() && database() &&
            id.databaseSerial() == database()->serial())
            return key;
    return {};
}

std::vector<std::pair<std::wstring, AcDbObjectId>> AcDbDictionary::entries() const {
    std::vector<std::pair<std::wstring, AcDbObjectId>> live;
    for (const auto& [key, handle] : m_entries)
        if (IsLive(database(), handle))
            live.emplace_back(key, AcDbObjectId(database()->serial(), handle));
    return live;
}

void AcDbDictionary::dwgOutFields(cad::DwgOutFiler& filer) const {
    AcDbObject::dwgOutFields(filer);
    std::vector<std::pair<std::wstring, AcDbObjectId>> live = entries();
    filer.writeU32(static_cast<uint32_t>(live.size()));
    for (const auto& [key, id] : live) {
        filer.writeString(key);
        filer.writeId(id);
    }
}

bool AcDbDictionary::dwgInFields(cad::DwgInFiler& filer) {
    if (!AcDbObject::dwgInFields(filer))
        return false;
    uint32_t count = filer.readCount(12);
    m_entries.clear();
    for (uint32_t i = 0; i < count && filer.ok(); ++i) {
        std::wstring key = filer.readString();
        uint64_t handle = filer.readU64();
        if (key.empty() || handle == 0 || find(key) != m_entries.end())
            filer.fail();
        else
            m_entries.emplace_back(std::move(key), handle);
    }
    return filer.ok();
}

namespace cad {
bool IsRecordCode(short code) {
    return code >= 0 && code < 1000 && KindOfCode(code) != ValueKind::Invalid;
}
} // namespace cad

Acad::ErrorStatus AcDbXrecord::rbChain(ResbufChain& chain) const {
    chain = m_chain;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbXrecord::setFromRbChain(const ResbufChain& chain) {
    for (const resbuf& item : chain)
        if (!cad::IsRecordCode(item.restype))
            return Acad::eInvalidInput;
    return assign(m_chain, chain);
}

void AcDbXrecord::dwgOutFields(cad::DwgOutFiler& filer) const {
    AcDbObject::dwgOutFields(filer);
    filer.writeChain(m_chain);
}

bool AcDbXrecord::dwgInFields(cad::DwgInFiler& filer) {
    if (!AcDbObject::dwgInFields(filer))
        return false;
    m_chain = filer.readChain();
    for (const resbuf& item : m_chain)
        if (!cad::IsRecordCode(item.restype))
            filer.fail();
    return filer.ok();
}
