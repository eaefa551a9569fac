#include "suite/OvDwgBtlInfo/TitleBlockFormat.h"

#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbDictionary.h"
#include "platform/cad/DbLine.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/text/WideString.h"

#include <memory>

bool OvIsTitleBlockReference(const AcDbEntity* pEnt) {
    if (!AcDbBlockReference::cast(pEnt))
        return false;
    for (const wchar_t* pApplication : kTitleBlockApplications)
        if (!pEnt->hasXData(pApplication))
            return false;
    return true;
}

AcDbObjectId OvFindTitleBlock(AcDbDatabase* pDb) {
    AcDbObjectId idTitle;
    if (!pDb)
        return idTitle;
    AcDbObjectPointer<AcDbBlockTableRecord> pModelSpace(pDb->modelSpaceId(), AcDb::kForRead);
    AcDbBlockTableRecordIterator* pIterator = nullptr;
    if (!pModelSpace || pModelSpace->newIterator(pIterator) != Acad::eOk)
        return idTitle;
    std::unique_ptr<AcDbBlockTableRecordIterator> iterator(pIterator);
    for (iterator->start(); !iterator->done(); iterator->step()) {
        AcDbEntity* pEnt = nullptr;
        if (iterator->getEntity(pEnt, AcDb::kForRead) != Acad::eOk)
            break;
        if (OvIsTitleBlockReference(pEnt))
            idTitle = pEnt->objectId();
        pEnt->close();
    }
    return idTitle;
}

bool OvReadTitleCellStrings(AcDbObjectId idReference, std::vector<std::wstring>& arrCells) {
    arrCells.clear();
    AcDbObjectPointer<AcDbObject> pReference(idReference, AcDb::kForRead);
    if (!pReference || pReference->extensionDictionary().isNull())
        return false;
    AcDbObjectPointer<AcDbDictionary> pDictionary(pReference->extensionDictionary(),
                                                  AcDb::kForRead);
    if (!pDictionary)
        return false;
    AcDbObjectId idRecord;
    for (const auto& [strKey, id] : pDictionary->entries())
        if (text::EqualsNoCase(text::Trim(strKey), kTitleRecordKey)) {
            idRecord = id;
            break;
        }
    AcDbObjectPointer<AcDbXrecord> pRecord(idRecord, AcDb::kForRead);
    ResbufChain chain;
    if (!pRecord || pRecord->rbChain(chain) != Acad::eOk)
        return false;
    std::vector<std::wstring> arrStrings;
    for (const resbuf& item : chain)
        if (cad::KindOfCode(item.restype) == cad::ValueKind::Text)
            arrStrings.push_back(item.resval.rstring);
    size_t nFirst = 0;
    for (size_t i = 0; i < arrStrings.size(); ++i)
        if (arrStrings[i] == kTitleBeginMarker) {
            nFirst = i + 2; // the string after the marker is skipped
            break;
        }
    for (size_t i = nFirst; i < arrStrings.size() && arrStrings[i] != kTitleEndMarker; ++i)
        arrCells.push_back(arrStrings[i]);
    return true;
}

OvTitleCell OvParseTitleCell(const std::wstring& strCell, const AcGePoint3d& ptBase) {
    OvTitleCell cell;
    std::vector<std::wstring> arrFields = text::Split(strCell, L"|");
    auto number = [&](size_t i) { return i < arrFields.size() ? text::ToReal(arrFields[i]) : 0.0; };
    cell.strLabel = arrFields[0];
    cell.ptCorner1 = {number(1) + ptBase.x, number(2) + ptBase.y, 0.0};
    cell.ptCorner2 = {number(3) + ptBase.x, number(4) + ptBase.y, 0.0};
    cell.dTextHeight = number(5);
    cell.dWidthFactor = number(6);
    // The style is everything after the seventh bar, bars included.
    if (arrFields.size() > 7) {
        size_t nAt = 0;
        for (int n = 0; n < 7; ++n)
            nAt = strCell.find(L'|', nAt) + 1;
        cell.strTextStyle = strCell.substr(nAt);
    }
    return cell;
}
