#include "platform/cad/DbObject.h"

#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbDictionary.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DwgFiler.h"
#include "platform/text/WideString.h"

#include <algorithm>

AcDbHandle::AcDbHandle(const wchar_t* hex) {
    if (!hex)
        return;
    std::wstring_view digits(hex);
    if (digits.empty() || digits.size() > 16)
        return;
    uint64_t value = 0;
    for (wchar_t c : digits) {
        int digit;
        if (c >= L'0' && c <= L'9')
            digit = c - L'0';
        else if (c >= L'a' && c <= L'f')
            digit = c - L'a' + 10;
        else if (c >= L'A' && c <= L'F')
            digit = c - L'A' + 10;
        else
            return;
        value = value * 16 + static_cast<uint64_t>(digit);
    }
    m_value = value;
}

std::wstring AcDbHandle::text() const {
    static const wchar_t kDigits[] = L"0123456789ABCDEF";
    if (m_value == 0)
        return L"0";
    std::wstring result;
    for (uint64_t rest = m_value; rest != 0; rest /= 16)
        result.insert(result.begin(), kDigits[rest % 16]);
    return result;
}

AcDbDatabase* AcDbObjectId::database() const {
    return isNull() ? nullptr : AcDbDatabase::fromSerial(m_database);
}

AcDbObject::~AcDbObject() = default;

AcDbObjectId AcDbObject::objectId() const {
    return m_database ? AcDbObjectId(m_database->serial(), m_handle) : AcDbObjectId();
}

Acad::ErrorStatus AcDbObject::close() {
    if (m_writer)
        m_writer = false;
    else if (m_readers > 0)
        --m_readers;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::upgradeOpen() {
    if (!m_database || m_writer)
        return Acad::eOk;
    if (m_readers != 1)
        return m_readers == 0 ? Acad::eNotOpenForRead : Acad::eWasOpenForRead;
    if (!m_database->isWriteAllowed())
        return Acad::eLockViolation;
    m_readers = 0;
    m_writer = true;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::downgradeOpen() {
    if (!m_database)
        return Acad::eOk;
    if (!m_writer)
        return Acad::eNotOpenForWrite;
    m_writer = false;
    m_readers = 1;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::assertWriteEnabled() {
    if (!m_database)
        return Acad::eOk;
    if (!m_writer)
        return Acad::eNotOpenForWrite;
    m_database->markModified();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::erase(bool erasing) {
    if (!m_database)
        return Acad::eNotInDatabase;
    return assign(m_erased, erasing);
}

ResbufChain AcDbObject::xData(const std::wstring& application) const {
    for (const auto& [name, items] : m_xdata)
        if (text::EqualsNoCase(name, application))
            return items;
    return {};
}

bool AcDbObject::hasXData(const std::wstring& application) const {
    return std::any_of(m_xdata.begin(), m_xdata.end(), [&](const auto& entry) {
        return text::EqualsNoCase(entry.first, application);
    });
}

std::vector<std::wstring> AcDbObject::xDataApplications() const {
    std::vector<std::wstring> names;
    for (const auto& entry : m_xdata)
        names.push_back(entry.first);
    return names;
}

Acad::ErrorStatus AcDbObject::setXData(const std::wstring& application, const ResbufChain& items) {
    if (application.empty())
        return Acad::eInvalidInput;
    for (const resbuf& item : items)
        if (!cad::IsExtendedDataCode(item.restype))
            return Acad::eInvalidInput;
    if (m_database && cad::FindRecord(m_database->regAppTableId(), application).isNull())
        return Acad::eRegappIdNotFound;
    if (Acad::ErrorStatus status = assertWriteEnabled(); status != Acad::eOk)
        return status;
    auto found = std::find_if(m_xdata.begin(), m_xdata.end(), [&](const auto& entry) {
        return text::EqualsNoCase(entry.first, application);
    });
    if (items.empty()) {
        if (found != m_xdata.end())
            m_xdata.erase(found);
    } else if (found != m_xdata.end()) {
        found->second = items;
    } else {
        m_xdata.emplace_back(application, items);
    }
    return Acad::eOk;
}

AcDbObjectId AcDbObject::extensionDictionary() const {
    return m_database && m_extensionDictionary
               ? AcDbObjectId(m_database->serial(), m_extensionDictionary)
               : AcDbObjectId();
}

Acad::ErrorStatus AcDbObject::createExtensionDictionary() {
    if (!m_database)
        return Acad::eNotInDatabase;
    if (Acad::ErrorStatus status = assertWriteEnabled(); status != Acad::eOk)
        return status;
    if (m_extensionDictionary)
        return Acad::eAlreadyInDb;
    AcDbObjectId id;
    auto* dictionary = new AcDbDictionary();
    if (Acad::ErrorStatus status = m_database->addObject(dictionary, objectId(), id);
        status != Acad::eOk) {
        delete dictionary;
        return status;
    }
    dictionary->close();
    m_extensionDictionary = id.handle().value();
    return Acad::eOk;
}

void AcDbObject::dwgOutFields(cad::DwgOutFiler& filer) const {
    filer.writeId(extensionDictionary());
    filer.writeU32(static_cast<uint32_t>(m_xdata.size()));
    for (const auto& [application, items] : m_xdata) {
        filer.writeString(application);
        filer.writeChain(items);
    }
}

bool AcDbObject::dwgInFields(cad::DwgInFiler& filer) {
    m_extensionDictionary = filer.readU64();
    uint32_t count = filer.readCount(8);
    m_xdata.clear();
    for (uint32_t i = 0; i < count && filer.ok(); ++i) {
        std::wstring application = filer.readString();
        ResbufChain items = filer.readChain();
        bool valid = !application.empty() && !items.empty() && !hasXData(application) &&
                     std::all_of(items.begin(), items.end(), [](const resbuf& item) {
                         return cad::IsExtendedDataCode(item.restype);
                     });
        if (!valid)
            filer.fail();
        else
            m_xdata.emplace_back(std::move(application), std::move(items));
    }
    return filer.ok();
}
