#pragma once
// Draws the model space of a drawing as the CAD program shows it: on black, each entity in its
// colour (by layer, by block, or its own), block references through their blocks, invisible
// entities left out. Texts are drawn with the dialog font's CJK face, placed and sized by the
// host's text metrics; texts too small to read are drawn as the line they stand on, as CAD
// programs do, which keeps a redraw of a whole drawing fast.

#include <wx/geometry.h>

class AcDbDatabase;
class wxGraphicsContext;

namespace desk {

// The part of model space shown: its centre and height in drawing units, and the size of the
// picture in pixels. Model y grows upwards, picture y downwards.
struct ViewWindow {
    double centerX = 0.0;
    double centerY = 0.0;
    double height = 1.0;
    int pixelWidth = 1;
    int pixelHeight = 1;

    double Scale() const { return pixelHeight / height; }
    wxPoint2DDouble ToPixels(double x, double y) const {
        return {(x - centerX) * Scale() + pixelWidth / 2.0,
                pixelHeight / 2.0 - (y - centerY) * Scale()};
    }
    wxPoint2DDouble ToModel(double px, double py) const {
        return {centerX + (px - pixelWidth / 2.0) / Scale(),
                centerY + (pixelHeight / 2.0 - py) / Scale()};
    }
};

// Draws the visible entities of the database's model space; the context is filled black first.
void RenderModelSpace(const AcDbDatabase& database, wxGraphicsContext& context,
                      const ViewWindow& view);

} // namespace desk
