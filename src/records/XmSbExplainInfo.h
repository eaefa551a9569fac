#pragma once
// CXmSbExplainInfo: the description entries of one management file, read the strict way
// whenever a dialog or the window needs them.

#include "records/ExplainInfo.h"

#include <string>
#include <vector>

class CXmSbExplainInfo {
public:
    explicit CXmSbExplainInfo(std::wstring strManageFilePathName)
        : m_StrManageFilePathName(std::move(strManageFilePathName)) {}

    // Reads the description block. 0 after the command-line message "%s 文件打不开，错误码为
    // %d" or "%s 文件格式不对，不能正常读取文件信息。"; the entries read before the fault stay.
    int ReadExplainInfo();

    const std::wstring& Getm_StrManageFilePathName() const { return m_StrManageFilePathName; }
    const std::vector<CExplainInfo>& Getm_ExplainInfoArray() const { return m_ExplainInfoArray; }
    std::vector<CExplainInfoNode> GetExplainInfoNodes() const;

private:
    std::wstring m_StrManageFilePathName;
    std::vector<CExplainInfo> m_ExplainInfoArray;
};
