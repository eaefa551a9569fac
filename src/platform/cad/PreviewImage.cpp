#include "platform/cad/PreviewImage.h"

#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbLine.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DbText.h"
#include "platform/cad/DwgFiler.h"
#include "platform/cad/TextMetrics.h"
#include "platform/image/Dib.h"

#include <algorithm>
#include <array>
#include <cmath>
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
        // Every segment is scaled into the picture, so none is longer than the picture is wide
        // and high. A damaged drawing's coordinates may be no numbers at all (or make the scaled
        // ones none): such a segment shows nothing.
        double length = std::max(std::fabs(x1 - x0), std::fabs(y1 - y0));
        if (!std::isfinite(x0) || !std::isfinite(y0) || !(length <= kPreviewWidth + kPreviewHeight))
            return;
        int steps = static_cast<int>(std::ceil(length));
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
    image::DibLayout layout;
    std::string reason;
    return image::ParseDib(dib, layout, reason) && layout.headerSize == 40;
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

} // namespace cad
