#include "platform/cad/Documents.h"

#include "platform/cad/CommandLine.h"
#include "platform/cad/CommandProcessor.h"
#include "platform/cad/DynamicLinker.h"
#include "platform/cad/HostProfile.h"
#include "platform/cad/HostServices.h"
#include "platform/cad/SystemVariables.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/LogicalPath.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"

#include <algorithm>
#include <filesystem>

namespace {

const char g_acadResources = 0;

std::wstring JoinFolder(const std::wstring& folder, const std::wstring& name) {
    if (folder.empty())
        return L"\\" + name;
    return folder.back() == L'\\' ? folder + name : folder + L"\\" + name;
}

} // namespace

AcApDocument::AcApDocument(std::unique_ptr<AcDbDatabase> database, std::wstring fileName,
                           bool titled)
    : m_database(std::move(database)), m_fileName(std::move(fileName)), m_titled(titled) {
    m_database->setWriteGuard([this] { return isWriteAllowed(); });
}

AcApDocument::~AcApDocument() = default;

std::wstring AcApDocument::docTitle() const {
    size_t slash = m_fileName.find_last_of(L'\\');
    return slash == std::wstring::npos ? m_fileName : m_fileName.substr(slash + 1);
}

void AcApDocument::setFileName(std::wstring fileName) {
    bool moved = !m_titled || !text::EqualsNoCase(m_fileName, fileName);
    m_fileName = std::move(fileName);
    m_titled = true;
    if (moved)
        lockFile();
}

void AcApDocument::lockFile() {
    cad::DrawingLockHolder holder;
    if (m_titled && !m_lockFiles.Acquire(m_fileName) &&
        cad::ClearLockFile(cad::LockFilePath(m_fileName, false), holder) ==
            cad::LockFileState::Held)
        acutPrintf(L"\n%s is in use by %s on %s since %s: opened without its lock files.\n",
                   m_fileName, holder.user, holder.machine, holder.since);
}

void AcApDocument::setView(const AcGePoint3d& center, double height) {
    m_viewCenter = center;
    if (height > 0.0)
        m_viewHeight = height;
}

AcApDocManager* acDocManagerPtr() {
    static AcApDocManager manager;
    return &manager;
}

HINSTANCE AcApDocManager::acadResourceHandle() {
    return &g_acadResources;
}

HINSTANCE AcApDocManager::currentResourceHandle() const {
    return m_resources.empty() ? acadResourceHandle() : m_resources.back();
}

