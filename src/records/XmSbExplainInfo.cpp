#include "records/XmSbExplainInfo.h"

#include "suite/OvXmInfo/ManageFileText.h"

int CXmSbExplainInfo::ReadExplainInfo() {
    m_ExplainInfoArray.clear();
    xmfile::ExplainBlock block;
    bool bRead = xmfile::ReadManageFileStrictly(m_StrManageFilePathName, block);
    for (const CExplainInfoNode& entry : block.entries)
        m_ExplainInfoArray.emplace_back(entry);
    return bRead ? 1 : 0;
}

std::vector<CExplainInfoNode> CXmSbExplainInfo::GetExplainInfoNodes() const {
    std::vector<CExplainInfoNode> nodes;
    for (const CExplainInfo& entry : m_ExplainInfoArray)
        nodes.push_back(entry.ToNode());
    return nodes;
}
