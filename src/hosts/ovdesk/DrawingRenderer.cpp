#include "DrawingRenderer.h"

#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbLine.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DbText.h"
#include "platform/cad/TextMetrics.h"

#include <wx/brush.h>
#include <wx/graphics.h>
#include <wx/image.h>
#include <wx/pen.h>

#include <cmath>
#include <map>
#include <memory>
#include <string>

namespace desk {

namespace {

// Texts lower than this many pixels are drawn as their base line.
constexpr double kLegibleHeight = 5.0;
// The font's pixel size for a text of one pixel's height: the ideographs of the face fill
// about this fraction of the size.
constexpr double kFontSizePerHeight = 1.15;

// The colours of the palette's indices: the nine named ones, the hue wheel of 24 hues in five
// shades with a paler variant each, and the greys at the end.
wxColour PaletteColour(int index) {
    static const unsigned char kNamed[10][3] = {
        {0, 0, 0},   {255, 0, 0},   {255, 255, 0},   {0, 255, 0},     {0, 255, 255},
        {0, 0, 255}, {255, 0, 255}, {255, 255, 255}, {128, 128, 128}, {192, 192, 192}};
    if (index >= 0 && index < 10)
        return {kNamed[index][0], kNamed[index][1], kNamed[index][2]};
    if (index >= 250 && index <= 255) {
        auto grey = static_cast<unsigned char>(51 + (index - 250) * 40);
        return {grey, grey, grey};
    }
    if (index < 10 || index > 249)
        return *wxWHITE;
    double hue = (index / 10 - 1) * 15.0;
    static const double kValues[5] = {1.0, 0.8, 0.6, 0.5, 0.3};
    double value = kValues[(index % 10) / 2];
    double saturation = (index % 2) ? 0.5 : 1.0;
    wxImage::HSVValue hsv(hue / 360.0, saturation, value);
    wxImage::RGBValue rgb = wxImage::HSVtoRGB(hsv);
    return {rgb.red, rgb.green, rgb.blue};
}

// How a block's contents stand in the drawing: scaled, turned, then moved.
struct Placement {
    double scaleX = 1.0, scaleY = 1.0, rotation = 0.0, offsetX = 0.0, offsetY = 0.0;
    int byBlockColour = 7;

    void Apply(double& x, double& y) const {
        double sx = x * scaleX, sy = y * scaleY;
        double c = std::cos(rotation), s = std::sin(rotation);
        x = sx * c - sy * s + offsetX;
        y = sx * s + sy * c + offsetY;
    }
};

class Renderer {
public:
    Renderer(const AcDbDatabase& database, wxGraphicsContext& context, const ViewWindow& view)
        : m_database(database), m_context(context), m_view(view) {}

    void Draw() {
        if (AcDbBlockTableRecord* space = m_database.modelSpace())
            Block(*space, Placement(), 0);
        m_context.SetBrush(*wxTRANSPARENT_BRUSH);
        for (auto& [key, path] : m_paths) {
            // Square ends and mitred corners: on lines one pixel wide they look the same as
            // round ones, and cairo draws them without rounding every end.
            wxPen pen(PaletteColour(key.first));
            pen.SetCap(wxCAP_BUTT);
            pen.SetJoin(wxJOIN_MITER);
            m_context.SetPen(pen);
            m_context.StrokePath(path);
        }
    }

private:
    struct TextFont {
        wxGraphicsFont font;
        double ascent = 0.0;
    };

    void Block(const AcDbBlockTableRecord& block, const Placement& placement, int depth) {
        if (depth > 32)
            return;
        for (uint64_t handle : block.entityHandles()) {
            auto* entity = dynamic_cast<const AcDbEntity*>(m_database.objectAt(handle));
            if (entity && !entity->isErased() && entity->visibility() == AcDb::kVisible)
                Entity(*entity, placement, depth);
        }
    }

