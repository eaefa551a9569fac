#include "suite/OvXmInfo/XmComonPar.h"

#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/text/TextFile.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmInfoPath.h"

CXmComonPar g_XmComonPar;

void CXmComonPar::SetTessalInstallPath(const std::wstring& strCommonResFolder,
                                       const std::wstring& strLocalFolder) {
    m_strCommonResFolder = strCommonResFolder;
    m_strLocalFolder = strLocalFolder;
}

std::wstring CXmComonPar::Getm_StrXmTemplatePath() const {
    return xmpath::Join(m_strCommonResFolder, L"Template\\itms\\");
}

std::wstring CXmComonPar::Getm_StrSbTemplatePath() const {
    return xmpath::Join(m_strCommonResFolder, L"Template\\prjs\\");
}

std::wstring CXmComonPar::Getm_StrStandardDwgPath() const {
    return xmpath::Join(m_strCommonResFolder, L"StandardDwg\\");
}

std::wstring CXmComonPar::Getm_StrRecentPathName() const {
    return xmpath::Join(GetInstallPath_TL(), L"Data\\recent.dat");
}

std::wstring CXmComonPar::Getm_StrDefaultPathName() const {
    return xmpath::Join(GetInstallPath_TL(), L"Data\\default.dat");
}

int CXmComonPar::WriteCurrentXmOrSbNameToFile(const std::wstring& strManageFilePathName,
                                              int bIsXm) {
    std::wstring strFile = bIsXm ? Getm_StrRecentPathName() : Getm_StrDefaultPathName();
    return text::WriteTextFile(strFile, strManageFilePathName) ? 1 : 0;
}

int CXmComonPar::DeleteRecentDatOrDefaultDatFile(int bIsXm, ui::Window*) {
    std::wstring strFile = bIsXm ? Getm_StrRecentPathName() : Getm_StrDefaultPathName();
    if (fs::Exists(strFile))
        fs::DeleteFile(strFile);
    return fs::Exists(strFile) ? 0 : 1;
}

void CXmComonPar::Setm_StrWebPubManageFilePathName(const std::wstring& strPath,
                                                   const std::wstring& strInvoker) {
    m_strWebPubManageFile = strPath;
    m_strWebPubInvoker = strInvoker;
}

int CXmComonPar::CopyAllFileToDestAndRenameManageFileName(const std::wstring& strTemplateFolder,
                                                          const std::wstring& strNewFolder,
                                                          int bIsXm, ui::Window* pWnd) {
    std::wstring strExt =
        bIsXm ? CManageFileInfo::Getm_StrXmFileExt() : CManageFileInfo::Getm_StrSbFileExt();
    std::wstring strTemplate = text::TrimRight(strTemplateFolder, L"\\");
    std::wstring strTarget = text::TrimRight(strNewFolder, L"\\");
    std::wstring strTemplateFile =
        xmpath::Join(strTemplate, xmpath::LastItem(strTemplate) + L"." + strExt);
    if (!fs::IsFile(strTemplateFile)) {
        ui::MessageBox(pWnd,
                       text::Format(L"模板“%s”中没有%s管理文件“%s”。", strTemplate,
                                    bIsXm ? L"项目" : L"设备", xmpath::LastItem(strTemplateFile)),
                       L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return 0;
    }
    if (!fs::IsFolder(strTarget) && !fs::CreateFolders(strTarget)) {
        ui::MessageBox(pWnd, fs::ErrorText(fs::LastError()), L"Tessaline",
                       ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return 0;
    }
    std::vector<std::wstring> arrEntries = fs::FindMatches(xmpath::Join(strTemplate, L"*"));
    if (!arrEntries.empty() &&
        !CopyByShFileOperat(GenStringForShFileOp(arrEntries), strTarget, pWnd))
        return 0;
    std::wstring strCopied = xmpath::Join(strTarget, xmpath::LastItem(strTemplateFile));
    std::wstring strRenamed = xmpath::Join(strTarget, xmpath::LastItem(strTarget) + L"." + strExt);
    if (strCopied == strRenamed)
        return 1;
    return RenameByShFileOperat(strCopied, strRenamed, pWnd);
}
