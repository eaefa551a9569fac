#include "records/ExplainInfoOperate.h"

#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"

#include <algorithm>

void CExplainInfoOperate::Refuse(const wchar_t* strMessage) const {
    ui::MessageBox(m_pOwner, strMessage, L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

int CExplainInfoOperate::AddExplainInfo(const EntryDialog& runEntryDialog) {
    std::wstring strTitle, strValue;
    if (!runEntryDialog || !runEntryDialog(L"添加描述信息", strTitle, strValue))
        return 0;
    return AddExplainInfo(CExplainInfoNode(strTitle, strValue));
}

int CExplainInfoOperate::AddExplainInfo(const CExplainInfoNode& entry) {
    if (!entry.IsVaildInfoNode()) {
        Refuse(L"描述信息不完整，加入失败");
        return 0;
    }
    if (FindExplainInfo(entry) >= 0) {
        Refuse(L"已经存在同样的描述信息，不能加入。");
        return 0;
    }
    m_ExplainInfoArray.push_back(entry);
    return 1;
}

int CExplainInfoOperate::ModifyExplainInfo(int nRow, const EntryDialog& runEntryDialog) {
    if (nRow < 0 || nRow >= static_cast<int>(m_ExplainInfoArray.size()) || !runEntryDialog)
        return 0;
    CExplainInfoNode& old = m_ExplainInfoArray[static_cast<size_t>(nRow)];
    std::wstring strTitle = old.Getm_StrTitle(), strValue = old.Getm_StrValue();
    if (!runEntryDialog(L"修改描述信息", strTitle, strValue))
        return 0;
    CExplainInfoNode changed(strTitle, strValue);
    if (changed == old)
        return 0;
    if (FindExplainInfo(changed) >= 0) {
        Refuse(L"已经存在同样的描述信息。");
        return 0;
    }
    old = changed;
    return 1;
}

int CExplainInfoOperate::DeleteExplainInfo(std::vector<int> arrRows) {
    std::sort(arrRows.begin(), arrRows.end());
    arrRows.erase(std::unique(arrRows.begin(), arrRows.end()), arrRows.end());
    int nRemoved = 0;
    for (int nRow : arrRows) {
        int nIndex = nRow - nRemoved;
        if (nRow < 0 || nIndex >= static_cast<int>(m_ExplainInfoArray.size()))
            continue;
        m_ExplainInfoArray.erase(m_ExplainInfoArray.begin() + nIndex);
        ++nRemoved;
    }
    return nRemoved;
}

int CExplainInfoOperate::AddDefaultTitles(const std::vector<std::wstring>& arrTitles) {
    int nAdded = 0;
    for (const std::wstring& strTitle : arrTitles) {
        if (text::Trim(strTitle).empty())
            continue;
        bool bKnown =
            std::any_of(m_ExplainInfoArray.begin(), m_ExplainInfoArray.end(), [&](const auto& e) {
                return text::EqualsNoCase(e.Getm_StrTitle(), strTitle);
            });
        if (!bKnown) {
            m_ExplainInfoArray.emplace_back(strTitle, L" ");
            ++nAdded;
        }
    }
    return nAdded;
}

int CExplainInfoOperate::FindExplainInfo(const CExplainInfoNode& entry) const {
    auto found = std::find(m_ExplainInfoArray.begin(), m_ExplainInfoArray.end(), entry);
    return found == m_ExplainInfoArray.end() ? -1
                                             : static_cast<int>(found - m_ExplainInfoArray.begin());
}
