#include "platform/cad/PreviewImage.h"

#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbLine.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DbText.h"
#include "platform/cad/DwgFiler.h"
#include "platform/cad/TextMetrics.h"
#include "platform/fs/FileIo.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

namespace cad {

namespace {

// Colours of the first ten palette indices as the CAD program shows them; the rest of the
// table is a grey ramp that drawings of this system do not use.
std::array<uint32_t, 256> Palette() {
    std::array<uint32_t, 256> colours{};
    const uint32_t kFirst[10] = {0x000000, 0xFF0000, 0xFFFF00, 0x00FF00, 0x00FFFF,
                                 0x0000FF, 0xFF00FF, 0xFFFFFF, 0x808080, 0xC0C0C0};
    for (int i = 0; i < 256; ++i) {
        uint32_t grey = static_cast<uint32_t>(i);
        colours[i] = i < 10 ? kFirst[i] : (grey << 16) | (grey << 8) | grey;
    }
    return colours;
}

struct Segment {
    AcGePoint3d from, to;
    int colour;
};

// How a block's contents are placed: scale, then turn, then move.
struct Placement {
    double scaleX = 1.0, scaleY = 1.0, rotation = 0.0;
    AcGeVector3d offset;

    AcGePoint3d apply(const AcGePoint3d& p) const {
        double x = p.x * scaleX, y = p.y * scaleY;
        double c = std::cos(rotation), s = std::sin(rotation);
        return {x * c - y * s + offset.x, x * s + y * c + offset.y, p.z};
    }
};

class SegmentCollector {
public:
    explicit SegmentCollector(const AcDbDatabase& database) : m_database(database) {}

    void Block(const AcDbBlockTableRecord& block, const Placement& placement, int depth) {
        if (depth > 32)
            return;
        for (const AcDbObjectId& id : block.entityIds()) {
            auto* entity = dynamic_cast<AcDbEntity*>(m_database.objectAt(id.handle().value()));
            if (entity && entity->visibility() == AcDb::kVisible)
                Entity(*entity, placement, depth);
        }
    }

    std::vector<Segment> segments;

private:
    int Colour(const AcDbEntity& entity) const {
        int index = entity.colorIndex();
        if (index == 256) {
            auto* layer = dynamic_cast<AcDbLayerTableRecord*>(
                m_database.objectAt(entity.layerId().handle().value()));
            index = layer ? layer->colorIndex() : 7;
        }
        return index == 0 ? 7 : index;
    }

    void Box(const AcGePoint3d& origin, double rotation, double x0, double y0, double x1, double y1,
             int colour, const Placement& placement) {
        double c = std::cos(rotation), s = std::sin(rotation);
        auto corner = [&](double x, double y) {
            return placement.apply({origin.x + x * c - y * s, origin.y + x * s + y * c, origin.z});
        };
        AcGePoint3d corners[4] = {corner(x0, y0), corner(x1, y0), corner(x1, y1), corner(x0, y1)};
        for (int i = 0; i < 4; ++i)
            segments.push_back({corners[i], corners[(i + 1) % 4], colour});
    }

    void Entity(const AcDbEntity& entity, const Placement& placement, int depth) {
        int colour = Colour(entity);
        if (auto* line = dynamic_cast<const AcDbLine*>(&entity)) {
            segments.push_back(
                {placement.apply(line->startPoint()), placement.apply(line->endPoint()), colour});
        } else if (auto* text = AcDbText::cast(&entity)) {
            if (!text->textString().empty())
                Box(text->position(), text->rotation(), 0.0, 0.0,
                    TextWidth(text->textString(), text->height(), text->widthFactor()),
                    text->height(), colour, placement);
        } else if (auto* mtext = AcDbMText::cast(&entity)) {
            double width = mtext->actualWidth(), height = mtext->actualHeight();
            int column = (mtext->attachment() - 1) % 3, row = (mtext->attachment() - 1) / 3;
            double x0 = -column * width / 2, y0 = row == 0 ? -height : row == 1 ? -height / 2 : 0.0;
            if (width > 0.0)
                Box(mtext->location(), mtext->rotation(), x0, y0, x0 + width, y0 + height, colour,
                    placement);
        } else if (auto* reference = AcDbBlockReference::cast(&entity)) {
            auto* block = dynamic_cast<AcDbBlockTableRecord*>(
                m_database.objectAt(reference->blockTableRecord().handle().value()));
            if (!block)
                return;
            Placement inner;
            inner.scaleX = reference->scaleFactors().x * placement.scaleX;
            inner.scaleY = reference->scaleFactors().y * placement.scaleY;
            inner.rotation = reference->rotation() + placement.rotation;
            AcGePoint3d origin = placement.apply(reference->position());
            inner.offset = {origin.x, origin.y, 0.0};
            Block(*block, inner, depth + 1);
        }
    }

