#pragma once
// Scripted user actions: what a test or a console script says the user does to a dialog
// ("type 134 abc", "click 1", "select 125 P|Q|图1.dwg", ...), and their application through
// the gestures. Items are named by text: a list or combo item by its text or "#index", a
// report-list row by its first cell or "#index", a tree item by its text (the first one in
// order) or by the texts of its path joined with "|" (a character no file name holds).

#include "platform/ui/Dialog.h"

#include <optional>
#include <string>
#include <vector>

namespace ui {

enum class ActionKind {
    Type,        // id, text
    Click,       // id (a button)
    Select,      // id, item
    DoubleClick, // id, item
    RightClick,  // id, item (may be empty: the empty space of a tree); menu answers the popup
    Expand,      // id, item
    Collapse,    // id, item
    Check,       // id, item: its check box ticked
    Uncheck,     // id, item
    Cell,        // id, row, column, x (-1: the middle): a click in a report list's cell
    Header,      // id, column
    Key,         // id (0: the control with the focus), key
    Drag,        // id, item onto targetId, targetItem; copy holds Ctrl
    Close,       // the caption's close box
    Timer,       // id: the timer fires
    Command,     // id: the menu command of that id reaches the dialog (one its menu never offers)
};

struct Action {
    ActionKind kind = ActionKind::Click;
    int id = 0;
    std::wstring text; // typed text, or the item
    int row = -1;
    int column = -1;
    int x = -1;
    unsigned key = 0;
    int targetId = 0;
    std::wstring targetItem;
    bool copy = false;
    unsigned menu = 0; // the popup menu command a right click goes on with (0: none)
};

// Builders, so that a test reads as what the user does.
namespace act {
Action Type(int id, std::wstring text);
Action Click(int id);
Action Select(int id, std::wstring item);
Action DoubleClick(int id, std::wstring item);
Action RightClick(int id, std::wstring item, unsigned menu = 0);
Action Expand(int id, std::wstring item);
Action Collapse(int id, std::wstring item);
Action Check(int id, std::wstring item, bool checked = true);
Action Cell(int id, int row, int column, int x = -1);
Action Header(int id, int column);
Action Key(int id, unsigned key);
Action Drag(int id, std::wstring item, int targetId, std::wstring targetItem, bool copy = false);
Action Close();
Action Timer(int id);
Action Command(int id);
inline Action Ok() {
    return Click(IDOK);
}
inline Action Cancel() {
    return Click(IDCANCEL);
}
} // namespace act

// Reads one action from a line of words (see docs/ui-actions.md); an error in words otherwise.
std::optional<Action> ParseAction(const std::wstring& line, std::wstring& error);
// The line that ParseAction reads back as the action.
std::wstring ActionText(const Action& action);
// Key names: "enter", "esc", "up", "down", "left", "right", "delete", "tab", "f2", "space",
// or a number; 0 when unknown.
unsigned KeyFromName(const std::wstring& name);

// Finds the named item; false when there is none.
bool FindTreeItem(const TreeCtrl& tree, const std::wstring& name, HTREEITEM& item);
// Finds the named item as a user reaches it: a collapsed branch that does not hold the next
// name is opened first, since a tree may fill a branch only when it is opened.
bool OpenTreeItem(TreeCtrl& tree, const std::wstring& name, HTREEITEM& item);
int FindListRow(const ListCtrl& list, const std::wstring& name);

// Does the action to the dialog. Returns "" or what was wrong (no such control, item or
// disabled control), in which case nothing was done. The menu answer of a right click and the
// Ctrl key of a copying drag are the backend's to hold (LocalBackend::Perform does).
std::wstring ApplyAction(Dialog& dialog, const Action& action);

} // namespace ui
