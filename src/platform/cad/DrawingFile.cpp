#include "platform/cad/DrawingFile.h"

#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbDictionary.h"
#include "platform/cad/DbGroup.h"
#include "platform/cad/DbLine.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DbText.h"
#include "platform/cad/DwgFiler.h"
#include "platform/cad/PreviewImage.h"
#include "platform/cad/PreviewSection.h"

#include <array>
#include <cstring>
#include <memory>

namespace cad {

uint32_t Crc32(std::string_view bytes) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> values{};
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t value = i;
            for (int bit = 0; bit < 8; ++bit)
                value = value & 1 ? 0xEDB88320u ^ (value >> 1) : value >> 1;
            values[i] = value;
        }
        return values;
    }();
    uint32_t crc = 0xFFFFFFFFu;
    for (char byte : bytes)
        crc = table[(crc ^ static_cast<uint8_t>(byte)) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

namespace {

bool IsSavedVersion(unsigned version) {
    return version == AcDb::kDHL_1014 || version == AcDb::kDHL_1015 || version == AcDb::kDHL_1800 ||
           version == AcDb::kDHL_2100 || version == AcDb::kDHL_2400;
}

std::unique_ptr<AcDbObject> MakeObject(uint8_t kind) {
    switch (static_cast<ObjectKind>(kind)) {
    case ObjectKind::Text:
        return std::make_unique<AcDbText>();
    case ObjectKind::MText:
        return std::make_unique<AcDbMText>();
    case ObjectKind::Line:
        return std::make_unique<AcDbLine>();
    case ObjectKind::BlockReference:
        return std::make_unique<AcDbBlockReference>();
    case ObjectKind::Dictionary:
        return std::make_unique<AcDbDictionary>();
    case ObjectKind::Xrecord:
        return std::make_unique<AcDbXrecord>();
    case ObjectKind::Group:
        return std::make_unique<AcDbGroup>();
    case ObjectKind::BlockTable:
        return std::make_unique<AcDbBlockTable>();
    case ObjectKind::LayerTable:
        return std::make_unique<AcDbLayerTable>();
    case ObjectKind::TextStyleTable:
        return std::make_unique<AcDbTextStyleTable>();
    case ObjectKind::RegAppTable:
        return std::make_unique<AcDbRegAppTable>();
    case ObjectKind::BlockTableRecord:
        return std::make_unique<AcDbBlockTableRecord>();
    case ObjectKind::LayerTableRecord:
        return std::make_unique<AcDbLayerTableRecord>();
    case ObjectKind::TextStyleTableRecord:
        return std::make_unique<AcDbTextStyleTableRecord>();
    case ObjectKind::RegAppTableRecord:
        return std::make_unique<AcDbRegAppTableRecord>();
    }
    return nullptr;
}

} // namespace

std::string WriteDrawing(const AcDbDatabase& database, AcDb::AcDbDwgVersion version,
                         const std::string& previewDib) {
    DwgOutFiler content(&database);
    content.writeU64(database.handseed().value());
    for (AcDbObjectId root : {database.blockTableId(), database.layerTableId(),
                              database.textStyleTableId(), database.regAppTableId(),
                              database.namedObjectsDictionaryId(), database.groupDictionaryId(),
                              database.modelSpaceId(), database.clayer(), database.textstyle()})
        content.writeId(root);
    size_t countAt = content.bytes().size();
    content.writeU32(0);
    uint32_t count = 0;
    for (uint64_t handle : database.handles()) {
        AcDbObject* object = database.objectAt(handle);
        if (object->isErased())
            continue;
        DwgOutFiler fields(&database);
        object->dwgOutFields(fields);
        content.writeU8(static_cast<uint8_t>(object->kind()));
        content.writeU64(handle);
        content.writeId(object->ownerId());
        content.writeU32(static_cast<uint32_t>(fields.bytes().size()));
        content.writeBytes(fields.bytes());
        ++count;
    }
    WriteU32At(content.bytes(), countAt, count);

    std::string file(kDrawingHeaderSize, '\0');
    std::memcpy(file.data(), kDrawingSignature, 6);
    file[6] = static_cast<char>(kDrawingFormatVersion);
    file[7] = static_cast<char>(version);
    uint32_t contentAddress = static_cast<uint32_t>(kDrawingHeaderSize);
    uint32_t imageAddress = contentAddress + 16 + static_cast<uint32_t>(content.bytes().size());
    WriteU32At(file, kImageAddressOffset, imageAddress);
    WriteU32At(file, 17, contentAddress);
    WriteU32At(file, 21, static_cast<uint32_t>(content.bytes().size()));
    WriteU32At(file, 25, Crc32(content.bytes()));
    file.append(reinterpret_cast<const char*>(kContentSectionSentinel), 16);
    file += content.bytes();
    file += BuildImageSection(previewDib, imageAddress);
    return file;
}

// Reads the content into a database: objects first, then a check that every reference between
// them leads to an object of the right kind.
class DrawingFileReader {
public:
    explicit DrawingFileReader(AcDbDatabase& database) : m_db(database) {}

    Acad::ErrorStatus Read(std::string_view bytes) {
        if (bytes.size() < kDrawingHeaderSize ||
            std::memcmp(bytes.data(), kDrawingSignature, 6) != 0)
            return Acad::eBadDwgHeader;
        if (static_cast<uint8_t>(bytes[6]) != kDrawingFormatVersion ||
            !IsSavedVersion(static_cast<uint8_t>(bytes[7])))
            return Acad::eInvalidDwgVersion;
        uint64_t address = ReadU32At(bytes, 17), size = ReadU32At(bytes, 21);
        if (address < kDrawingHeaderSize || address + 16 + size > bytes.size() ||
            std::memcmp(bytes.data() + address, kContentSectionSentinel, 16) != 0)
            return Acad::eDwgNeedsRecovery;
        std::string_view content = bytes.substr(address + 16, size);
        if (Crc32(content) != ReadU32At(bytes, 25) || !ReadContent(content) || !Check())
            return Acad::eDwgNeedsRecovery;
        m_db.m_fileVersion = static_cast<AcDb::AcDbDwgVersion>(static_cast<uint8_t>(bytes[7]));
        std::string dib;
        if (ReadPreviewBitmap(bytes, dib))
            m_db.m_thumbnail = std::move(dib);
        return Acad::eOk;
    }

private:
    bool ReadContent(std::string_view content) {
        DwgInFiler filer(content.data(), content.size(), m_db.serial());
        uint64_t handseed = filer.readU64();
        uint64_t* roots[] = {&m_db.m_blockTable,  &m_db.m_layerTable,   &m_db.m_textStyleTable,
                             &m_db.m_regAppTable, &m_db.m_namedObjects, &m_db.m_groups,
                             &m_db.m_modelSpace,  &m_db.m_clayer,       &m_db.m_textstyle};
        for (uint64_t* root : roots)
            *root = filer.readU64();
        uint32_t count = filer.readCount(21);
        for (uint32_t i = 0; i < count && filer.ok(); ++i) {
            uint8_t kind = filer.readU8();
            uint64_t handle = filer.readU64();
            AcDbObjectId owner = filer.readId();
            uint32_t size = filer.readU32();
            std::unique_ptr<AcDbObject> object = MakeObject(kind);
            if (!filer.ok() || !object || handle == 0 || handle >= handseed ||
                size > filer.remaining())
                return false;
            DwgInFiler fields(content.data() + filer.position(), size, m_db.serial());
            if (!object->dwgInFields(fields) || fields.remaining() != 0)
                return false;
            filer.skip(size);
            AcDbObjectId id;
            if (m_db.addObject(object.get(), owner, id, handle) != Acad::eOk)
                return false;
            object.release()->close();
        }
        m_db.m_handseed = handseed;
        return filer.ok() && filer.remaining() == 0;
    }

    template <typename T> T* At(uint64_t handle) const {
        return dynamic_cast<T*>(m_db.objectAt(handle));
    }
    template <typename T> bool Is(uint64_t handle) const { return At<T>(handle) != nullptr; }
    template <typename T> bool IsOrNull(uint64_t handle) const {
        return handle == 0 || Is<T>(handle);
    }

    bool Check() const {
        if (!Is<AcDbBlockTable>(m_db.m_blockTable) || !Is<AcDbLayerTable>(m_db.m_layerTable) ||
            !Is<AcDbTextStyleTable>(m_db.m_textStyleTable) ||
            !Is<AcDbRegAppTable>(m_db.m_regAppTable) || !Is<AcDbDictionary>(m_db.m_namedObjects) ||
            !Is<AcDbDictionary>(m_db.m_groups) || !Is<AcDbBlockTableRecord>(m_db.m_modelSpace) ||
            !Is<AcDbLayerTableRecord>(m_db.m_clayer) ||
            !Is<AcDbTextStyleTableRecord>(m_db.m_textstyle))
            return false;
        for (uint64_t handle : m_db.handles())
            if (!CheckObject(*m_db.objectAt(handle)))
                return false;
        return true;
    }

    bool CheckObject(const AcDbObject& object) const {
        if (!IsOrNull<AcDbObject>(object.ownerId().handle().value()) ||
            !IsOrNull<AcDbDictionary>(object.extensionDictionary().handle().value()))
            return false;
        if (auto* table = dynamic_cast<const AcDbSymbolTable*>(&object)) {
            for (uint64_t record : table->recordHandles())
                if (!RecordFits(object.kind(), At<AcDbSymbolTableRecord>(record)))
                    return false;
        }
        if (auto* block = dynamic_cast<const AcDbBlockTableRecord*>(&object)) {
            for (uint64_t entity : block->entityHandles())
                if (!Is<AcDbEntity>(entity))
                    return false;
        }
        if (auto* dictionary = dynamic_cast<const AcDbDictionary*>(&object)) {
            for (const auto& entry : dictionary->storedEntries())
                if (!Is<AcDbObject>(entry.second))
                    return false;
        }
        if (auto* group = dynamic_cast<const AcDbGroup*>(&object)) {
            for (uint64_t member : group->memberHandles())
                if (!Is<AcDbEntity>(member))
                    return false;
        }
        if (auto* reference = dynamic_cast<const AcDbBlockReference*>(&object))
            return IsOrNull<AcDbBlockTableRecord>(reference->blockTableRecord().handle().value());
        return true;
    }

    static bool RecordFits(ObjectKind table, const AcDbSymbolTableRecord* record) {
        if (!record)
            return false;
        switch (table) {
        case ObjectKind::BlockTable:
            return record->kind() == ObjectKind::BlockTableRecord;
        case ObjectKind::LayerTable:
            return record->kind() == ObjectKind::LayerTableRecord;
        case ObjectKind::TextStyleTable:
            return record->kind() == ObjectKind::TextStyleTableRecord;
        case ObjectKind::RegAppTable:
            return record->kind() == ObjectKind::RegAppTableRecord;
        default:
            return false;
        }
    }

    AcDbDatabase& m_db;
};

Acad::ErrorStatus ReadDrawing(std::string_view bytes, AcDbDatabase& database) {
    return DrawingFileReader(database).Read(bytes);
}

} // namespace cad