    const AcDbDatabase& m_database;
};

class Canvas {
public:
    Canvas() : m_pixels(static_cast<size_t>(kStride) * kPreviewHeight, 0) {}

    void Line(double x0, double y0, double x1, double y1, int colour) {
        int steps = static_cast<int>(std::ceil(std::max(std::fabs(x1 - x0), std::fabs(y1 - y0))));
        for (int i = 0; i <= steps; ++i) {
            double t = steps == 0 ? 0.0 : static_cast<double>(i) / steps;
            Plot(static_cast<int>(std::lround(x0 + (x1 - x0) * t)),
                 static_cast<int>(std::lround(y0 + (y1 - y0) * t)), colour);
        }
    }

    std::string Dib() const {
        DwgOutFiler dib;
        dib.writeU32(40);
        dib.writeU32(kPreviewWidth);
        dib.writeU32(kPreviewHeight);
        dib.writeI16(1);
        dib.writeI16(8);
        dib.writeU32(0); // no compression
        dib.writeU32(static_cast<uint32_t>(m_pixels.size()));
        dib.writeU32(0);
        dib.writeU32(0);
        dib.writeU32(256);
        dib.writeU32(0);
        for (uint32_t colour : Palette())
            dib.writeU32(colour); // blue, green, red, zero
        dib.writeBytes(
            std::string_view(reinterpret_cast<const char*>(m_pixels.data()), m_pixels.size()));
        return dib.bytes();
    }

private:
    static constexpr int kStride = (kPreviewWidth + 3) & ~3;

    void Plot(int x, int y, int colour) {
        if (x >= 0 && x < kPreviewWidth && y >= 0 && y < kPreviewHeight)
            m_pixels[static_cast<size_t>(y) * kStride + x] = static_cast<uint8_t>(colour);
    }

