#include "frame/ManageGlobals.h"

ui::Window* g_pManageDlg = nullptr;
std::wstring g_strOpenDwgPathName;
int g_bExpandTreeAfterSave = 0;

namespace {
const char g_moduleResources = 0;
}

HINSTANCE ModuleResourceInstance() {
    return &g_moduleResources;
}

CModuleResourceScope::CModuleResourceScope() {
    acDocManager->pushResourceHandle(ModuleResourceInstance());
}

CModuleResourceScope::~CModuleResourceScope() {
    acDocManager->popResourceHandle();
}

CDocumentLockScope::CDocumentLockScope() {
    AcApDocument* pDocument = acDocManager->curDocument();
    if (pDocument && acDocManager->lockDocument(pDocument) == Acad::eOk)
        m_pDocument = pDocument;
}

CDocumentLockScope::~CDocumentLockScope() {
    if (m_pDocument && acDocManager->contains(m_pDocument))
        acDocManager->unlockDocument(m_pDocument);
}
