#include "suite/OvDwgBtlInfo/OvDwgBtlInfo.h"

#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbLine.h"
#include "platform/cad/DbOpen.h"

namespace {
std::wstring& DefinitionFolder() {
    static std::wstring folder;
    return folder;
}
} // namespace

void OvSetBtlDefFilePath(const std::wstring& strFolder) {
    DefinitionFolder() = strFolder;
}

const std::wstring& OvGetBtlDefFilePath() {
    return DefinitionFolder();
}

int OvGetBtlInfoFromDwg(ui::WPARAM wParam) {
    auto* pRequest = reinterpret_cast<OvDwgBtlInfoRequest*>(wParam);
    if (!pRequest)
        return 0;
    pRequest->nFound = 0;
    pRequest->arrCells.clear();
    AcDbDatabase db(false, true);
    if (db.readDwgFile(pRequest->strDwgPathName.c_str()) != Acad::eOk)
        return 0;
    AcDbObjectId idTitle = OvFindTitleBlock(&db);
    AcDbObjectPointer<AcDbBlockReference> pReference(idTitle, AcDb::kForRead);
    if (!pReference)
        return 0;
    std::vector<std::wstring> arrStrings;
    OvReadTitleCellStrings(idTitle, arrStrings);
    for (const std::wstring& strCell : arrStrings)
        pRequest->arrCells.push_back(OvParseTitleCell(strCell, pReference->position()));
    pRequest->nFound = 1;
    return 1;
}
