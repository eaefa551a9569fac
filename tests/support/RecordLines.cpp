#include "support/RecordLines.h"

#include "suite/OvXmInfo/ManageFileInfo.h"

#include <gtest/gtest.h>

namespace ovtest {

std::vector<std::wstring> RecordLines(const std::wstring& manageFile, std::wstring_view separator) {
    CManageFileInfo file;
    EXPECT_EQ(file.ReadManageFile(manageFile), 1);
    std::vector<std::wstring> lines;
    for (const auto& pStyle : file.Getm_FileStyleNodeArray())
        for (const auto& pFile : pStyle->Getm_FileInfoArray())
            lines.push_back(pStyle->Getm_StyleNameNode().GetstrSysTypeName() +
                            std::wstring(separator) + pFile->Getm_strFileName() + L"<" +
                            pFile->Getm_strRemark() + L">");
    return lines;
}

} // namespace ovtest
