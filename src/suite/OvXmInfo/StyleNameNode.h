#pragma once
// CStyleNameNode: the two names of a drawing type. The system name is what management files
// store and other tools look types up by; the display name is what users see. A type that the
// catalogue does not know has the same text as both.

#include <string>

class CStyleNameNode {
public:
    CStyleNameNode() = default;
    CStyleNameNode(std::wstring strDisplayName, std::wstring strSysTypeName)
        : m_strDisplayName(std::move(strDisplayName)), m_strSysTypeName(std::move(strSysTypeName)) {
    }

    const std::wstring& GetstrDisplayName() const { return m_strDisplayName; }
    const std::wstring& GetstrSysTypeName() const { return m_strSysTypeName; }
    void SetstrDisplayName(const std::wstring& strName) { m_strDisplayName = strName; }
    void SetstrSysTypeName(const std::wstring& strName) { m_strSysTypeName = strName; }

    // The names of a type stored under the system name, and of a type chosen by a display
    // name, as the shared catalogue gives them.
    static CStyleNameNode FromSysName(const std::wstring& strSysTypeName);
    static CStyleNameNode FromDisplayName(const std::wstring& strDisplayName);

private:
    std::wstring m_strDisplayName;
    std::wstring m_strSysTypeName;
};
