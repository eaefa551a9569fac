#include "platform/ui/ListBox.h"

namespace ui {

int ListBox::AddString(const std::wstring& text) {
    int index = m_items.Add(text, (GetStyle() & LBS_SORT) != 0);
    if (m_curSel >= index)
        ++m_curSel;
    Notify(WindowChange::Items);
    return index;
}

int ListBox::InsertString(int index, const std::wstring& text) {
    int at = m_items.Insert(index, text);
    if (at >= 0 && m_curSel >= at)
        ++m_curSel;
    Notify(WindowChange::Items);
    return at;
}

int ListBox::DeleteString(int index) {
    int left = m_items.Delete(index);
    if (left >= 0) {
        if (m_curSel == index)
            m_curSel = -1;
        else if (m_curSel > index)
            --m_curSel;
        Notify(WindowChange::Items);
    }
    return left;
}

void ListBox::ResetContent() {
    m_items.Clear();
    m_curSel = -1;
    m_topIndex = 0;
    Notify(WindowChange::Items);
}

int ListBox::GetText(int index, std::wstring& text) const {
    if (!m_items.IsIndex(index))
        return LB_ERR;
    text = m_items.Text(index);
    return static_cast<int>(text.size());
}

std::wstring ListBox::GetText(int index) const {
    return m_items.IsIndex(index) ? m_items.Text(index) : std::wstring();
}

int ListBox::SetCurSel(int index) {
    int result = m_items.IsIndex(index) ? index : LB_ERR;
    m_curSel = result;
    Notify(WindowChange::Selection);
    return result;
}

int ListBox::SelectString(int start, const std::wstring& text) {
    int index = m_items.FindPrefix(start, text);
    if (index >= 0)
        SetCurSel(index);
    return index;
}

uintptr_t ListBox::GetItemData(int index) const {
    return m_items.IsIndex(index) ? m_items.At(index).data : 0;
}

int ListBox::SetItemData(int index, uintptr_t data) {
    if (!m_items.IsIndex(index))
        return LB_ERR;
    m_items.At(index).data = data;
    return 0;
}

void ListBox::SetTopIndex(int index) {
    if (m_items.IsIndex(index) && index != m_topIndex) {
        m_topIndex = index;
        Notify(WindowChange::Scroll);
    }
}

int ComboBox::AddString(const std::wstring& text) {
    int index = m_items.Add(text, (GetStyle() & CBS_SORT) != 0);
    if (m_curSel >= index)
        ++m_curSel;
    Notify(WindowChange::Items);
    return index;
}

int ComboBox::InsertString(int index, const std::wstring& text) {
    int at = m_items.Insert(index, text);
    if (at >= 0 && m_curSel >= at)
        ++m_curSel;
    Notify(WindowChange::Items);
    return at;
}

int ComboBox::DeleteString(int index) {
    int left = m_items.Delete(index);
    if (left >= 0) {
        if (m_curSel == index)
            m_curSel = -1;
        else if (m_curSel > index)
            --m_curSel;
        Notify(WindowChange::Items);
    }
    return left;
}

void ComboBox::ResetContent() {
    m_items.Clear();
    m_curSel = -1;
    Window::SetWindowText(L"");
    Notify(WindowChange::Items);
}

int ComboBox::GetLBText(int index, std::wstring& text) const {
    if (!m_items.IsIndex(index))
        return CB_ERR;
    text = m_items.Text(index);
    return static_cast<int>(text.size());
}

std::wstring ComboBox::GetLBText(int index) const {
    return m_items.IsIndex(index) ? m_items.Text(index) : std::wstring();
}

int ComboBox::SetCurSel(int index) {
    int result = m_items.IsIndex(index) ? index : CB_ERR;
    m_curSel = result;
    Window::SetWindowText(result >= 0 ? m_items.Text(result) : std::wstring());
    Notify(WindowChange::Selection);
    return result;
}

int ComboBox::SelectString(int start, const std::wstring& text) {
    int index = m_items.FindPrefix(start, text);
    if (index >= 0)
        SetCurSel(index);
    return index;
}

uintptr_t ComboBox::GetItemData(int index) const {
    return m_items.IsIndex(index) ? m_items.At(index).data : 0;
}

int ComboBox::SetItemData(int index, uintptr_t data) {
    if (!m_items.IsIndex(index))
        return CB_ERR;
    m_items.At(index).data = data;
    return 0;
}

void ComboBox::ShowDropDown(bool show) {
    if (show != m_dropped) {
        m_dropped = show;
        Notify(WindowChange::State);
    }
}

LRESULT ComboBox::WindowProc(unsigned message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFOCUS)
        NotifyCommand(CBN_SETFOCUS);
    else if (message == WM_KILLFOCUS) {
        ShowDropDown(false);
        NotifyCommand(CBN_KILLFOCUS);
    }
    return Control::WindowProc(message, wParam, lParam);
}

} // namespace ui
