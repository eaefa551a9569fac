#pragma once
// CDlgSelectName ("选择项目/设备名"): signs the user into the product-data database and lets
// them pick a project name, or one or several equipment names with their models, from the
// records the database keeps for that user. The creation and modification dialogs of Projects
// and Equipments run it through their "PDM库" button.
//
// The login last entered is kept in "Data\PdmDatabaseSettings4.txt" when "记住我?" is ticked,
// and tried when the dialog opens.

#include "platform/ui/Dialog.h"

#include <memory>
#include <string>
#include <vector>

class CPdmDatabase;

class CDlgSelectName : public ui::Dialog {
public:
    static constexpr int IDD = 240;
    static constexpr int IDC_NAME_LIST = 140;
    static constexpr int IDC_PASSWORD = 142;
    static constexpr int IDC_USER = 143;
    static constexpr int IDC_REMEMBER = 145;
    static constexpr int IDC_CONNECT = 147;

    explicit CDlgSelectName(ui::Window* pParent = nullptr);
    ~CDlgSelectName() override;

    // Set by the caller before DoModal: 1 a project name, 0 equipment names; several rows may
    // be chosen in equipment mode with m_bMultiSelect.
    int m_bSelectXm = 1;
    int m_bMultiSelect = 0;

    // The user signed in, and the results on IDOK.
    std::wstring m_strUser;
    std::wstring m_strResultName;
    std::wstring m_strResultModel;
    std::vector<std::wstring> m_arrResultNames;
    std::vector<std::wstring> m_arrResultModels;
    std::vector<std::wstring> m_arrUsers;
    std::wstring m_strMessage;

    // An equipment name from construction unit, model and cabinet number: "%s-%s-%s" trimmed of
    // blanks, then of "-", at both ends.
    static std::wstring EquipmentName(const std::wstring& strUnit, const std::wstring& strModel,
                                      const std::wstring& strNumber);

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, unsigned code) override;
    bool OnNotify(int id, ui::NMHDR& header, ui::LRESULT& result) override;

private:
    ui::ListCtrl* List() const { return GetDlgItemAs<ui::ListCtrl>(IDC_NAME_LIST); }
    void SetColumns();
    void OnConnect();
    // 1 when the login went through (the list is then filled).
    int Login(const std::wstring& strUser, const std::wstring& strPassword);
    void FillList();
    void Tell(const std::wstring& strMessage, unsigned icon);
    void FocusAndSelect(int id);

    std::unique_ptr<CPdmDatabase> m_pPdm;
};
