#include "suite/OvXmInfo/ManageFileInfo.h"

namespace {
CAllStyNameInfo* g_pAllStyNameInfo = nullptr;
}

void CManageFileInfo::Setm_AllStyNameInfo(CAllStyNameInfo* pAllStyNameInfo) {
    g_pAllStyNameInfo = pAllStyNameInfo;
}

CAllStyNameInfo* CManageFileInfo::Getm_AllStyNameInfo() {
    return g_pAllStyNameInfo;
}
