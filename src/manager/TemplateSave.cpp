#include "manager/TemplateSave.h"

#include "drawing/EditOprt.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"
#include "server/MyFtpConnection.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"
#include "suite/OvXmInfo/XmComonPar.h"

namespace {

// The folder below the template folder in which a template is copied before it replaces the
// old one.
constexpr const wchar_t* kStagingFolder = L"~保存中";

bool AskOverwrite(ui::Window* pOwner, const wchar_t* strWord, const std::wstring& strName) {
    return ui::MessageBox(pOwner,
                          text::Format(L"在%s模板中已经存在一个同名%s“%s”，是否覆盖?", strWord,
                                       strWord, strName),
                          L"Tessaline", ui::MB_YESNO | ui::MB_ICONEXCLAMATION) == ui::IDYES;
}

// Copies the container into strStaged (a folder that does not exist yet): unchanged under its
// own folder name, else with the management file renamed after the new folder.
int CopyContainer(const std::wstring& strSource, const std::wstring& strStaged, int bIsXm,
                  ui::Window* pOwner) {
    if (!text::EqualsNoCase(CEditOprt::GetLastPathItem(strStaged),
                            CEditOprt::GetLastPathItem(strSource)))
        return g_XmComonPar.CopyAllFileToDestAndRenameManageFileName(strSource, strStaged, bIsXm,
                                                                     pOwner);
    std::wstring strParent = CEditOprt::GetParentPath(strStaged);
    std::wstring strCopied = CEditOprt::JoinPath(strParent, CEditOprt::GetLastPathItem(strSource));
    if (!fs::CreateFolders(strParent)) {
        CEditOprt::ShowLastError(pOwner);
        return 0;
    }
    if (!g_XmComonPar.CopyByShFileOperat(strSource, strParent, pOwner))
        return 0;
    // The name may differ in case only: the template takes the name as typed.
    return strCopied == strStaged ||
           g_XmComonPar.RenameByShFileOperat(strCopied, strStaged, pOwner);
}

} // namespace

int SaveContainerTemplateLocally(const std::wstring& strSource,
                                 const std::wstring& strTemplateFolder, const std::wstring& strName,
                                 int bIsXm, ui::Window* pOwner) {
    const wchar_t* strWord = bIsXm ? L"项目" : L"设备";
    std::wstring strTarget = CEditOprt::JoinPath(strTemplateFolder, strName);
    bool bReplace = fs::Exists(strTarget);
    if (bReplace && !AskOverwrite(pOwner, strWord, strName))
        return 0;
    std::wstring strStagingParent = CEditOprt::JoinPath(strTemplateFolder, kStagingFolder);
    std::wstring strStaged = CEditOprt::JoinPath(strStagingParent, strName);
    fs::DeleteTree(strStagingParent);
    int bDone = CopyContainer(strSource, strStaged, bIsXm, pOwner) &&
                (!bReplace || g_XmComonPar.DeleteByShFileOperat(strTarget, pOwner, 1)) &&
                g_XmComonPar.RenameByShFileOperat(strStaged, strTarget, pOwner);
    fs::DeleteTree(strStagingParent);
    return bDone;
}

int SaveContainerTemplateOnServer(const std::wstring& strSource, const std::wstring& strName,
                                  int bIsXm, ui::Window* pOwner) {
    const wchar_t* strWord = bIsXm ? L"项目" : L"设备";
    std::wstring strBase = bIsXm ? L"Template\\itms" : L"Template\\prjs";
    std::wstring strRemote = CEditOprt::JoinPath(strBase, strName);
    CMyFtpConnection connection;
    if (!connection.Connect())
        return 0;
    if (connection.ServerFolderExists(strRemote) && !AskOverwrite(pOwner, strWord, strName)) {
        connection.Disconnect();
        return 0;
    }
    std::wstring strStagingParent =
        CEditOprt::JoinPath(CEditOprt::JoinPath(GetInstallPath_TL(), L"TempFTP"), kStagingFolder);
    std::wstring strStaged = CEditOprt::JoinPath(strStagingParent, strName);
    fs::DeleteTree(strStagingParent);
    int bSent = CopyContainer(strSource, strStaged, bIsXm, pOwner) &&
                connection.SendFolderToServer(strBase, strRemote, strStaged) == 1;
    fs::DeleteTree(strStagingParent);
    connection.Disconnect();
    return bSent;
}
