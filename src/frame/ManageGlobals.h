#pragma once
// The module-wide single instances. All are used on the host's main thread only.

#include "platform/cad/Documents.h"

#include <string>

namespace ui {
class Window;
}

// The one modeless management window, or null. The window class derives from ui::Window, so
// the frame can show, activate and destroy it without knowing more of it.
extern ui::Window* g_pManageDlg;
// The full path of a drawing the management window is opening; "XmOPenFile"/"SbOPenFile"
// empty it.
extern std::wstring g_strOpenDwgPathName;
// 1 after a save into a container while a management window is open: the window expands its
// whole tree once when it next loads and sets the flag back to 0.
extern int g_bExpandTreeAfterSave;

// The module's resources, pushed on the document manager while its dialogs run.
HINSTANCE ModuleResourceInstance();

// Makes the module's resources current for its lifetime and restores the previous ones
// afterwards, on every path out of a command.
class CModuleResourceScope {
public:
    CModuleResourceScope();
    ~CModuleResourceScope();
    CModuleResourceScope(const CModuleResourceScope&) = delete;
    CModuleResourceScope& operator=(const CModuleResourceScope&) = delete;
};

// Locks the current document for its lifetime, as every command of the management window does
// while one of its modal dialogs runs, and unlocks it on every path out. Without a current
// document nothing is locked.
class CDocumentLockScope {
public:
    CDocumentLockScope();
    ~CDocumentLockScope();
    CDocumentLockScope(const CDocumentLockScope&) = delete;
    CDocumentLockScope& operator=(const CDocumentLockScope&) = delete;

private:
    AcApDocument* m_pDocument = nullptr;
};
