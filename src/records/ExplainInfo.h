#pragma once
// The description entry as this module holds it (CExplainInfo), the creation dialog's plain
// pair, and the rules every entry follows.

#include "suite/OvXmInfo/ExplainInfoNode.h"

#include <string>
#include <vector>

class CExplainInfo {
public:
    CExplainInfo() = default;
    CExplainInfo(std::wstring strTitle, std::wstring strValue)
        : m_StrTitle(std::move(strTitle)), m_StrValue(std::move(strValue)) {}
    explicit CExplainInfo(const CExplainInfoNode& node)
        : m_StrTitle(node.Getm_StrTitle()), m_StrValue(node.Getm_StrValue()) {}

    const std::wstring& Getm_StrTitle() const { return m_StrTitle; }
    const std::wstring& Getm_StrValue() const { return m_StrValue; }
    void Setm_StrTitle(const std::wstring& strTitle) { m_StrTitle = strTitle; }
    void Setm_StrValue(const std::wstring& strValue) { m_StrValue = strValue; }

    // "title:value", as lists of descriptions show one entry.
    std::wstring GetDisplayText() const { return m_StrTitle + L":" + m_StrValue; }
    CExplainInfoNode ToNode() const { return CExplainInfoNode(m_StrTitle, m_StrValue); }

private:
    std::wstring m_StrTitle;
    std::wstring m_StrValue;
};

struct STRUCT_XMSB_DESCINFO {
    std::wstring strTitle;
    std::wstring strValue;
};

// The titles the creation dialog writes and the other dialogs, the drawing writers and the
// information table read back.
namespace explain {
inline constexpr const wchar_t* kProjectName = L"工程名称";
inline constexpr const wchar_t* kContractNo = L"工程合同号";
inline constexpr const wchar_t* kEquipmentName = L"设备名称";
inline constexpr const wchar_t* kEquipmentModel = L"设备型号";
inline constexpr const wchar_t* kDrawingBookNo = L"设备图册号";
inline constexpr const wchar_t* kElectricalDesigner = L"工程电气设计负责人";
inline constexpr const wchar_t* kEquipmentCount = L"设备数量";

// An entry is empty when title and value are both empty after their trailing blanks go;
// empty entries are never added anywhere.
bool IsEmptyEntry(const std::wstring& strTitle, const std::wstring& strValue);
// Titles that begin with "工程" belong to the Project and are copied down into its Equipments.
bool IsProjectLevelTitle(const std::wstring& strTitle);
// The value of the first entry whose title is exactly the title ("" when none).
std::wstring FindValueByTitle(const std::vector<CExplainInfoNode>& entries,
                              const std::wstring& strTitle);
} // namespace explain
