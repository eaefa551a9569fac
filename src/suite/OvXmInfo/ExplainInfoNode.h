#pragma once
// CExplainInfoNode: one description entry of a management file, a title and a value.

#include <string>

class CExplainInfoNode {
public:
    CExplainInfoNode() = default;
    CExplainInfoNode(std::wstring strTitle, std::wstring strValue)
        : m_StrTitle(std::move(strTitle)), m_StrValue(std::move(strValue)) {}

    const std::wstring& Getm_StrTitle() const { return m_StrTitle; }
    const std::wstring& Getm_StrValue() const { return m_StrValue; }
    void Setm_StrTitle(const std::wstring& strTitle) { m_StrTitle = strTitle; }
    void Setm_StrValue(const std::wstring& strValue) { m_StrValue = strValue; }

    // An entry is complete when it has a title: the title is what the entry is looked up by,
    // while a value may still be empty (new containers get their titles before their values).
    // Blanks alone do not count as a title.
    int IsVaildInfoNode() const;

    // Two entries are the same description when title and value agree after the blanks at
    // both ends are removed, which is how the description lists show them.
    bool operator==(const CExplainInfoNode& other) const;
    bool operator!=(const CExplainInfoNode& other) const { return !(*this == other); }

private:
    std::wstring m_StrTitle;
    std::wstring m_StrValue;
};
