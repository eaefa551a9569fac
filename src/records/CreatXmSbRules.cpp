#include "records/CreatXmSbRules.h"

#include "drawing/ContainerDrawings.h"
#include "drawing/EditOprt.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"
#include "records/DrawingDescriptionWriter.h"
#include "records/ExplainBlockText.h"
#include "records/ExplainInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmComonPar.h"
#include "suite/OvXmInfo/XmSbInfo.h"

#include <algorithm>

namespace create {

namespace {

const wchar_t* KindWord(int bIsXm) {
    return bIsXm ? L"项目" : L"设备";
}

std::wstring Extension(int bIsXm) {
    return bIsXm ? CManageFileInfo::Getm_StrXmFileExt() : CManageFileInfo::Getm_StrSbFileExt();
}

void Refuse(ui::Window* pWnd, const std::wstring& strMessage) {
    ui::MessageBox(pWnd, strMessage, L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

// The value of the last row of the title, trimmed.
std::wstring LastValue(const std::vector<CExplainInfoNode>& rows, const wchar_t* szTitle) {
    std::wstring strValue;
    for (const CExplainInfoNode& row : rows)
        if (row.Getm_StrTitle() == szTitle)
            strValue = text::Trim(row.Getm_StrValue());
    return strValue;
}

bool HasValue(const CExplainInfoNode& entry) {
    return !text::Trim(entry.Getm_StrValue()).empty();
}

// The block of a management file: its entries, and the lines after the block. false when the
// file cannot be read or has no block.
bool ReadBlock(const std::wstring& strPath, std::vector<CExplainInfoNode>& entries,
               std::vector<std::wstring>& arrRest) {
    arrRest.clear();
    if (!CEditOprt::ReadLines(strPath, arrRest, 0) || arrRest.empty())
        return false;
    size_t nBefore = arrRest.size();
    entries = explain::ParseExplainLines(arrRest, 0);
    return arrRest.size() != nBefore;
}

// A folder this creation made goes again when a later step fails.
class CMadeFolder {
public:
    explicit CMadeFolder(std::wstring strFolder) : m_strFolder(std::move(strFolder)) {}
    ~CMadeFolder() {
        if (m_bMade && !m_bKeep)
            fs::DeleteTree(m_strFolder);
    }
    bool Make() {
        if (fs::IsFolder(m_strFolder))
            return true;
        m_bMade = fs::CreateFolder(m_strFolder);
        return m_bMade;
    }
    void Keep() { m_bKeep = true; }

private:
    std::wstring m_strFolder;
    bool m_bMade = false;
    bool m_bKeep = false;
};

// The model, then the dialog's entries, into the block of the new management file; one write.
bool WriteEntries(const CCreateRequest& request, const std::wstring& strFile, ui::Window* pWnd,
                  std::vector<CExplainInfoNode>& written) {
    std::vector<std::wstring> arrRest;
    if (!ReadBlock(strFile, written, arrRest))
        return true; // a file without block is left as it is, as the top insertion leaves it
    std::vector<CExplainInfoNode> dialogEntries;
    for (const CExplainInfoNode& entry : request.entries)
        if (!text::Trim(entry.Getm_StrTitle()).empty())
            dialogEntries.push_back(entry);
    if (!request.bIsXm && !request.strModel.empty()) {
        // An entry the template has already takes the model: a second one would be shadowed.
        auto model = std::find_if(written.begin(), written.end(), [](const CExplainInfoNode& e) {
            return e.Getm_StrTitle() == explain::kEquipmentModel;
        });
        if (model != written.end())
            model->Setm_StrValue(request.strModel);
        else
            written.insert(written.begin(),
                           CExplainInfoNode(explain::kEquipmentModel, request.strModel));
    }
    written = request.bIsXm ? ProjectEntries(written, dialogEntries)
                            : EquipmentEntries(written, dialogEntries);
    std::vector<std::wstring> arrLines = explain::BuildExplainLines(written);
    arrLines.insert(arrLines.end(), arrRest.begin(), arrRest.end());
    if (CEditOprt::WriteLines(strFile, arrLines))
        return true;
    Refuse(pWnd, text::Format(L"%s管理文件“%s”不能写入：%s。", KindWord(request.bIsXm), strFile,
                              CEditOprt::WriteFailureReason(fs::LastError())));
    return false;
}

// An Equipment's drawings take its values, completed by its Project's, and its name as their
// location; a Project's drawings (from a template) take the values alone.
void WriteDrawings(const CCreateRequest& request, const std::wstring& strFile,
                   const std::vector<CExplainInfoNode>& written) {
    if (request.bIsXm) {
        if (!request.strTemplateFolder.empty())
            WriteDescriptionToContainer(strFile, written);
        return;
    }
    std::vector<std::wstring> arrDrawings;
    if (!CollectContainerDrawings(strFile, arrDrawings))
        return;
    std::vector<CExplainInfoNode> entries;
    for (const CExplainInfoNode& entry : written)
        if (HasValue(entry))
            entries.push_back(entry);
    std::vector<CExplainInfoNode> parentEntries;
    std::wstring strParentName = CEditOprt::GetLastPathItem(request.strParentFolder);
    std::vector<std::wstring> arrRest;
    if (ReadBlock(CEditOprt::JoinPath(request.strParentFolder,
                                      strParentName + L"." + CManageFileInfo::Getm_StrXmFileExt()),
                  parentEntries, arrRest))
        entries.insert(entries.end(), parentEntries.begin(), parentEntries.end());
    WriteDescriptionToDrawings(arrDrawings, CDrawingDescription::FromEntries(entries),
                               text::TrimRight(request.strName));
}

} // namespace

std::vector<std::wstring> NamingSchemes(int bIsXm) {
    if (bIsXm)
        return {L"工程名称-工程合同号", L"工程合同号-工程名称", kCustomNaming};
    return {L"设备图册号-设备名称", kCustomNaming};
}

std::wstring ProposeName(const std::vector<CExplainInfoNode>& rows, int bIsXm, int nScheme) {
    std::wstring strA = LastValue(rows, bIsXm ? explain::kProjectName : explain::kDrawingBookNo);
    std::wstring strB = LastValue(rows, bIsXm ? explain::kContractNo : explain::kEquipmentName);
    if (strA.empty() && strB.empty())
        return L"";
    if (bIsXm && nScheme == 1)
        std::swap(strA, strB);
    return text::Trim(text::Format(L"%s-%s", strA, strB), L"-");
}

std::vector<CExplainInfoNode> InitialRows(const std::vector<std::wstring>& arrDefaultTitles,
                                          const std::wstring& strParentManageFile, int bIsXm) {
    std::vector<CExplainInfoNode> parentEntries;
    std::vector<std::wstring> arrLines;
    if (CEditOprt::ReadLines(strParentManageFile, arrLines, 0))
        parentEntries = explain::ParseExplainLines(arrLines, 1);
    std::vector<CExplainInfoNode> rows;
    for (const std::wstring& strDefault : arrDefaultTitles) {
        std::wstring strTitle = text::Trim(strDefault);
        if (strTitle.empty() || text::StartsWith(strTitle, bIsXm ? L"设备" : L"工程"))
            continue;
        if (std::any_of(rows.begin(), rows.end(),
                        [&](const CExplainInfoNode& r) { return r.Getm_StrTitle() == strTitle; }))
            continue;
        rows.emplace_back(strTitle, explain::FindValueByTitle(parentEntries, strTitle));
    }
    if (bIsXm)
        return rows;
    for (const CExplainInfoNode& parent : parentEntries) {
        if (!explain::IsProjectLevelTitle(parent.Getm_StrTitle()) || !HasValue(parent))
            continue;
        for (CExplainInfoNode& row : rows)
            if (text::EqualsNoCase(row.Getm_StrTitle(), parent.Getm_StrTitle()))
                row.Setm_StrValue(parent.Getm_StrValue());
    }
    return rows;
}

std::wstring TemplateRoot(const std::wstring& strInstallFolder, int bIsXm) {
    return CEditOprt::JoinPath(strInstallFolder, bIsXm ? L"Template\\itms\\" : L"Template\\prjs\\");
}

std::vector<CContainerTemplate> FindTemplates(const std::wstring& strRoot, int bIsXm) {
    std::vector<CContainerTemplate> templates;
    for (const std::wstring& strFolder :
         fs::FindMatches(CEditOprt::JoinPath(strRoot, L"*"), fs::EntryKind::Folders)) {
        std::wstring strName = CEditOprt::GetLastPathItem(strFolder);
        if (fs::IsFile(CEditOprt::JoinPath(strFolder, strName + L"." + Extension(bIsXm))))
            templates.push_back({strName, strFolder});
    }
    return templates;
}

std::wstring TemplateComboText(int nNumber, const std::wstring& strName) {
    return text::Format(L"模板%d               %s", nNumber, strName);
}

std::wstring NewManageFilePath(const CCreateRequest& request) {
    std::wstring strName = text::TrimRight(request.strName);
    return CEditOprt::JoinPath(CEditOprt::JoinPath(request.strParentFolder, strName),
                               strName + L"." + Extension(request.bIsXm));
}

std::vector<CExplainInfoNode> ProjectEntries(const std::vector<CExplainInfoNode>& fileEntries,
                                             const std::vector<CExplainInfoNode>& dialogEntries) {
    std::vector<CExplainInfoNode> top, rest = fileEntries;
    for (const CExplainInfoNode& entry : dialogEntries) {
        auto sameTitle = [&entry](const CExplainInfoNode& e) {
            return e.Getm_StrTitle() == entry.Getm_StrTitle();
        };
        if (HasValue(entry))
            std::erase_if(rest, sameTitle);
        else if (std::any_of(rest.begin(), rest.end(), sameTitle))
            continue; // an empty row does not hide the template's value
        top.push_back(entry);
    }
    top.insert(top.end(), rest.begin(), rest.end());
    return top;
}

std::vector<CExplainInfoNode> EquipmentEntries(const std::vector<CExplainInfoNode>& fileEntries,
                                               const std::vector<CExplainInfoNode>& dialogEntries) {
    if (dialogEntries.empty())
        return fileEntries;
    std::vector<CExplainInfoNode> merged = fileEntries, leftOver;
    for (const CExplainInfoNode& entry : dialogEntries) {
        bool bFound = false;
        for (CExplainInfoNode& fileEntry : merged) {
            if (fileEntry.Getm_StrTitle() != entry.Getm_StrTitle())
                continue;
            bFound = true;
            if (HasValue(entry) &&
                fileEntry.Getm_StrTitle().find(explain::kEquipmentCount) == std::wstring::npos)
                fileEntry.Setm_StrValue(entry.Getm_StrValue());
        }
        if (!bFound)
            leftOver.push_back(entry);
    }
    leftOver.insert(leftOver.end(), merged.begin(), merged.end());
    return leftOver;
}

int CreatXmSb(const CCreateRequest& request, ui::Window* pWnd) {
    std::wstring strName = text::TrimRight(request.strName);
    if (strName.empty() || !CXmSbInfo::CheckContainerName(strName, request.bIsXm, pWnd))
        return 0;
    std::wstring strFolder = CEditOprt::JoinPath(request.strParentFolder, strName);
    std::wstring strBase = CEditOprt::JoinPath(strFolder, strName) + L".";
    for (int bIsXm : {1, 0}) {
        if (!fs::IsFile(strBase + Extension(bIsXm)))
            continue;
        Refuse(pWnd, text::Format(L"在%s\"%s\"的位置上，已经存在一个同名%s。", request.strCaption,
                                  strName, KindWord(bIsXm)));
        return 0;
    }
    const std::wstring& strTemplate = request.strTemplateFolder;
    if (!strTemplate.empty() &&
        !fs::IsFile(CEditOprt::JoinPath(strTemplate, CEditOprt::GetLastPathItem(strTemplate) +
                                                         L"." + Extension(request.bIsXm)))) {
        Refuse(pWnd, text::Format(L"模板%s不存在，请重新选择", request.strTemplateText));
        return 0;
    }

    CMadeFolder folder(strFolder);
    if (!folder.Make()) {
        CEditOprt::ShowLastError(pWnd);
        return 0;
    }
    std::wstring strFile = NewManageFilePath(request);
    if (!strTemplate.empty()) {
        if (!g_XmComonPar.CopyAllFileToDestAndRenameManageFileName(strTemplate, strFolder,
                                                                   request.bIsXm, pWnd))
            return 0;
    } else {
        CManageFileInfo manageFile;
        manageFile.SetPath_FileNameByFullPath(strFolder, request.bIsXm);
        if (!manageFile.WriteManageFile()) {
            Refuse(pWnd,
                   text::Format(L"%s管理文件“%s”不能写入：%s。", KindWord(request.bIsXm), strFile,
                                CEditOprt::WriteFailureReason(manageFile.Getm_nLastWriteError())));
            return 0;
        }
    }
    std::vector<CExplainInfoNode> written;
    if (!WriteEntries(request, strFile, pWnd, written))
        return 0;
    folder.Keep();
    WriteDrawings(request, strFile, written);
    return 1;
}

} // namespace create
