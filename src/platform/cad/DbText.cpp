#include "platform/cad/DbText.h"

#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DwgFiler.h"
#include "platform/cad/TextMetrics.h"

#include <cmath>

namespace {

// Adds the corners of a box (x0..x1, y0..y1 measured along the text) turned by `rotation`
// about `origin`.
void AddTurnedBox(AcDbExtents& extents, const AcGePoint3d& origin, double rotation, double x0,
                  double y0, double x1, double y1) {
    double c = std::cos(rotation), s = std::sin(rotation);
    for (double x : {x0, x1})
        for (double y : {y0, y1})
            extents.addPoint({origin.x + x * c - y * s, origin.y + x * s + y * c, origin.z});
}

Acad::ErrorStatus StyleNameOf(const AcDbObject& entity, AcDbObjectId styleId, std::wstring& name) {
    if (entity.database() && styleId.databaseSerial() != entity.database()->serial())
        return Acad::eWrongDatabase;
    name = cad::RecordName(styleId);
    if (name.empty() || !dynamic_cast<AcDbTextStyleTableRecord*>(
                            styleId.database()->objectAt(styleId.handle().value())))
        return Acad::eInvalidInput;
    return Acad::eOk;
}

AcDbObjectId StyleIdOf(const AcDbObject& entity, const std::wstring& name) {
    return entity.database() ? cad::FindRecord(entity.database()->textStyleTableId(), name)
                             : AcDbObjectId();
}

} // namespace

AcDbText::AcDbText(const AcGePoint3d& position, const std::wstring& text, AcDbObjectId style,
                   double height, double rotation)
    : m_position(position), m_alignmentPoint(position), m_rotation(rotation), m_text(text) {
    if (height > 0.0)
        m_height = height;
    if (!style.isNull())
        m_style = cad::RecordName(style);
}

bool AcDbText::isDefaultAlignment() const {
    return m_horizontalMode == AcDb::kTextLeft && m_verticalMode == AcDb::kTextBase;
}

double AcDbText::textWidth() const {
    return cad::TextWidth(m_text, m_height, m_widthFactor);
}

AcGePoint3d AcDbText::position() const {
    if (isDefaultAlignment() || m_horizontalMode == AcDb::kTextAlign ||
        m_horizontalMode == AcDb::kTextFit)
        return m_position;
    double width = textWidth();
    double dx = m_horizontalMode == AcDb::kTextLeft    ? 0.0
                : m_horizontalMode == AcDb::kTextRight ? -width
                                                       : -width / 2;
    double dy = 0.0;
    if (m_horizontalMode == AcDb::kTextMid || m_verticalMode == AcDb::kTextVertMid)
        dy = -m_height / 2;
    else if (m_verticalMode == AcDb::kTextTop)
        dy = -m_height;
    double c = std::cos(m_rotation), s = std::sin(m_rotation);
    return {m_alignmentPoint.x + dx * c - dy * s, m_alignmentPoint.y + dx * s + dy * c,
            m_alignmentPoint.z};
}

Acad::ErrorStatus AcDbText::setPosition(const AcGePoint3d& position) {
    return assign(m_position, position);
}

Acad::ErrorStatus AcDbText::setAlignmentPoint(const AcGePoint3d& point) {
    return assign(m_alignmentPoint, point);
}

Acad::ErrorStatus AcDbText::setHorizontalMode(AcDb::TextHorzMode mode) {
    if (mode < AcDb::kTextLeft || mode > AcDb::kTextFit)
        return Acad::eInvalidInput;
    return assign(m_horizontalMode, mode);
}

Acad::ErrorStatus AcDbText::setVerticalMode(AcDb::TextVertMode mode) {
    if (mode < AcDb::kTextBase || mode > AcDb::kTextTop)
        return Acad::eInvalidInput;
    return assign(m_verticalMode, mode);
}

Acad::ErrorStatus AcDbText::setHeight(double height) {
    if (!(height > 0.0))
        return Acad::eInvalidInput;
    return assign(m_height, height);
}

Acad::ErrorStatus AcDbText::setRotation(double radians) {
    return assign(m_rotation, radians);
}

Acad::ErrorStatus AcDbText::setWidthFactor(double factor) {
    if (!(factor > 0.0))
        return Acad::eInvalidInput;
    return assign(m_widthFactor, factor);
}

Acad::ErrorStatus AcDbText::setTextString(const std::wstring& text) {
    return assign(m_text, text);
}

AcDbObjectId AcDbText::textStyle() const {
    return StyleIdOf(*this, m_style);
}

Acad::ErrorStatus AcDbText::setTextStyle(AcDbObjectId styleId) {
    std::wstring name;
    if (Acad::ErrorStatus status = StyleNameOf(*this, styleId, name); status != Acad::eOk)
        return status;
    return assign(m_style, name);
}

Acad::ErrorStatus AcDbText::getGeomExtents(AcDbExtents& extents) const {
    extents = AcDbExtents();
    if (m_text.empty())
        return Acad::eInvalidExtents;
    double width = textWidth();
    if (m_horizontalMode == AcDb::kTextAlign || m_horizontalMode == AcDb::kTextFit) {
        AcGeVector3d span = m_alignmentPoint - m_position;
        width = std::hypot(span.x, span.y);
    }
    AddTurnedBox(extents, position(), m_rotation, 0.0, 0.0, width, m_height);
    return Acad::eOk;
}

void AcDbText::moveBy(const AcGeVector3d& offset) {
    m_position = m_position + offset;
    m_alignmentPoint = m_alignmentPoint + offset;
}

