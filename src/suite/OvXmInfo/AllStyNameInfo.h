#pragma once
// CAllStyNameInfo: the drawing-type catalogue (display and system names), read from its style
// file in the common-resource folder.

#include <string>

class CAllStyNameInfo {
public:
    // The folder that holds the style file.
    void SetStyleFileName(const std::wstring& strFolder);
    const std::wstring& GetStyleFolder() const { return m_strStyleFolder; }

private:
    std::wstring m_strStyleFolder;
};