Acad::ErrorStatus AcApDocManager::pushResourceHandle(HINSTANCE resource) {
    m_resources.push_back(resource);
    return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::pushAcadResourceHandle() {
    return pushResourceHandle(acadResourceHandle());
}

Acad::ErrorStatus AcApDocManager::popResourceHandle() {
    if (m_resources.empty())
        return Acad::eNotApplicable;
    m_resources.pop_back();
    return Acad::eOk;
}

std::vector<AcApDocument*> AcApDocManager::documents() const {
    std::vector<AcApDocument*> documents;
    for (const auto& document : m_documents)
        documents.push_back(document.get());
    return documents;
}

AcApDocumentIterator* AcApDocManager::newAcApDocumentIterator() const {
    return new AcApDocumentIterator(documents());
}

bool AcApDocManager::contains(const AcApDocument* document) const {
    return document && std::any_of(m_documents.begin(), m_documents.end(),
                                   [document](const auto& open) { return open.get() == document; });
}

AcApDocument* AcApDocManager::findDocument(const std::wstring& fileName) const {
    for (const auto& document : m_documents)
        if (text::EqualsNoCase(document->fileName(), fileName))
            return document.get();
    return nullptr;
}

AcApDocument* AcApDocManager::addDocument(std::unique_ptr<AcDbDatabase> database,
                                          std::wstring fileName, bool titled) {
    m_documents.push_back(
        std::make_unique<AcApDocument>(std::move(database), std::move(fileName), titled));
    AcApDocument* document = m_documents.back().get();
    m_current = document;
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    cad::NotifyModules(AcRx::kLoadDwgMsg, document);
    return document;
}

Acad::ErrorStatus AcApDocManager::activateDocument(AcApDocument* document, bool) {
    if (!contains(document))
        return Acad::eInvalidInput;
    m_current = document;
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::setCurDocument(AcApDocument* document, AcAp::DocLockMode mode,
                                                 bool activate) {
    if (!contains(document))
        return Acad::eInvalidInput;
    m_current = document;
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    if (mode != AcAp::kNone && mode != AcAp::kNotLocked)
        lockDocument(document, mode);
    return activate ? activateDocument(document) : Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::lockDocument(AcApDocument* document, AcAp::DocLockMode,
                                               const wchar_t*, const wchar_t*, bool) {
    if (!contains(document))
        return Acad::eInvalidInput;
    ++document->m_locks;
    return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::unlockDocument(AcApDocument* document) {
    if (!contains(document))
        return Acad::eInvalidInput;
    if (document->m_locks == 0)
        return Acad::eNotLocked;
    --document->m_locks;
    return Acad::eOk;
}

bool AcApDocManager::makeRoomForDocument() {
    return cad::SystemVariables::Instance().ShortValue(L"SDI") != 1 || !m_current ||
           releaseDocument(m_current);
}

Acad::ErrorStatus AcApDocManager::appContextOpenDocument(const wchar_t* fileName) {
    if (!fileName || !*fileName)
        return Acad::eInvalidInput;
    if (AcApDocument* open = findDocument(fileName))
        return activateDocument(open);
    auto database = std::make_unique<AcDbDatabase>(false, false);
    if (Acad::ErrorStatus status = database->readDwgFile(fileName); status != Acad::eOk)
        return status;
    if (!makeRoomForDocument())
        return Acad::eDocumentSwitchDisabled;
    addDocument(std::move(database), fileName, true)->lockFile();
    return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::appContextNewDocument(const wchar_t* templateName) {
    std::wstring name = templateName ? templateName : L"";
    bool defaultTemplate = name.empty();
    if (defaultTemplate)
        name = L"acad.dwt";
    std::wstring path = name.front() == L'\\' ? name : JoinFolder(m_templateFolder, name);
    auto database = std::make_unique<AcDbDatabase>(true, false);
    if (fs::IsFile(path)) {
        if (Acad::ErrorStatus status = database->readDwgFile(path.c_str()); status != Acad::eOk)
            return status;
    } else if (!defaultTemplate) {
        return Acad::eFileNotFound;
    }
    if (!makeRoomForDocument())
        return Acad::eDocumentSwitchDisabled;
    std::wstring untitled = text::Format(L"Drawing%d.dwg", ++m_untitledCount);
    addDocument(std::move(database), untitled, false);
    return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::closeDocument(AcApDocument* document) {
    if (!contains(document))
        return Acad::eInvalidInput;
    cad::NotifyModules(AcRx::kUnloadDwgMsg, document);
    auto found = std::find_if(m_documents.begin(), m_documents.end(),
                              [document](const auto& open) { return open.get() == document; });
    std::unique_ptr<AcApDocument> closing = std::move(*found);
    m_documents.erase(found);
    if (m_current == document) {
        m_current = m_documents.empty() ? nullptr : m_documents.back().get();
        acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    }
    return Acad::eOk;
}

bool AcApDocManager::releaseDocument(AcApDocument* document) {
    if (!contains(document))
        return false;
    if (document->database()->isModified()) {
        std::wstring question = text::Format(L"Save changes to %s?", document->fileName());
        int answer =
            ui::MessageBox(nullptr, question, L"ovcad", ui::MB_YESNOCANCEL | ui::MB_ICONQUESTION);
        if (answer == ui::IDCANCEL)
            return false;
        if (answer == ui::IDYES) {
            if (!document->isTitled()) {
                acutPrintf(L"\n%s has no file yet: save it with SAVEAS first.\n",
                           document->fileName());
                return false;
            }
            bool backup = cad::SystemVariables::Instance().ShortValue(L"ISAVEBAK") != 0;
            Acad::ErrorStatus status = document->database()->saveAs(document->fileName(), backup,
                                                                    cad::DefaultSaveVersion());
            if (status != Acad::eOk) {
                acutPrintf(L"\nCannot save %s: %s\n", document->fileName(),
                           acadErrorStatusText(status));
                return false;
            }
        }
    }
    closeDocument(document);
    return true;
}

void AcApDocManager::closeAll() {
    while (!m_documents.empty())
        closeDocument(m_documents.back().get());
    m_untitledCount = 0;
    m_resources.clear();
    m_applicationContext = false;
}

Acad::ErrorStatus AcApDocManager::executeInApplicationContext(void (*procedure)(void*),
                                                              void* data) {
    if (!procedure)
        return Acad::eInvalidInput;
    bool previous = m_applicationContext;
    m_applicationContext = true;
    procedure(data);
    m_applicationContext = previous;
    return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::sendStringToExecute(AcApDocument* document, const wchar_t* text,
                                                      bool activate, bool, bool bEchoString) {
    if (!contains(document) || !text)
        return Acad::eInvalidInput;
    document->m_pending.push_back({text, bEchoString});
    if (activate)
        activateDocument(document);
    return Acad::eOk;
}

void AcApDocManager::runPendingStrings() {
    if (m_runningPending || cad::CommandProcessor::Instance().IsBusy())
        return;
    m_runningPending = true;
    while (m_current && !m_current->m_pending.empty()) {
        cad::PendingString pending = std::move(m_current->m_pending.front());
        m_current->m_pending.pop_front();
        cad::CommandProcessor::Instance().Execute(pending.text, pending.echo);
    }
    m_runningPending = false;
}

int acedSyncFileOpen(const wchar_t* fileName) {
    return acDocManager->appContextOpenDocument(fileName) == Acad::eOk ? RTNORM : RTERROR;
}
