#include "platform/cad/DbDatabase.h"

#include "platform/cad/DbDictionary.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DrawingFile.h"
#include "platform/cad/HostServices.h"
#include "platform/cad/PreviewImage.h"
#include "platform/fs/FileIo.h"
#include "platform/fs/FileSystem.h"

#include <algorithm>
#include <unordered_map>

namespace {

std::unordered_map<uint32_t, AcDbDatabase*>& LiveDatabases() {
    static std::unordered_map<uint32_t, AcDbDatabase*> databases;
    return databases;
}

uint32_t NextSerial() {
    static uint32_t serial = 0;
    return ++serial;
}

bool IsSavedVersion(AcDb::AcDbDwgVersion version) {
    return version == AcDb::kDHL_1014 || version == AcDb::kDHL_1015 || version == AcDb::kDHL_1800 ||
           version == AcDb::kDHL_2100 || version == AcDb::kDHL_2400;
}

// "\a\b.dwg" keeps its back-up as "\a\b.bak".
std::wstring BackupPath(const std::wstring& path) {
    size_t slash = path.find_last_of(L'\\');
    size_t dot = path.find_last_of(L'.');
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash))
        return path + L".bak";
    return path.substr(0, dot) + L".bak";
}

} // namespace

AcDbDatabase::AcDbDatabase(bool buildDefault, bool) : m_serial(NextSerial()) {
    LiveDatabases()[m_serial] = this;
    if (buildDefault)
        buildDefaultDrawing();
}

AcDbDatabase::~AcDbDatabase() {
    LiveDatabases().erase(m_serial);
    acdbHostApplicationServices()->databaseDeleted(this);
}

AcDbDatabase* AcDbDatabase::fromSerial(uint32_t serial) {
    auto found = LiveDatabases().find(serial);
    return found == LiveDatabases().end() ? nullptr : found->second;
}

AcDbObject* AcDbDatabase::objectAt(uint64_t handle) const {
    auto found = m_objects.find(handle);
    return found == m_objects.end() ? nullptr : found->second.get();
}

Acad::ErrorStatus AcDbDatabase::addObject(AcDbObject* object, AcDbObjectId owner, AcDbObjectId& id,
                                          uint64_t handle) {
    id = AcDbObjectId();
    if (!object)
        return Acad::eNullObjectPointer;
    if (object->m_database)
        return Acad::eAlreadyInDb;
    if (handle == 0)
        handle = m_handseed;
    else if (m_objects.count(handle))
        return Acad::eDuplicateKey;
    m_handseed = std::max(m_handseed, handle + 1);
    object->m_database = this;
    object->m_handle = handle;
    object->m_owner = owner;
    object->m_writer = true;
    object->m_readers = 0;
    m_objects.emplace(handle, std::unique_ptr<AcDbObject>(object));
    m_modified = true;
    id = object->objectId();
    return Acad::eOk;
}

void AcDbDatabase::noteOpened(AcDbObject* object, bool forWrite) {
    if (forWrite)
        object->m_writer = true;
    else
        ++object->m_readers;
}

std::vector<uint64_t> AcDbDatabase::handles() const {
    std::vector<uint64_t> result;
    result.reserve(m_objects.size());
    for (const auto& entry : m_objects)
        result.push_back(entry.first);
    std::sort(result.begin(), result.end());
    return result;
}

int AcDbDatabase::openObjectCount() const {
    return static_cast<int>(
        std::count_if(m_objects.begin(), m_objects.end(), [](const auto& entry) {
            return entry.second->m_writer || entry.second->m_readers > 0;
        }));
}

AcDbBlockTableRecord* AcDbDatabase::modelSpace() const {
    return dynamic_cast<AcDbBlockTableRecord*>(objectAt(m_modelSpace));
}

