#pragma once
// A drawing-type catalogue installed as the management-file library's shared one for the
// lifetime of the object.

#include "suite/OvXmInfo/AllStyNameInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"

#include <string>
#include <vector>

namespace ovtest {

class ScopedStyleCatalogue {
public:
    explicit ScopedStyleCatalogue(const std::vector<std::wstring>& lines)
        : m_previous(CManageFileInfo::Getm_AllStyNameInfo()) {
        m_catalogue.SetStyleLines(lines);
        CManageFileInfo::Setm_AllStyNameInfo(&m_catalogue);
    }
    ~ScopedStyleCatalogue() { CManageFileInfo::Setm_AllStyNameInfo(m_previous); }
    ScopedStyleCatalogue(const ScopedStyleCatalogue&) = delete;
    ScopedStyleCatalogue& operator=(const ScopedStyleCatalogue&) = delete;

private:
    CAllStyNameInfo m_catalogue;
    CAllStyNameInfo* m_previous;
};

} // namespace ovtest
