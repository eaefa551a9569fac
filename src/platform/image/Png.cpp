#include "platform/image/Png.h"

#include <cstring>
#include <fmt/format.h>
#include <png.h>

namespace image {

namespace {

constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

uint32_t BigEndian32(std::string_view bytes, size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) << 24 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 2])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3]));
}

// Every pixel takes at least one bit of the inflated data, and deflate inflates at most about
// 1032 to 1: a header promising more pixels than that is damaged.
constexpr uint64_t kMaxPixelsPerByte = 8 * 1040;
constexpr uint64_t kMaxSide = 4096;

} // namespace

bool ReadPngHeader(std::string_view png, PngHeader& header, std::string& reason) {
    header = PngHeader();
    // Signature, then the IHDR chunk: length, type, width, height, depth, colour type.
    if (png.size() < 33 || std::memcmp(png.data(), kSignature, 8) != 0 ||
        png.substr(12, 4) != "IHDR") {
        reason = "the picture is no PNG";
        return false;
    }
    uint32_t width = BigEndian32(png, 16), height = BigEndian32(png, 20);
    unsigned depth = static_cast<uint8_t>(png[24]), type = static_cast<uint8_t>(png[25]);
    unsigned channels = type == 0 || type == 3 ? 1
                        : type == 2            ? 3
                        : type == 4            ? 2
                        : type == 6            ? 4
                                               : 0;
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide || channels == 0) {
        reason =
            fmt::format("PNG size {} x {} (colour type {}) is out of range", width, height, type);
        return false;
    }
    header.width = static_cast<int>(width);
    header.height = static_cast<int>(height);
    header.bitsPerPixel = depth * channels;
    return true;
}

bool DecodePng(std::string_view png, uint32_t background, RgbImage& picture, std::string& reason) {
    picture = RgbImage();
    PngHeader header;
    if (!ReadPngHeader(png, header, reason))
        return false;
    if (static_cast<uint64_t>(header.width) * static_cast<uint64_t>(header.height) >
        kMaxPixelsPerByte * png.size()) {
        reason = fmt::format("a PNG of {} bytes cannot hold {} x {} pixels", png.size(),
                             header.width, header.height);
        return false;
    }
    png_image decoder;
    std::memset(&decoder, 0, sizeof decoder);
    decoder.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&decoder, png.data(), png.size())) {
        reason = fmt::format("the PNG cannot be read: {}", decoder.message);
        return false;
    }
    decoder.format = PNG_FORMAT_RGB;
    picture.width = static_cast<int>(decoder.width);
    picture.height = static_cast<int>(decoder.height);
    picture.rgb.resize(PNG_IMAGE_SIZE(decoder));
    png_color colour{static_cast<png_byte>(background >> 16),
                     static_cast<png_byte>(background >> 8), static_cast<png_byte>(background)};
    if (!png_image_finish_read(&decoder, &colour, picture.rgb.data(), 0, nullptr)) {
        reason = fmt::format("the PNG cannot be decoded: {}", decoder.message);
        picture = RgbImage();
        return false;
    }
    return true;
}

bool EncodePng(const RgbImage& picture, std::string& png) {
    png.clear();
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.rgb.size() != static_cast<size_t>(picture.width) * picture.height * 3)
        return false;
    png_image encoder;
    std::memset(&encoder, 0, sizeof encoder);
    encoder.version = PNG_IMAGE_VERSION;
    encoder.width = static_cast<png_uint_32>(picture.width);
    encoder.height = static_cast<png_uint_32>(picture.height);
    encoder.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&encoder, nullptr, &size, 0, picture.rgb.data(), 0, nullptr))
        return false;
    png.resize(size);
    if (!png_image_write_to_memory(&encoder, png.data(), &size, 0, picture.rgb.data(), 0,
                                   nullptr)) {
        png.clear();
        return false;
    }
    png.resize(size);
    return true;
}

} // namespace image
