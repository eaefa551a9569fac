#pragma once
// The one reader of the preview image section, for our drawing files and DWG files of the CAD
// program alike. The 4-byte address at file offset 13 points to the section: a 16-byte
// sentinel, the overall size (not used), the number of entries (1 to 3) and the entries, each a
// code, a start address and a size. Codes: 1 header data, 2 bitmap (a device-independent
// bitmap without file header), 3 metafile, 6 PNG picture (files of 2013 and later).
//
// Every address and size read from the file is checked against the file's size before
// anything is read or allocated, and entries are read only up to the entry count.

#include "platform/fs/ByteSource.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cad {

enum PreviewEntryCode : unsigned {
    kPreviewHeaderData = 1,
    kPreviewBitmap = 2,
    kPreviewMetafile = 3,
    kPreviewPng = 6,
};

struct PreviewEntry {
    unsigned code = 0;
    uint32_t start = 0;
    uint32_t size = 0;
};

struct PreviewSection {
    // The file's first six bytes ("AC1015" for a DWG file of 2000, "OVDRAW" for ours); empty
    // when the file is empty.
    std::string version;
    // The chosen entry: the first bitmap or PNG picture; a metafile when the section has no
    // other picture.
    std::optional<PreviewEntry> entry;
    // The chosen entry's bytes when it is a bitmap or a PNG picture; empty otherwise.
    std::string picture;
    // "ok" when `picture` holds the bytes; otherwise why there is none, in words.
    std::string reason;
};

PreviewSection ReadPreviewSection(fs::ByteSource& file);

// The bitmap of a file's image section, when it is a whole packed bitmap with a 40-byte
// header (what setThumbnailBitmap takes). False, and `dib` empty, otherwise.
bool ReadPreviewBitmap(fs::ByteSource& file, std::string& dib);
bool ReadPreviewBitmap(std::string_view fileBytes, std::string& dib);

} // namespace cad

// The preview bitmap of a drawing file (ours or a DWG file of the CAD program), without
// opening the drawing. The bitmap comes as a packed device-independent bitmap, which is what
// setThumbnailBitmap takes.
bool acdbGetPreviewBitmapFromDwg(const wchar_t* fileName, std::string& packedDib);
