#include "drawing/EditOprt.h"

#include "platform/cad/CommandLine.h"
#include "platform/cad/CommandProcessor.h"
#include "platform/cad/Documents.h"
#include "platform/text/WideString.h"

namespace {

std::vector<AcApDocument*> OpenDocuments() {
    std::vector<AcApDocument*> documents;
    AcApDocumentIterator* iterator = acDocManager->newAcApDocumentIterator();
    for (; !iterator->done(); iterator->step())
        documents.push_back(iterator->document());
    delete iterator;
    return documents;
}

bool Matches(const AcApDocument* pDoc, const std::wstring& strPath, int nMatchMode) {
    std::wstring strCompared = strPath;
    if (nMatchMode != 1) {
        size_t slash = strPath.find_last_of(L'\\');
        if (slash != std::wstring::npos)
            strCompared = strPath.substr(slash + 1);
    }
    return text::EqualsNoCase(pDoc->fileName(), strCompared);
}

AcApDocument* FindDocument(const std::wstring& strPath, int nMatchMode) {
    for (AcApDocument* pDoc : OpenDocuments())
        if (Matches(pDoc, strPath, nMatchMode))
            return pDoc;
    return nullptr;
}

short ShortVar(const wchar_t* name) {
    short nValue = 0;
    CEditOprt::GetShortSysVar(name, nValue);
    return nValue;
}

// The host's own resources are current while documents are opened and made, as the host's
// dialogs expect.
class CAcadResourceScope {
public:
    CAcadResourceScope() { acDocManager->pushAcadResourceHandle(); }
    ~CAcadResourceScope() { acDocManager->popResourceHandle(); }
};

void NewDocumentInApplicationContext(void*) {
    if (!acDocManager->isApplicationContext()) {
        AcApDocument* pDoc = acDocManager->curDocument();
        acutPrintf(L"\nERROR: in Document context : %s\n", pDoc ? pDoc->fileName() : L"");
        return;
    }
    acDocManager->appContextNewDocument(L"acad.dwt");
}

} // namespace

int CEditOprt::GetDocumentCount() {
    return ShortVar(L"SDI") == 1 ? 1 : acDocManager->documentCount();
}

int CEditOprt::IsDocumentOpen(std::wstring strPath) {
    return FindDocument(strPath, 1) ? 1 : 0;
}

int CEditOprt::FindOtherOpenDocument(std::wstring strPath, int nMatchMode, AcApDocument*& pDoc) {
    if (ShortVar(L"SDI") != 0)
        return 0;
    AcApDocument* pFound = FindDocument(strPath, nMatchMode);
    if (!pFound || pFound == acDocManager->curDocument())
        return 0;
    pDoc = pFound;
    return 1;
}

int CEditOprt::OpenOrActivateDrawing(std::wstring strPath, int nMatchMode) {
    if (nMatchMode == 1 && !IsFileExist(strPath))
        return 0;
    CAcadResourceScope resources;
    int nResult = 1;
    if (ShortVar(L"SDI") != 1) {
        if (AcApDocument* pDoc = FindDocument(strPath, nMatchMode))
            acDocManager->activateDocument(pDoc);
        else if (nMatchMode == 1)
            nResult = acDocManager->appContextOpenDocument(strPath.c_str()) == Acad::eOk ? 1 : 0;
        else
            nResult = 0;
        acedPostCommandPrompt();
        return nResult;
    }
    std::wstring strFolder, strName;
    GetDrawingFolder(strFolder);
    GetDrawingName(strName);
    bool bOtherPath = !text::EqualsNoCase(JoinPath(strFolder, strName), strPath);
    if ((bOtherPath || IsDrawingTitled() != nMatchMode) && nMatchMode != 0) {
        // A drawing that could not be opened is reported as such, not as opened.
        nResult = acedSyncFileOpen(strPath.c_str()) == RTNORM ? 1 : 0;
        acedPostCommandPrompt();
    }
    return nResult;
}

void CEditOprt::NewDrawingFromTemplate() {
    if (ShortVar(L"SDI") == 1 || !acDocManager->curDocument())
        return;
    CAcadResourceScope resources;
    acDocManager->executeInApplicationContext(NewDocumentInApplicationContext, nullptr);
}

void CEditOprt::SendCommandString(std::wstring strCommand) {
    if (!strCommand.empty() && acDocManager->curDocument())
        acDocManager->sendStringToExecute(acDocManager->curDocument(), strCommand.c_str(), false,
                                          true, true);
}

int CEditOprt::GetDrawingDatabase(std::wstring strPath, AcDbDatabase*& pDb) {
    return GetDrawingDatabase(strPath, 1, pDb);
}

int CEditOprt::GetDrawingDatabase(std::wstring strPath, int nMatchMode, AcDbDatabase*& pDb) {
    if (AcApDocument* pDoc = FindDocument(strPath, nMatchMode)) {
        pDb = pDoc->database();
        return 0;
    }
    auto* pRead = new AcDbDatabase(false, true);
    if (pRead->readDwgFile(strPath.c_str(), _SH_DENYNO, false, nullptr) != Acad::eOk) {
        delete pRead;
        pDb = nullptr;
        return 0;
    }
    pDb = pRead;
    return 1;
}
