#pragma once
// Line segments and block references.

#include "platform/cad/DbEntity.h"

class AcDbLine : public AcDbEntity {
public:
    AcDbLine() = default;
    AcDbLine(const AcGePoint3d& start, const AcGePoint3d& end) : m_start(start), m_end(end) {}

    static AcDbLine* cast(AcDbObject* object) { return dynamic_cast<AcDbLine*>(object); }

    AcGePoint3d startPoint() const { return m_start; }
    Acad::ErrorStatus setStartPoint(const AcGePoint3d& point);
    AcGePoint3d endPoint() const { return m_end; }
    Acad::ErrorStatus setEndPoint(const AcGePoint3d& point);

    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    cad::ObjectKind kind() const override { return cad::ObjectKind::Line; }
    void dwgOutFields(cad::DwgOutFiler& filer) const override;
    bool dwgInFields(cad::DwgInFiler& filer) override;

protected:
    void moveBy(const AcGeVector3d& offset) override;

private:
    AcGePoint3d m_start;
    AcGePoint3d m_end;
};

// An insertion of a named block: the block's entities drawn scaled, turned and moved to the
// position.
class AcDbBlockReference : public AcDbEntity {
public:
    AcDbBlockReference() = default;
    AcDbBlockReference(const AcGePoint3d& position, AcDbObjectId blockTableRecord)
        : m_position(position), m_block(blockTableRecord) {}

    static AcDbBlockReference* cast(AcDbObject* object) {
        return dynamic_cast<AcDbBlockReference*>(object);
    }
    static const AcDbBlockReference* cast(const AcDbObject* object) {
        return dynamic_cast<const AcDbBlockReference*>(object);
    }

    AcGePoint3d position() const { return m_position; }
    Acad::ErrorStatus setPosition(const AcGePoint3d& position);
    AcDbObjectId blockTableRecord() const { return m_block; }
    Acad::ErrorStatus setBlockTableRecord(AcDbObjectId blockId);
    double rotation() const { return m_rotation; }
    Acad::ErrorStatus setRotation(double radians);
    // Scale along x and y (z is kept for completeness and not used by extents).
    AcGeVector3d scaleFactors() const { return m_scale; }
    Acad::ErrorStatus setScaleFactors(const AcGeVector3d& scale);

    // The box around the block's entities as inserted; eInvalidExtents for an empty block.
    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    // The same box, seen through the matrix (a translation).
    Acad::ErrorStatus
    geomExtentsBestFit(AcDbExtents& extents,
                       const AcGeMatrix3d& matrix = AcGeMatrix3d::kIdentity) const;

    cad::ObjectKind kind() const override { return cad::ObjectKind::BlockReference; }
    void dwgOutFields(cad::DwgOutFiler& filer) const override;
    bool dwgInFields(cad::DwgInFiler& filer) override;

protected:
    void moveBy(const AcGeVector3d& offset) override;

private:
    AcGePoint3d m_position;
    AcDbObjectId m_block;
    double m_rotation = 0.0;
    AcGeVector3d m_scale{1.0, 1.0, 1.0};
};
