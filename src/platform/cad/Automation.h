#pragma once
// The automation interface of the host, as the module reaches it through acedGetAcadWinApp()
// and GetIDispatch(): the documents collection (Count, Add) and the active document
// (SendCommand, which runs the text synchronously, and Close).

#include "platform/cad/Documents.h"

#include <map>
#include <memory>
#include <string>

using HRESULT = long;
inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005L);

class IAcadDocument {
public:
    explicit IAcadDocument(AcApDocument* document) : m_document(document) {}
    // Runs the text as command-line input in this document, which must be the active one.
    HRESULT SendCommand(const std::wstring& commands);
    // With saveChanges the drawing is saved first (to fileName when given, else to its own
    // file; E_FAIL for a drawing that has no file yet).
    HRESULT Close(bool saveChanges = true, const std::wstring& fileName = L"");
    std::wstring FullName() const;
    AcApDocument* document() const { return m_document; }

private:
    AcApDocument* m_document;
};

class IAcadDocuments {
public:
    long Count() const { return acDocManager->documentCount(); }
    // A new drawing from the template; it becomes the active document.
    HRESULT Add(const std::wstring& templateName);
};

class IAcadApplication {
public:
    IAcadDocuments* Documents() { return &m_documents; }
    // Null when no document is open. The object stays valid while its document is open.
    IAcadDocument* ActiveDocument();

private:
    IAcadDocuments m_documents;
    std::map<AcApDocument*, std::unique_ptr<IAcadDocument>> m_wrappers;
};

class CAcadWinApp {
public:
    IAcadApplication* GetIDispatch(bool addReference = false);

private:
    IAcadApplication m_application;
};

CAcadWinApp* acedGetAcadWinApp();
