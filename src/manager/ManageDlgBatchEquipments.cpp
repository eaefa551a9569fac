// Batch creation of Equipments from the product-data database (122): an Equipment for each
// name chosen in the name-selection dialog, in the folder of the project node, with the two
// types every panel starts with and the chosen model as its "设备型号".

#include "drawing/DlgSelectName.h"
#include "drawing/EditOprt.h"
#include "manager/ManageDlg.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WaitCursor.h"
#include "suite/OvXmInfo/AllStyNameInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmSbInfo.h"
#include "suite/OvXmInfo/XmSbTreeNodeInfo.h"

namespace {

// The types a new panel starts with, by system name.
constexpr const wchar_t* kBatchTypes[] = {L"屏面布置图", L"屏端子图"};

// The word of a container that already stands at the base ("folder\name."), or null.
const wchar_t* ExistingContainerWord(const std::wstring& strBase) {
    if (fs::IsFile(strBase + CManageFileInfo::Getm_StrXmFileExt()))
        return L"项目";
    if (fs::IsFile(strBase + CManageFileInfo::Getm_StrSbFileExt()))
        return L"设备";
    return nullptr;
}

// The new Equipment's management file with its two types and, first of its description, the
// model. 0 when it cannot be written (the library has said why).
int WriteNewEquipment(const std::wstring& strFolder, const std::wstring& strModel,
                      ui::Window* pOwner) {
    CManageFileInfo manageFile;
    manageFile.SetPath_FileNameByFullPath(strFolder, 0);
    CAllStyNameInfo* pCatalogue = CManageFileInfo::Getm_AllStyNameInfo();
    for (const wchar_t* strSysName : kBatchTypes) {
        std::wstring strDisplay =
            pCatalogue ? pCatalogue->FindDisplayNameBySysName(strSysName) : L"";
        CFileStyleNodeInfo* pStyle = nullptr;
        manageFile.AddOneNewStyData(strDisplay.empty() ? strSysName : strDisplay, pOwner, pStyle);
    }
    if (!strModel.empty()) {
        auto& entries = manageFile.Getm_ExplainInfoArray();
        entries.insert(entries.begin(), CExplainInfoNode(L"设备型号", strModel));
    }
    return manageFile.WriteManageFile();
}

} // namespace

void CManageDlg::OnBatchCreateEquipments() {
    if (!m_CurSelInfo.m_pXmNode)
        return;
    std::wstring strProjectFolder =
        m_CurSelInfo.m_pXmNode->Getm_pManageFileInfo()->Getm_StrFullPathName();
    ui::CWaitCursor waitCursor;
    // One scope for the whole run: the lock and the busy flag go back on every way out.
    CCommandScope scope(*this);
    std::vector<std::wstring> arrNames;
    std::vector<std::wstring> arrModels;
    {
        CModuleResourceScope resources;
        CDlgSelectName dialog(this);
        dialog.m_bSelectXm = 0;
        dialog.m_bMultiSelect = 1;
        if (dialog.DoModal() != ui::IDOK)
            return;
        arrNames = dialog.m_arrResultNames;
        arrModels = dialog.m_arrResultModels;
    }
    for (size_t i = 0; i < arrNames.size(); ++i) {
        const std::wstring& strName = arrNames[i];
        // A name becomes a folder of the Project: "M1-12/630" would make a folder below another.
        if (!CXmSbInfo::CheckContainerName(strName, 0, this))
            continue;
        std::wstring strFolder = CEditOprt::JoinPath(strProjectFolder, strName);
        if (!fs::IsFolder(strFolder) && !fs::CreateFolders(strFolder)) {
            CEditOprt::ShowLastError(this);
            return;
        }
        if (const wchar_t* strWord =
                ExistingContainerWord(CEditOprt::JoinPath(strFolder, strName) + L".")) {
            ui::MessageBox(this,
                           text::Format(L"在%s\"%s\"的位置上，已经存在一个同名%s。", L"新建设备",
                                        strName, strWord),
                           L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
            continue;
        }
        if (!WriteNewEquipment(strFolder, i < arrModels.size() ? arrModels[i] : L"", this))
            continue;
        // The Project looks for its children again and shows the new Equipment selected.
        auto* pProject = static_cast<CXmSbTreeNodeInfo*>(
            CXmSbTreeNodeInfo::FindTreeDataNode(m_pRootNode.get(), strProjectFolder, L"", 0));
        if (!pProject)
            continue;
        pProject->Getm_pXmSbInfo()->ClearIsInvokedSearchXmSbFn();
        pProject->Getm_pXmSbInfo()->SearchVaildChildXmSbOneLevel(1);
        m_nSortFlag = 1;
        RefreshTree(0);
        m_nSortFlag = 0;
        CXmSbTreeNodeInfo::SerachAndSelectXmSbTreeNode(m_pRootNode.get(), strFolder);
    }
}
