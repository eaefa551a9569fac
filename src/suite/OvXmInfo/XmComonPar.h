#pragma once
// CXmComonPar: the management-file library's shared parameters, one object g_XmComonPar.

#include <string>

class CXmComonPar {
public:
    // The common-resource and the per-workstation installation folders.
    void SetTessalInstallPath(const std::wstring& strCommonResFolder,
                              const std::wstring& strLocalFolder);
    const std::wstring& GetCommonResFolder() const { return m_strCommonResFolder; }
    const std::wstring& GetLocalFolder() const { return m_strLocalFolder; }

private:
    std::wstring m_strCommonResFolder;
    std::wstring m_strLocalFolder;
};

extern CXmComonPar g_XmComonPar;
