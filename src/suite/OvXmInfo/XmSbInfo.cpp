#include "suite/OvXmInfo/XmSbInfo.h"

#include "platform/fs/FileIo.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/LogicalPath.h"
#include "platform/text/Format.h"
#include "platform/text/Utf8.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"
#include "suite/OvXmInfo/XmInfoPath.h"

#include <algorithm>
#include <filesystem>

namespace {

// The management file of a child folder: S\S.itm for a sub-Project, else S\S.prj for an
// Equipment; "" when the folder holds neither. The names as the library writes them are looked
// at directly; only when neither is there is the folder searched for them in another case.
std::wstring FindChildManageFile(const std::wstring& strFolder) {
    std::wstring strName = xmpath::LastItem(strFolder);
    const std::wstring arrNames[] = {strName + L"." + CManageFileInfo::Getm_StrXmFileExt(),
                                     strName + L"." + CManageFileInfo::Getm_StrSbFileExt()};
    // The folder was just listed, so its path is taken as written; when that misses (the
    // Project's own path in another case) the search below still finds the file.
    std::filesystem::path native = fs::ToNative(strFolder);
    std::error_code error;
    for (const std::wstring& strFile : arrNames)
        if (std::filesystem::is_regular_file(native / text::ToUtf8(strFile), error))
            return xmpath::Join(strFolder, strFile);
    std::vector<std::wstring> arrEntries =
        fs::FindMatches(xmpath::Join(strFolder, L"*"), fs::EntryKind::Files);
    for (const std::wstring& strFile : arrNames)
        for (const std::wstring& strEntry : arrEntries)
            if (text::EqualsNoCase(xmpath::LastItem(strEntry), strFile))
                return strEntry;
    return {};
}

void ShowRefusal(ui::Window* pWnd, const std::wstring& strMessage) {
    ui::MessageBox(pWnd, strMessage, L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

} // namespace

int CXmSbInfo::SetPrimerInfoByInputManageFilePathName(const std::wstring& strManageFilePathName) {
    m_ChildXmSbArray.clear();
    m_bIsInvokedSearchXmSb = 0;
    return m_ManageFileInfo.ReadManageFile(strManageFilePathName);
}

int CXmSbInfo::SearchVaildChildXmSbOneLevel(int bOnlyOnce) {
    if (!IsXmOfThisNode())
        return 0;
    if (bOnlyOnce && m_bIsInvokedSearchXmSb)
        return static_cast<int>(m_ChildXmSbArray.size());
    m_bIsInvokedSearchXmSb = 1;
    // A first search reads each child's management file under the names the library writes,
    // without a look of its own first whether it is there, and from this folder held open: a
    // Project of hundreds of Equipments is read with as few lookups as can be. A repeated
    // search keeps the children it already has.
    bool bFirstSearch = m_ChildXmSbArray.empty();
    const std::wstring& strOwnFolder = m_ManageFileInfo.Getm_StrFullPathName();
    fs::ReadsBelowFolder reads(strOwnFolder);
    std::vector<std::unique_ptr<CXmSbInfo>> arrChildren;
    for (const std::wstring& strFolder :
         fs::FindMatches(xmpath::Join(strOwnFolder, L"*"), fs::EntryKind::Folders)) {
        auto pChild = std::make_unique<CXmSbInfo>();
        int nRead = bFirstSearch ? pChild->ReadManageFileAsNamed(strFolder) : -1;
        if (nRead < 0) {
            std::wstring strManageFile = FindChildManageFile(strFolder);
            if (strManageFile.empty())
                continue;
            auto known =
                std::find_if(m_ChildXmSbArray.begin(), m_ChildXmSbArray.end(), [&](const auto& p) {
                    return p && text::EqualsNoCase(p->m_ManageFileInfo.Getm_StrManageFilePathName(),
                                                   strManageFile);
                });
            if (known != m_ChildXmSbArray.end()) {
                arrChildren.push_back(std::move(*known));
                continue;
            }
            nRead = pChild->SetPrimerInfoByInputManageFilePathName(strManageFile);
        }
        if (!nRead)
            continue;
        pChild->m_pParentNode = this;
        arrChildren.push_back(std::move(pChild));
    }
    m_ChildXmSbArray = std::move(arrChildren);
    return static_cast<int>(m_ChildXmSbArray.size());
}

int CXmSbInfo::ReadManageFileAsNamed(const std::wstring& strFolder) {
    m_ChildXmSbArray.clear();
    m_bIsInvokedSearchXmSb = 0;
    std::wstring strPath = xmpath::Join(strFolder, xmpath::LastItem(strFolder)) + L".";
    size_t nBase = strPath.size();
    // Mostly a folder holds no Project file (".itm"): a look costs less than a read that fails.
    strPath += CManageFileInfo::Getm_StrXmFileExt();
    if (fs::ExistsAsWritten(strPath)) {
        int nRead = m_ManageFileInfo.ReadManageFileIfPresent(strPath);
        if (nRead >= 0)
            return nRead;
    }
    strPath.replace(nBase, std::wstring::npos, CManageFileInfo::Getm_StrSbFileExt());
    return m_ManageFileInfo.ReadManageFileIfPresent(strPath);
}

int CXmSbInfo::DeleteTreeDataNode() {
    if (!m_pParentNode)
        return 0;
    auto& siblings = m_pParentNode->m_ChildXmSbArray;
    auto found = std::find_if(siblings.begin(), siblings.end(),
                              [this](const auto& p) { return p.get() == this; });
    if (found == siblings.end())
        return 0;
    siblings.erase(found); // destroys this object
    return 1;
}

int CXmSbInfo::CheckNewName(const CManageFileInfo& manageFile, const std::wstring& strNewName,
                            ui::Window* pWnd) {
    std::wstring strName = text::Trim(strNewName);
    std::wstring strOldFolder = manageFile.Getm_StrFullPathName();
    if (!CheckContainerName(strName, manageFile.Getm_IsXmManageFile(), pWnd))
        return 0;
    if (!text::EqualsNoCase(strName, manageFile.Getm_StrDirName()) &&
        fs::Exists(xmpath::Join(xmpath::Parent(strOldFolder), strName))) {
        ShowRefusal(pWnd, text::Format(L"在%s的位置上，已经存在“%s”。",
                                       xmpath::Parent(strOldFolder), strName));
        return 0;
    }
    return 1;
}

int CXmSbInfo::CheckContainerName(const std::wstring& strName, int bIsXm, ui::Window* pWnd) {
    std::wstring strTrimmed = text::TrimRight(strName);
    if (xmpath::IsUsableName(strTrimmed))
        return 1;
    ShowRefusal(pWnd, text::Format(L"“%s”不能用作%s名称。", strTrimmed, bIsXm ? L"项目" : L"设备"));
    return 0;
}

int CXmSbInfo::ChangeFileAndPathName(const std::wstring& strNewName, ui::Window* pWnd) {
    const wchar_t* strWord = IsXmOfThisNode() ? L"项目" : L"设备";
    std::wstring strName = text::Trim(strNewName);
    std::wstring strOldFolder = m_ManageFileInfo.Getm_StrFullPathName();
    std::wstring strOldName = m_ManageFileInfo.Getm_StrDirName();
    if (!CheckNewName(m_ManageFileInfo, strName, pWnd))
        return 0;
    if (strName == strOldName)
        return 1;
    std::wstring strNewFolder = xmpath::Join(xmpath::Parent(strOldFolder), strName);
    std::wstring strOldFile = m_ManageFileInfo.Getm_StrManageFilePathName();
    std::wstring strRenamedFile =
        xmpath::Join(strOldFolder, strName + L"." + xmpath::Extension(strOldFile));
    auto fail = [&]() {
        ShowRefusal(pWnd, text::Format(L"%s“%s”改名为“%s”失败：%s", strWord, strOldName, strName,
                                       fs::ErrorText(fs::LastError())));
        return 0;
    };
    // The file is renamed inside the old folder first, so that a folder that cannot be
    // renamed lets the file take its old name again.
    if (!fs::Rename(strOldFile, strRenamedFile))
        return fail();
    if (!fs::Rename(strOldFolder, strNewFolder)) {
        int error = fs::LastError();
        fs::Rename(strRenamedFile, strOldFile);
        fs::SetLastError(error);
        return fail();
    }
    MoveRecordsTo(strNewFolder);
    return 1;
}

void CXmSbInfo::MoveRecordsTo(const std::wstring& strFolder) {
    m_ManageFileInfo.SetPath_FileNameByFullPath(strFolder, IsXmOfThisNode());
    for (const auto& pChild : m_ChildXmSbArray)
        pChild->MoveRecordsTo(xmpath::Join(strFolder, pChild->m_ManageFileInfo.Getm_StrDirName()));
}