    int Colour(const AcDbEntity& entity, const Placement& placement) const {
        int index = entity.colorIndex();
        if (index == 256) {
            auto* layer = dynamic_cast<const AcDbLayerTableRecord*>(
                m_database.objectAt(entity.layerId().handle().value()));
            index = layer ? layer->colorIndex() : 7;
        }
        if (index == 0)
            index = placement.byBlockColour;
        return std::abs(index);
    }

    // Level and upright segments go in paths of their own: cairo strokes a path made only of
    // them as boxes, several times quicker than the general stroker, and most of a panel
    // drawing's lines (frames, terminal strips, texts seen from afar) are such.
    wxGraphicsPath& PathOf(int colour, bool rectilinear) {
        auto key = std::make_pair(colour, rectilinear);
        auto found = m_paths.find(key);
        if (found == m_paths.end())
            found = m_paths.emplace(key, m_context.CreatePath()).first;
        return found->second;
    }

    bool Outside(const wxPoint2DDouble& a, const wxPoint2DDouble& b) const {
        return (a.m_x < 0 && b.m_x < 0) || (a.m_y < 0 && b.m_y < 0) ||
               (a.m_x > m_view.pixelWidth && b.m_x > m_view.pixelWidth) ||
               (a.m_y > m_view.pixelHeight && b.m_y > m_view.pixelHeight);
    }

    void Segment(double x0, double y0, double x1, double y1, const Placement& placement,
                 int colour) {
        placement.Apply(x0, y0);
        placement.Apply(x1, y1);
        wxPoint2DDouble a = m_view.ToPixels(x0, y0), b = m_view.ToPixels(x1, y1);
        if (Outside(a, b))
            return;
        wxGraphicsPath& path = PathOf(colour, a.m_x == b.m_x || a.m_y == b.m_y);
        path.MoveToPoint(a);
        path.AddLineToPoint(b);
    }

    // One line of text with its base line starting at (x, y) of the text's own frame, which
    // `origin` and `rotation` place in the block.
    void TextLine(const std::wstring& text, double x, double y, double originX, double originY,
                  double rotation, double height, double widthFactor, const Placement& placement,
                  int colour) {
        if (text.empty())
            return;
        double width = cad::TextWidth(text, height, widthFactor);
        double c = std::cos(rotation), s = std::sin(rotation);
        double startX = originX + x * c - y * s, startY = originY + x * s + y * c;
        double endX = startX + width * c, endY = startY + width * s;
        double pixels =
            height * m_view.Scale() * std::sqrt(std::fabs(placement.scaleX * placement.scaleY));
        if (pixels < kLegibleHeight) {
            Segment(startX, startY, endX, endY, placement, colour);
            return;
        }
        double px = startX, py = startY, qx = endX, qy = endY;
        placement.Apply(px, py);
        placement.Apply(qx, qy);
        wxPoint2DDouble start = m_view.ToPixels(px, py), end = m_view.ToPixels(qx, qy);
        if (Outside(start, end) && pixels < m_view.pixelHeight / 2.0)
            return;
        const TextFont& font = FontFor(static_cast<int>(std::lround(pixels)), colour);
        double angle = std::atan2(-(end.m_y - start.m_y), end.m_x - start.m_x);
        double drawn = 0.0, ignored = 0.0;
        m_context.SetFont(font.font);
        m_context.GetTextExtent(text, &drawn, &ignored);
        double wanted = std::hypot(end.m_x - start.m_x, end.m_y - start.m_y);
        m_context.PushState();
        m_context.Translate(start.m_x, start.m_y);
        m_context.Rotate(-angle);
        // The metrics decide the width; the face's own advance is stretched to it.
        if (drawn > 0.0)
            m_context.Scale(wanted / drawn, 1.0);
        m_context.DrawText(text, 0.0, -font.ascent);
        m_context.PopState();
    }

