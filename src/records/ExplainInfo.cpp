#include "records/ExplainInfo.h"

#include "platform/text/WideString.h"

namespace explain {

bool IsEmptyEntry(const std::wstring& strTitle, const std::wstring& strValue) {
    return text::TrimRight(strTitle).empty() && text::TrimRight(strValue).empty();
}

bool IsProjectLevelTitle(const std::wstring& strTitle) {
    return text::StartsWith(strTitle, L"工程");
}

std::wstring FindValueByTitle(const std::vector<CExplainInfoNode>& entries,
                              const std::wstring& strTitle) {
    for (const CExplainInfoNode& entry : entries)
        if (entry.Getm_StrTitle() == strTitle)
            return entry.Getm_StrValue();
    return {};
}

} // namespace explain
