#pragma once
// The byte streams objects write their fields to and read them from when a drawing is saved
// or read (see docs/drawing-file-format.md). Numbers are little-endian, texts UTF-8 with a
// 32-bit byte count. The reader never reads past its end: a short or damaged stream sets a
// sticky failure flag, and every read after that returns zero values.

#include "platform/cad/DbObject.h"
#include "platform/cad/Geometry.h"
#include "platform/cad/ResultBuffer.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cad {

// A 32-bit little-endian number at a position the caller has checked to lie in the bytes.
uint32_t ReadU32At(std::string_view bytes, size_t at);
void WriteU32At(std::string& bytes, size_t at, uint32_t value);

class DwgOutFiler {
public:
    // References are written for objects of this database that are saved (present and not
    // erased); a reference to anything else is written as the null handle, so that a saved
    // file never points at an object it does not hold.
    explicit DwgOutFiler(const AcDbDatabase* database = nullptr) : m_database(database) {}

    void writeU8(uint8_t value) { m_bytes.push_back(static_cast<char>(value)); }
    void writeI16(int16_t value) { writeLittleEndian(static_cast<uint16_t>(value), 2); }
    void writeU32(uint32_t value) { writeLittleEndian(value, 4); }
    void writeI32(int32_t value) { writeLittleEndian(static_cast<uint32_t>(value), 4); }
    void writeU64(uint64_t value) { writeLittleEndian(value, 8); }
    void writeDouble(double value);
    void writeBool(bool value) { writeU8(value ? 1 : 0); }
    void writeString(std::wstring_view value);
    void writePoint(const AcGePoint3d& point);
    void writeChain(const ResbufChain& chain);
    void writeId(const AcDbObjectId& id);
    // A count and the handles.
    void writeIds(const std::vector<AcDbObjectId>& ids);
    void writeBytes(std::string_view bytes) { m_bytes.append(bytes); }

    const std::string& bytes() const { return m_bytes; }
    std::string& bytes() { return m_bytes; }

private:
    void writeLittleEndian(uint64_t value, int size);
    const AcDbDatabase* m_database;
    std::string m_bytes;
};

class DwgInFiler {
public:
    // Ids read from the stream belong to the database with that serial number.
    DwgInFiler(const char* data, size_t size, uint32_t databaseSerial = 0)
        : m_data(data), m_size(size), m_databaseSerial(databaseSerial) {}

    uint8_t readU8();
    int16_t readI16() { return static_cast<int16_t>(readLittleEndian(2)); }
    uint32_t readU32() { return static_cast<uint32_t>(readLittleEndian(4)); }
    int32_t readI32() { return static_cast<int32_t>(readU32()); }
    uint64_t readU64() { return readLittleEndian(8); }
    // Refuses (fails the stream) values that are not finite: no drawing holds them, and they
    // would poison every extents computation.
    double readDouble();
    bool readBool();
    std::wstring readString();
    AcGePoint3d readPoint();
    // A chain whose codes are unknown fails the stream.
    ResbufChain readChain();
    // A count and that many handles.
    std::vector<uint64_t> readHandles();
    AcDbObjectId readId() {
        uint64_t handle = readU64();
        return handle ? AcDbObjectId(m_databaseSerial, handle) : AcDbObjectId();
    }
    // A count of items that each take at least `minimumItemSize` bytes: a count the rest of the
    // stream cannot hold fails the stream, so that a damaged count never allocates.
    uint32_t readCount(size_t minimumItemSize);

    void skip(size_t count) {
        if (count > remaining())
            m_failed = true;
        else
            m_position += count;
    }
    void fail() { m_failed = true; }
    bool ok() const { return !m_failed; }
    size_t remaining() const { return m_failed ? 0 : m_size - m_position; }
    size_t position() const { return m_position; }

private:
    uint64_t readLittleEndian(int size);
    const char* m_data;
    size_t m_size;
    uint32_t m_databaseSerial;
    size_t m_position = 0;
    bool m_failed = false;
};

} // namespace cad
