#include "records/XmSbExplainInfo.h"

#include "platform/cad/CommandLine.h"
#include "suite/OvXmInfo/ManageFileText.h"

int CXmSbExplainInfo::ReadExplainInfo() {
    m_ExplainInfoArray.clear();
    std::wstring strContent;
    std::vector<std::wstring_view> arrLines;
    int cause = 0;
    if (!xmfile::ReadManageFileLines(m_StrManageFilePathName, strContent, arrLines, cause)) {
        acutPrintf(L"%s 文件打不开，错误码为 %d\n", m_StrManageFilePathName, cause);
        return 0;
    }
    xmfile::ExplainBlock block = xmfile::ReadExplainBlock(arrLines);
    for (const CExplainInfoNode& entry : block.entries)
        m_ExplainInfoArray.emplace_back(entry);
    if (!block.complete) {
        acutPrintf(L"%s 文件格式不对，不能正常读取文件信息。\n", m_StrManageFilePathName);
        return 0;
    }
    return 1;
}

std::vector<CExplainInfoNode> CXmSbExplainInfo::GetExplainInfoNodes() const {
    std::vector<CExplainInfoNode> nodes;
    for (const CExplainInfo& entry : m_ExplainInfoArray)
        nodes.push_back(entry.ToNode());
    return nodes;
}

std::wstring CXmSbExplainInfo::GetValueByTitle(const std::wstring& strTitle) const {
    for (const CExplainInfo& entry : m_ExplainInfoArray)
        if (entry.Getm_StrTitle() == strTitle)
            return entry.Getm_StrValue();
    return {};
}
