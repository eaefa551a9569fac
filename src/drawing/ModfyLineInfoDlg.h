#pragma once
// CModfyLineInfoDlg: the wire list of a Project or Equipment ("OrvaneLineInfo.xml" in its
// folder), shown as a list to add to, change, delete from and reorder by dragging; OK writes it.

#include "drawing/DefaultLineData.h"
#include "drawing/XmlDataOprt.h"
#include "platform/ui/Dialog.h"

#include <memory>
#include <string>
#include <vector>

class CManageFileInfo;

class CModfyLineInfoDlg : public ui::Dialog {
public:
    static constexpr int IDD = 232;
    static constexpr int IDC_NAME_LABEL = 164;
    static constexpr int IDC_NAME = 165;
    static constexpr int IDC_LINE_LIST = 159;
    static constexpr int IDC_ADD = 160;
    static constexpr int IDC_MODIFY = 161;
    static constexpr int IDC_DELETE = 163;
    static constexpr const wchar_t* kFileName = L"OrvaneLineInfo.xml";

    // The container's management file is not owned.
    explicit CModfyLineInfoDlg(CManageFileInfo* pManageFileInfo, ui::Window* pParent = nullptr);

    // The rows as they stand, in list order.
    std::vector<STRUCT_LINEITEM> GetRowItems() const;
    const std::wstring& Getm_strXmlPathName() const { return m_strXmlPathName; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, unsigned code) override;
    bool OnNotify(int id, ui::NMHDR& header, ui::LRESULT& result) override;
    // The mouse messages of a drag of rows.
    bool OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                   ui::LRESULT& result) override;

private:
    ui::ListCtrl* List() const { return GetDlgItemAs<ui::ListCtrl>(IDC_LINE_LIST); }
    void FillList();
    int AppendRow(const STRUCT_LINEITEM& item);
    void SetRow(int nRow, const STRUCT_LINEITEM& item);
    // Distinct values (without regard to case) of a column of all rows.
    std::vector<std::wstring> ColumnChoices(int nColumn) const;
    void OnAdd();
    void OnModify();
    void OnDelete();
    // Moves the rows being dragged before the row at the point (list client coordinates), or
    // to the end below the last row.
    void DropRows(ui::Point ptInList);

    CManageFileInfo* m_pManageFileInfo;
    std::wstring m_strXmlPathName;
    std::wstring m_strDirName;
    std::vector<std::wstring> m_arrStyles;
    CDefaultLineData m_defaults;
    // Each row's item (row data), owned here.
    std::vector<std::unique_ptr<STRUCT_LINEITEM>> m_arrRowItems;
    // A file that is there but could not be read: replacing it needs the user's word.
    std::wstring m_strReadError;
    // Drag state: whether rows are being dragged.
    bool m_bDragging = false;
};
