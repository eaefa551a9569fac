#pragma once
// The report-style list control model: a header of columns and rows of texts with state
// (selected, focused, check mark), item data and an optional picture. Changing a row's state,
// from code or by the user, sends LVN_ITEMCHANGING and LVN_ITEMCHANGED to the parent, as
// Windows does; clicks are handled as the list's own mouse messages, so that a list class
// built on this one (the in-place editing list) can act before and after the default
// handling. Rows have a fixed height below the header.

#include "platform/ui/Control.h"

#include <functional>
#include <vector>

namespace ui {

inline constexpr unsigned LVS_EX_GRIDLINES = 0x0001;
inline constexpr unsigned LVS_EX_CHECKBOXES = 0x0004;
inline constexpr unsigned LVS_EX_FULLROWSELECT = 0x0020;

inline constexpr unsigned LVIS_FOCUSED = 0x0001;
inline constexpr unsigned LVIS_SELECTED = 0x0002;
inline constexpr unsigned LVIS_STATEIMAGEMASK = 0xF000;
inline constexpr unsigned LVIF_STATE = 0x0008;

inline constexpr unsigned LVNI_ALL = 0x0000;
inline constexpr unsigned LVNI_FOCUSED = 0x0001;
inline constexpr unsigned LVNI_SELECTED = 0x0002;

inline constexpr int LVCFMT_LEFT = 0;
inline constexpr int LVCFMT_RIGHT = 1;
inline constexpr int LVCFMT_CENTER = 2;

inline constexpr int LVIR_BOUNDS = 0;
inline constexpr int LVIR_ICON = 1;
inline constexpr int LVIR_LABEL = 2;

inline constexpr unsigned LVHT_NOWHERE = 0x0001;
inline constexpr unsigned LVHT_ONITEMICON = 0x0002;
inline constexpr unsigned LVHT_ONITEMLABEL = 0x0004;
inline constexpr unsigned LVHT_ONITEMSTATEICON = 0x0008;
inline constexpr unsigned LVHT_ONITEM = LVHT_ONITEMICON | LVHT_ONITEMLABEL | LVHT_ONITEMSTATEICON;

struct LVHITTESTINFO {
    Point pt;
    unsigned flags = 0;
    int iItem = -1;
    int iSubItem = 0;
};

// LVN_ITEMCHANGED, LVN_COLUMNCLICK, NM_CLICK, NM_DBLCLK, NM_RCLICK (as NMITEMACTIVATE).
struct NMLISTVIEW {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
    unsigned uNewState = 0;
    unsigned uOldState = 0;
    unsigned uChanged = 0;
    Point ptAction;
    LPARAM lParam = 0;
};
using NMITEMACTIVATE = NMLISTVIEW;

struct NMLVKEYDOWN {
    NMHDR hdr;
    unsigned wVKey = 0;
    unsigned flags = 0;
};

// The header over a report list: its columns. A list class may put its own header class in
// place of the plain one (to draw sort arrows, say).
class HeaderCtrl {
public:
    struct Column {
        std::wstring text;
        int width = 0;
        int format = LVCFMT_LEFT;
        int sortArrow = 0; // 1 ascending, -1 descending, 0 none
    };

    virtual ~HeaderCtrl() = default;
    int GetItemCount() const { return static_cast<int>(m_columns.size()); }
    // In the list's client coordinates; false for an index out of range.
    bool GetItemRect(int index, Rect* rect) const;
    const Column* GetColumn(int index) const;
    Column* GetColumn(int index);
    std::vector<Column>& Columns() { return m_columns; }
    const std::vector<Column>& Columns() const { return m_columns; }
    int Height() const { return 20; }

private:
    std::vector<Column> m_columns;
};

class ListCtrl : public Control {
public:
    ListCtrl();

    HeaderCtrl* GetHeaderCtrl() const { return m_header; }
    // Takes `header` as the list's header from now on, with the columns it has.
    void SubclassHeader(HeaderCtrl& header);

