// Any bytes read as a drawing fail cleanly or give a database that can be walked, drawn,
// saved and read back; the preview reader never reads outside the bytes.
//
// The content checksum would stop almost every mutation at the door, so the target first
// makes the checksum fit whatever content the bytes hold, and the parser behind it is what
// gets exercised.

#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbEntity.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DrawingFile.h"
#include "platform/cad/DwgFiler.h"
#include "platform/cad/PreviewImage.h"
#include "platform/cad/PreviewSection.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void FitChecksum(std::string& bytes) {
    if (bytes.size() < cad::kDrawingHeaderSize ||
        std::memcmp(bytes.data(), cad::kDrawingSignature, 6) != 0)
        return;
    uint64_t start = static_cast<uint64_t>(cad::ReadU32At(bytes, 17)) + 16,
             size = cad::ReadU32At(bytes, 21);
    if (start + size > bytes.size())
        return;
    cad::WriteU32At(bytes, 25, cad::Crc32(std::string_view(bytes).substr(start, size)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    std::string dib;
    cad::ReadPreviewBitmap(bytes, dib);
    FitChecksum(bytes);

    AcDbDatabase database(false, true);
    if (cad::ReadDrawing(bytes, database) != Acad::eOk)
        return 0;
    for (const AcDbObjectId& id : database.modelSpace()->entityIds()) {
        AcDbExtents extents;
        if (auto* entity = dynamic_cast<AcDbEntity*>(database.objectAt(id.handle().value())))
            entity->getGeomExtents(extents);
    }
    std::string saved = cad::WriteDrawing(database, AcDb::kDHL_2400, cad::DrawPreview(database));
    AcDbDatabase again(false, true);
    if (cad::ReadDrawing(saved, again) != Acad::eOk)
        std::abort(); // what the host reads it must be able to write and read again
    return 0;
}
