#pragma once
// CDlgInfoTable: the eleven entries of an Equipment's information table, their values edited in
// place with words from the word dictionary. OK stores the values back into the Equipment's
// description, keeps them for the drawing command and starts "CREATEINFOTABLE", which draws the
// table and lets the user place it.

#include "controls/SortedListCtrl.h"
#include "platform/ui/Dialog.h"
#include "records/ExplainInfoOperate.h"

#include <memory>

class CManageFileInfo;
class COperateMdb;

class CDlgInfoTable : public ui::Dialog {
public:
    static constexpr int IDD = 115;
    static constexpr int IDC_PARAMETERS = 100;
    static constexpr int IDC_ENTRY_LIST = 159;

    CDlgInfoTable(CManageFileInfo* pManageFileInfo, ui::Window* pParent = nullptr);
    ~CDlgInfoTable() override;

    // The entries as the list shows them.
    const std::vector<CExplainInfoNode>& GetEntries() const {
        return m_editor.Getm_ExplainInfoArray();
    }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code) override;
    void OnOK() override;
    bool OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                   ui::LRESULT& result) override;

private:
    void OfferWords(int nRow);
    bool WriteDescription();

    CManageFileInfo* m_pManageFileInfo;
    CSortedListCtrl m_List;
    CExplainInfoOperate m_editor;
    std::unique_ptr<COperateMdb> m_pOperateMdb;
};
