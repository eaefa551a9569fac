#pragma once
// A named set of entities, kept in the group dictionary under its name.

#include "platform/cad/DbObject.h"

#include <string>
#include <vector>

class AcDbGroup : public AcDbObject {
public:
    explicit AcDbGroup(const std::wstring& description = L"", bool selectable = true)
        : m_description(description), m_selectable(selectable) {}

    static AcDbGroup* cast(AcDbObject* object) { return dynamic_cast<AcDbGroup*>(object); }

    // The key under which the group dictionary keeps the group.
    std::wstring name() const;
    const std::wstring& description() const { return m_description; }
    Acad::ErrorStatus setDescription(const std::wstring& description);
    bool isSelectable() const { return m_selectable; }
    Acad::ErrorStatus setSelectable(bool selectable);

    // Members must be entities of the group's own database (the group must be in one already);
    // an entity that is a member already gives eAlreadyInDb.
    Acad::ErrorStatus append(AcDbObjectId entityId);
    Acad::ErrorStatus remove(AcDbObjectId entityId);
    Acad::ErrorStatus clear();
    bool has(AcDbObjectId entityId) const;
    // Members that are not erased, in order.
    uint32_t allEntityIds(std::vector<AcDbObjectId>& ids) const;
    uint32_t numEntities() const;
    const std::vector<uint64_t>& memberHandles() const { return m_members; }

    cad::ObjectKind kind() const override { return cad::ObjectKind::Group; }
    void dwgOutFields(cad::DwgOutFiler& filer) const override;
    bool dwgInFields(cad::DwgInFiler& filer) override;

private:
    std::wstring m_description;
    bool m_selectable;
    std::vector<uint64_t> m_members;
};
