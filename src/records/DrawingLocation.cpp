#include "records/DrawingLocation.h"

#include "drawing/EditOprt.h"
#include "platform/cad/DbDictionary.h"
#include "platform/cad/Documents.h"
#include "platform/text/WideString.h"
#include "records/LocationTexts.h"

#include <memory>

namespace {

// The location record; null when any step of the way is missing.
AcDbObjectId FindLocationRecord(AcDbDatabase* pDb) {
    AcDbObjectPointer<AcDbDictionary> pNamed(pDb->namedObjectsDictionaryId(), AcDb::kForRead);
    AcDbObjectId idDictionary, idRecord;
    if (!pNamed || pNamed->getAt(kDwgDictionaryKey, idDictionary) != Acad::eOk)
        return idRecord;
    AcDbObjectPointer<AcDbDictionary> pDictionary(idDictionary, AcDb::kForRead);
    if (pDictionary)
        pDictionary->getAt(kLocationRecordKey, idRecord);
    return idRecord;
}

// The entry of class T under the key, made when missing; null when it cannot be made or the
// entry is of another class.
template <typename T> AcDbObjectId GetOrAdd(AcDbObjectId idDictionary, const wchar_t* pKey) {
    AcDbObjectPointer<AcDbDictionary> pDictionary(idDictionary, AcDb::kForWrite);
    AcDbObjectId id;
    if (!pDictionary)
        return id;
    if (pDictionary->getAt(pKey, id) == Acad::eOk) {
        AcDbObjectPointer<T> pExisting(id, AcDb::kForRead);
        return pExisting ? id : AcDbObjectId(); // another kind of object is left alone
    }
    auto* pNew = new T();
    if (pDictionary->setAt(pKey, pNew, id) != Acad::eOk) {
        delete pNew;
        return AcDbObjectId();
    }
    pNew->close();
    return id;
}

AcApDocument* DocumentOf(AcDbDatabase* pDb) {
    for (AcApDocument* pDoc : acDocManager->documents())
        if (pDoc->database() == pDb)
            return pDoc;
    return nullptr;
}

} // namespace

std::wstring GetDrawingLocation(AcDbDatabase* pDb) {
    if (!pDb)
        return L"";
    AcDbObjectPointer<AcDbXrecord> pRecord(FindLocationRecord(pDb), AcDb::kForRead);
    ResbufChain chain;
    if (!pRecord || pRecord->rbChain(chain) != Acad::eOk)
        return L"";
    for (size_t i = 0; i < chain.size(); ++i) {
        if (cad::KindOfCode(chain[i].restype) != cad::ValueKind::Text ||
            text::RemoveChars(chain[i].resval.rstring, text::kBlanks).find(kLocationLabel) ==
                std::wstring::npos)
            continue;
        bool bHasValue =
            i + 1 < chain.size() && cad::KindOfCode(chain[i + 1].restype) == cad::ValueKind::Text;
        return bHasValue ? chain[i + 1].resval.rstring : L"";
    }
    return L"";
}

int SetDrawingLocation(AcDbDatabase* pDb, const std::wstring& strLocation) {
    if (!pDb)
        return 0;
    AcDbObjectId idDictionary =
        GetOrAdd<AcDbDictionary>(pDb->namedObjectsDictionaryId(), kDwgDictionaryKey);
    AcDbObjectId idRecord = GetOrAdd<AcDbXrecord>(idDictionary, kLocationRecordKey);
    AcDbObjectPointer<AcDbXrecord> pRecord(idRecord, AcDb::kForWrite);
    return pRecord && pRecord->setFromRbChain({resbuf::Text(1, kLocationLabel),
                                               resbuf::Text(1, strLocation)}) == Acad::eOk
               ? 1
               : 0;
}

int RenameLocationInDatabase(AcDbDatabase* pDb, const std::wstring& strNewLocation) {
    std::wstring strOld = GetDrawingLocation(pDb);
    if (!SetDrawingLocation(pDb, strNewLocation))
        return 0;
    LocationTexts texts = CollectLocationTexts(pDb);
    for (const AcDbObjectId& idHead : texts.arrHeads)
        RenameHeadLocation(pDb, idHead, strOld, strNewLocation);
    for (const AcDbObjectId& idPart : texts.arrPartLayouts)
        SetPartLayoutLocation(pDb, idPart, strNewLocation);
    for (const AcDbObjectId& idLabel : texts.arrLabels)
        RenameLabel(idLabel, strOld, strNewLocation);
    return 1;
}

int RenameDrawingLocation(std::wstring strDwgPath, const std::wstring& strNewLocation) {
    AcDbDatabase* pDb = nullptr;
    int nFromFile = CEditOprt::GetDrawingDatabase(strDwgPath, pDb);
    if (!pDb)
        return 0;
    std::unique_ptr<AcDbDatabase> readFromFile(nFromFile == 1 ? pDb : nullptr);
    AcApDocument* pDoc = readFromFile ? nullptr : DocumentOf(pDb);
    if (pDoc)
        acDocManager->lockDocument(pDoc);
    int nResult = RenameLocationInDatabase(pDb, strNewLocation);
    if (pDoc)
        acDocManager->unlockDocument(pDoc);
    // The stand-in host shows no drawing, so there is nothing to regenerate; a drawing read
    // from its file goes back to it.
    if (nResult && readFromFile)
        nResult = CEditOprt::SaveDatabaseAs(pDb, strDwgPath) == Acad::eOk ? 1 : 0;
    return nResult;
}
