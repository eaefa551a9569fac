#include "platform/image/Dib.h"

#include <climits>
#include <fmt/format.h>

namespace image {

namespace {

uint32_t U32(std::string_view bytes, size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3])) << 24;
}

unsigned U16(std::string_view bytes, size_t at) {
    return static_cast<uint8_t>(bytes[at]) |
           static_cast<unsigned>(static_cast<uint8_t>(bytes[at + 1])) << 8;
}

bool Fail(std::string& reason, std::string text) {
    reason = std::move(text);
    return false;
}

// The info header and its later, longer versions share the fields read here.
bool IsInfoHeaderSize(uint32_t size) {
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

} // namespace

bool ParseDib(std::string_view dib, DibLayout& layout, std::string& reason) {
    layout = DibLayout();
    if (dib.size() < 12)
        return Fail(reason, "the bitmap is shorter than its header");
    uint32_t headerSize = U32(dib, 0);
    uint32_t compression = 0, used = 0;
    if (headerSize == 12) {
        layout.width = static_cast<int>(U16(dib, 4));
        layout.height = static_cast<int>(U16(dib, 6));
        layout.bitsPerPixel = U16(dib, 10);
        layout.colourEntrySize = 3;
    } else if (IsInfoHeaderSize(headerSize)) {
        if (dib.size() < headerSize)
            return Fail(reason, "the bitmap is shorter than its header");
        auto width = static_cast<int32_t>(U32(dib, 4));
        auto height = static_cast<int32_t>(U32(dib, 8));
        // 0x80000000 and above is no width, and a height of 0x80000000 has no positive twin.
        if (width <= 0 || height == 0 || height == INT32_MIN)
            return Fail(reason, fmt::format("bitmap size {} x {} is out of range", width, height));
        layout.width = width;
        layout.topDown = height < 0;
        layout.height = height < 0 ? -height : height;
        layout.bitsPerPixel = U16(dib, 14);
        compression = U32(dib, 16);
        used = U32(dib, 32);
    } else {
        return Fail(reason, fmt::format("unknown bitmap header of {} bytes", headerSize));
    }
    layout.headerSize = headerSize;
    unsigned bits = layout.bitsPerPixel;
    if (layout.width == 0 || layout.height == 0)
        return Fail(reason, fmt::format("bitmap size {} x {} is out of range", layout.width,
                                        layout.height));
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return Fail(reason, fmt::format("bitmaps of {} bits per pixel are not shown", bits));
    if (compression != 0)
        return Fail(reason,
                    fmt::format("compressed bitmaps (compression {}) are not shown", compression));
    uint64_t colours = used != 0 ? used : bits <= 8 ? (1u << bits) : 0;
    if (colours > 256)
        return Fail(reason, fmt::format("a colour table of {} entries is damaged", colours));
    layout.colours = static_cast<uint32_t>(colours);
    layout.colourOffset = headerSize;
    uint64_t pixels = headerSize + colours * layout.colourEntrySize;
    uint64_t stride = (static_cast<uint64_t>(layout.width) * bits + 31) / 32 * 4;
    if (pixels > dib.size() ||
        (dib.size() - pixels) / stride < static_cast<uint64_t>(layout.height))
        return Fail(reason, fmt::format("the pixels of a {} x {} bitmap run past its {} bytes",
                                        layout.width, layout.height, dib.size()));
    layout.pixelOffset = static_cast<size_t>(pixels);
    layout.stride = static_cast<size_t>(stride);
    return true;
}

} // namespace image
