#pragma once
// Device-independent bitmaps without file header ("packed" bitmaps: header, colour table,
// pixels), as drawing files keep their preview pictures.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace image {

struct DibLayout {
    size_t headerSize = 0; // 12 for the old core header, 40 or more for the info header
    int width = 0;
    int height = 0;       // rows, always above 0
    bool topDown = false; // rows stored from the top (a negative height in the header)
    unsigned bitsPerPixel = 0;
    uint32_t colours = 0; // entries of the colour table (0 for none)
    size_t colourOffset = 0;
    size_t colourEntrySize = 4; // blue, green, red, zero; 3 bytes (no zero) after a core header
    size_t pixelOffset = 0;
    size_t stride = 0; // bytes per row, rows padded to 4 bytes
};

// Reads the header and checks that the colour table and every row lie inside the bytes.
// Takes uncompressed bitmaps of 1, 4, 8, 24 and 32 bits per pixel. False with the reason in
// words for anything else.
bool ParseDib(std::string_view dib, DibLayout& layout, std::string& reason);

} // namespace image
