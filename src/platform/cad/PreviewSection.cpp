#include "platform/cad/PreviewSection.h"

#include "platform/cad/DwgFiler.h"
#include "platform/cad/PreviewImage.h"

#include <cstring>
#include <fmt/format.h>

namespace cad {

namespace {

constexpr uint64_t kSectionHead = 21; // sentinel, overall size, entry count
constexpr uint64_t kEntrySize = 9;

// DWG files before R13 ("AC1009" and older, "AC2.10", ...) keep no image address at offset 13.
bool IsBeforeR13(std::string_view version) {
    if (version.size() < 6 || version.substr(0, 2) != "AC")
        return false;
    for (char c : version.substr(2))
        if (c < '0' || c > '9')
            return true;
    return std::stoi(std::string(version.substr(2))) < 1012;
}

PreviewSection NoPicture(PreviewSection section, std::string reason) {
    section.picture.clear();
    section.reason = std::move(reason);
    return section;
}

// The first bitmap or PNG picture among the entries; a metafile only when there is no other
// picture; header data and unknown codes are passed over.
std::optional<PreviewEntry> ChooseEntry(std::string_view table, unsigned count,
                                        std::string& codes) {
    std::optional<PreviewEntry> metafile;
    for (unsigned i = 0; i < count; ++i) {
        PreviewEntry entry{static_cast<uint8_t>(table[i * kEntrySize]),
                           ReadU32At(table, i * kEntrySize + 1),
                           ReadU32At(table, i * kEntrySize + 5)};
        codes += (codes.empty() ? "" : ", ") + std::to_string(entry.code);
        if (entry.code == kPreviewBitmap || entry.code == kPreviewPng)
            return entry;
        if (entry.code == kPreviewMetafile && !metafile)
            metafile = entry;
    }
    return metafile;
}

} // namespace

PreviewSection ReadPreviewSection(fs::ByteSource& file) {
    PreviewSection section;
    file.ReadAt(0, std::min<uint64_t>(6, file.Size()), section.version);
    if (IsBeforeR13(section.version))
        return NoPicture(section, "a drawing older than R13 keeps no preview image");
    std::string bytes;
    if (!file.ReadAt(kImageAddressOffset, 4, bytes))
        return NoPicture(section, "the file is too short to hold an image address");
    uint64_t address = ReadU32At(bytes, 0);
    if (!file.ReadAt(address, kSectionHead, bytes))
        return NoPicture(section,
                         fmt::format("the image address {} lies outside the file", address));
    if (std::memcmp(bytes.data(), kImageSectionSentinel, 16) != 0)
        return NoPicture(section, fmt::format("no image section at address {}", address));
    unsigned count = static_cast<uint8_t>(bytes[20]);
    if (count == 0)
        return NoPicture(section, "the image section has no entries");
    if (count > 3)
        return NoPicture(section, fmt::format("the image section claims {} entries", count));
    if (!file.ReadAt(address + kSectionHead, count * kEntrySize, bytes))
        return NoPicture(section, "the image section's entries run past the end of the file");
    std::string codes;
    section.entry = ChooseEntry(bytes, count, codes);
    if (!section.entry)
        return NoPicture(section, fmt::format("no picture among the entries (codes {})", codes));
    if (section.entry->code == kPreviewMetafile)
        return NoPicture(section, "the preview is a metafile, which is not shown");
    if (section.entry->size == 0 ||
        !file.ReadAt(section.entry->start, section.entry->size, section.picture))
        return NoPicture(section, fmt::format("the picture's {} bytes at address {} lie outside "
                                              "the file",
                                              section.entry->size, section.entry->start));
    section.reason = "ok";
    return section;
}

bool ReadPreviewBitmap(fs::ByteSource& file, std::string& dib) {
    PreviewSection section = ReadPreviewSection(file);
    dib.clear();
    if (section.entry && section.entry->code == kPreviewBitmap && IsPackedDib(section.picture))
        dib = std::move(section.picture);
    return !dib.empty();
}

bool ReadPreviewBitmap(std::string_view fileBytes, std::string& dib) {
    fs::MemoryBytes file(fileBytes);
    return ReadPreviewBitmap(file, dib);
}

} // namespace cad

bool acdbGetPreviewBitmapFromDwg(const wchar_t* fileName, std::string& packedDib) {
    packedDib.clear();
    if (!fileName)
        return false;
    fs::FileBytes file(fileName);
    return cad::ReadPreviewBitmap(file, packedDib);
}
