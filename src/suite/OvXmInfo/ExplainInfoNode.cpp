#include "suite/OvXmInfo/ExplainInfoNode.h"

#include "platform/text/WideString.h"

int CExplainInfoNode::IsVaildInfoNode() const {
    return text::Trim(m_StrTitle).empty() ? 0 : 1;
}

bool CExplainInfoNode::operator==(const CExplainInfoNode& other) const {
    return text::Trim(m_StrTitle) == text::Trim(other.m_StrTitle) &&
           text::Trim(m_StrValue) == text::Trim(other.m_StrValue);
}
