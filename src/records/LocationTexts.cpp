#include "records/LocationTexts.h"

#include "drawing/EditOprt.h"
#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbLine.h"
#include "platform/cad/DbOpen.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DbText.h"
#include "platform/text/WideString.h"

#include <cmath>

namespace {

constexpr const wchar_t* kHeadApplication = L"DZP_NAME";
constexpr const wchar_t* kHeadLocationHandle = L"OV_DZPHEAD_LOACTIONHANDLE";
constexpr const wchar_t* kLocationHeadHandle = L"OV_DZPLOCATION_HEADHANDLE";
constexpr const wchar_t* kPartLayoutApplication = L"OVPARTLAYT_PART";
constexpr const wchar_t* kPartLayoutLocation = L"OVPARTLAYT_LOCATION";
constexpr const wchar_t* kLabelApplication = L"OVBOM_LOCATION_LABELHANDLE";

bool IsText(const AcDbEntity* pEnt) {
    return AcDbText::cast(pEnt) || AcDbMText::cast(pEnt);
}

// The value of the first item with the code, or "".
std::wstring FirstItem(const ResbufChain& chain, short nCode) {
    for (const resbuf& item : chain)
        if (item.restype == nCode)
            return item.resval.rstring;
    return L"";
}

// Sets the first item with the code to the value, or adds the item when there is none.
ResbufChain WithItem(ResbufChain chain, short nCode, const std::wstring& strValue) {
    for (resbuf& item : chain)
        if (item.restype == nCode) {
            item.resval.rstring = strValue;
            return chain;
        }
    chain.push_back(resbuf::Text(nCode, strValue));
    return chain;
}

void RegisterApplication(AcDbDatabase* pDb, const wchar_t* pName) {
    if (!cad::FindRecord(pDb->regAppTableId(), pName).isNull())
        return;
    AcDbObjectPointer<AcDbRegAppTable> pTable(pDb->regAppTableId(), AcDb::kForWrite);
    auto* pRecord = new AcDbRegAppTableRecord();
    pRecord->setName(pName);
    if (pTable && pTable->add(pRecord) == Acad::eOk)
        pRecord->close();
    else
        delete pRecord;
}

// Beside the head, on the side its rotation reads towards: right, up, left or down of the
// centre of its box, one unit clear of it; the centre itself for any other rotation.
AcGePoint3d PlaceBeside(const AcDbEntity* pHead, double dRotation) {
    AcDbExtents extents;
    if (pHead->getGeomExtents(extents) != Acad::eOk || extents.isEmpty())
        return AcDbText::cast(pHead) ? AcDbText::cast(pHead)->position()
                                     : AcDbMText::cast(pHead)->location();
    const AcGePoint3d& ptMin = extents.minPoint();
    const AcGePoint3d& ptMax = extents.maxPoint();
    double x = (ptMin.x + ptMax.x) / 2, y = (ptMin.y + ptMax.y) / 2;
    double dHalfWidth = (ptMax.x - ptMin.x) / 2, dHalfHeight = (ptMax.y - ptMin.y) / 2;
    auto near = [&](double dAngle) { return std::fabs(dRotation - dAngle) <= 0.001; };
    if (near(0.0))
        x += dHalfWidth + 1.0;
    else if (near(1.571))
        y += dHalfHeight + 1.0;
    else if (near(3.142))
        x -= dHalfWidth + 1.0;
    else if (near(4.712))
        y -= dHalfHeight + 1.0;
    return {x, y, 0.0};
}

void MoveTo(AcDbEntity* pText, const AcGePoint3d& pt) {
    if (AcDbText* pSingle = AcDbText::cast(pText)) {
        pSingle->setHorizontalMode(AcDb::kTextLeft);
        pSingle->setVerticalMode(AcDb::kTextVertMid);
        pSingle->setAlignmentPoint(pt);
    } else if (AcDbMText* pMText = AcDbMText::cast(pText)) {
        pMText->setAttachment(AcDbMText::kMiddleLeft);
        pMText->setLocation(pt);
    }
}

void SetText(AcDbEntity* pText, const std::wstring& strText) {
    if (AcDbText* pSingle = AcDbText::cast(pText))
        pSingle->setTextString(strText);
    else if (AcDbMText* pMText = AcDbMText::cast(pText))
        pMText->setContents(strText);
}

// The head's location text when it is the head's own: a text whose link back holds the head's
// handle.
AcDbObjectId OwnLocationText(AcDbDatabase* pDb, const std::wstring& strLink,
                             const std::wstring& strHeadHandle) {
    AcDbObjectId idText;
    if (!CEditOprt::GetObjectIdFromHandle(pDb, idText, strLink))
        return AcDbObjectId();
    AcDbObjectPointer<AcDbEntity> pText(idText, AcDb::kForRead);
    if (!pText || !IsText(pText.object()))
        return AcDbObjectId();
    bool bOwn =
        text::EqualsNoCase(FirstItem(pText->xData(kLocationHeadHandle), 1005), strHeadHandle);
    return bOwn ? idText : AcDbObjectId();
}

// A new text for a head that has none: beside it, linked both ways, invisible.
void AddLocationText(AcDbDatabase* pDb, AcDbEntity* pHead, double dRotation,
                     const AcGePoint3d& ptPlace, const std::wstring& strNew) {
    auto* pText = new AcDbText(ptPlace, strNew, AcDbObjectId::kNull, 2.0, dRotation);
    MoveTo(pText, ptPlace);
    if (!cad::FindRecord(pDb->layerTableId(), L"TEXT").isNull())
        pText->setLayer(L"TEXT");
    AcDbObjectPointer<AcDbBlockTableRecord> pModelSpace(pDb->modelSpaceId(), AcDb::kForWrite);
    AcDbObjectId idText;
    if (!pModelSpace || pModelSpace->appendAcDbEntity(idText, pText) != Acad::eOk) {
        delete pText;
        return;
    }
    RegisterApplication(pDb, kLocationHeadHandle);
    RegisterApplication(pDb, kHeadLocationHandle);
    pText->setXData(kLocationHeadHandle, {resbuf::Text(1005, pHead->getHandle().text())});
    pHead->setXData(kHeadLocationHandle,
                    WithItem(pHead->xData(kHeadLocationHandle), 1005, idText.handle().text()));
    pText->setVisibility(AcDb::kInvisible);
    pText->close();
}

} // namespace