void AcDbText::dwgOutFields(cad::DwgOutFiler& filer) const {
    AcDbEntity::dwgOutFields(filer);
    filer.writePoint(m_position);
    filer.writePoint(m_alignmentPoint);
    filer.writeU8(static_cast<uint8_t>(m_horizontalMode));
    filer.writeU8(static_cast<uint8_t>(m_verticalMode));
    filer.writeDouble(m_height);
    filer.writeDouble(m_rotation);
    filer.writeDouble(m_widthFactor);
    filer.writeString(m_text);
    filer.writeString(m_style);
}

bool AcDbText::dwgInFields(cad::DwgInFiler& filer) {
    if (!AcDbEntity::dwgInFields(filer))
        return false;
    m_position = filer.readPoint();
    m_alignmentPoint = filer.readPoint();
    uint8_t horizontal = filer.readU8();
    uint8_t vertical = filer.readU8();
    m_height = filer.readDouble();
    m_rotation = filer.readDouble();
    m_widthFactor = filer.readDouble();
    m_text = filer.readString();
    m_style = filer.readString();
    if (horizontal > AcDb::kTextFit || vertical > AcDb::kTextTop || !(m_height > 0.0) ||
        !(m_widthFactor > 0.0) || m_style.empty())
        filer.fail();
    m_horizontalMode = static_cast<AcDb::TextHorzMode>(horizontal);
    m_verticalMode = static_cast<AcDb::TextVertMode>(vertical);
    return filer.ok();
}

Acad::ErrorStatus AcDbMText::setLocation(const AcGePoint3d& location) {
    return assign(m_location, location);
}

Acad::ErrorStatus AcDbMText::setContents(const std::wstring& contents) {
    return assign(m_contents, contents);
}

Acad::ErrorStatus AcDbMText::setTextHeight(double height) {
    if (!(height > 0.0))
        return Acad::eInvalidInput;
    return assign(m_height, height);
}

Acad::ErrorStatus AcDbMText::setRotation(double radians) {
    return assign(m_rotation, radians);
}

Acad::ErrorStatus AcDbMText::setAttachment(AttachmentPoint attachment) {
    if (attachment < kTopLeft || attachment > kBottomRight)
        return Acad::eInvalidInput;
    return assign(m_attachment, attachment);
}

Acad::ErrorStatus AcDbMText::setWidth(double width) {
    if (!(width >= 0.0))
        return Acad::eInvalidInput;
    return assign(m_width, width);
}

AcDbObjectId AcDbMText::textStyle() const {
    return StyleIdOf(*this, m_style);
}

Acad::ErrorStatus AcDbMText::setTextStyle(AcDbObjectId styleId) {
    std::wstring name;
    if (Acad::ErrorStatus status = StyleNameOf(*this, styleId, name); status != Acad::eOk)
        return status;
    return assign(m_style, name);
}

double AcDbMText::styleXScale() const {
    AcDbObjectId id = textStyle();
    auto* style =
        id.isNull()
            ? nullptr
            : dynamic_cast<AcDbTextStyleTableRecord*>(database()->objectAt(id.handle().value()));
    return style ? style->xScale() : 1.0;
}

double AcDbMText::actualWidth() const {
    return cad::LayoutMText(m_contents, m_height, styleXScale(), m_width).width;
}

double AcDbMText::actualHeight() const {
    return cad::LayoutMText(m_contents, m_height, styleXScale(), m_width).height;
}

int AcDbMText::lineCount() const {
    return static_cast<int>(
        cad::LayoutMText(m_contents, m_height, styleXScale(), m_width).lines.size());
}

Acad::ErrorStatus AcDbMText::getGeomExtents(AcDbExtents& extents) const {
    extents = AcDbExtents();
    cad::MTextLayout layout = cad::LayoutMText(m_contents, m_height, styleXScale(), m_width);
    if (layout.lines.empty())
        return Acad::eInvalidExtents;
    int column = (m_attachment - 1) % 3;
    int row = (m_attachment - 1) / 3;
    double x0 = -column * layout.width / 2;
    double y0 = row == 0 ? -layout.height : row == 1 ? -layout.height / 2 : 0.0;
    AddTurnedBox(extents, m_location, m_rotation, x0, y0, x0 + layout.width, y0 + layout.height);
    return Acad::eOk;
}

void AcDbMText::moveBy(const AcGeVector3d& offset) {
    m_location = m_location + offset;
}

void AcDbMText::dwgOutFields(cad::DwgOutFiler& filer) const {
    AcDbEntity::dwgOutFields(filer);
    filer.writePoint(m_location);
    filer.writeString(m_contents);
    filer.writeDouble(m_height);
    filer.writeDouble(m_rotation);
    filer.writeU8(static_cast<uint8_t>(m_attachment));
    filer.writeDouble(m_width);
    filer.writeString(m_style);
}

bool AcDbMText::dwgInFields(cad::DwgInFiler& filer) {
    if (!AcDbEntity::dwgInFields(filer))
        return false;
    m_location = filer.readPoint();
    m_contents = filer.readString();
    m_height = filer.readDouble();
    m_rotation = filer.readDouble();
    uint8_t attachment = filer.readU8();
    m_width = filer.readDouble();
    m_style = filer.readString();
    if (attachment < kTopLeft || attachment > kBottomRight || !(m_height > 0.0) || m_width < 0.0 ||
        m_style.empty())
        filer.fail();
    m_attachment = static_cast<AttachmentPoint>(attachment);
    return filer.ok();
}
