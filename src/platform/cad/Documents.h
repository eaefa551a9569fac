#pragma once
// Documents: the drawings open in the host, each with its database, and the document manager
// that opens, creates, activates, locks and closes them.
//
// A command runs in the context of the current document, which it may change freely. Code
// outside a command (a modeless window, the application context) must lock a document before
// it changes the document's database; otherwise opening its objects for write fails with
// eLockViolation.

#include "platform/cad/DbDatabase.h"
#include "platform/cad/DrawingLock.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

// The identity of a module's resources; the host's own is kept as the base of the stack.
using HINSTANCE = const void*;

namespace AcAp {
enum DocLockMode {
    kNone = 0,
    kAutoWrite = 1,
    kNotLocked = 2,
    kWrite = 4,
    kProtectedAutoWrite = 0x14,
    kRead = 0x20,
    kXWrite = 0x40
};
}

namespace cad {
class DocumentManagerState;
struct PendingString {
    std::wstring text;
    bool echo = false;
};
} // namespace cad

class AcApDocument {
public:
    // The full path of a saved drawing, or "DrawingN.dwg" for one that has no file yet.
    const wchar_t* fileName() const { return m_fileName.c_str(); }
    // The file name without its folder.
    std::wstring docTitle() const;
    AcDbDatabase* database() const { return m_database.get(); }
    bool isTitled() const { return m_titled; }
    // The file this document was last saved to in this session ("" until it is saved): the
    // SAVENAME variable.
    const std::wstring& saveName() const { return m_saveName; }
    // Whether the host holds the drawing's lock files (".dwl", ".dwl2"; DrawingLock.h).
    bool holdsLockFiles() const { return m_lockFiles.IsHeld(); }
    AcAp::DocLockMode myLockMode() const { return m_locks > 0 ? AcAp::kWrite : AcAp::kNotLocked; }

    // --- For the host itself ---
    AcApDocument(std::unique_ptr<AcDbDatabase> database, std::wstring fileName, bool titled);
    ~AcApDocument();
    // A new file name (after SAVEAS): the lock files follow it.
    void setFileName(std::wstring fileName);
    void setSaveName(std::wstring fileName) { m_saveName = std::move(fileName); }
    // Takes the lock files of the document's file; a note on the command line when another
    // program holds them.
    void lockFile();
    // Changes are allowed while a command runs in the document or while it is locked.
    bool isWriteAllowed() const { return m_locks > 0 || m_commandDepth > 0; }
    int lockCount() const { return m_locks; }
    void enterCommand() { ++m_commandDepth; }
    void leaveCommand() { --m_commandDepth; }
    bool inCommand() const { return m_commandDepth > 0; }
    std::deque<cad::PendingString>& pendingStrings() { return m_pending; }
    // The view: centre and height of the shown part of model space.
    AcGePoint3d viewCenter() const { return m_viewCenter; }
    double viewHeight() const { return m_viewHeight; }
    void setView(const AcGePoint3d& center, double height);

private:
    friend class AcApDocManager;
    std::unique_ptr<AcDbDatabase> m_database;
    std::wstring m_fileName;
    bool m_titled;
    std::wstring m_saveName;
    cad::DrawingLockFiles m_lockFiles;
    int m_locks = 0;
    int m_commandDepth = 0;
    std::deque<cad::PendingString> m_pending;
    AcGePoint3d m_viewCenter{210.0, 148.5, 0.0};
    double m_viewHeight = 297.0;
};

class AcApDocumentIterator {
public:
    explicit AcApDocumentIterator(std::vector<AcApDocument*> documents)
        : m_documents(std::move(documents)) {}
    bool done() const { return m_position >= m_documents.size(); }
    void step() { ++m_position; }
    AcApDocument* document() const { return done() ? nullptr : m_documents[m_position]; }

private:
    std::vector<AcApDocument*> m_documents;
    size_t m_position = 0;
};