    // Columns.
    int InsertColumn(int column, const std::wstring& heading, int format = LVCFMT_LEFT,
                     int width = -1);
    bool DeleteColumn(int column);
    int GetColumnCount() const { return m_header->GetItemCount(); }
    int GetColumnWidth(int column) const;
    bool SetColumnWidth(int column, int width);
    unsigned GetExtendedStyle() const { return m_extendedStyle; }
    // The style that was set before.
    unsigned SetExtendedStyle(unsigned style);

    // Rows.
    int InsertItem(int index, const std::wstring& text, int image = -1);
    // A row whose texts the owner gives when they are asked for, as for an item inserted with
    // LPSTR_TEXTCALLBACK: the list keeps none of them. A list of ten thousand drawings would
    // otherwise hold a copy of every path. Setting a text gives the row texts of its own.
    int InsertCallbackItem(int index, uintptr_t data);
    // The owner's texts of callback rows, by the row's item data and the column.
    using TextCallback = std::function<std::wstring(uintptr_t data, int column)>;
    void SetTextCallback(TextCallback callback);
    // Makes room for that many rows before a list is filled, as CListCtrl::SetItemCount does
    // for a list that is not virtual: the rows themselves are still inserted one by one.
    void SetItemCount(int count);
    bool DeleteItem(int row);
    bool DeleteAllItems();
    int GetItemCount() const { return static_cast<int>(m_rows.size()); }
    bool IsRow(int row) const { return row >= 0 && row < GetItemCount(); }
    bool SetItemText(int row, int column, std::wstring text);
    std::wstring GetItemText(int row, int column) const;
    bool SetItemData(int row, uintptr_t data);
    uintptr_t GetItemData(int row) const;
    int GetItemImage(int row) const {
        return IsRow(row) ? m_rows[static_cast<size_t>(row)].image : -1;
    }

    // State; row -1 changes every row.
    unsigned GetItemState(int row, unsigned mask) const;
    bool SetItemState(int row, unsigned state, unsigned mask);
    bool GetCheck(int row) const;
    bool SetCheck(int row, bool checked = true);
    int GetNextItem(int start, unsigned flags) const;
    unsigned GetSelectedCount() const;
    int GetSelectionMark() const { return m_selectionMark; }
    int SetSelectionMark(int row);
    // Positions count from 1; 0 ends the walk.
    uintptr_t GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(uintptr_t& position) const;

    // Layout, in client pixels.
    int GetRowHeight() const { return 17; }
    int GetTopIndex() const { return m_topIndex; }
    int GetCountPerPage() const;
    bool EnsureVisible(int row, bool partialOk);
    bool GetItemRect(int row, Rect* rect, int code) const;
    bool GetSubItemRect(int row, int column, int code, Rect* rect) const;
    int HitTest(Point point, unsigned* flags = nullptr) const;
    int SubItemHitTest(LVHITTESTINFO* info) const;

    // Sorts the rows by their item data through the function.
    using CompareFunction = std::function<int(LPARAM data1, LPARAM data2, LPARAM sortData)>;
    bool SortItems(const CompareFunction& compare, LPARAM sortData);
    // Sorts the rows by a column's text, without regard to case; rows keep their data.
    bool SortItemsByText(int column, bool ascending);

    // Tells the parent the user clicked a column header (LVN_COLUMNCLICK).
    void ClickHeader(int column);

    LRESULT WindowProc(unsigned message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Row {
        std::vector<std::wstring> texts;
        int image = -1;
        unsigned state = 0;
        uintptr_t data = 0;
        bool textCallback = false;
    };
    int InsertRow(int index, Row row);
    std::wstring RowText(const Row& row, int column) const;
    bool ChangeState(int row, unsigned state, unsigned mask);
    LRESULT NotifyItem(int code, int row, int column, Point point, unsigned oldState = 0,
                       unsigned newState = 0);
    void OnButtonDown(Point point, bool right, bool control);
    void OnKeyDown(unsigned key);
    int StateIconWidth() const { return (m_extendedStyle & LVS_EX_CHECKBOXES) ? 16 : 0; }

    HeaderCtrl m_plainHeader;
    HeaderCtrl* m_header;
    std::vector<Row> m_rows;
    TextCallback m_textCallback;
    unsigned m_extendedStyle = 0;
    int m_selectionMark = -1;
    int m_topIndex = 0;
};

} // namespace ui
