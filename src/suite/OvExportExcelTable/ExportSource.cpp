#include "suite/OvExportExcelTable/ExportSource.h"

#include "platform/cad/DbLine.h"
#include "platform/cad/DbOpen.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/Documents.h"
#include "platform/fs/FileSystem.h"
#include "suite/OvXmInfo/XmSbInfo.h"

#include <map>
#include <memory>

namespace {

std::wstring ValueOf(const CManageFileInfo& file, const wchar_t* strTitle) {
    for (const CExplainInfoNode& entry : file.Getm_ExplainInfoArray())
        if (entry.Getm_StrTitle() == strTitle)
            return entry.Getm_StrValue();
    return L"";
}

ExportUnit MakeUnit(const CXmSbInfo& container) {
    const CManageFileInfo& file = *container.Getm_pManageFileInfo();
    ExportUnit unit;
    unit.bIsEquipment = container.IsXmOfThisNode() == 0;
    unit.strFolderName = file.Getm_StrDirName();
    unit.strProject = ValueOf(file, L"工程名称");
    unit.strContract = ValueOf(file, L"工程合同号");
    unit.strModel = ValueOf(file, L"设备型号");
    unit.strBookNo = ValueOf(file, L"设备图册号");
    unit.strName = unit.bIsEquipment ? ValueOf(file, L"设备名称") : unit.strProject;
    if (unit.strName.empty())
        unit.strName = unit.strFolderName;
    for (const auto& style : file.Getm_FileStyleNodeArray()) {
        ExportDrawingType type;
        if (style->Getm_bIsExistStyleName())
            type.strTypeName = style->Getm_StyleNameNode().GetstrDisplayName();
        for (const auto& drawing : style->Getm_FileInfoArray())
            type.arrDrawings.emplace_back(drawing->Getm_strFileName(), drawing->Getm_strRemark());
        unit.arrTypes.push_back(std::move(type));
    }
    for (const std::wstring& strPath :
         fs::FindMatches(file.Getm_StrFullPathName() + L"\\*.dwg", fs::EntryKind::Files))
        ReadDrawingParts(strPath, unit.arrParts);
    return unit;
}

// The container's unit, then those of its children, depth first.
void AddUnits(CXmSbInfo& container, std::vector<ExportUnit>& arrUnits) {
    arrUnits.push_back(MakeUnit(container));
    if (!container.IsXmOfThisNode())
        return;
    container.SearchVaildChildXmSbOneLevel(1);
    for (const auto& child : container.Getm_ChildXmSbArray())
        AddUnits(*child, arrUnits);
}

} // namespace

int ExportUnit::DrawingCount() const {
    int nCount = 0;
    for (const ExportDrawingType& type : arrTypes)
        nCount += static_cast<int>(type.arrDrawings.size());
    return nCount;
}

bool ReadExportSource(const std::wstring& strManageFile, ExportSource& source) {
    CXmSbInfo container;
    if (!container.SetPrimerInfoByInputManageFilePathName(strManageFile))
        return false;
    source.bIsXm = container.IsXmOfThisNode() != 0;
    source.strName = container.Getm_pManageFileInfo()->Getm_StrDirName();
    source.arrUnits.clear();
    AddUnits(container, source.arrUnits);
    return true;
}

bool ReadDrawingParts(const std::wstring& strPath, std::vector<ExportPart>& arrParts) {
    std::unique_ptr<AcDbDatabase> pRead;
    AcDbDatabase* pDb = nullptr;
    if (AcApDocument* pDoc = acDocManager->findDocument(strPath)) {
        pDb = pDoc->database();
    } else {
        pRead = std::make_unique<AcDbDatabase>(false, true);
        if (pRead->readDwgFile(strPath.c_str()) != Acad::eOk)
            return false;
        pDb = pRead.get();
    }
    std::wstring strDrawing = strPath.substr(strPath.find_last_of(L'\\') + 1);
    AcDbObjectPointer<AcDbBlockTableRecord> pSpace(pDb->modelSpaceId(), AcDb::kForRead);
    if (!pSpace)
        return false;
    // Parts use few blocks many times over: each block's name is looked up once.
    std::map<AcDbObjectId, std::wstring> blockNames;
    for (AcDbObjectId id : pSpace->entityIds()) {
        AcDbObjectPointer<AcDbBlockReference> pRef(id, AcDb::kForRead);
        if (!pRef)
            continue;
        ExportPart part;
        auto [name, added] = blockNames.try_emplace(pRef->blockTableRecord());
        if (added)
            name->second = cad::RecordName(pRef->blockTableRecord());
        part.strBlockName = name->second;
        if (part.strBlockName.empty() || part.strBlockName.front() == L'*')
            continue;
        part.arrFields.resize(kPartFieldCount);
        size_t nField = 0;
        for (const resbuf& item : pRef->xData(L"OVPART")) {
            part.bHasPartData = true;
            if (item.restype == 1000 && nField < part.arrFields.size())
                part.arrFields[nField++] = item.resval.rstring;
        }
        part.strDrawing = strDrawing;
        arrParts.push_back(std::move(part));
    }
    return true;
}