    std::vector<uint8_t> m_pixels; // row 0 is the bottom row
};

} // namespace

bool IsPackedDib(std::string_view dib) {
    if (dib.size() < 40 || ReadU32At(dib, 0) != 40)
        return false;
    auto width = static_cast<int32_t>(ReadU32At(dib, 4));
    auto height = static_cast<int32_t>(ReadU32At(dib, 8));
    unsigned bits = static_cast<uint8_t>(dib[14]) | (static_cast<uint8_t>(dib[15]) << 8);
    uint32_t used = ReadU32At(dib, 32);
    if (width <= 0 || width > 65535 || height == 0 || height < -65535 || height > 65535)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return false;
    uint64_t colours = bits <= 8 ? (used ? used : (1u << bits)) : used;
    if (colours > 256)
        return false;
    uint64_t stride = ((static_cast<uint64_t>(width) * bits + 31) / 32) * 4;
    uint64_t needed = 40 + colours * 4 + stride * static_cast<uint64_t>(std::abs(height));
    return dib.size() >= needed;
}

std::string DrawPreview(const AcDbDatabase& database) {
    Canvas canvas;
    AcDbBlockTableRecord* modelSpace = database.modelSpace();
    SegmentCollector collector(database);
    if (modelSpace)
        collector.Block(*modelSpace, Placement(), 0);
    AcDbExtents extents;
    for (const Segment& segment : collector.segments) {
        extents.addPoint(segment.from);
        extents.addPoint(segment.to);
    }
    if (!extents.isEmpty()) {
        const double margin = 4.0;
        double dx = extents.maxPoint().x - extents.minPoint().x;
        double dy = extents.maxPoint().y - extents.minPoint().y;
        double scale = std::min(dx > 0 ? (kPreviewWidth - 2 * margin) / dx : 1e300,
                                dy > 0 ? (kPreviewHeight - 2 * margin) / dy : 1e300);
        if (scale > 1e299)
            scale = 1.0;
        double left = (kPreviewWidth - dx * scale) / 2, bottom = (kPreviewHeight - dy * scale) / 2;
        auto x = [&](double value) { return left + (value - extents.minPoint().x) * scale; };
        auto y = [&](double value) { return bottom + (value - extents.minPoint().y) * scale; };
        for (const Segment& segment : collector.segments)
            canvas.Line(x(segment.from.x), y(segment.from.y), x(segment.to.x), y(segment.to.y),
                        segment.colour);
    }
    return canvas.Dib();
}

std::string BuildImageSection(const std::string& dib, uint32_t sectionAddress) {
    // Header data: a short tag and the bitmap's size; readers pass over it.
    DwgOutFiler header;
    header.writeBytes("OVPV");
    header.writeU32(static_cast<uint32_t>(dib.size()));
    const uint32_t entryTable = 16 + 4 + 1 + 2 * 9;
    uint32_t headerStart = sectionAddress + entryTable;
    uint32_t bitmapStart = headerStart + static_cast<uint32_t>(header.bytes().size());

    DwgOutFiler section;
    section.writeBytes(std::string_view(reinterpret_cast<const char*>(kImageSectionSentinel), 16));
    section.writeU32(static_cast<uint32_t>(header.bytes().size() + dib.size()));
    section.writeU8(2);
    section.writeU8(1);
    section.writeU32(headerStart);
    section.writeU32(static_cast<uint32_t>(header.bytes().size()));
    section.writeU8(2);
    section.writeU32(bitmapStart);
    section.writeU32(static_cast<uint32_t>(dib.size()));
    section.writeBytes(header.bytes());
    section.writeBytes(dib);
    for (unsigned char byte : kImageSectionSentinel)
        section.writeU8(static_cast<uint8_t>(~byte));
    return section.bytes();
}

bool ReadPreviewBitmap(std::string_view fileBytes, std::string& dib) {
    dib.clear();
    if (fileBytes.size() < kImageAddressOffset + 4)
        return false;
    uint64_t address = ReadU32At(fileBytes, kImageAddressOffset);
    if (address + 21 > fileBytes.size() ||
        std::memcmp(fileBytes.data() + address, kImageSectionSentinel, 16) != 0)
        return false;
    unsigned count = static_cast<uint8_t>(fileBytes[address + 20]);
    if (count < 1 || count > 3 || address + 21 + count * 9 > fileBytes.size())
        return false;
    size_t entry = address + 21;
    unsigned code = static_cast<uint8_t>(fileBytes[entry]);
    for (unsigned skipped = 1; code == 1 && skipped < count; ++skipped) {
        entry += 9;
        code = static_cast<uint8_t>(fileBytes[entry]);
    }
    if (code != 2)
        return false;
    uint64_t start = ReadU32At(fileBytes, entry + 1);
    uint64_t size = ReadU32At(fileBytes, entry + 5);
    if (start + size > fileBytes.size())
        return false;
    std::string_view bitmap = fileBytes.substr(start, size);
    if (!IsPackedDib(bitmap))
        return false;
    dib.assign(bitmap);
    return true;
}

} // namespace cad

bool acdbGetPreviewBitmapFromDwg(const wchar_t* fileName, std::string& packedDib) {
    packedDib.clear();
    std::string bytes;
    return fileName && fs::ReadBytes(fileName, bytes) && cad::ReadPreviewBitmap(bytes, packedDib);
}
