#include "drawing/EditOprt.h"

#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbOpen.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/SystemVariables.h"

int CEditOprt::GetShortSysVar(std::wstring strName, short& nValue) {
    resbuf value;
    if (acedGetVar(strName.c_str(), &value) != RTNORM || value.restype != RTSHORT)
        return 0;
    nValue = value.resval.rint;
    return 1;
}

int CEditOprt::SetShortSysVar(std::wstring strName, short nValue) {
    resbuf value = resbuf::Short(RTSHORT, nValue);
    return acedSetVar(strName.c_str(), &value) == RTNORM ? 1 : 0;
}

int CEditOprt::CmdEchoOff() {
    return SetShortSysVar(L"cmdecho", 0);
}

int CEditOprt::CmdEchoOn() {
    return SetShortSysVar(L"cmdecho", 1);
}

int CEditOprt::IsDrawingTitled() {
    short nTitled = 0;
    return GetShortSysVar(L"dwgtitled", nTitled) && nTitled != 0 ? 1 : 0;
}

int CEditOprt::GetDrawingName(std::wstring& strName) {
    resbuf value;
    if (acedGetVar(L"dwgname", &value) != RTNORM)
        return 0;
    strName = value.resval.rstring;
    return 1;
}

int CEditOprt::GetDrawingFolder(std::wstring& strFolder) {
    resbuf value;
    if (acedGetVar(L"dwgprefix", &value) != RTNORM)
        return 0;
    strFolder = value.resval.rstring;
    if (strFolder.empty() || strFolder.back() != L'\\')
        strFolder += L'\\';
    return 1;
}

std::wstring CEditOprt::GetCurrentLayer(AcDbDatabase* pDb) {
    if (!pDb)
        return {};
    AcDbObjectPointer<AcDbLayerTableRecord> layer(pDb->clayer(), AcDb::kForRead);
    std::wstring strName;
    if (layer)
        layer->getName(strName);
    return strName;
}

int CEditOprt::SetCurrentLayer(AcDbDatabase* pDb, std::wstring strLayer) {
    if (!pDb)
        return 0;
    AcDbLayerTable* pTable = nullptr;
    if (pDb->getLayerTable(pTable, AcDb::kForRead) != Acad::eOk)
        return 0;
    AcDbObjectId layerId;
    bool bFound = pTable->getAt(strLayer, layerId) == Acad::eOk;
    pTable->close();
    return bFound && pDb->setClayer(layerId) == Acad::eOk ? 1 : 0;
}