    const TextFont& FontFor(int pixels, int colour) {
        auto key = std::make_pair(pixels, colour);
        auto found = m_fonts.find(key);
        if (found != m_fonts.end())
            return found->second;
        int size = std::max(1, static_cast<int>(std::lround(pixels * kFontSizePerHeight)));
        wxFont face(wxFontInfo(wxSize(0, size)).FaceName("WenQuanYi Micro Hei"));
        TextFont font;
        font.font = m_context.CreateFont(face, PaletteColour(colour));
        m_context.SetFont(font.font);
        double width = 0, height = 0, descent = 0;
        m_context.GetTextExtent("Ag", &width, &height, &descent);
        // The base line sits where the ideographs' feet are, a little above the descent.
        font.ascent = height - descent;
        return m_fonts.emplace(key, font).first->second;
    }

    void Entity(const AcDbEntity& entity, const Placement& placement, int depth) {
        int colour = Colour(entity, placement);
        if (auto* line = dynamic_cast<const AcDbLine*>(&entity)) {
            AcGePoint3d a = line->startPoint(), b = line->endPoint();
            Segment(a.x, a.y, b.x, b.y, placement, colour);
        } else if (auto* text = AcDbText::cast(&entity)) {
            AcGePoint3d position = text->position();
            TextLine(text->textString(), 0.0, 0.0, position.x, position.y, text->rotation(),
                     text->height(), text->widthFactor(), placement, colour);
        } else if (auto* mtext = AcDbMText::cast(&entity)) {
            MText(*mtext, placement, colour);
        } else if (auto* reference = AcDbBlockReference::cast(&entity)) {
            auto* block = dynamic_cast<const AcDbBlockTableRecord*>(
                m_database.objectAt(reference->blockTableRecord().handle().value()));
            if (!block)
                return;
            Placement inner;
            inner.scaleX = reference->scaleFactors().x * placement.scaleX;
            inner.scaleY = reference->scaleFactors().y * placement.scaleY;
            inner.rotation = reference->rotation() + placement.rotation;
            double x = reference->position().x, y = reference->position().y;
            placement.Apply(x, y);
            inner.offsetX = x;
            inner.offsetY = y;
            inner.byBlockColour = colour;
            Block(*block, inner, depth + 1);
        }
    }

    void MText(const AcDbMText& mtext, const Placement& placement, int colour) {
        double widthFactor = 1.0;
        if (auto* style = dynamic_cast<const AcDbTextStyleTableRecord*>(
                m_database.objectAt(mtext.textStyle().handle().value())))
            widthFactor = style->xScale();
        cad::MTextLayout layout =
            cad::LayoutMText(mtext.contents(), mtext.textHeight(), widthFactor, mtext.width());
        double h = mtext.textHeight();
        int column = (mtext.attachment() - 1) % 3, row = (mtext.attachment() - 1) / 3;
        double left = -column * layout.width / 2;
        double top = row == 0 ? 0.0 : row == 1 ? layout.height / 2 : layout.height;
        AcGePoint3d location = mtext.location();
        for (size_t index = 0; index < layout.lines.size(); ++index) {
            double baseline = top - h - static_cast<double>(index) * cad::kMTextLineSpacing * h;
            TextLine(layout.lines[index], left, baseline, location.x, location.y, mtext.rotation(),
                     h, widthFactor, placement, colour);
        }
    }

    const AcDbDatabase& m_database;
    wxGraphicsContext& m_context;
    const ViewWindow& m_view;
    std::map<std::pair<int, bool>, wxGraphicsPath> m_paths;
    std::map<std::pair<int, int>, TextFont> m_fonts;
};

} // namespace

void RenderModelSpace(const AcDbDatabase& database, wxGraphicsContext& context,
                      const ViewWindow& view) {
    context.SetBrush(*wxBLACK_BRUSH);
    context.SetPen(*wxTRANSPARENT_PEN);
    context.DrawRectangle(0, 0, view.pixelWidth, view.pixelHeight);
    context.SetAntialiasMode(wxANTIALIAS_NONE);
    Renderer(database, context, view).Draw();
}

} // namespace desk
