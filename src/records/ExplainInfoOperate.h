#pragma once
// CExplainInfoOperate: the editor of description entries behind the two-column list of the
// creation and modification dialogs. It keeps the entries in order (row i of the list shows
// entry i) and runs add, modify and delete with the system's checks and messages; the dialog
// binds it to its list and supplies the entry dialog.

#include "suite/OvXmInfo/ExplainInfoNode.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {
class Window;
}

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
    // Changes the entry of a row through the entry dialog ("修改描述信息"). A result equal to
    // another entry is refused with "已经存在同样的描述信息。". Non-zero when it changed.
    int ModifyExplainInfo(int nRow, const EntryDialog& runEntryDialog);
    // Removes the entries of the rows; rows out of range are ignored. The number removed.
    int DeleteExplainInfo(std::vector<int> arrRows);
    // Appends, with the value " ", each non-empty title that no entry has yet (compared
    // without regard to case). The number appended.
    int AddDefaultTitles(const std::vector<std::wstring>& arrTitles);
    // The index of the first entry equal to the given one, or -1.
    int FindExplainInfo(const CExplainInfoNode& entry) const;

private:
    void Refuse(const wchar_t* strMessage) const;

    ui::Window* m_pOwner = nullptr;
    std::vector<CExplainInfoNode> m_ExplainInfoArray;
};
