#pragma once
// CFileSaveDlg: saving the current drawing into a Project ("SAVETOXM") or an Equipment
// ("SAVETOSB") of the current container. The user picks the target container and the drawing
// type in the trees, names the file (or takes the name from the title block) and adds a remark;
// Save writes the drawing in the 2010 format into the container's folder and enters it in the
// container's management file.
//
// While the dialog runs its trees are the management-file library's trees; the management
// window's are handed back on every way out.

#include "platform/ui/Dialog.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/TreeCtrl.h"

#include <memory>
#include <string>

class CManageFileInfo;
class CXmSbTreeNodeInfo;

class CFileSaveDlg : public ui::Dialog {
public:
    static constexpr int IDD = 114;
    static constexpr int IDC_XM_TREE = 124;
    static constexpr int IDC_SB_TREE = 125;
    static constexpr int IDC_OWNER_NAME = 131;
    static constexpr int IDC_FILE_NAME = 139;
    static constexpr int IDC_REMARK = 141;
    static constexpr int IDC_SAVE_PATH = 144;
    static constexpr int IDC_STYLE = 146;
    static constexpr int IDC_KIND_XM = 148;
    static constexpr int IDC_KIND_SB = 150;
    static constexpr int IDC_OTHER_STYLE = 152;
    static constexpr int IDC_CHOOSE_STYLE = 153;
    static constexpr int IDC_DRAWING_NAME = 173;
    static constexpr int IDC_STYLE_COMBO = 178;
    static constexpr int IDC_SAVE_TO_GROUP = 179;

    CFileSaveDlg(bool bXm, ui::Window* pParent = nullptr);
    ~CFileSaveDlg() override;

    std::wstring m_strFileName;
    std::wstring m_strRemark;
    std::wstring m_strSavePath;
    int m_bOtherStyle = 0;
    std::wstring m_strStyle;
    std::wstring m_strOwnerName;
    int m_nOwnerKind = 0; // 0 Project, 1 Equipment

protected:
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& exchange) override;
    bool OnCommand(int id, unsigned code) override;
    bool OnNotify(int id, ui::NMHDR& header, ui::LRESULT& result) override;
    void OnOK() override;
    bool OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                   ui::LRESULT& result) override;

private:
    void SetEquipmentLayout();
    // Loads the current container as the root node; false when there is none usable.
    bool LoadCurrentContainer();
    void FillStyleCombo();
    void OnTreeSelect(bool bXmTree);
    void OnXmTreeExpanded(ui::HTREEITEM hItem);
    void SetTarget(CXmSbTreeNodeInfo* pContainer);
    void OnChooseStyle();
    void OnDrawingNameFromTitle();
    void EnableSaveByName();
    // The checks made while the dialog can still take another answer: the running tools, the
    // file name and the target. False keeps the dialog open.
    bool CheckBeforeSaving();
    // Saves the drawing to the target and enters it in the target's management file.
    void SaveIntoContainer();
    void EnterIntoManageFile(const std::wstring& strFileName, const wchar_t* pKindWord);
    void GiveTreesBack();

    bool m_bXm;
    bool m_bErpMode = false;
    ui::TreeCtrl m_XmTreeCtrl;
    ui::TreeCtrl m_SbTreeCtrl;
    ui::ImageList m_ImageList;
    std::unique_ptr<CXmSbTreeNodeInfo> m_pRootNode;
    CManageFileInfo* m_pTargetFile = nullptr;
    // The management window's trees while the dialog's are the library's.
    ui::TreeCtrl* m_pWindowSbTree = nullptr;
    ui::TreeCtrl* m_pWindowXmTree = nullptr;
    bool m_bTreesTaken = false;
};
