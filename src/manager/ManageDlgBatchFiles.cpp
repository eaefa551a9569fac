// Command 268 of the management window: the drawing selection dialog on the open container.

#include "drawing/ContainerDrawings.h"
#include "drawing/EditOprt.h"
#include "frame/ManageGlobals.h"
#include "manager/DwgSelectDlg.h"
#include "manager/ManageDlg.h"
#include "platform/text/WideString.h"
#include "store/FileStyleList.h"

void CManageDlg::OnBatchFileManage() {
    if (m_strOpenManageFile.empty())
        return;
    std::wstring strPath = m_strOpenManageFile;
    std::vector<std::wstring> arrDrawings;
    CollectContainerDrawings(strPath, arrDrawings);
    std::vector<STRUCT_XMSB_FILESTYLE> arrStyles;
    ReadFileStyleList(arrStyles);
    int nIsXm = text::EqualsNoCase(CEditOprt::GetExtension(strPath), L"itm") ? 1 : 0;
    int nResult;
    bool bChanged;
    {
        CDocumentLockScope lock;
        CBusyScope busy(*this);
        CModuleResourceScope resources;
        CDwgSelectDlg dialog(nIsXm, strPath, std::move(arrStyles), std::move(arrDrawings), this);
        nResult = dialog.DoModal();
        bChanged = dialog.Getm_bChanged();
    }
    // Deleted and moved drawings show in the trees also when the dialog was cancelled.
    if (nResult != ui::IDOK && !bChanged)
        return;
    if (OpenManageFile(strPath))
        RefreshTree(1);
}
