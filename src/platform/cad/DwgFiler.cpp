#include "platform/cad/DwgFiler.h"

#include "platform/cad/DbDatabase.h"

#include "platform/text/Utf8.h"

#include <bit>
#include <cmath>

namespace cad {

namespace {
// A text item longer than this is not something a drawing holds; refusing it keeps a damaged
// length from allocating gigabytes.
constexpr uint32_t kLongestText = 16u * 1024u * 1024u;
} // namespace

uint32_t ReadU32At(std::string_view bytes, size_t at) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + i])) << (8 * i);
    return value;
}

void WriteU32At(std::string& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void DwgOutFiler::writeLittleEndian(uint64_t value, int size) {
    for (int i = 0; i < size; ++i)
        m_bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void DwgOutFiler::writeId(const AcDbObjectId& id) {
    uint64_t handle = id.handle().value();
    if (m_database) {
        AcDbObject* object =
            id.databaseSerial() == m_database->serial() ? m_database->objectAt(handle) : nullptr;
        if (!object || object->isErased())
            handle = 0;
    }
    writeU64(handle);
}

void DwgOutFiler::writeIds(const std::vector<AcDbObjectId>& ids) {
    writeU32(static_cast<uint32_t>(ids.size()));
    for (const AcDbObjectId& id : ids)
        writeId(id);
}

void DwgOutFiler::writeDouble(double value) {
    writeU64(std::bit_cast<uint64_t>(value));
}

void DwgOutFiler::writeString(std::wstring_view value) {
    std::string utf8 = text::ToUtf8(value);
    writeU32(static_cast<uint32_t>(utf8.size()));
    m_bytes.append(utf8);
}

void DwgOutFiler::writePoint(const AcGePoint3d& point) {
    writeDouble(point.x);
    writeDouble(point.y);
    writeDouble(point.z);
}

void DwgOutFiler::writeChain(const ResbufChain& chain) {
    writeU32(static_cast<uint32_t>(chain.size()));
    for (const resbuf& item : chain) {
        writeI16(item.restype);
        switch (KindOfCode(item.restype)) {
        case ValueKind::Text:
            writeString(item.resval.rstring);
            break;
        case ValueKind::Short:
            writeI16(item.resval.rint);
            break;
        case ValueKind::Long:
            writeI32(item.resval.rlong);
            break;
        case ValueKind::Real:
            writeDouble(item.resval.rreal);
            break;
        case ValueKind::Point:
            writePoint(item.resval.rpoint);
            break;
        case ValueKind::Invalid:
            break; // never stored: setXData and setFromRbChain refuse such codes
        }
    }
}

uint64_t DwgInFiler::readLittleEndian(int size) {
    if (m_failed || m_size - m_position < static_cast<size_t>(size)) {
        m_failed = true;
        return 0;
    }
    uint64_t value = 0;
    for (int i = 0; i < size; ++i)
        value |= static_cast<uint64_t>(static_cast<uint8_t>(m_data[m_position + i])) << (8 * i);
    m_position += size;
    return value;
}

uint8_t DwgInFiler::readU8() {
    return static_cast<uint8_t>(readLittleEndian(1));
}

double DwgInFiler::readDouble() {
    double value = std::bit_cast<double>(readU64());
    if (!std::isfinite(value)) {
        m_failed = true;
        return 0.0;
    }
    return value;
}

bool DwgInFiler::readBool() {
    uint8_t value = readU8();
    if (value > 1)
        m_failed = true;
    return value == 1;
}

std::wstring DwgInFiler::readString() {
    uint32_t length = readU32();
    if (m_failed || length > kLongestText || length > m_size - m_position) {
        m_failed = true;
        return {};
    }
    std::wstring value = text::FromUtf8(std::string_view(m_data + m_position, length));
    m_position += length;
    return value;
}

AcGePoint3d DwgInFiler::readPoint() {
    double x = readDouble();
    double y = readDouble();
    double z = readDouble();
    return {x, y, z};
}

ResbufChain DwgInFiler::readChain() {
    uint32_t count = readCount(4);
    ResbufChain chain;
    for (uint32_t i = 0; i < count && ok(); ++i) {
        resbuf item;
        item.restype = readI16();
        switch (KindOfCode(item.restype)) {
        case ValueKind::Text:
            item.resval.rstring = readString();
            break;
        case ValueKind::Short:
            item.resval.rint = readI16();
            break;
        case ValueKind::Long:
            item.resval.rlong = readI32();
            break;
        case ValueKind::Real:
            item.resval.rreal = readDouble();
            break;
        case ValueKind::Point:
            item.resval.rpoint = readPoint();
            break;
        case ValueKind::Invalid:
            fail();
            break;
        }
        chain.push_back(std::move(item));
    }
    return ok() ? chain : ResbufChain{};
}

std::vector<uint64_t> DwgInFiler::readHandles() {
    uint32_t count = readCount(8);
    std::vector<uint64_t> handles;
    handles.reserve(count);
    for (uint32_t i = 0; i < count && ok(); ++i)
        handles.push_back(readU64());
    return handles;
}

uint32_t DwgInFiler::readCount(size_t minimumItemSize) {
    uint32_t count = readU32();
    if (m_failed || (minimumItemSize > 0 && count > remaining() / minimumItemSize)) {
        m_failed = true;
        return 0;
    }
    return count;
}

} // namespace cad
