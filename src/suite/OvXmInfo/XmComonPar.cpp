#include "suite/OvXmInfo/XmComonPar.h"

CXmComonPar g_XmComonPar;

void CXmComonPar::SetTessalInstallPath(const std::wstring& strCommonResFolder,
                                       const std::wstring& strLocalFolder) {
    m_strCommonResFolder = strCommonResFolder;
    m_strLocalFolder = strLocalFolder;
}