void AcDbDatabase::buildDefaultDrawing() {
    // Each object comes back open for write from addObject; the default drawing closes them at
    // once.
    auto add = [this](AcDbObject* object, uint64_t owner) {
        AcDbObjectId id;
        addObject(object, idOf(owner), id);
        object->close();
        return id.handle().value();
    };
    auto addRecord = [this](uint64_t table, AcDbSymbolTableRecord* record, const wchar_t* name) {
        record->setName(name);
        AcDbObjectId id;
        auto* owner = dynamic_cast<AcDbSymbolTable*>(objectAt(table));
        owner->m_writer = true;
        owner->add(id, record);
        owner->m_writer = false;
        record->close();
        return id.handle().value();
    };
    m_blockTable = add(new AcDbBlockTable(), 0);
    m_layerTable = add(new AcDbLayerTable(), 0);
    m_textStyleTable = add(new AcDbTextStyleTable(), 0);
    m_regAppTable = add(new AcDbRegAppTable(), 0);
    m_namedObjects = add(new AcDbDictionary(), 0);
    m_modelSpace =
        addRecord(m_blockTable, new AcDbBlockTableRecord(), AcDbBlockTableRecord::kModelSpace);
    m_clayer = addRecord(m_layerTable, new AcDbLayerTableRecord(), L"0");
    m_textstyle = addRecord(m_textStyleTable, new AcDbTextStyleTableRecord(), L"Standard");
    addRecord(m_regAppTable, new AcDbRegAppTableRecord(), L"ACAD");
    auto* named = dynamic_cast<AcDbDictionary*>(objectAt(m_namedObjects));
    named->m_writer = true;
    AcDbObjectId groups;
    auto* groupDictionary = new AcDbDictionary();
    named->setAt(L"ACAD_GROUP", groupDictionary, groups);
    groupDictionary->close();
    named->m_writer = false;
    m_groups = groups.handle().value();
    m_modified = false;
}