class AcApDocManager {
public:
    AcApDocument* curDocument() const { return m_current; }
    AcApDocument* mdiActiveDocument() const { return m_current; }
    int documentCount() const { return static_cast<int>(m_documents.size()); }
    // The caller deletes the iterator.
    AcApDocumentIterator* newAcApDocumentIterator() const;

    Acad::ErrorStatus activateDocument(AcApDocument* document, bool bPassScript = false);
    Acad::ErrorStatus setCurDocument(AcApDocument* document, AcAp::DocLockMode mode = AcAp::kNone,
                                     bool activate = false);
    Acad::ErrorStatus lockDocument(AcApDocument* document, AcAp::DocLockMode mode = AcAp::kWrite,
                                   const wchar_t* globalCommandName = nullptr,
                                   const wchar_t* localCommandName = nullptr, bool prompt = true);
    // eNotLocked when the document was not locked.
    Acad::ErrorStatus unlockDocument(AcApDocument* document);

    // Opens the drawing as a new current document; a drawing that is open already is
    // activated instead. In single-document mode it takes the place of the current document,
    // which is given up first (and nothing happens when the user keeps it).
    Acad::ErrorStatus appContextOpenDocument(const wchar_t* fileName);
    // A new drawing from the template (a name found in the host's template folder, or a full
    // path); an empty name takes "acad.dwt", and without that file the drawing starts empty.
    Acad::ErrorStatus appContextNewDocument(const wchar_t* templateName);
    // Closes the document without saving.
    Acad::ErrorStatus closeDocument(AcApDocument* document);

    Acad::ErrorStatus executeInApplicationContext(void (*procedure)(void*), void* data);
    bool isApplicationContext() const { return m_applicationContext; }

    // Queues the text as input for the document; it runs once the command that sends it has
    // returned (at once when no command runs) and the document is current. With activate the
    // document is made current for it.
    Acad::ErrorStatus sendStringToExecute(AcApDocument* document, const wchar_t* text,
                                          bool activate = true, bool bWrapUpInactiveDoc = false,
                                          bool bEchoString = true);

    Acad::ErrorStatus pushResourceHandle(HINSTANCE resource);
    Acad::ErrorStatus pushAcadResourceHandle();
    Acad::ErrorStatus popResourceHandle();

    // --- For the host itself ---
    static HINSTANCE acadResourceHandle();
    HINSTANCE currentResourceHandle() const;
    size_t resourceStackDepth() const { return m_resources.size(); }
    bool contains(const AcApDocument* document) const;
    // The open documents in the order they were opened.
    std::vector<AcApDocument*> documents() const;
    AcApDocument* findDocument(const std::wstring& fileName) const;
    // Gives the document up: asks about unsaved changes (save, discard or keep it) and closes
    // it unless the user keeps it. True when it was closed.
    bool releaseDocument(AcApDocument* document);
    // Closes every document without asking; for the end of the host and for tests.
    void closeAll();
    // The folder of the drawing templates, and the folder new drawings are in until saved.
    void setTemplateFolder(std::wstring folder) { m_templateFolder = std::move(folder); }
    const std::wstring& templateFolder() const { return m_templateFolder; }
    void setDrawingFolder(std::wstring folder) { m_drawingFolder = std::move(folder); }
    const std::wstring& drawingFolder() const { return m_drawingFolder; }
    // Runs the document's queued strings while it is current and no command runs.
    void runPendingStrings();

private:
    AcApDocument* addDocument(std::unique_ptr<AcDbDatabase> database, std::wstring fileName,
                              bool titled);
    bool makeRoomForDocument();

    std::vector<std::unique_ptr<AcApDocument>> m_documents;
    AcApDocument* m_current = nullptr;
    bool m_applicationContext = false;
    std::vector<HINSTANCE> m_resources;
    std::wstring m_templateFolder;
    std::wstring m_drawingFolder;
    int m_untitledCount = 0;
    bool m_runningPending = false;
};

AcApDocManager* acDocManagerPtr();
#define acDocManager acDocManagerPtr()

// Opens the drawing in the current document's place (single-document mode) or as a new
// document; RTNORM on success.
int acedSyncFileOpen(const wchar_t* fileName);
