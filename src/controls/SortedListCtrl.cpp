#include "controls/SortedListCtrl.h"

#include "platform/ui/Dialog.h"

#include <algorithm>

void CSortedHeaderCtrl::SetSortArrow(int nColumn, bool bAscending) {
    for (int index = 0; index < GetItemCount(); ++index)
        GetColumn(index)->sortArrow = index == nColumn ? (bAscending ? 1 : -1) : 0;
}

CSortedListCtrl::CSortedListCtrl() {
    SubclassHeader(m_header);
}

int CSortedListCtrl::GetColumnEditor(int nColumn) const {
    if (std::find(m_arrEditColumns.begin(), m_arrEditColumns.end(), nColumn) !=
        m_arrEditColumns.end())
        return 0;
    if (std::find(m_arrComboColumns.begin(), m_arrComboColumns.end(), nColumn) !=
        m_arrComboColumns.end())
        return 1;
    return -1;
}

void CSortedListCtrl::ResetCurrentCell() {
    m_nCurRow = -1;
    m_nCurCol = -1;
}

void CSortedListCtrl::HideEditors() {
    if (m_pEdit)
        m_pEdit->ShowWindow(ui::SW_HIDE);
    if (m_pCombo)
        m_pCombo->ShowWindow(ui::SW_HIDE);
}

void CSortedListCtrl::FinishEditing() {
    bool bCellSet = IsRow(m_nCurRow) && m_nCurCol >= 0;
    for (ui::Control* pEditor :
         {static_cast<ui::Control*>(m_pEdit), static_cast<ui::Control*>(m_pCombo)})
        if (bCellSet && pEditor && pEditor->IsWindowVisible() &&
            pEditor->GetWindowText() != GetItemText(m_nCurRow, m_nCurCol))
            SetItemText(m_nCurRow, m_nCurCol, pEditor->GetWindowText());
    SetFocus();
    HideEditors();
    ResetCurrentCell();
}

void CSortedListCtrl::CreateEditors() {
    auto* pDialog = dynamic_cast<ui::Dialog*>(GetParent());
    if (!pDialog || (m_pEdit && m_pCombo))
        return;
    ui::ControlTemplate line;
    line.style = ui::WS_HIDDEN;
    if (!m_pEdit) {
        line.id = GetDlgCtrlID() + kEditIdOffset;
        line.kind = ui::ControlKind::Edit;
        m_pEdit = static_cast<CMyListCtrlEdit*>(
            &pDialog->AddControl(std::make_unique<CMyListCtrlEdit>(), this, line, {}));
    }
    if (!m_pCombo) {
        line.id = GetDlgCtrlID() + kComboIdOffset;
        line.kind = ui::ControlKind::ComboBox;
        line.style = ui::WS_HIDDEN | ui::CBS_DROPDOWN;
        m_pCombo = static_cast<CListCtrlComboBox*>(
            &pDialog->AddControl(std::make_unique<CListCtrlComboBox>(), this, line, {}));
    }
}

bool CSortedListCtrl::DestroyWindow() {
    // The editors belong to the dialog, which ends them with the list.
    m_pEdit = nullptr;
    m_pCombo = nullptr;
    ResetCurrentCell();
    return ui::ListCtrl::DestroyWindow();
}

void CSortedListCtrl::BeginEditingCurrentCell() {
    ui::Rect cell;
    int nEditor = GetColumnEditor(m_nCurCol);
    if (nEditor < 0 || !GetSubItemRect(m_nCurRow, m_nCurCol, ui::LVIR_BOUNDS, &cell) || !m_pEdit ||
        !m_pCombo) {
        HideEditors();
        ResetCurrentCell();
        Invalidate();
        return;
    }
    std::wstring strCell = GetItemText(m_nCurRow, m_nCurCol);
    if (nEditor == 1) {
        // The parent fills the choices for this very cell; stale ones of another cell go.
        m_arrChoices.clear();
        if (GetParent())
            GetParent()->SendMessage(WM_LIST_FILLCHOICES, static_cast<ui::WPARAM>(m_nCurRow),
                                     static_cast<ui::LPARAM>(m_nCurCol));
        if (!IsRow(m_nCurRow) || !m_pCombo)
            return;
        m_pCombo->ResetContent();
        if (m_arrChoices.empty())
            m_arrChoices.emplace_back();
        for (const std::wstring& strChoice : m_arrChoices)
            m_pCombo->AddString(strChoice);
        int nMatch = m_pCombo->FindStringExact(-1, strCell);
        if (nMatch >= 0)
            m_pCombo->SetCurSel(nMatch);
        m_pCombo->ui::Window::SetWindowText(strCell);
        m_pEdit->ShowWindow(ui::SW_HIDE);
        m_pCombo->MoveWindow(cell);
        m_pCombo->ShowWindow(ui::SW_SHOW);
        m_pCombo->SetFocus();
    } else {
        m_pEdit->ui::Window::SetWindowText(strCell);
        m_pCombo->ShowWindow(ui::SW_HIDE);
        m_pEdit->MoveWindow(cell);
        m_pEdit->ShowWindow(ui::SW_SHOW);
        m_pEdit->SetSel(0, -1);
        m_pEdit->SetFocus();
    }
    Invalidate();
}

