#pragma once
// Symbol tables and their records: blocks (model space and named blocks with their entities),
// layers, text styles and registered applications. Record names are compared without regard to
// case, as the CAD program does.

#include "platform/cad/DbObject.h"

#include <string>
#include <vector>

class AcDbEntity;

class AcDbSymbolTableRecord : public AcDbObject {
public:
    const std::wstring& name() const { return m_name; }
    Acad::ErrorStatus getName(std::wstring& name) const;
    Acad::ErrorStatus setName(const std::wstring& name);

    void dwgOutFields(cad::DwgOutFiler& filer) const override;
    bool dwgInFields(cad::DwgInFiler& filer) override;

private:
    std::wstring m_name;
};

class AcDbSymbolTable : public AcDbObject {
public:
    bool has(const std::wstring& name) const;
    Acad::ErrorStatus getAt(const std::wstring& name, AcDbObjectId& id,
                            bool getErased = false) const;
    // Adds a record made with `new` (the table must be open for write); the table takes it over
    // and hands it back open for write. eDuplicateKey for a name in use, eInvalidKey for an empty
    // name, eWrongObjectType for a record of another table.
    Acad::ErrorStatus add(AcDbObjectId& id, AcDbSymbolTableRecord* record);
    Acad::ErrorStatus add(AcDbSymbolTableRecord* record);
    // The records that are not erased, in the order they were added.
    std::vector<AcDbObjectId> recordIds() const;

    void dwgOutFields(cad::DwgOutFiler& filer) const override;
    bool dwgInFields(cad::DwgInFiler& filer) override;
    // Handles of every record, for the drawing-file reader's checks.
    const std::vector<uint64_t>& recordHandles() const { return m_records; }

protected:
    virtual bool accepts(const AcDbSymbolTableRecord* record) const = 0;

private:
    std::vector<uint64_t> m_records;
};

class AcDbBlockTableRecordIterator;

class AcDbBlockTableRecord : public AcDbSymbolTableRecord {
public:
    static constexpr const wchar_t* kModelSpace = L"*Model_Space";

    // Appends an entity made with `new` (this record must be open for write). The entity takes
    // the database's current layer and text style when it names none; a layer or style the
    // database does not have gives eKeyNotFound and the entity stays the caller's.
    Acad::ErrorStatus appendAcDbEntity(AcDbObjectId& id, AcDbEntity* entity);
    Acad::ErrorStatus appendAcDbEntity(AcDbEntity* entity);
    // Walks the entities in order (erased ones are skipped); the caller deletes the iterator.
    Acad::ErrorStatus newIterator(AcDbBlockTableRecordIterator*& iterator) const;
    std::vector<AcDbObjectId> entityIds() const;
    const std::vector<uint64_t>& entityHandles() const { return m_entities; }

    cad::ObjectKind kind() const override { return cad::ObjectKind::BlockTableRecord; }
    void dwgOutFields(cad::DwgOutFiler& filer) const override;
    bool dwgInFields(cad::DwgInFiler& filer) override;

private:
    std::vector<uint64_t> m_entities;
};

// Iterates over a snapshot of the block's entities taken when the iterator was made.
class AcDbBlockTableRecordIterator {
public:
    explicit AcDbBlockTableRecordIterator(std::vector<AcDbObjectId> ids) : m_ids(std::move(ids)) {}
    void start() { m_position = 0; }
    bool done() const { return m_position >= m_ids.size(); }
    void step() { ++m_position; }
    Acad::ErrorStatus getEntityId(AcDbObjectId& id) const;
    Acad::ErrorStatus getEntity(AcDbEntity*& entity, AcDb::OpenMode mode,
                                bool openErased = false) const;

private:
    std::vector<AcDbObjectId> m_ids;
    size_t m_position = 0;
};

class AcDbLayerTableRecord : public AcDbSymbolTableRecord {
public:
    // The colour of entities "by layer" (index 256); 7 (white) by default.
    int colorIndex() const { return m_colorIndex; }
    Acad::ErrorStatus setColorIndex(int index);

    cad::ObjectKind kind() const override { return cad::ObjectKind::LayerTableRecord; }
    void dwgOutFields(cad::DwgOutFiler& filer) const override;
    bool dwgInFields(cad::DwgInFiler& filer) override;

private:
    int m_colorIndex = 7;
};

class AcDbTextStyleTableRecord : public AcDbSymbolTableRecord {
public:
    // Width factor of the style's characters.
    double xScale() const { return m_xScale; }
    Acad::ErrorStatus setXScale(double xScale);
    // Fixed height; 0 means texts choose their own.
    double textSize() const { return m_textSize; }
    Acad::ErrorStatus setTextSize(double size);

    cad::ObjectKind kind() const override { return cad::ObjectKind::TextStyleTableRecord; }
    void dwgOutFields(cad::DwgOutFiler& filer) const override;
    bool dwgInFields(cad::DwgInFiler& filer) override;

private:
    double m_xScale = 1.0;
    double m_textSize = 0.0;
};

class AcDbRegAppTableRecord : public AcDbSymbolTableRecord {
public:
    cad::ObjectKind kind() const override { return cad::ObjectKind::RegAppTableRecord; }
};

class AcDbBlockTable : public AcDbSymbolTable {
public:
    cad::ObjectKind kind() const override { return cad::ObjectKind::BlockTable; }

protected:
    bool accepts(const AcDbSymbolTableRecord* record) const override;
};

class AcDbLayerTable : public AcDbSymbolTable {
public:
    cad::ObjectKind kind() const override { return cad::ObjectKind::LayerTable; }

protected:
    bool accepts(const AcDbSymbolTableRecord* record) const override;
};

class AcDbTextStyleTable : public AcDbSymbolTable {
public:
    cad::ObjectKind kind() const override { return cad::ObjectKind::TextStyleTable; }

protected:
    bool accepts(const AcDbSymbolTableRecord* record) const override;
};

class AcDbRegAppTable : public AcDbSymbolTable {
public:
    cad::ObjectKind kind() const override { return cad::ObjectKind::RegAppTable; }

protected:
    bool accepts(const AcDbSymbolTableRecord* record) const override;
};

namespace cad {
// The name of a table's record by id ("" when it does not open), and the id of a record by
// name (null when there is none); they spare callers the open-close dance for a lookup.
std::wstring RecordName(AcDbObjectId recordId);
AcDbObjectId FindRecord(AcDbObjectId tableId, const std::wstring& name);
} // namespace cad
