// Save as template (206): the selected Project or Equipment becomes a container template,
// locally or on the server, under a name the user gives it (TemplateSave.h).

#include "drawing/EditOprt.h"
#include "manager/InputNameDlg.h"
#include "manager/ManageDlg.h"
#include "manager/TemplateSave.h"
#include "platform/cad/CommandLine.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WaitCursor.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmComonPar.h"
#include "suite/OvXmInfo/XmSbInfo.h"
#include "suite/OvXmInfo/XmSbTreeNodeInfo.h"

void CManageDlg::OnSaveAsTemplate() {
    int nKind = GetCurTessalInstallStyle();
    int nAnswer = ui::IDNO;
    if (nKind == 1) {
        nAnswer = ui::MessageBox(this,
                                 L"是(Y): 保存模板在服务器端;\n否(N): 保存模板在本地;\n取 消: "
                                 L"放弃保存模板;",
                                 L"Tessaline", ui::MB_YESNOCANCEL | ui::MB_ICONQUESTION);
        if (nAnswer == ui::IDCANCEL)
            return;
    }
    CManageFileInfo* pSource = nullptr;
    if (m_CurSelInfo.m_nTreeUsed == 1 && m_CurSelInfo.m_pXmNode)
        pSource = m_CurSelInfo.m_pXmNode->Getm_pManageFileInfo();
    else if (m_CurSelInfo.m_nTreeUsed == 0 && m_CurSelInfo.m_nSbKind == 1 && m_CurSelInfo.m_pSbNode)
        pSource = static_cast<CXmSbTreeNodeInfo*>(m_CurSelInfo.m_pSbNode)->Getm_pManageFileInfo();
    if (!pSource)
        return;
    int bIsXm = pSource->Getm_IsXmManageFile();
    std::wstring strSource = pSource->Getm_StrFullPathName();
    std::wstring strTemplateFolder =
        bIsXm ? g_XmComonPar.Getm_StrXmTemplatePath() : g_XmComonPar.Getm_StrSbTemplatePath();
    if (nKind == 1 && nAnswer == ui::IDNO) {
        std::wstring strCommon = GetTessalCommonResInstallPath();
        strTemplateFolder = CEditOprt::JoinPath(GetTessalLocalInstallPath(),
                                                strTemplateFolder.substr(strCommon.size()));
    } else if (nKind == 2) {
        acutPrintf(L"普通客户端没有保存至服务器的权限！\nCommand:");
        return;
    }
    const wchar_t* strWord = bIsXm ? L"项目" : L"设备";
    CCommandScope scope(*this);
    std::wstring strName;
    {
        CModuleResourceScope resources;
        CInputNameDlg dialog(text::Format(L"请输入保存的模板%s名称", strWord), this);
        dialog.m_strLabel = L"模板名称";
        dialog.m_strName = pSource->Getm_StrDirName();
        if (dialog.DoModal() != ui::IDOK)
            return;
        strName = text::Trim(dialog.m_strName);
    }
    // The name becomes a folder below the template folder: "..\..\Data" would replace another.
    if (!CXmSbInfo::CheckContainerName(strName, bIsXm, this))
        return;
    ui::CWaitCursor waitCursor;
    int bSaved =
        nKind == 1 && nAnswer == ui::IDYES
            ? SaveContainerTemplateOnServer(strSource, strName, bIsXm, this)
            : SaveContainerTemplateLocally(strSource, strTemplateFolder, strName, bIsXm, this);
    if (!bSaved)
        return;
    std::wstring strDone = strWord;
    strDone += L"“";
    strDone += strName;
    strDone += L"”已成功保存为模板";
    ui::MessageBox(this, strDone, L"Tessaline", ui::MB_OK | ui::MB_ICONINFORMATION);
}
