#include "suite/VoRezaZazUzavodo/MainLibBrowserDlg.h"

#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"
#include "suite/VoRezaZazUzavodo/MainLibManager.h"

namespace {

// The list's columns: record element, heading and share of the list's width in percent (the
// names are the longest texts).
const struct {
    size_t nElement;
    const wchar_t* strHeading;
    int nPercent;
} kColumns[] = {
    {0, L"物料编码", 16}, {1, L"名称", 34}, {2, L"型号规格", 20},
    {3, L"类别", 12},     {4, L"厂家", 18},
};

ui::DialogTemplate BrowserTemplate() {
    using ui::ControlKind;
    return {CMainLibBrowserDlg::IDD,
            CMainLibBrowserDlg::kCaption,
            330,
            200,
            0,
            {{ui::IDC_STATIC, ControlKind::Static, L"过滤：", 7, 9, 30, 8},
             {CMainLibBrowserDlg::IDC_FILTER, ControlKind::Edit, L"", 40, 7, 220, 12},
             {CMainLibBrowserDlg::IDC_COMPONENTS, ControlKind::List, L"", 7, 25, 316, 148,
              ui::LVS_REPORT | ui::LVS_SINGLESEL | ui::LVS_SHOWSELALWAYS},
             {ui::IDOK, ControlKind::PushButton, L"选择", 212, 179, 50, 14, ui::BS_DEFPUSHBUTTON},
             {ui::IDCANCEL, ControlKind::PushButton, L"取消", 273, 179, 50, 14}}};
}

bool Matches(const std::vector<std::wstring>& record, const std::wstring& strFilter) {
    if (strFilter.empty())
        return true;
    std::wstring strFolded = text::FoldCase(strFilter);
    for (const auto& column : kColumns)
        if (text::FoldCase(OvRecordElement(record, column.nElement)).find(strFolded) !=
            std::wstring::npos)
            return true;
    return false;
}

} // namespace

CMainLibBrowserDlg::CMainLibBrowserDlg(std::vector<std::vector<std::wstring>> arrRecords,
                                       ui::Window* pParent)
    : ui::Dialog(BrowserTemplate(), pParent), m_arrRecords(std::move(arrRecords)) {}

bool CMainLibBrowserDlg::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    auto* pList = GetDlgItemAs<ui::ListCtrl>(IDC_COMPONENTS);
    pList->SetExtendedStyle(ui::LVS_EX_GRIDLINES | ui::LVS_EX_FULLROWSELECT);
    int nWidth = pList->GetClientRect().Width();
    int nColumn = 0;
    for (const auto& column : kColumns)
        pList->InsertColumn(nColumn++, column.strHeading, ui::LVCFMT_LEFT,
                            nWidth * column.nPercent / 100);
    ApplyFilter();
    return true;
}

void CMainLibBrowserDlg::ApplyFilter() {
    auto* pList = GetDlgItemAs<ui::ListCtrl>(IDC_COMPONENTS);
    std::wstring strFilter = text::Trim(GetDlgItemText(IDC_FILTER));
    pList->DeleteAllItems();
    for (size_t i = 0; i < m_arrRecords.size(); ++i) {
        if (!Matches(m_arrRecords[i], strFilter))
            continue;
        int nRow = pList->InsertItem(pList->GetItemCount(), OvRecordElement(m_arrRecords[i], 0));
        for (size_t c = 1; c < std::size(kColumns); ++c)
            pList->SetItemText(nRow, static_cast<int>(c),
                               OvRecordElement(m_arrRecords[i], kColumns[c].nElement));
        pList->SetItemData(nRow, i);
    }
    if (pList->GetItemCount() > 0)
        pList->SetItemState(0, ui::LVIS_SELECTED | ui::LVIS_FOCUSED,
                            ui::LVIS_SELECTED | ui::LVIS_FOCUSED);
}

void CMainLibBrowserDlg::OnOK() {
    auto* pList = GetDlgItemAs<ui::ListCtrl>(IDC_COMPONENTS);
    int nRow = pList->GetNextItem(-1, ui::LVNI_SELECTED);
    if (nRow < 0) {
        ui::MessageBox(this, L"请选择一个元件。", L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return;
    }
    m_arrChosen = m_arrRecords[pList->GetItemData(nRow)];
    EndDialog(ui::IDOK);
}

bool CMainLibBrowserDlg::OnNotify(int id, ui::NMHDR& header, ui::LRESULT& result) {
    if (id == IDC_COMPONENTS && header.code == ui::NM_DBLCLK) {
        OnOK();
        result = 0;
        return true;
    }
    return ui::Dialog::OnNotify(id, header, result);
}

bool CMainLibBrowserDlg::PreTranslateMessage(ui::MSG& message) {
    if (message.message == ui::WM_KEYDOWN && message.wParam == ui::VK_RETURN &&
        message.hwnd == GetDlgItem(IDC_FILTER)) {
        OvExecuteFilter(0);
        return true;
    }
    return ui::Dialog::PreTranslateMessage(message);
}
