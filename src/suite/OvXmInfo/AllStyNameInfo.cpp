#include "suite/OvXmInfo/AllStyNameInfo.h"

void CAllStyNameInfo::SetStyleFileName(const std::wstring& strFolder) {
    m_strStyleFolder = strFolder;
}
