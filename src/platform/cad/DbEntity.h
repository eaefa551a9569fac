#pragma once
// The base of the drawing's visible objects: layer, colour, visibility, extents and moving.

#include "platform/cad/DbObject.h"
#include "platform/cad/Geometry.h"

#include <string>

class AcDbEntity : public AcDbObject {
public:
    // The layer's name. An entity made with `new` has none until it is appended, when it takes
    // the database's current layer.
    const std::wstring& layer() const { return m_layer; }
    AcDbObjectId layerId() const;
    // In a database the layer must exist there (eKeyNotFound otherwise).
    Acad::ErrorStatus setLayer(const std::wstring& layerName);

    // Colour index: 0 by block, 1 to 255 the palette, 256 by layer (the default).
    int colorIndex() const { return m_colorIndex; }
    Acad::ErrorStatus setColorIndex(int index);

    AcDb::Visibility visibility() const { return m_visibility; }
    Acad::ErrorStatus setVisibility(AcDb::Visibility visibility);

    // The box around the entity's geometry (texts by the metrics of docs/cad-host.md).
    virtual Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const = 0;
    // Entities are moved, never turned or scaled, in this system: a matrix that is not a pure
    // translation is refused with eNotApplicable and the entity stays as it was.
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& matrix);

    void dwgOutFields(cad::DwgOutFiler& filer) const override;
    bool dwgInFields(cad::DwgInFiler& filer) override;

protected:
    virtual void moveBy(const AcGeVector3d& offset) = 0;

private:
    friend class AcDbBlockTableRecord;
    std::wstring m_layer;
    int m_colorIndex = 256;
    AcDb::Visibility m_visibility = AcDb::kVisible;
};