void CSortedListCtrl::OnLButtonDown(ui::WPARAM wParam, ui::LPARAM lParam) {
    ui::Point point{ui::GET_X_LPARAM(lParam), ui::GET_Y_LPARAM(lParam)};
    FinishEditing();
    ui::ListCtrl::WindowProc(ui::WM_LBUTTONDOWN, wParam, lParam);
    if (m_arrEditColumns.empty() && m_arrComboColumns.empty())
        return;
    int nRow = GetSelectionMark();
    int nColumn = -1;
    for (int index = 0; index < GetColumnCount(); ++index) {
        ui::Rect header;
        GetHeaderCtrl()->GetItemRect(index, &header);
        if (point.x >= header.left && point.x < header.right)
            nColumn = index;
    }
    if (nColumn < 0 || nRow < 0)
        return;
    if (nColumn == 0) {
        ui::Rect first;
        GetHeaderCtrl()->GetItemRect(0, &first);
        if (point.x - first.left < kCheckZoneWidth || first.Width() < kCheckZoneWidth) {
            if (GetParent())
                GetParent()->PostMessage(WM_LIST_CHECKCLICK, static_cast<ui::WPARAM>(nRow), 0);
            return;
        }
    }
    CreateEditors();
    ui::LVHITTESTINFO hit;
    hit.pt = point;
    if (SubItemHitTest(&hit) < 0) {
        // Below the rows: nothing to edit.
        ResetCurrentCell();
        Invalidate();
        return;
    }
    m_nCurRow = nRow;
    m_nCurCol = nColumn;
    BeginEditingCurrentCell();
}

void CSortedListCtrl::MoveEditing(int nStep) {
    if (!m_pEdit || !m_pEdit->IsWindowVisible())
        return;
    if (IsRow(m_nCurRow) && m_nCurCol >= 0 &&
        m_pEdit->GetWindowText() != GetItemText(m_nCurRow, m_nCurCol))
        SetItemText(m_nCurRow, m_nCurCol, m_pEdit->GetWindowText());
    int nRow = m_nCurRow + nStep;
    int nColumn = m_nCurCol;
    if (nRow >= GetItemCount()) {
        nRow = 0;
        ++nColumn;
    } else if (nRow < 0) {
        nRow = GetItemCount() - 1;
        --nColumn;
    }
    if (nColumn < 0 || nColumn >= GetColumnCount() || !IsRow(nRow)) {
        HideEditors();
        ResetCurrentCell();
        SetFocus();
        Invalidate();
        return;
    }
    m_nCurRow = nRow;
    m_nCurCol = nColumn;
    BeginEditingCurrentCell();
}

void CSortedListCtrl::SortByColumn(int nColumn) {
    FinishEditing();
    m_bSortAscending = nColumn == m_nSortColumn ? !m_bSortAscending : true;
    m_nSortColumn = nColumn;
    SortItemsByText(nColumn, m_bSortAscending);
    m_header.SetSortArrow(nColumn, m_bSortAscending);
}

bool CSortedListCtrl::OnChildNotify(unsigned message, ui::WPARAM, ui::LPARAM lParam, ui::LRESULT*) {
    // A header click sorts, and the parent hears of it too.
    if (message == ui::WM_NOTIFY && m_bSortable) {
        auto* header = reinterpret_cast<ui::NMHDR*>(lParam);
        if (header->code == ui::LVN_COLUMNCLICK)
            SortByColumn(reinterpret_cast<ui::NMLISTVIEW*>(lParam)->iSubItem);
    }
    return false;
}

ui::LRESULT CSortedListCtrl::WindowProc(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam) {
    bool bCellSet = IsRow(m_nCurRow) && m_nCurCol >= 0;
    switch (message) {
    case ui::WM_LBUTTONDOWN:
        OnLButtonDown(wParam, lParam);
        return 0;
    case WM_LISTEDIT_ENTER:
    case WM_LISTEDIT_DOWN:
        MoveEditing(1);
        return 0;
    case WM_LISTEDIT_UP:
        MoveEditing(-1);
        return 0;
    case WM_LISTEDIT_COMMIT:
        if (bCellSet && m_pEdit && m_pEdit->IsWindowVisible())
            SetItemText(m_nCurRow, m_nCurCol, m_pEdit->GetWindowText());
        return 0;
    case WM_LISTCOMBO_EDITCHANGE:
    case WM_LISTCOMBO_SELCHANGE:
        if (bCellSet && m_pCombo && m_pCombo->IsWindowVisible()) {
            SetItemText(m_nCurRow, m_nCurCol,
                        message == WM_LISTCOMBO_EDITCHANGE
                            ? m_pCombo->GetWindowText()
                            : m_pCombo->GetLBText(m_pCombo->GetCurSel()));
            if (GetParent())
                GetParent()->SendMessage(WM_LIST_COMBOCOMMIT, reinterpret_cast<ui::WPARAM>(this),
                                         reinterpret_cast<ui::LPARAM>(this));
        }
        return 0;
    default:
        return ui::ListCtrl::WindowProc(message, wParam, lParam);
    }
}
