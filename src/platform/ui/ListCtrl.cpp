#include "platform/ui/ListCtrl.h"

#include "platform/text/WideString.h"

#include <algorithm>

namespace ui {

bool HeaderCtrl::GetItemRect(int index, Rect* rect) const {
    if (!rect || index < 0 || index >= GetItemCount())
        return false;
    int left = 0;
    for (int column = 0; column < index; ++column)
        left += m_columns[static_cast<size_t>(column)].width;
    *rect = {left, 0, left + m_columns[static_cast<size_t>(index)].width, Height()};
    return true;
}

const HeaderCtrl::Column* HeaderCtrl::GetColumn(int index) const {
    return index >= 0 && index < GetItemCount() ? &m_columns[static_cast<size_t>(index)] : nullptr;
}

HeaderCtrl::Column* HeaderCtrl::GetColumn(int index) {
    return index >= 0 && index < GetItemCount() ? &m_columns[static_cast<size_t>(index)] : nullptr;
}

ListCtrl::ListCtrl() : Control(ControlKind::List), m_header(&m_plainHeader) {}

void ListCtrl::SubclassHeader(HeaderCtrl& header) {
    if (&header == m_header)
        return;
    header.Columns() = m_header->Columns();
    m_header = &header;
}

int ListCtrl::InsertColumn(int column, const std::wstring& heading, int format, int width) {
    auto& columns = m_header->Columns();
    if (column < 0 || column > GetColumnCount())
        column = GetColumnCount();
    if (width < 0)
        width = 60;
    columns.insert(columns.begin() + column, HeaderCtrl::Column{heading, width, format});
    for (Row& row : m_rows)
        if (static_cast<int>(row.texts.size()) > column && column > 0)
            row.texts.insert(row.texts.begin() + column, std::wstring());
    Notify(WindowChange::Items);
    return column;
}

bool ListCtrl::DeleteColumn(int column) {
    auto& columns = m_header->Columns();
    if (column < 0 || column >= GetColumnCount())
        return false;
    columns.erase(columns.begin() + column);
    for (Row& row : m_rows)
        if (static_cast<int>(row.texts.size()) > column)
            row.texts.erase(row.texts.begin() + column);
    Notify(WindowChange::Items);
    return true;
}

int ListCtrl::GetColumnWidth(int column) const {
    const HeaderCtrl::Column* found = m_header->GetColumn(column);
    return found ? found->width : 0;
}

bool ListCtrl::SetColumnWidth(int column, int width) {
    HeaderCtrl::Column* found = m_header->GetColumn(column);
    if (!found)
        return false;
    found->width = std::max(width, 0);
    Notify(WindowChange::Items);
    return true;
}

unsigned ListCtrl::SetExtendedStyle(unsigned style) {
    unsigned previous = m_extendedStyle;
    m_extendedStyle = style;
    if (style & LVS_EX_CHECKBOXES)
        for (Row& row : m_rows)
            if (!(row.state & LVIS_STATEIMAGEMASK))
                row.state |= 1u << 12;
    Notify(WindowChange::Items);
    return previous;
}

int ListCtrl::InsertItem(int index, const std::wstring& text, int image) {
    Row row;
    // Room for every column's text at once: the texts of the other columns follow at once.
    row.texts.reserve(static_cast<size_t>(std::max(GetColumnCount(), 1)));
    row.texts.push_back(text);
    row.image = image;
    return InsertRow(index, std::move(row));
}

int ListCtrl::InsertCallbackItem(int index, uintptr_t data) {
    Row row;
    row.textCallback = true;
    row.data = data;
    return InsertRow(index, std::move(row));
}

int ListCtrl::InsertRow(int index, Row row) {
    if (index < 0 || index > GetItemCount())
        index = GetItemCount();
    if (m_extendedStyle & LVS_EX_CHECKBOXES)
        row.state = 1u << 12;
    m_rows.insert(m_rows.begin() + index, std::move(row));
    if (m_selectionMark >= index)
        ++m_selectionMark;
    Notify(WindowChange::ItemInserted, static_cast<uintptr_t>(index));
    return index;
}

void ListCtrl::SetTextCallback(TextCallback callback) {
    m_textCallback = std::move(callback);
    Notify(WindowChange::Items);
}

std::wstring ListCtrl::RowText(const Row& row, int column) const {
    if (row.textCallback)
        return m_textCallback ? m_textCallback(row.data, column) : std::wstring();
    return column < static_cast<int>(row.texts.size()) ? row.texts[static_cast<size_t>(column)]
                                                       : std::wstring();
}

void ListCtrl::SetItemCount(int count) {
    if (count > 0)
        m_rows.reserve(static_cast<size_t>(count));
}

bool ListCtrl::DeleteItem(int row) {
    if (!IsRow(row))
        return false;
    NotifyItem(LVN_DELETEITEM, row, 0, {});
    m_rows.erase(m_rows.begin() + row);
    if (m_selectionMark == row)
        m_selectionMark = -1;
    else if (m_selectionMark > row)
        --m_selectionMark;
    if (m_topIndex >= GetItemCount())
        m_topIndex = std::max(GetItemCount() - 1, 0);
    Notify(WindowChange::ItemDeleted, static_cast<uintptr_t>(row));
    return true;
}

bool ListCtrl::DeleteAllItems() {
    NotifyItem(LVN_DELETEALLITEMS, -1, 0, {});
    m_rows.clear();
    m_selectionMark = -1;
    m_topIndex = 0;
    Notify(WindowChange::Items);
    return true;
}

bool ListCtrl::SetItemText(int row, int column, std::wstring text) {
    if (!IsRow(row) || column < 0 || (column > 0 && column >= GetColumnCount()))
        return false;
    Row& changed = m_rows[static_cast<size_t>(row)];
    if (changed.textCallback) {
        // From now on the row keeps texts of its own, beginning with those it showed.
        for (int shown = 0; shown < std::max(GetColumnCount(), 1); ++shown)
            changed.texts.push_back(RowText(changed, shown));
        changed.textCallback = false;
    }
    auto& texts = changed.texts;
    if (static_cast<int>(texts.size()) <= column)
        texts.resize(static_cast<size_t>(column) + 1);
    texts[static_cast<size_t>(column)] = std::move(text);
    Notify(WindowChange::ItemChanged, static_cast<uintptr_t>(row));
    return true;
}

std::wstring ListCtrl::GetItemText(int row, int column) const {
    if (!IsRow(row) || column < 0)
        return {};
    return RowText(m_rows[static_cast<size_t>(row)], column);
}

bool ListCtrl::SetItemData(int row, uintptr_t data) {
    if (!IsRow(row))
        return false;
    m_rows[static_cast<size_t>(row)].data = data;
    return true;
}

uintptr_t ListCtrl::GetItemData(int row) const {
    return IsRow(row) ? m_rows[static_cast<size_t>(row)].data : 0;
}

unsigned ListCtrl::GetItemState(int row, unsigned mask) const {
    return IsRow(row) ? m_rows[static_cast<size_t>(row)].state & mask : 0;
}

bool ListCtrl::SetItemState(int row, unsigned state, unsigned mask) {
    if (row == -1) {
        for (int each = 0; each < GetItemCount(); ++each)
            ChangeState(each, state, mask);
        return true;
    }
    return IsRow(row) && ChangeState(row, state, mask);
}

bool ListCtrl::ChangeState(int row, unsigned state, unsigned mask) {
    unsigned old = m_rows[static_cast<size_t>(row)].state;
    // One focused row at a time, as in Windows.
    if ((mask & LVIS_FOCUSED) && (state & LVIS_FOCUSED))
        for (int other = 0; other < GetItemCount(); ++other)
            if (other != row && (m_rows[static_cast<size_t>(other)].state & LVIS_FOCUSED))
                ChangeState(other, 0, LVIS_FOCUSED);
    unsigned updated = (old & ~mask) | (state & mask);
    if (updated == old)
        return true;
    if (NotifyItem(LVN_ITEMCHANGING, row, 0, {}, old, updated) != 0)
        return false;
    m_rows[static_cast<size_t>(row)].state = updated;
    Notify(WindowChange::ItemChanged, static_cast<uintptr_t>(row));
    NotifyItem(LVN_ITEMCHANGED, row, 0, {}, old, updated);
    return true;
}

bool ListCtrl::GetCheck(int row) const {
    return ((GetItemState(row, LVIS_STATEIMAGEMASK) >> 12) & 0xF) == 2;
}

bool ListCtrl::SetCheck(int row, bool checked) {
    return SetItemState(row, (checked ? 2u : 1u) << 12, LVIS_STATEIMAGEMASK);
}

int ListCtrl::GetNextItem(int start, unsigned flags) const {
    for (int row = std::max(start + 1, 0); row < GetItemCount(); ++row) {
        unsigned state = m_rows[static_cast<size_t>(row)].state;
        if (((flags & LVNI_SELECTED) && !(state & LVIS_SELECTED)) ||
            ((flags & LVNI_FOCUSED) && !(state & LVIS_FOCUSED)))
            continue;
        return row;
    }
    return -1;
}

unsigned ListCtrl::GetSelectedCount() const {
    return static_cast<unsigned>(std::count_if(m_rows.begin(), m_rows.end(), [](const Row& row) {
        return (row.state & LVIS_SELECTED) != 0;
    }));
}

int ListCtrl::SetSelectionMark(int row) {
    int previous = m_selectionMark;
    m_selectionMark = row;
    return previous;
}

uintptr_t ListCtrl::GetFirstSelectedItemPosition() const {
    int row = GetNextItem(-1, LVNI_SELECTED);
    return row < 0 ? 0 : static_cast<uintptr_t>(row) + 1;
}

int ListCtrl::GetNextSelectedItem(uintptr_t& position) const {
    int row = static_cast<int>(position) - 1;
    int next = GetNextItem(row, LVNI_SELECTED);
    position = next < 0 ? 0 : static_cast<uintptr_t>(next) + 1;
    return row;
}

LRESULT ListCtrl::NotifyItem(int code, int row, int column, Point point, unsigned oldState,
                             unsigned newState) {
    NMLISTVIEW notice;
    notice.iItem = row;
    notice.iSubItem = column;
    notice.ptAction = point;
    notice.uOldState = oldState;
    notice.uNewState = newState;
    notice.uChanged = (code == LVN_ITEMCHANGING || code == LVN_ITEMCHANGED) ? LVIF_STATE : 0;
    notice.lParam = IsRow(row) ? static_cast<LPARAM>(m_rows[static_cast<size_t>(row)].data) : 0;
    return NotifyParent(notice.hdr, code);
}

bool ListCtrl::SortItemsByText(int column, bool ascending) {
    if (column < 0 || column >= std::max(GetColumnCount(), 1))
        return false;
    auto textOf = [this, column](const Row& row) { return RowText(row, column); };
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const Row& a, const Row& b) {
        int order = text::CompareNoCase(textOf(a), textOf(b));
        return ascending ? order < 0 : order > 0;
    });
    m_selectionMark = GetNextItem(-1, LVNI_FOCUSED);
    Notify(WindowChange::Items);
    return true;
}

void ListCtrl::ClickHeader(int column) {
    NotifyItem(LVN_COLUMNCLICK, -1, column, {});
}

bool ListCtrl::SortItems(const CompareFunction& compare, LPARAM sortData) {
    if (!compare)
        return false;
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const Row& a, const Row& b) {
        return compare(static_cast<LPARAM>(a.data), static_cast<LPARAM>(b.data), sortData) < 0;
    });
    m_selectionMark = GetNextItem(-1, LVNI_FOCUSED);
    Notify(WindowChange::Items);
    return true;
}

} // namespace ui
