#include "records/DrawingDescriptionWriter.h"

#include "drawing/ContainerDrawings.h"
#include "drawing/EditOprt.h"
#include "platform/cad/CommandLine.h"
#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbOpen.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DbText.h"
#include "platform/cad/Documents.h"
#include "platform/text/WideString.h"
#include "records/DrawingLocation.h"
#include "records/ExplainInfo.h"
#include "records/TitleBlockFill.h"
#include "suite/OvXmInfo/ManageFileInfo.h"

#include <map>
#include <memory>

namespace {

// One cover-text rule: the application that marks the text, the test a text of an "01"
// drawing passes without it, and the text it gets.
struct CoverRule {
    const wchar_t* szApplication;
    bool (*matchesIn01)(const std::wstring& strText);
    std::wstring (*textFor)(const CDrawingDescription& description);
};

// Ends in the word after at least one other character.
bool EndsAfterStart(const std::wstring& strText, const std::wstring& strWord) {
    return strText.size() > strWord.size() && strText.ends_with(strWord);
}

std::wstring WithPrefix(const wchar_t* szPrefix, const std::wstring& strValue) {
    std::wstring strText = szPrefix;
    strText += strValue;
    return strText;
}

const CoverRule kCoverRules[] = {
    {L"OV_ProjectName", [](const std::wstring& s) { return EndsAfterStart(s, L"工程"); },
     [](const CDrawingDescription& d) { return d.strProjectName; }},
    {L"OV_ProjectContractNo", [](const std::wstring& s) { return s.starts_with(L"合同号"); },
     [](const CDrawingDescription& d) {
         return d.strContractNo.empty() ? std::wstring() : WithPrefix(L"合同号：", d.strContractNo);
     }},
    {L"OV_EquipmentType", [](const std::wstring& s) { return EndsAfterStart(s, L"型"); },
     [](const CDrawingDescription& d) { return d.strEquipmentModel; }},
    {L"OV_EquipmentName", [](const std::wstring& s) { return EndsAfterStart(s, L"柜"); },
     [](const CDrawingDescription& d) { return d.strEquipmentName; }},
};

// The rules on one text; 1 when it changed.
int WriteCoverText(AcDbDatabase* pDb, AcDbObjectId id, bool bIs01,
                   const CDrawingDescription& description) {
    AcDbObjectPointer<AcDbText> pText(id, AcDb::kForRead);
    if (!pText)
        return 0;
    std::wstring strShown = text::Trim(pText->textString());
    for (const CoverRule& rule : kCoverRules) {
        if (!pText->hasXData(rule.szApplication) && !(bIs01 && rule.matchesIn01(strShown)))
            continue;
        std::wstring strNew = rule.textFor(description);
        if (strNew.empty())
            continue; // a rule without a value leaves the text to the next one
        CEditOprt::RegisterApplication(pDb, rule.szApplication);
        if (pText->upgradeOpen() != Acad::eOk)
            return 0;
        pText->setTextString(strNew);
        pText->setXData(rule.szApplication, {resbuf::Text(1000, L"")});
        return 1;
    }
    return 0;
}

int WriteCoverTexts(AcDbDatabase* pDb, const std::wstring& strFileName,
                    const CDrawingDescription& description) {
    std::vector<AcDbObjectId> arrIds;
    {
        AcDbObjectPointer<AcDbBlockTableRecord> pModelSpace(pDb->modelSpaceId(), AcDb::kForRead);
        if (!pModelSpace)
            return 0;
        arrIds = pModelSpace->entityIds();
    }
    bool bIs01 = strFileName.find(L"01") != std::wstring::npos;
    int nChanged = 0;
    for (const AcDbObjectId& id : arrIds)
        nChanged += WriteCoverText(pDb, id, bIs01, description);
    return nChanged;
}

AcApDocument* DocumentOf(AcDbDatabase* pDb) {
    for (AcApDocument* pDoc : acDocManager->documents())
        if (pDoc->database() == pDb)
            return pDoc;
    return nullptr;
}

enum class WriteResult { Written, Unreadable, Unsaved };

WriteResult WriteToDrawing(const std::wstring& strDwgPath, const CDrawingDescription& description,
                           const std::wstring& strNewLocation) {
    AcDbDatabase* pDb = nullptr;
    int nFromFile = CEditOprt::GetDrawingDatabase(strDwgPath, pDb);
    if (!pDb)
        return WriteResult::Unreadable;
    std::unique_ptr<AcDbDatabase> readFromFile(nFromFile == 1 ? pDb : nullptr);
    AcApDocument* pDoc = readFromFile ? nullptr : DocumentOf(pDb);
    if (pDoc)
        acDocManager->lockDocument(pDoc);
    int nChanged =
        WriteDescriptionInDatabase(pDb, CEditOprt::GetLastPathItem(strDwgPath), description);
    if (!strNewLocation.empty())
        nChanged += RenameLocationInDatabase(pDb, strNewLocation);
    if (pDoc)
        acDocManager->unlockDocument(pDoc);
    // The stand-in host draws nothing, so there is no view to regenerate. A drawing read from
    // its file goes back to it only when something changed: the others keep their date.
    if (readFromFile && nChanged > 0 && CEditOprt::SaveDatabaseAs(pDb, strDwgPath) != Acad::eOk)
        return WriteResult::Unsaved;
    return WriteResult::Written;
}

} // namespace

