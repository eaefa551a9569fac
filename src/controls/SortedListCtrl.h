#pragma once
// CSortedListCtrl: the report list of the description dialogs, whose cells are edited in place
// and whose rows sort by a click on a column header (CSortedHeaderCtrl draws the arrow).
//
// Columns are read-only, edited with an edit field, or edited with a combo box whose choices
// the parent supplies. The list and its parent speak through messages:
//   0x465 (row, 0), posted: a click in the check zone of column 0 (its first 16 pixels);
//   0x466 (row, column): a combo cell is about to be edited, fill the choice array;
//   0x467 (list, list): a combo value was committed to the current cell.

#include "controls/ListCtrlEditors.h"
#include "platform/ui/ListCtrl.h"

#include <string>
#include <vector>

inline constexpr unsigned WM_LIST_CHECKCLICK = ui::WM_USER + 0x65;  // 0x465
inline constexpr unsigned WM_LIST_FILLCHOICES = ui::WM_USER + 0x66; // 0x466
inline constexpr unsigned WM_LIST_COMBOCOMMIT = ui::WM_USER + 0x67; // 0x467

class CSortedHeaderCtrl : public ui::HeaderCtrl {
public:
    // Shows the arrow on one column (the others lose theirs).
    void SetSortArrow(int nColumn, bool bAscending);
};

class CSortedListCtrl : public ui::ListCtrl {
public:
    // The editors get the list's id plus these, so that scripts can name them.
    static constexpr int kEditIdOffset = 10000;
    static constexpr int kComboIdOffset = 20000;
    // The check zone at the left of column 0.
    static constexpr int kCheckZoneWidth = 16;

    CSortedListCtrl();

    void SetEditColumns(std::vector<int> arrColumns) { m_arrEditColumns = std::move(arrColumns); }
    void SetComboColumns(std::vector<int> arrColumns) { m_arrComboColumns = std::move(arrColumns); }
    // 0 edit field, 1 combo box, -1 read-only; the edit columns are looked at first.
    int GetColumnEditor(int nColumn) const;

    // Filled by the parent on 0x466.
    std::vector<std::wstring>& Getm_ChoiceArray() { return m_arrChoices; }
    int Getm_nCurRow() const { return m_nCurRow; }
    int Getm_nCurCol() const { return m_nCurCol; }
    CMyListCtrlEdit* GetEditField() const { return m_pEdit; }
    CListCtrlComboBox* GetComboBox() const { return m_pCombo; }

    // Ends any edit in progress: an editor's changed text goes into the current cell.
    void FinishEditing();
    // Sorting by a header click; lists whose rows stand for entries by position turn it off.
    void EnableSorting(bool bSortable) { m_bSortable = bSortable; }

    bool DestroyWindow() override;

    ui::LRESULT WindowProc(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam) override;
    bool OnChildNotify(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                       ui::LRESULT* result) override;

private:
    void OnLButtonDown(ui::WPARAM wParam, ui::LPARAM lParam);
    void CreateEditors();
    // Places the column's editor over the current cell (asking the parent for a combo's
    // choices); a read-only column ends the editing.
    void BeginEditingCurrentCell();
    void HideEditors();
    void ResetCurrentCell();
    void MoveEditing(int nStep);
    void SortByColumn(int nColumn);

    CSortedHeaderCtrl m_header;
    std::vector<int> m_arrEditColumns;
    std::vector<int> m_arrComboColumns;
    std::vector<std::wstring> m_arrChoices;
    int m_nCurRow = -1;
    int m_nCurCol = -1;
    CMyListCtrlEdit* m_pEdit = nullptr;
    CListCtrlComboBox* m_pCombo = nullptr;
    bool m_bSortable = true;
    int m_nSortColumn = -1;
    bool m_bSortAscending = true;
};
