#pragma once
// The stand-in host's drawing file format, version 1 (docs/drawing-file-format.md).
//
//   offset  size  content
//   0       6     signature "OVDRAW"
//   6       1     format version (1)
//   7       1     DWG version the drawing was saved in (21, 23, 25, 27, 29)
//   8       5     zero
//   13      4     address of the image section (where a DWG file keeps it)
//   17      4     address of the content section
//   21      4     size of the content data
//   25      4     CRC-32 of the content data
//   29      3     zero
// The content section is a 16-byte sentinel followed by the content data (the database's
// header values and every object that is not erased); the image section follows it.

#include "platform/cad/ErrorStatus.h"

#include <cstdint>
#include <string>
#include <string_view>

class AcDbDatabase;

namespace cad {

inline constexpr char kDrawingSignature[] = "OVDRAW";
inline constexpr uint8_t kDrawingFormatVersion = 1;
inline constexpr size_t kDrawingHeaderSize = 32;
inline constexpr unsigned char kContentSectionSentinel[16] = {
    0x4F, 0x56, 0x44, 0x52, 0x41, 0x57, 0x2D, 0x43, 0x4F, 0x4E, 0x54, 0x45, 0x4E, 0x54, 0x0D, 0x0A};

std::string WriteDrawing(const AcDbDatabase& database, AcDb::AcDbDwgVersion version,
                         const std::string& previewDib);

// Fills an empty database (made without the default drawing) from the bytes of a file. Any
// damage gives an error, never a partly filled database the caller could mistake for the
// drawing: eBadDwgHeader (not this format), eInvalidDwgVersion, eDwgNeedsRecovery.
Acad::ErrorStatus ReadDrawing(std::string_view bytes, AcDbDatabase& database);

uint32_t Crc32(std::string_view bytes);

} // namespace cad
