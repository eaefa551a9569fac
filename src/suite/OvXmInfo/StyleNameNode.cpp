#include "suite/OvXmInfo/StyleNameNode.h"

#include "suite/OvXmInfo/AllStyNameInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"

CStyleNameNode CStyleNameNode::FromSysName(const std::wstring& strSysTypeName) {
    std::wstring strDisplayName;
    if (const CAllStyNameInfo* pCatalogue = CManageFileInfo::Getm_AllStyNameInfo())
        strDisplayName = pCatalogue->FindDisplayNameBySysName(strSysTypeName);
    return CStyleNameNode(strDisplayName.empty() ? strSysTypeName : strDisplayName, strSysTypeName);
}

CStyleNameNode CStyleNameNode::FromDisplayName(const std::wstring& strDisplayName) {
    std::wstring strSysTypeName;
    if (const CAllStyNameInfo* pCatalogue = CManageFileInfo::Getm_AllStyNameInfo())
        strSysTypeName = pCatalogue->FindSysNameByDisplayName(strDisplayName);
    return CStyleNameNode(strDisplayName, strSysTypeName.empty() ? strDisplayName : strSysTypeName);
}
