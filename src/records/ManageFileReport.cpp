#include "records/ManageFileReport.h"

#include "suite/OvXmInfo/ManageFileInfo.h"

std::vector<std::wstring> DescribeManageFile(const CManageFileInfo& manageFile) {
    std::vector<std::wstring> arrLines;
    for (const CExplainInfoNode& entry : manageFile.Getm_ExplainInfoArray())
        arrLines.push_back(entry.Getm_StrTitle() + L"\t" + entry.Getm_StrValue());
    auto addFiles = [&arrLines](const CFileStyleNodeInfo& style) {
        for (const auto& pFile : style.Getm_FileInfoArray())
            arrLines.push_back(L"\t" + pFile->Getm_strFileName() + L"\t" + pFile->Getm_strRemark());
    };
    const CFileStyleNodeInfo* pNoStyle = nullptr;
    for (const auto& pStyle : manageFile.Getm_FileStyleNodeArray()) {
        if (!pStyle->Getm_bIsExistStyleName()) {
            pNoStyle = pStyle.get();
            continue;
        }
        const CStyleNameNode& name = pStyle->Getm_StyleNameNode();
        arrLines.push_back(L"类型\t" + name.GetstrDisplayName() + L"\t" + name.GetstrSysTypeName());
        addFiles(*pStyle);
    }
    if (pNoStyle) {
        arrLines.emplace_back(L"无类型的文件");
        addFiles(*pNoStyle);
    }
    return arrLines;
}