CDrawingDescription CDrawingDescription::FromEntries(const std::vector<CExplainInfoNode>& entries) {
    auto value = [&entries](const wchar_t* szTitle) {
        return text::Trim(explain::FindValueByTitle(entries, szTitle));
    };
    CDrawingDescription description;
    description.strContractNo = value(explain::kContractNo);
    description.strProjectName = value(explain::kProjectName);
    description.strEquipmentModel = value(explain::kEquipmentModel);
    description.strEquipmentName = value(explain::kEquipmentName);
    description.strBookNo = value(explain::kDrawingBookNo);
    description.strDesigner = value(explain::kElectricalDesigner);
    for (const CExplainInfoNode& entry : entries) {
        std::wstring strTitle = text::Trim(entry.Getm_StrTitle());
        std::wstring strValue = text::Trim(entry.Getm_StrValue());
        if (!strTitle.empty() && !strValue.empty())
            description.arrEntries.emplace_back(strTitle, strValue);
    }
    return description;
}

int WriteDescriptionInDatabase(AcDbDatabase* pDb, const std::wstring& strFileName,
                               const CDrawingDescription& description) {
    if (!pDb)
        return 0;
    return WriteCoverTexts(pDb, strFileName, description) + FillTitleBlockCells(pDb, description);
}

int WriteDescriptionToDrawing(const std::wstring& strDwgPath,
                              const CDrawingDescription& description) {
    return WriteToDrawing(strDwgPath, description, L"") == WriteResult::Written ? 1 : 0;
}

int WriteDescriptionToDrawings(const std::vector<std::wstring>& arrDwgPaths,
                               const CDrawingDescription& description,
                               const std::wstring& strNewLocation) {
    int nWritten = 0;
    for (const std::wstring& strPath : arrDwgPaths) {
        switch (WriteToDrawing(strPath, description, strNewLocation)) {
        case WriteResult::Written:
            ++nWritten;
            break;
        case WriteResult::Unreadable:
            acutPrintf(L"\n图纸\"%s\"无法读取，没有写入描述信息。\n", strPath);
            break;
        case WriteResult::Unsaved:
            acutPrintf(L"\n图纸\"%s\"无法保存，没有写入描述信息。\n", strPath);
            break;
        }
    }
    return nWritten;
}

int WriteDescriptionToContainer(const std::wstring& strManageFile,
                                const std::vector<CExplainInfoNode>& entries) {
    std::vector<std::wstring> arrDrawings;
    CollectContainerDrawings(strManageFile, arrDrawings);
    std::wstring strFolder = CEditOprt::GetParentPath(strManageFile);
    // The drawings by folder, in the order found: the container's own, then each Equipment's.
    std::map<std::wstring, std::vector<std::wstring>> byFolder;
    std::vector<std::wstring> arrFolders;
    for (const std::wstring& strPath : arrDrawings) {
        std::wstring strDrawingFolder = CEditOprt::GetParentPath(strPath);
        if (byFolder[strDrawingFolder].empty())
            arrFolders.push_back(strDrawingFolder);
        byFolder[strDrawingFolder].push_back(strPath);
    }
    int nWritten = 0;
    for (const std::wstring& strDrawingFolder : arrFolders) {
        std::vector<CExplainInfoNode> folderEntries;
        if (!text::EqualsNoCase(strDrawingFolder, strFolder)) {
            CManageFileInfo equipment;
            std::wstring strName = CEditOprt::GetLastPathItem(strDrawingFolder);
            if (equipment.ReadManageFile(CEditOprt::JoinPath(strDrawingFolder, strName + L".prj")))
                for (const CExplainInfoNode& entry : equipment.Getm_ExplainInfoArray())
                    if (!text::Trim(entry.Getm_StrValue()).empty())
                        folderEntries.push_back(entry);
        }
        folderEntries.insert(folderEntries.end(), entries.begin(), entries.end());
        nWritten += WriteDescriptionToDrawings(byFolder[strDrawingFolder],
                                               CDrawingDescription::FromEntries(folderEntries));
    }
    return nWritten;
}
