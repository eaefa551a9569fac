#include "platform/cad/Automation.h"

#include "platform/cad/CommandProcessor.h"
#include "platform/cad/HostProfile.h"
#include "platform/cad/SystemVariables.h"

HRESULT IAcadDocument::SendCommand(const std::wstring& commands) {
    if (!acDocManager->contains(m_document) || m_document != acDocManager->curDocument())
        return E_FAIL;
    cad::CommandProcessor::Instance().Execute(commands);
    return S_OK;
}

HRESULT IAcadDocument::Close(bool saveChanges, const std::wstring& fileName) {
    if (!acDocManager->contains(m_document))
        return E_FAIL;
    if (saveChanges) {
        std::wstring target = fileName.empty() ? std::wstring(m_document->fileName()) : fileName;
        if (fileName.empty() && !m_document->isTitled())
            return E_FAIL;
        bool backup = cad::SystemVariables::Instance().ShortValue(L"ISAVEBAK") != 0;
        if (m_document->database()->saveAs(target.c_str(), backup, cad::DefaultSaveVersion()) !=
            Acad::eOk)
            return E_FAIL;
    }
    return acDocManager->closeDocument(m_document) == Acad::eOk ? S_OK : E_FAIL;
}

std::wstring IAcadDocument::FullName() const {
    return acDocManager->contains(m_document) && m_document->isTitled() ? m_document->fileName()
                                                                        : L"";
}

HRESULT IAcadDocuments::Add(const std::wstring& templateName) {
    return acDocManager->appContextNewDocument(templateName.c_str()) == Acad::eOk ? S_OK : E_FAIL;
}

IAcadDocument* IAcadApplication::ActiveDocument() {
    std::erase_if(m_wrappers,
                  [](const auto& entry) { return !acDocManager->contains(entry.first); });
    AcApDocument* document = acDocManager->curDocument();
    if (!document)
        return nullptr;
    auto& wrapper = m_wrappers[document];
    if (!wrapper)
        wrapper = std::make_unique<IAcadDocument>(document);
    return wrapper.get();
}

IAcadApplication* CAcadWinApp::GetIDispatch(bool) {
    return &m_application;
}

CAcadWinApp* acedGetAcadWinApp() {
    static CAcadWinApp application;
    return &application;
}
