#include "drawing/EditOprt.h"

#include "drawing/GetTextFromMText.h"
#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbLine.h"
#include "platform/cad/DbOpen.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DbText.h"

int CEditOprt::RegisterApplication(AcDbDatabase* pDb, std::wstring strName) {
    if (!pDb)
        return 0;
    if (!cad::FindRecord(pDb->regAppTableId(), strName).isNull())
        return 1;
    AcDbObjectPointer<AcDbRegAppTable> pTable(pDb->regAppTableId(), AcDb::kForWrite);
    auto* pRecord = new AcDbRegAppTableRecord();
    pRecord->setName(strName);
    if (pTable && pTable->add(pRecord) == Acad::eOk) {
        pRecord->close();
        return 1;
    }
    delete pRecord;
    return 0;
}

int CEditOprt::EraseObject(AcDbObjectId id) {
    AcDbObject* pObj = nullptr;
    if (acdbOpenAcDbObject(pObj, id, AcDb::kForWrite) != Acad::eOk)
        return 0;
    Acad::ErrorStatus status = pObj->erase(true);
    pObj->close();
    return status == Acad::eOk ? 1 : 0;
}

int CEditOprt::GetEntityText(AcDbObjectId id, std::wstring& strText) {
    strText.clear();
    if (id.isNull())
        return 0;
    AcDbEntity* pEnt = nullptr;
    if (acdbOpenAcDbEntity(pEnt, id, AcDb::kForRead) != Acad::eOk)
        return 0;
    int nResult = 0;
    if (AcDbText* pText = AcDbText::cast(pEnt)) {
        strText = pText->textString();
        nResult = 1;
    } else if (AcDbMText* pMText = AcDbMText::cast(pEnt)) {
        strText = CGetTextFromMText().GetTextFromMText(pMText->contents());
        nResult = 1;
    }
    pEnt->close();
    return nResult;
}

int CEditOprt::GetObjectIdFromHandle(AcDbDatabase* pDb, AcDbObjectId& id, std::wstring strHandle) {
    if (pDb && pDb->getAcDbObjectId(id, false, AcDbHandle(strHandle.c_str())) == Acad::eOk)
        return 1;
    id = AcDbObjectId::kNull;
    return 0;
}

int CEditOprt::MoveEntity(AcDbEntity* pEnt, double dx, double dy, double dz) {
    if (!pEnt)
        return 0;
    return pEnt->transformBy(AcGeMatrix3d::translation({dx, dy, dz})) == Acad::eOk ? 1 : 0;
}

int CEditOprt::MoveEntity(AcDbObjectId id, double dx, double dy, double dz) {
    if (id.isNull())
        return 0;
    AcDbEntity* pEnt = nullptr;
    if (acdbOpenAcDbEntity(pEnt, id, AcDb::kForWrite) != Acad::eOk)
        return 0;
    int nResult = MoveEntity(pEnt, dx, dy, dz);
    pEnt->close();
    return nResult;
}

int CEditOprt::GetEntityCentre(AcDbEntity* pEnt, AcGePoint3d& ptCentre) {
    if (!pEnt)
        return 0;
    AcDbExtents extents;
    if (auto* pReference = AcDbBlockReference::cast(pEnt))
        pReference->geomExtentsBestFit(extents, AcGeMatrix3d::kIdentity);
    else
        pEnt->getGeomExtents(extents);
    const AcGePoint3d& ptMin = extents.minPoint();
    const AcGePoint3d& ptMax = extents.maxPoint();
    if (ptMax.x < ptMin.x || ptMax.y < ptMin.y)
        return 0;
    ptCentre = {(ptMin.x + ptMax.x) / 2, (ptMin.y + ptMax.y) / 2, 0.0};
    return 1;
}

int CEditOprt::GetEntitiesExtents(const std::vector<AcDbObjectId>& ids, AcGePoint3d& ptMin,
                                  AcGePoint3d& ptMax) {
    AcDbExtents total;
    bool bOpened = false;
    for (const AcDbObjectId& id : ids) {
        AcDbEntity* pEnt = nullptr;
        if (acdbOpenAcDbEntity(pEnt, id, AcDb::kForRead) != Acad::eOk)
            continue;
        bOpened = true;
        AcDbExtents extents;
        if (pEnt->getGeomExtents(extents) == Acad::eOk)
            total.addExt(extents);
        pEnt->close();
    }
    ptMin = total.minPoint();
    ptMax = total.maxPoint();
    return bOpened && ptMax.x >= ptMin.x && ptMax.y >= ptMin.y ? 1 : 0;
}

int CEditOprt::GetModelSpaceExtents(AcDbDatabase* pDb, AcGePoint3d& ptMin, AcGePoint3d& ptMax) {
    if (!pDb)
        return 0;
    AcDbObjectPointer<AcDbBlockTableRecord> pSpace(pDb->modelSpaceId(), AcDb::kForRead);
    if (!pSpace)
        return 0;
    AcDbBlockTableRecordIterator* pIterator = nullptr;
    pSpace->newIterator(pIterator);
    std::vector<AcDbObjectId> ids;
    for (; !pIterator->done(); pIterator->step()) {
        AcDbEntity* pEnt = nullptr;
        if (pIterator->getEntity(pEnt, AcDb::kForRead) != Acad::eOk)
            continue;
        bool bEmptyText = (AcDbText::cast(pEnt) && AcDbText::cast(pEnt)->textString().empty()) ||
                          (AcDbMText::cast(pEnt) && AcDbMText::cast(pEnt)->contents().empty());
        if (pEnt->visibility() != AcDb::kInvisible && !bEmptyText)
            ids.push_back(pEnt->objectId());
        pEnt->close();
    }
    delete pIterator;
    return GetEntitiesExtents(ids, ptMin, ptMax);
}
