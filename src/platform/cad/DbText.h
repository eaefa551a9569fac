#pragma once
// Single-line text (TEXT) and paragraph text (MTEXT).

#include "platform/cad/DbEntity.h"

#include <string>

// A TEXT entity. Left-aligned text on its base line stands at its position. With any other
// alignment the alignment point places it, and position() reports where the text then starts,
// as the CAD program does after it adjusted the alignment.
class AcDbText : public AcDbEntity {
public:
    AcDbText() = default;
    AcDbText(const AcGePoint3d& position, const std::wstring& text,
             AcDbObjectId style = AcDbObjectId::kNull, double height = 0.0, double rotation = 0.0);

    static AcDbText* cast(AcDbObject* object) { return dynamic_cast<AcDbText*>(object); }
    static const AcDbText* cast(const AcDbObject* object) {
        return dynamic_cast<const AcDbText*>(object);
    }

    AcGePoint3d position() const;
    Acad::ErrorStatus setPosition(const AcGePoint3d& position);
    AcGePoint3d alignmentPoint() const { return m_alignmentPoint; }
    Acad::ErrorStatus setAlignmentPoint(const AcGePoint3d& point);
    AcDb::TextHorzMode horizontalMode() const { return m_horizontalMode; }
    Acad::ErrorStatus setHorizontalMode(AcDb::TextHorzMode mode);
    AcDb::TextVertMode verticalMode() const { return m_verticalMode; }
    Acad::ErrorStatus setVerticalMode(AcDb::TextVertMode mode);
    bool isDefaultAlignment() const;

    double height() const { return m_height; }
    Acad::ErrorStatus setHeight(double height);
    double rotation() const { return m_rotation; }
    Acad::ErrorStatus setRotation(double radians);
    double widthFactor() const { return m_widthFactor; }
    Acad::ErrorStatus setWidthFactor(double factor);
    const std::wstring& textString() const { return m_text; }
    Acad::ErrorStatus setTextString(const std::wstring& text);
    // The text style's name; see AcDbEntity::layer for the default.
    const std::wstring& textStyleName() const { return m_style; }
    AcDbObjectId textStyle() const;
    Acad::ErrorStatus setTextStyle(AcDbObjectId styleId);

    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    cad::ObjectKind kind() const override { return cad::ObjectKind::Text; }
    void dwgOutFields(cad::DwgOutFiler& filer) const override;
    bool dwgInFields(cad::DwgInFiler& filer) override;

protected:
    void moveBy(const AcGeVector3d& offset) override;

private:
    friend class AcDbBlockTableRecord;
    double textWidth() const;

    AcGePoint3d m_position;
    AcGePoint3d m_alignmentPoint;
    AcDb::TextHorzMode m_horizontalMode = AcDb::kTextLeft;
    AcDb::TextVertMode m_verticalMode = AcDb::kTextBase;
    double m_height = 2.5;
    double m_rotation = 0.0;
    double m_widthFactor = 1.0;
    std::wstring m_text;
    std::wstring m_style;
};

class AcDbMText : public AcDbEntity {
public:
    enum AttachmentPoint {
        kTopLeft = 1,
        kTopCenter,
        kTopRight,
        kMiddleLeft,
        kMiddleCenter,
        kMiddleRight,
        kBottomLeft,
        kBottomCenter,
        kBottomRight,
    };

    static AcDbMText* cast(AcDbObject* object) { return dynamic_cast<AcDbMText*>(object); }
    static const AcDbMText* cast(const AcDbObject* object) {
        return dynamic_cast<const AcDbMText*>(object);
    }

    AcGePoint3d location() const { return m_location; }
    Acad::ErrorStatus setLocation(const AcGePoint3d& location);
    // The contents with their format codes ("{\W0.7;text}", "\P" for a new paragraph, ...).
    const std::wstring& contents() const { return m_contents; }
    Acad::ErrorStatus setContents(const std::wstring& contents);
    double textHeight() const { return m_height; }
    Acad::ErrorStatus setTextHeight(double height);
    double rotation() const { return m_rotation; }
    Acad::ErrorStatus setRotation(double radians);
    AttachmentPoint attachment() const { return m_attachment; }
    Acad::ErrorStatus setAttachment(AttachmentPoint attachment);
    // Wrapping width; 0 means lines break only at paragraph breaks.
    double width() const { return m_width; }
    Acad::ErrorStatus setWidth(double width);
    const std::wstring& textStyleName() const { return m_style; }
    AcDbObjectId textStyle() const;
    Acad::ErrorStatus setTextStyle(AcDbObjectId styleId);

    // Size of the laid-out text and its number of lines.
    double actualWidth() const;
    double actualHeight() const;
    int lineCount() const;

    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    cad::ObjectKind kind() const override { return cad::ObjectKind::MText; }
    void dwgOutFields(cad::DwgOutFiler& filer) const override;
    bool dwgInFields(cad::DwgInFiler& filer) override;

protected:
    void moveBy(const AcGeVector3d& offset) override;

private:
    friend class AcDbBlockTableRecord;
    double styleXScale() const;

    AcGePoint3d m_location;
    std::wstring m_contents;
    double m_height = 2.5;
    double m_rotation = 0.0;
    AttachmentPoint m_attachment = kTopLeft;
    double m_width = 0.0;
    std::wstring m_style;
};
