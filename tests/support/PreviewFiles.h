#pragma once
// Drawing files made byte by byte around their preview image section, shaped as DWG files of
// the CAD program keep it, and the bitmaps that go into them.

#include <cstdint>
#include <string>
#include <vector>

namespace ovtest {

struct PreviewEntryBytes {
    unsigned code;
    std::string bytes;
};

// A file that starts with `version`, has the image address at offset 13 and the image section
// at `sectionAt` (64 when 0): sentinel, overall size, the entry count (`count`, or the number
// of entries when negative), the entries, then their bytes.
std::string DwgLikeFile(const std::string& version, const std::vector<PreviewEntryBytes>& entries,
                        int count = -1, uint32_t sectionAt = 64);

// A packed bitmap with a 40-byte header. `colours` (0xRRGGBB) form its colour table;
// `pixels(x, y)` gives each pixel's value (a colour index, or 0xRRGGBB for 24 and 32 bits) with
// y counted from the top. A negative height makes a top-down bitmap.
std::string Dib(int width, int height, unsigned bitsPerPixel, const std::vector<uint32_t>& colours,
                uint32_t (*pixels)(int x, int y));

} // namespace ovtest
