#pragma once
// The backend: what shows windows to a person (or to a test). One per process, set by the
// host: the scripted backend in tests, the console backend in the console host, real windows
// in the desktop host. Dialog logic never depends on which one runs.

#include "platform/ui/Geometry.h"
#include "platform/ui/Messages.h"

#include <string>
#include <vector>

namespace ui {

class Dialog;
class Menu;
class Window;

// A file chooser as the dialogs ask for one: title, folder to start in, filter in the
// "description|patterns|description|patterns|" form, OFN_ flags. The chosen path comes back
// in `fileName`.
struct FileChooserRequest {
    bool save = false;
    std::wstring title;
    std::wstring initialFolder;
    std::wstring filter;
    std::wstring defaultExtension;
    std::wstring fileName;
    // With OFN_ALLOWMULTISELECT: every path chosen, in order (fileName holds the first).
    std::vector<std::wstring> fileNames;
    unsigned flags = 0;
};

inline constexpr unsigned OFN_OVERWRITEPROMPT = 0x00000002;
inline constexpr unsigned OFN_HIDEREADONLY = 0x00000004;
inline constexpr unsigned OFN_NOCHANGEDIR = 0x00000008;
inline constexpr unsigned OFN_ALLOWMULTISELECT = 0x00000200;
inline constexpr unsigned OFN_PATHMUSTEXIST = 0x00000800;
inline constexpr unsigned OFN_FILEMUSTEXIST = 0x00001000;
inline constexpr unsigned OFN_LONGNAMES = 0x00200000;

// A folder chooser: title (the prompt above the folders), folder to start in; the chosen
// folder comes back in `folder`.
struct FolderChooserRequest {
    std::wstring title;
    std::wstring initialFolder;
    std::wstring folder;
};

// The pointer's shapes a drag asks for: the Windows cursor ids of the arrow and the "no"
// sign; other numbers are cursor resources of the module (115, the copy cursor). None gives
// the window its own pointer back.
inline constexpr int kCursorNone = 0;
inline constexpr int IDC_ARROW = 32512;
inline constexpr int IDC_NO = 32648;

class Backend {
public:
    virtual ~Backend() = default;

    virtual int MessageBox(Window* owner, const std::wstring& text, const std::wstring& caption,
                           unsigned flags) = 0;
    // False when the user cancels.
    virtual bool ChooseFile(Window* owner, FileChooserRequest& request) = 0;
    virtual bool ChooseFolder(Window* owner, FolderChooserRequest& request) = 0;
    // Shows the menu at a screen point and returns the command chosen, 0 for none.
    virtual unsigned TrackPopupMenu(Window* owner, const Menu& menu, Point screen) = 0;

    // A dialog was created (modal or modeless) with its controls; a backend with real widgets
    // builds them now and watches the models.
    virtual void DialogCreated(Dialog& dialog) = 0;
    // Runs a created modal dialog until it ends (EndDialog).
    virtual void RunModal(Dialog& dialog) = 0;
    // The size of the dialog font's average character, which turns dialog units into pixels.
    virtual Size DialogBaseUnits() const = 0;
    // The frame around a top-level window's client area: left, top (caption), right, bottom.
    virtual Rect FrameInsets(unsigned style) const = 0;
    // The part of the screen windows are placed in.
    virtual Rect WorkArea() const = 0;

    virtual bool PostMessage(Window* target, unsigned message, WPARAM wParam, LPARAM lParam) = 0;
    // The window wants WM_PAINT when the loop runs next.
    virtual void RequestPaint(Window* window) = 0;
    virtual void SetTimer(Window* window, uintptr_t id, unsigned milliseconds) = 0;
    virtual void KillTimer(Window* window, uintptr_t id) = 0;
    // Handles what is posted and due now (posted messages, repaints).
    virtual void PumpMessages() = 0;

    // The wait cursor is shown while depth > 0.
    virtual void WaitCursorChanged(int depth) = 0;
    virtual Point GetCursorPos() const = 0;
    // Moves the pointer (the gestures of scripted users put it where they click).
    virtual void SetCursorPos(Point screen) = 0;
    virtual bool IsKeyDown(unsigned virtualKey) const = 0;
    // The deepest window at a screen point, or null.
    virtual Window* WindowFromPoint(Point screen) const = 0;

    // A drag's feedback, as the image-list drag of Windows gives it: the dragged item's
    // picture (its text and icon name, held at the hot spot) follows the pointer from
    // BeginDragImage to EndDragImage and is hidden while the windows below it change
    // (visible false); the pointer takes the shape the drop would have.
    virtual void BeginDragImage(const std::wstring& text, const std::wstring& icon, Point hotSpot,
                                Point screen) = 0;
    virtual void MoveDragImage(Point screen, bool visible) = 0;
    virtual void EndDragImage() = 0;
    virtual void SetDragCursor(int cursor) = 0;

    // Opens a file (logical path) in the program the desktop associates with its kind, as the
    // shell's "open" verb does. 0 when the program was started, else an errno value saying why
    // not (a backend without a desktop cannot: ENOSYS).
    virtual int OpenWithAssociatedProgram(const std::wstring& path) = 0;
};

// The process's backend; until a host sets one, boxes are printed on standard error and
// answered with their default button, choosers and menus are cancelled and modal dialogs end
// at once with IDCANCEL.
Backend& CurrentBackend();
// Sets the backend (not owned); null restores the default.
void SetBackend(Backend* backend);

} // namespace ui
