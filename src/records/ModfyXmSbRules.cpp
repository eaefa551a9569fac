#include "records/ModfyXmSbRules.h"

#include "drawing/EditOprt.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "records/ExplainBlockText.h"
#include "records/ExplainInfo.h"

#include <algorithm>
#include <map>

namespace modify {

namespace {

bool Holds(const CExplainInfoNode& entry, const wchar_t* szWord) {
    return entry.Getm_StrTitle().find(szWord) != std::wstring::npos;
}

std::wstring Value(const std::vector<CExplainInfoNode>& entries, const wchar_t* szTitle) {
    return text::Trim(explain::FindValueByTitle(entries, szTitle));
}

} // namespace

void OrderEntries(std::vector<CExplainInfoNode>& entries, int bIsXm) {
    const wchar_t* szKindWord = bIsXm ? L"工程" : L"设备";
    std::stable_partition(entries.begin(), entries.end(),
                          [&](const CExplainInfoNode& e) { return Holds(e, szKindWord); });
    std::stable_partition(entries.begin(), entries.end(),
                          [](const CExplainInfoNode& e) { return !Holds(e, L"原理图标号"); });
}

void FillFromParentProject(std::vector<CExplainInfoNode>& entries,
                           const std::vector<CExplainInfoNode>& parentEntries) {
    for (CExplainInfoNode& entry : entries) {
        if (!Holds(entry, L"工程") || !text::Trim(entry.Getm_StrValue()).empty())
            continue;
        // A parent entry without a value (a marker where the value should be) gives nothing.
        for (const CExplainInfoNode& parent : parentEntries)
            if (parent.Getm_StrTitle() == entry.Getm_StrTitle() &&
                !text::Trim(parent.Getm_StrValue()).empty())
                entry.Setm_StrValue(parent.Getm_StrValue());
    }
}

std::vector<CExplainInfoNode> ReadParentProjectEntries(const std::wstring& strEquipmentFolder) {
    std::wstring strParent = CEditOprt::GetParentPath(strEquipmentFolder);
    std::wstring strFile =
        CEditOprt::JoinPath(strParent, CEditOprt::GetLastPathItem(strParent) + L".itm");
    std::vector<std::wstring> arrLines;
    if (strParent.empty() || !CEditOprt::ReadLines(strFile, arrLines, 0))
        return {};
    return explain::ParseExplainLines(arrLines, 0);
}

std::wstring ProposeFolderName(const std::vector<CExplainInfoNode>& entries, int bIsXm,
                               int bNameFirst) {
    std::wstring strFirst, strSecond;
    if (bIsXm) {
        strFirst = Value(entries, explain::kProjectName);
        strSecond = Value(entries, explain::kContractNo);
        if (!bNameFirst)
            std::swap(strFirst, strSecond);
    } else {
        strFirst = Value(entries, explain::kDrawingBookNo);
        strSecond = Value(entries, explain::kEquipmentName);
    }
    if (strFirst.empty() || strSecond.empty())
        return strFirst + strSecond;
    return text::Format(L"%s-%s", strFirst, strSecond);
}

bool HaveValuesChanged(const std::vector<CExplainInfoNode>& snapshot,
                       const std::vector<CExplainInfoNode>& entries) {
    // The n-th entry of each title in the snapshot.
    std::map<std::pair<std::wstring, int>, std::wstring> snapshotValues;
    std::map<std::wstring, int> counts;
    for (const CExplainInfoNode& entry : snapshot)
        snapshotValues[{entry.Getm_StrTitle(), counts[entry.Getm_StrTitle()]++}] =
            text::Trim(entry.Getm_StrValue());
    counts.clear();
    for (const CExplainInfoNode& entry : entries) {
        auto found = snapshotValues.find({entry.Getm_StrTitle(), counts[entry.Getm_StrTitle()]++});
        if (found != snapshotValues.end() && found->second != text::Trim(entry.Getm_StrValue()))
            return true;
    }
    return false;
}

} // namespace modify