LocationTexts CollectLocationTexts(AcDbDatabase* pDb) {
    LocationTexts texts;
    AcDbObjectPointer<AcDbBlockTableRecord> pModelSpace(pDb->modelSpaceId(), AcDb::kForRead);
    if (!pModelSpace)
        return texts;
    for (const AcDbObjectId& id : pModelSpace->entityIds()) {
        AcDbObjectPointer<AcDbEntity> pEnt(id, AcDb::kForRead);
        if (!pEnt)
            continue;
        if (IsText(pEnt.object()) && pEnt->hasXData(kHeadApplication) &&
            !FirstItem(pEnt->xData(kHeadLocationHandle), 1005).empty())
            texts.arrHeads.push_back(id);
        if (AcDbBlockReference::cast(pEnt.object()) && pEnt->hasXData(kPartLayoutApplication))
            texts.arrPartLayouts.push_back(id);
        if (IsText(pEnt.object()) && pEnt->hasXData(kLabelApplication))
            texts.arrLabels.push_back(id);
    }
    return texts;
}

void RenameHeadLocation(AcDbDatabase* pDb, AcDbObjectId idHead, const std::wstring& strOld,
                        const std::wstring& strNew) {
    AcDbObjectPointer<AcDbEntity> pHead(idHead, AcDb::kForWrite);
    if (!pHead)
        return;
    double dRotation = AcDbText::cast(pHead.object()) ? AcDbText::cast(pHead.object())->rotation()
                                                      : AcDbMText::cast(pHead.object())->rotation();
    AcGePoint3d ptPlace = PlaceBeside(pHead.object(), dRotation);
    AcDbObjectId idOwn = OwnLocationText(pDb, FirstItem(pHead->xData(kHeadLocationHandle), 1005),
                                         pHead->getHandle().text());
    if (idOwn.isNull()) {
        AddLocationText(pDb, pHead.object(), dRotation, ptPlace, strNew);
        return;
    }
    std::wstring strShown;
    if (!CEditOprt::GetEntityText(idOwn, strShown) || strShown != strOld)
        return; // a text showing another location is the user's, and stays
    AcDbObjectPointer<AcDbEntity> pText(idOwn, AcDb::kForWrite);
    if (!pText)
        return;
    SetText(pText.object(), strNew);
    MoveTo(pText.object(), ptPlace);
    if (AcDbText* pSingle = AcDbText::cast(pText.object()))
        pSingle->setHeight(0.01);
    else if (AcDbMText* pMText = AcDbMText::cast(pText.object()))
        pMText->setTextHeight(0.01);
}

void SetPartLayoutLocation(AcDbDatabase* pDb, AcDbObjectId idPart, const std::wstring& strNew) {
    AcDbObjectPointer<AcDbEntity> pPart(idPart, AcDb::kForWrite);
    if (!pPart)
        return;
    RegisterApplication(pDb, kPartLayoutLocation);
    pPart->setXData(kPartLayoutLocation, WithItem(pPart->xData(kPartLayoutLocation), 1000, strNew));
}

void RenameLabel(AcDbObjectId idLabel, const std::wstring& strOld, const std::wstring& strNew) {
    std::wstring strShown;
    if (!CEditOprt::GetEntityText(idLabel, strShown) || strShown != strOld)
        return;
    AcDbObjectPointer<AcDbEntity> pLabel(idLabel, AcDb::kForWrite);
    if (pLabel)
        SetText(pLabel.object(), strNew);
}
