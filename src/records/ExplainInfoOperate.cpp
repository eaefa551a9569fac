#include "records/ExplainInfoOperate.h"

#include "controls/SortedListCtrl.h"
#include "platform/text/WideString.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/MessageBox.h"
#include "records/OneInfoDlg.h"

#include <algorithm>

void CExplainInfoOperate::Refuse(const wchar_t* strMessage) const {
    ui::MessageBox(m_pOwner, strMessage, L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

void CExplainInfoOperate::SetListCtrl(ui::ListCtrl* pList) {
    m_pList = pList;
    if (!m_pList)
        return;
    if (auto* pSorted = dynamic_cast<CSortedListCtrl*>(m_pList))
        pSorted->EnableSorting(false);
    m_pList->SetExtendedStyle(m_pList->GetExtendedStyle() | ui::LVS_EX_FULLROWSELECT |
                              ui::LVS_EX_GRIDLINES);
    while (m_pList->GetColumnCount() > 0)
        m_pList->DeleteColumn(0);
    int nWidth = m_pList->GetClientRect().Width();
    m_pList->InsertColumn(0, kTitleHeader, ui::LVCFMT_LEFT, nWidth / 3);
    m_pList->InsertColumn(1, kValueHeader, ui::LVCFMT_LEFT, nWidth * 2 / 3 - 25);
}

void CExplainInfoOperate::SetRow(int nRow) {
    const CExplainInfoNode& entry = m_ExplainInfoArray[static_cast<size_t>(nRow)];
    m_pList->SetItemText(nRow, 0, text::Trim(entry.Getm_StrTitle()));
    m_pList->SetItemText(nRow, 1, text::Trim(entry.Getm_StrValue()));
    m_pList->SetItemData(nRow, static_cast<uintptr_t>(nRow));
}

void CExplainInfoOperate::ShowRow(int nRow) {
    if (m_pList && m_pList->IsRow(nRow))
        m_pList->EnsureVisible(nRow, false);
}

void CExplainInfoOperate::Fill(int nRowToShow) {
    if (!m_pList)
        return;
    m_pList->DeleteAllItems();
    for (int nRow = 0; nRow < static_cast<int>(m_ExplainInfoArray.size()); ++nRow) {
        m_pList->InsertItem(nRow, L"");
        SetRow(nRow);
    }
    ShowRow(nRowToShow);
}

CExplainInfoOperate::EntryDialog CExplainInfoOperate::OneInfoEntryDialog() const {
    std::wstring strTitleLabel = kTitleHeader;
    std::wstring strValueLabel = kValueHeader;
    if (m_pList && m_pList->GetColumnCount() >= 2) {
        strTitleLabel = m_pList->GetHeaderCtrl()->GetColumn(0)->text;
        strValueLabel = m_pList->GetHeaderCtrl()->GetColumn(1)->text;
    }
    ui::Window* pOwner = m_pOwner;
    return [=](const std::wstring& strCaption, std::wstring& strTitle, std::wstring& strValue) {
        COneInfoDlg dialog(strCaption, strTitleLabel, strValueLabel, pOwner);
        dialog.m_strTitle = strTitle;
        dialog.m_strValue = strValue;
        if (dialog.DoModal() != ui::IDOK)
            return 0;
        strTitle = dialog.m_strTitle;
        strValue = dialog.m_strValue;
        return 1;
    };
}

int CExplainInfoOperate::FirstSelectedRow() const {
    return m_pList ? m_pList->GetNextItem(-1, ui::LVNI_SELECTED) : -1;
}

int CExplainInfoOperate::DeleteExplainInfo() {
    std::vector<int> arrRows;
    for (int nRow = FirstSelectedRow(); nRow >= 0;
         nRow = m_pList->GetNextItem(nRow, ui::LVNI_SELECTED))
        arrRows.push_back(nRow);
    return DeleteExplainInfo(arrRows);
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
    if (m_pList) {
        int nRow = static_cast<int>(m_ExplainInfoArray.size()) - 1;
        m_pList->InsertItem(nRow, L"");
        SetRow(nRow);
        ShowRow(nRow);
    }
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
    if (m_pList && m_pList->IsRow(nRow))
        SetRow(nRow);
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
        if (m_pList)
            m_pList->DeleteItem(nIndex);
        ++nRemoved;
    }
    // Rows after a removed one moved up: their item data follows their new place.
    if (m_pList && nRemoved)
        for (int nRow = 0; nRow < m_pList->GetItemCount(); ++nRow)
            m_pList->SetItemData(nRow, static_cast<uintptr_t>(nRow));
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
            if (m_pList) {
                int nRow = static_cast<int>(m_ExplainInfoArray.size()) - 1;
                m_pList->InsertItem(nRow, L"");
                SetRow(nRow);
            }
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
