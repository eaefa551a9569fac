#include "platform/cad/DbLine.h"

#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DwgFiler.h"

#include <cmath>

Acad::ErrorStatus AcDbLine::setStartPoint(const AcGePoint3d& point) {
    return assign(m_start, point);
}

Acad::ErrorStatus AcDbLine::setEndPoint(const AcGePoint3d& point) {
    return assign(m_end, point);
}

Acad::ErrorStatus AcDbLine::getGeomExtents(AcDbExtents& extents) const {
    extents = AcDbExtents();
    extents.addPoint(m_start);
    extents.addPoint(m_end);
    return Acad::eOk;
}

void AcDbLine::moveBy(const AcGeVector3d& offset) {
    m_start = m_start + offset;
    m_end = m_end + offset;
}

void AcDbLine::dwgOutFields(cad::DwgOutFiler& filer) const {
    AcDbEntity::dwgOutFields(filer);
    filer.writePoint(m_start);
    filer.writePoint(m_end);
}

bool AcDbLine::dwgInFields(cad::DwgInFiler& filer) {
    if (!AcDbEntity::dwgInFields(filer))
        return false;
    m_start = filer.readPoint();
    m_end = filer.readPoint();
    return filer.ok();
}

Acad::ErrorStatus AcDbBlockReference::setPosition(const AcGePoint3d& position) {
    return assign(m_position, position);
}

Acad::ErrorStatus AcDbBlockReference::setBlockTableRecord(AcDbObjectId blockId) {
    if (database() && blockId.databaseSerial() != database()->serial())
        return Acad::eWrongDatabase;
    return assign(m_block, blockId);
}

Acad::ErrorStatus AcDbBlockReference::setRotation(double radians) {
    return assign(m_rotation, radians);
}

Acad::ErrorStatus AcDbBlockReference::setScaleFactors(const AcGeVector3d& scale) {
    if (scale.x == 0.0 || scale.y == 0.0 || scale.z == 0.0)
        return Acad::eInvalidInput;
    return assign(m_scale, scale);
}

Acad::ErrorStatus AcDbBlockReference::getGeomExtents(AcDbExtents& extents) const {
    // A block may hold references to other blocks; a damaged drawing could make that a circle,
    // so the nesting is cut off at a depth no real drawing reaches.
    static thread_local int depth = 0;
    extents = AcDbExtents();
    AcDbDatabase* db = m_block.database();
    auto* block =
        db ? dynamic_cast<AcDbBlockTableRecord*>(db->objectAt(m_block.handle().value())) : nullptr;
    if (!block || depth >= 32)
        return Acad::eInvalidExtents;
    ++depth;
    double c = std::cos(m_rotation), s = std::sin(m_rotation);
    for (const AcDbObjectId& id : block->entityIds()) {
        auto* entity = dynamic_cast<AcDbEntity*>(db->objectAt(id.handle().value()));
        AcDbExtents part;
        if (!entity || entity->getGeomExtents(part) != Acad::eOk)
            continue;
        for (double x : {part.minPoint().x, part.maxPoint().x})
            for (double y : {part.minPoint().y, part.maxPoint().y}) {
                double sx = x * m_scale.x, sy = y * m_scale.y;
                extents.addPoint({m_position.x + sx * c - sy * s, m_position.y + sx * s + sy * c,
                                  m_position.z + part.minPoint().z * m_scale.z});
            }
    }
    --depth;
    return extents.isEmpty() ? Acad::eInvalidExtents : Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::geomExtentsBestFit(AcDbExtents& extents,
                                                         const AcGeMatrix3d& matrix) const {
    if (!matrix.isTranslationOnly()) {
        extents = AcDbExtents();
        return Acad::eNotApplicable;
    }
    Acad::ErrorStatus status = getGeomExtents(extents);
    if (status == Acad::eOk)
        extents.set(matrix.apply(extents.minPoint()), matrix.apply(extents.maxPoint()));
    return status;
}

void AcDbBlockReference::moveBy(const AcGeVector3d& offset) {
    m_position = m_position + offset;
}

void AcDbBlockReference::dwgOutFields(cad::DwgOutFiler& filer) const {
    AcDbEntity::dwgOutFields(filer);
    filer.writePoint(m_position);
    filer.writeId(m_block);
    filer.writeDouble(m_rotation);
    filer.writeDouble(m_scale.x);
    filer.writeDouble(m_scale.y);
    filer.writeDouble(m_scale.z);
}

bool AcDbBlockReference::dwgInFields(cad::DwgInFiler& filer) {
    if (!AcDbEntity::dwgInFields(filer))
        return false;
    m_position = filer.readPoint();
    m_block = filer.readId();
    m_rotation = filer.readDouble();
    m_scale = {filer.readDouble(), filer.readDouble(), filer.readDouble()};
    return filer.ok();
}
