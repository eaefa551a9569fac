#pragma once
// CCreatXmSbDlg ("新建项目" / "新建设备"): a new Project or Equipment inside a Project. The name
// is typed, picked from the product-data library or built from the description by a naming
// scheme; the description starts from the default titles and the parent's values; a template
// of the kind may be copied. OK runs create::CreatXmSb (CreatXmSbRules.h), which checks
// everything before it makes anything; the dialog stays open when it refuses.
//
// The management window refreshes its trees after OK and selects the new container
// (Getm_strNewFolder).

#include "controls/SortedListCtrl.h"
#include "platform/ui/Dialog.h"
#include "records/CreatXmSbRules.h"
#include "records/ExplainInfoOperate.h"

#include <memory>
#include <string>
#include <vector>

class COperateMdb;

class CCreatXmSbDlg : public ui::Dialog {
public:
    static constexpr int IDD = 110;
    static constexpr int IDC_PROMPT = 130;
    static constexpr int IDC_NAME = 131;
    static constexpr int IDC_PARENT_LINE = 132;
    static constexpr int IDC_LOCATION_LINE = 133;
    static constexpr int IDC_EXPLAIN_LIST = 149;
    static constexpr int IDC_NAMING = 151;
    static constexpr int IDC_NAMING_LABEL = 152;
    static constexpr int IDC_FROM_TEMPLATE_LABEL = 154;
    static constexpr int IDC_FROM_TEMPLATE_YES = 155;
    static constexpr int IDC_FROM_TEMPLATE_NO = 156;
    static constexpr int IDC_CHOOSE_TEMPLATE = 157;
    static constexpr int IDC_TEMPLATES = 180;
    static constexpr int IDC_TEMPLATES_LABEL = 181;
    static constexpr int IDC_PDM = 185;
    static constexpr int IDC_USE_TEMPLATE = 186;
    static constexpr int IDC_SERVER_TEMPLATES = 187;
    static constexpr int IDC_EXPLAIN_LABEL = 189;
    // The history keys: naming scheme, "使用模板", "服务器端模板", each for a Project and for
    // an Equipment.
    static constexpr int kHistoryXmNaming = 88;
    static constexpr int kHistorySbNaming = 89;
    static constexpr int kHistoryXmUseTemplate = 90;
    static constexpr int kHistorySbUseTemplate = 91;
    static constexpr int kHistoryXmServerTemplates = 92;
    static constexpr int kHistorySbServerTemplates = 93;
    static constexpr uintptr_t kNamingTimer = 1;

    // A new container of the kind (bIsXm: a Project) in the Project whose folder is given.
    CCreatXmSbDlg(std::wstring strParentFolder, int bIsXm, ui::Window* pParent = nullptr);
    ~CCreatXmSbDlg() override;

    // After IDOK: the new container's folder.
    const std::wstring& Getm_strNewFolder() const { return m_strNewFolder; }
    // The template folder a file chosen through "选择模板" named (creation takes the list's).
    const std::wstring& Getm_strChosenTemplateFolder() const { return m_strChosenTemplateFolder; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnTimer(uintptr_t id) override;
    bool OnCommand(int id, unsigned code) override;
    bool OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                   ui::LRESULT& result) override;

private:
    ui::Edit* NameEdit() const { return GetDlgItemAs<ui::Edit>(IDC_NAME); }
    ui::ComboBox* Naming() const { return GetDlgItemAs<ui::ComboBox>(IDC_NAMING); }
    ui::ComboBox* Templates() const { return GetDlgItemAs<ui::ComboBox>(IDC_TEMPLATES); }
    bool IsTicked(int id) const { return IsDlgButtonChecked(id) == ui::BST_CHECKED; }
    bool IsCustomNaming() const;
    void ShowKind();
    void RestoreHistory();
    void RememberHistory();
    void OnNameChanged();
    void OnNamingChanged();
    void ApplyNaming();
    void RefreshTemplates();
    void EnableTemplateControls();
    void OnFromTemplate(bool bYes);
    void ChooseTemplateFile();
    void OnPdm();
    void OfferWords(int nRow);

    std::wstring m_strParentFolder;
    int m_bIsXm;
    CSortedListCtrl m_List;
    CExplainInfoOperate m_editor;
    std::vector<create::CContainerTemplate> m_arrTemplates;
    std::wstring m_strChosenTemplateFolder;
    std::wstring m_strModel;
    // The word dictionary, opened on the first suggestion and kept for the dialog's life; one
    // that cannot be opened is not tried again.
    std::unique_ptr<COperateMdb> m_pOperateMdb;
    bool m_bDictionaryTried = false;
    std::wstring m_strNewFolder;
};
