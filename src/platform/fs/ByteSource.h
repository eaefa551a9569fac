#pragma once
// Bytes read piece by piece, from a file or from memory, for readers that follow addresses
// stored in the bytes themselves. Each piece is checked against the size before anything is
// allocated for it, so that a damaged address or size can neither read past the end nor make
// the reader allocate what the file does not hold.

#include <cstdint>
#include <string>
#include <string_view>

namespace fs {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual uint64_t Size() const = 0;
    // Exactly `count` bytes from `offset` on; false, and `out` empty, when they are not all
    // there.
    virtual bool ReadAt(uint64_t offset, uint64_t count, std::string& out) = 0;

protected:
    bool Fits(uint64_t offset, uint64_t count) const {
        return offset <= Size() && count <= Size() - offset;
    }
};

class MemoryBytes : public ByteSource {
public:
    explicit MemoryBytes(std::string_view bytes) : m_bytes(bytes) {}
    uint64_t Size() const override { return m_bytes.size(); }
    bool ReadAt(uint64_t offset, uint64_t count, std::string& out) override;

private:
    std::string_view m_bytes;
};

// A file open for reading while the object lives.
class FileBytes : public ByteSource {
public:
    // When the file cannot be opened (or is a folder) IsOpen() is false and LastError() holds
    // the reason.
    explicit FileBytes(std::wstring_view logical);
    ~FileBytes() override;
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    uint64_t Size() const override { return m_size; }
    bool ReadAt(uint64_t offset, uint64_t count, std::string& out) override;

private:
    int m_fd = -1;
    uint64_t m_size = 0;
};

} // namespace fs