template <typename T>
Acad::ErrorStatus AcDbDatabase::openRoot(uint64_t handle, T*& object, AcDb::OpenMode mode) {
    object = nullptr;
    return handle ? acdbOpenObject(object, idOf(handle), mode) : Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbDatabase::getBlockTable(AcDbBlockTable*& table, AcDb::OpenMode mode) {
    return openRoot(m_blockTable, table, mode);
}

Acad::ErrorStatus AcDbDatabase::getLayerTable(AcDbLayerTable*& table, AcDb::OpenMode mode) {
    return openRoot(m_layerTable, table, mode);
}

Acad::ErrorStatus AcDbDatabase::getTextStyleTable(AcDbTextStyleTable*& table, AcDb::OpenMode mode) {
    return openRoot(m_textStyleTable, table, mode);
}

Acad::ErrorStatus AcDbDatabase::getRegAppTable(AcDbRegAppTable*& table, AcDb::OpenMode mode) {
    return openRoot(m_regAppTable, table, mode);
}

Acad::ErrorStatus AcDbDatabase::getNamedObjectsDictionary(AcDbDictionary*& dictionary,
                                                          AcDb::OpenMode mode) {
    return openRoot(m_namedObjects, dictionary, mode);
}

Acad::ErrorStatus AcDbDatabase::getGroupDictionary(AcDbDictionary*& dictionary,
                                                   AcDb::OpenMode mode) {
    return openRoot(m_groups, dictionary, mode);
}

template <typename Record>
Acad::ErrorStatus AcDbDatabase::setCurrent(uint64_t& current, AcDbObjectId recordId) {
    if (recordId.databaseSerial() != m_serial)
        return recordId.isNull() ? Acad::eNullObjectId : Acad::eWrongDatabase;
    AcDbObject* record = objectAt(recordId.handle().value());
    if (!dynamic_cast<Record*>(record) || record->isErased())
        return Acad::eInvalidInput;
    current = recordId.handle().value();
    m_modified = true;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setClayer(AcDbObjectId layerId) {
    return setCurrent<AcDbLayerTableRecord>(m_clayer, layerId);
}

Acad::ErrorStatus AcDbDatabase::setTextstyle(AcDbObjectId styleId) {
    return setCurrent<AcDbTextStyleTableRecord>(m_textstyle, styleId);
}

Acad::ErrorStatus AcDbDatabase::getAcDbObjectId(AcDbObjectId& id, bool createIfNotFound,
                                                const AcDbHandle& handle, uint32_t) const {
    id = AcDbObjectId();
    if (handle.isNull())
        return Acad::eInvalidInput;
    if (objectAt(handle.value())) {
        id = idOf(handle.value());
        return Acad::eOk;
    }
    return createIfNotFound ? Acad::eNotImplementedYet : Acad::eUnknownHandle;
}

Acad::ErrorStatus AcDbDatabase::setThumbnailBitmap(std::string packedDib) {
    if (!packedDib.empty() && !cad::IsPackedDib(packedDib))
        return Acad::eInvalidInput;
    m_thumbnail = std::move(packedDib);
    return Acad::eOk;
}

void AcDbDatabase::swapContent(AcDbDatabase& other) {
    std::swap(m_serial, other.m_serial);
    LiveDatabases()[m_serial] = this;
    LiveDatabases()[other.m_serial] = &other;
    std::swap(m_objects, other.m_objects);
    for (auto& entry : m_objects)
        entry.second->m_database = this;
    for (auto& entry : other.m_objects)
        entry.second->m_database = &other;
    std::swap(m_handseed, other.m_handseed);
    std::swap(m_blockTable, other.m_blockTable);
    std::swap(m_layerTable, other.m_layerTable);
    std::swap(m_textStyleTable, other.m_textStyleTable);
    std::swap(m_regAppTable, other.m_regAppTable);
    std::swap(m_namedObjects, other.m_namedObjects);
    std::swap(m_groups, other.m_groups);
    std::swap(m_modelSpace, other.m_modelSpace);
    std::swap(m_clayer, other.m_clayer);
    std::swap(m_textstyle, other.m_textstyle);
    std::swap(m_fileName, other.m_fileName);
    std::swap(m_fileVersion, other.m_fileVersion);
    std::swap(m_thumbnail, other.m_thumbnail);
    std::swap(m_modified, other.m_modified);
}

Acad::ErrorStatus AcDbDatabase::readDwgFile(const wchar_t* fileName, int, bool, const wchar_t*) {
    if (!fileName || !*fileName)
        return Acad::eInvalidInput;
    std::string bytes;
    int cause = fs::kNoError;
    if (!fs::ReadBytes(fileName, bytes, &cause))
        return cause == fs::kFileNotFound || cause == fs::kBadPath ? Acad::eFileNotFound
                                                                   : Acad::eFileAccessErr;
    AcDbDatabase read(false, true);
    if (Acad::ErrorStatus status = cad::ReadDrawing(bytes, read); status != Acad::eOk)
        return status;
    read.m_fileName = fileName;
    read.m_modified = false;
    swapContent(read);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::saveAs(const wchar_t* fileName, bool bBakAndRename,
                                       AcDb::AcDbDwgVersion dwgVersion, void*) {
    if (!fileName || !*fileName || !IsSavedVersion(dwgVersion))
        return Acad::eInvalidInput;
    if (!m_modelSpace)
        return Acad::eNotApplicable;
    std::wstring path = fileName;
    std::string thumbnail =
        m_retainThumbnail && !m_thumbnail.empty() ? m_thumbnail : cad::DrawPreview(*this);
    std::string bytes = cad::WriteDrawing(*this, dwgVersion, thumbnail);
    if (bBakAndRename && fs::IsFile(path) && !fs::CopyFile(path, BackupPath(path), true))
        return Acad::eFileAccessErr;
    if (!fs::WriteBytes(path, bytes))
        return Acad::eFileAccessErr;
    m_fileName = path;
    m_fileVersion = dwgVersion;
    m_thumbnail = std::move(thumbnail);
    m_modified = false;
    return Acad::eOk;
}
