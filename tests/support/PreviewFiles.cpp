#include "support/PreviewFiles.h"

#include "platform/cad/DwgFiler.h"
#include "platform/cad/PreviewImage.h"

#include <cstdlib>

namespace ovtest {

namespace {

void PutU32(std::string& bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

} // namespace

std::string DwgLikeFile(const std::string& version, const std::vector<PreviewEntryBytes>& entries,
                        int count, uint32_t sectionAt) {
    std::string file = version;
    file.resize(sectionAt, '\0');
    cad::WriteU32At(file, 13, sectionAt);
    std::string section(reinterpret_cast<const char*>(cad::kImageSectionSentinel), 16);
    size_t total = 0;
    for (const PreviewEntryBytes& entry : entries)
        total += entry.bytes.size();
    PutU32(section, static_cast<uint32_t>(total));
    section += static_cast<char>(count < 0 ? entries.size() : static_cast<size_t>(count));
    uint32_t start = sectionAt + 21 + 9 * static_cast<uint32_t>(entries.size());
    for (const PreviewEntryBytes& entry : entries) {
        section += static_cast<char>(entry.code);
        PutU32(section, start);
        PutU32(section, static_cast<uint32_t>(entry.bytes.size()));
        start += static_cast<uint32_t>(entry.bytes.size());
    }
    for (const PreviewEntryBytes& entry : entries)
        section += entry.bytes;
    return file + section;
}

std::string Dib(int width, int height, unsigned bitsPerPixel, const std::vector<uint32_t>& colours,
                uint32_t (*pixels)(int x, int y)) {
    int rows = std::abs(height);
    size_t stride = (static_cast<size_t>(width) * bitsPerPixel + 31) / 32 * 4;
    std::string dib;
    for (uint32_t value : {40u, static_cast<uint32_t>(width), static_cast<uint32_t>(height)})
        PutU32(dib, value);
    PutU32(dib, 1u | bitsPerPixel << 16); // planes, bits per pixel
    for (uint32_t value : {0u, static_cast<uint32_t>(stride * rows), 0u, 0u,
                           static_cast<uint32_t>(colours.size()), 0u})
        PutU32(dib, value);
    for (uint32_t colour : colours)
        PutU32(dib, colour); // blue, green, red, zero: 0xRRGGBB little-endian
    size_t first = dib.size();
    dib.resize(first + stride * rows, '\0');
    for (int stored = 0; stored < rows; ++stored) {
        int y = height < 0 ? stored : rows - 1 - stored;
        auto* row = reinterpret_cast<uint8_t*>(dib.data() + first + stored * stride);
        for (int x = 0; x < width; ++x) {
            uint32_t value = pixels(x, y);
            if (bitsPerPixel >= 24) {
                for (unsigned b = 0; b < bitsPerPixel / 8; ++b)
                    row[x * (bitsPerPixel / 8) + b] = static_cast<uint8_t>(value >> (8 * b));
            } else {
                size_t bit = static_cast<size_t>(x) * bitsPerPixel;
                row[bit / 8] |= static_cast<uint8_t>(value << (8 - bitsPerPixel - bit % 8));
            }
        }
    }
    return dib;
}

} // namespace ovtest
