#pragma once
// CManageFileInfo: one management file (".itm" for a Project, ".prj" for an Equipment).

#include <string>

class CAllStyNameInfo;

class CManageFileInfo {
public:
    // The two extensions, without the dot.
    static std::wstring Getm_StrXmFileExt() { return L"itm"; }
    static std::wstring Getm_StrSbFileExt() { return L"prj"; }

    // The drawing-type catalogue shared by every management file (not owned).
    static void Setm_AllStyNameInfo(CAllStyNameInfo* pAllStyNameInfo);
    static CAllStyNameInfo* Getm_AllStyNameInfo();
};
