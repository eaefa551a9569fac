#pragma once
// CExplainInfoOperate: the editor of description entries behind the two-column list of the
// creation and modification dialogs. It keeps the entries in order (row i of the list shows
// entry i, and carries i as its item data) and runs add, modify and delete with the system's
// checks and messages, on the entries and on the list the dialog binds to it. The entry dialog
// is COneInfoDlg unless the caller supplies another.

#include "suite/OvXmInfo/ExplainInfoNode.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {
class ListCtrl;
class Window;
} // namespace ui

class CExplainInfoOperate {
public:
    // The column headers of the list, also the labels of the entry dialog.
    static constexpr const wchar_t* kTitleHeader = L"标题";
    static constexpr const wchar_t* kValueHeader = L"具体内容";

    // Runs the entry dialog with a caption, preset with title and value; non-zero on OK, with
    // the entered title and value handed back.
    using EntryDialog = std::function<int(const std::wstring& strCaption, std::wstring& strTitle,
                                          std::wstring& strValue)>;

    explicit CExplainInfoOperate(ui::Window* pOwner = nullptr) : m_pOwner(pOwner) {}

    // Binds the list and sets it up: full-row selection with grid lines, column 0 "标题" a
    // third of the list's width, column 1 "具体内容" two thirds less 25 pixels. A list that
    // sorts by header clicks stops doing so, as rows stand for entries by position.
    void SetListCtrl(ui::ListCtrl* pList);
    ui::ListCtrl* GetListCtrl() const { return m_pList; }
    // Shows every entry as a row (title, value trimmed on both sides), then makes the row
    // visible.
    void Fill(int nRowToShow = 0);
    // The entry dialog COneInfoDlg, with the list's column headers as its labels.
    EntryDialog OneInfoEntryDialog() const;

    void SetExplainInfoArray(const std::vector<CExplainInfoNode>& entries) {
        m_ExplainInfoArray = entries;
    }
    const std::vector<CExplainInfoNode>& Getm_ExplainInfoArray() const {
        return m_ExplainInfoArray;
    }

    // Adds an entry through the entry dialog ("添加描述信息"), or a prepared one. An entry
    // without title is refused with "描述信息不完整，加入失败", an entry equal to one there
    // with "已经存在同样的描述信息，不能加入。". Non-zero when it was appended.
    int AddExplainInfo(const EntryDialog& runEntryDialog);
    int AddExplainInfo(const CExplainInfoNode& entry);
    int AddExplainInfo() { return AddExplainInfo(OneInfoEntryDialog()); }
    // Changes the entry of a row through the entry dialog ("修改描述信息"). A result equal to
    // another entry is refused with "已经存在同样的描述信息。". Non-zero when it changed.
    int ModifyExplainInfo(int nRow, const EntryDialog& runEntryDialog);
    // The same on the first selected row of the list.
    int ModifyExplainInfo() { return ModifyExplainInfo(FirstSelectedRow(), OneInfoEntryDialog()); }
    // Removes the entries of the rows; rows out of range are ignored. The number removed.
    int DeleteExplainInfo(std::vector<int> arrRows);
    // The same on the selected rows of the list.
    int DeleteExplainInfo();
    // Appends, with the value " ", each non-empty title that no entry has yet (compared
    // without regard to case). The number appended.
    int AddDefaultTitles(const std::vector<std::wstring>& arrTitles);
    // The index of the first entry equal to the given one, or -1.
    int FindExplainInfo(const CExplainInfoNode& entry) const;

private:
    void Refuse(const wchar_t* strMessage) const;
    int FirstSelectedRow() const;
    void ShowRow(int nRow);
    void SetRow(int nRow);

    ui::Window* m_pOwner = nullptr;
    ui::ListCtrl* m_pList = nullptr;
    std::vector<CExplainInfoNode> m_ExplainInfoArray;
};
