#pragma once
// The preview image our drawing files carry, kept where a DWG file keeps it (the reader is
// PreviewSection.h): a header-data entry and a bitmap entry; the bitmap is a packed
// device-independent bitmap (40-byte header, 256-colour table, 8-bit pixels, rows bottom-up)
// drawn from model space.

#include <cstdint>
#include <string>
#include <string_view>

class AcDbDatabase;

namespace cad {

inline constexpr unsigned char kImageSectionSentinel[16] = {
    0x1F, 0x25, 0x6D, 0x07, 0xD4, 0x36, 0x28, 0x28, 0x9D, 0x57, 0xCA, 0x3F, 0x9D, 0x44, 0x10, 0x2B};
inline constexpr uint32_t kImageAddressOffset = 13;
inline constexpr int kPreviewWidth = 180;
inline constexpr int kPreviewHeight = 135;

// Whether the bytes are a packed device-independent bitmap with a 40-byte header whose colour
// table and pixels are all there.
bool IsPackedDib(std::string_view dib);

// Draws the visible entities of model space, fitted into the picture, on a black background
// in their colours (white for colour 7): lines as lines, texts as the outline of their box,
// block references through their blocks.
std::string DrawPreview(const AcDbDatabase& database);

// The image section for a bitmap, to be placed at `sectionAddress` in the file.
std::string BuildImageSection(const std::string& dib, uint32_t sectionAddress);

} // namespace cad
