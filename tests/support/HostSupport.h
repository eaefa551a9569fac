#pragma once
// A running stand-in host for one test: started fresh with one new drawing, message boxes
// answered by a scripted backend, the command line empty; stopped again at the end.

#include "platform/cad/DbDatabase.h"
#include "platform/cad/Documents.h"
#include "platform/ui/ScriptedBackend.h"

#include <functional>
#include <string>

namespace ovtest {

class HostSession {
public:
    // Templates come from `templateFolder` (logical; none when empty).
    explicit HostSession(const std::wstring& templateFolder = L"");
    ~HostSession();
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

    ui::ScriptedBackend& Boxes() { return m_boxes; }
    // Runs the text as command-line input (as sent, not typed).
    int Run(const std::wstring& input);
    AcApDocument* Current() const { return acDocManager->curDocument(); }
    AcDbDatabase* CurrentDatabase() const { return Current() ? Current()->database() : nullptr; }

private:
    ui::ScriptedBackend m_boxes;
};

// Saves a drawing to the logical path; `fill` adds its content first.
void SaveDrawing(const std::wstring& path, const std::function<void(AcDbDatabase&)>& fill = {},
                 AcDb::AcDbDwgVersion version = AcDb::kDHL_2400);
// The DWG version a drawing file was saved in (0 when it cannot be read).
int SavedVersion(const std::wstring& path);

// Locks the document for the object's lifetime, as code outside commands must.
class DocumentLock {
public:
    explicit DocumentLock(AcApDocument* document) : m_document(document) {
        acDocManager->lockDocument(document);
    }
    ~DocumentLock() { acDocManager->unlockDocument(m_document); }
    DocumentLock(const DocumentLock&) = delete;
    DocumentLock& operator=(const DocumentLock&) = delete;

private:
    AcApDocument* m_document;
};

} // namespace ovtest
