#include "platform/cad/DbEntity.h"

#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DwgFiler.h"

AcDbObjectId AcDbEntity::layerId() const {
    return database() ? cad::FindRecord(database()->layerTableId(), m_layer) : AcDbObjectId();
}

Acad::ErrorStatus AcDbEntity::setLayer(const std::wstring& layerName) {
    std::wstring name = layerName;
    if (database()) {
        AcDbObjectId id = cad::FindRecord(database()->layerTableId(), layerName);
        if (id.isNull())
            return Acad::eKeyNotFound;
        name = cad::RecordName(id);
    }
    return assign(m_layer, name);
}

Acad::ErrorStatus AcDbEntity::setColorIndex(int index) {
    if (index < 0 || index > 256)
        return Acad::eInvalidInput;
    return assign(m_colorIndex, index);
}

Acad::ErrorStatus AcDbEntity::setVisibility(AcDb::Visibility visibility) {
    return assign(m_visibility, visibility);
}

Acad::ErrorStatus AcDbEntity::transformBy(const AcGeMatrix3d& matrix) {
    if (!matrix.isTranslationOnly())
        return Acad::eNotApplicable;
    if (Acad::ErrorStatus status = assertWriteEnabled(); status != Acad::eOk)
        return status;
    moveBy(matrix.translation());
    return Acad::eOk;
}

void AcDbEntity::dwgOutFields(cad::DwgOutFiler& filer) const {
    AcDbObject::dwgOutFields(filer);
    filer.writeString(m_layer);
    filer.writeI16(static_cast<int16_t>(m_colorIndex));
    filer.writeU8(static_cast<uint8_t>(m_visibility));
}

bool AcDbEntity::dwgInFields(cad::DwgInFiler& filer) {
    if (!AcDbObject::dwgInFields(filer))
        return false;
    m_layer = filer.readString();
    m_colorIndex = filer.readI16();
    uint8_t visibility = filer.readU8();
    if (m_layer.empty() || m_colorIndex < 0 || m_colorIndex > 256 || visibility > 1)
        filer.fail();
    m_visibility = visibility == 1 ? AcDb::kInvisible : AcDb::kVisible;
    return filer.ok();
}
