#pragma once
// PNG pictures, through libpng: drawings of 2013 and later keep their preview as a PNG, and the
// support tools write pictures as PNG files.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace image {

// Pixels as three bytes each (red, green, blue), rows from the top.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
};

struct PngHeader {
    int width = 0;
    int height = 0;
    unsigned bitsPerPixel = 0; // bit depth times the channels of the colour type
};

// The size and depth from the PNG's header, without decoding the pixels.
bool ReadPngHeader(std::string_view png, PngHeader& header, std::string& reason);

// Decodes the picture; transparent parts show the background (0xRRGGBB). A picture larger than
// its compressed data can hold is refused before anything is allocated for it.
bool DecodePng(std::string_view png, uint32_t background, RgbImage& picture, std::string& reason);

bool EncodePng(const RgbImage& picture, std::string& png);

} // namespace image
