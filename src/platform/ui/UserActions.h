#pragma once
// What a person does to a dialog, done on the models: each gesture moves the focus, changes
// the control and sends what Windows sends for it, in Windows' order (a click on a tree item
// sends NM_CLICK before the selection changes, a click in a list selects the row on the button
// going down and sends NM_CLICK when it comes up, ...). The scripted and console backends
// perform their actions through these gestures, and the desktop backend turns toolkit events
// into them, so a dialog sees the same messages whichever backend runs it.

#include "platform/ui/Dialog.h"

namespace ui::gesture {

// Buttons: a check box toggles, a radio button is checked and the radio buttons beside it
// cleared; then BN_CLICKED.
void Click(Button& button);
// Replaces an edit field's text (EN_CHANGE).
void Type(Edit& edit, const std::wstring& text);
// Replaces a combo box's edit text (CBN_EDITCHANGE); the list's selection is cleared unless an
// item matches the text exactly.
void Type(ComboBox& combo, const std::wstring& text);
// Opens the list (CBN_DROPDOWN), picks the item (CBN_SELCHANGE), closes it (CBN_CLOSEUP).
void Pick(ComboBox& combo, int index);
// The same in two steps, for a caller that finds the item only in the opened list (a dialog
// may fill the list when it takes the focus or opens): opening, then picking (-1: none, the
// list just closes).
void OpenDropDown(ComboBox& combo);
void PickFromOpened(ComboBox& combo, int index);
// The last two steps apart, as a toolkit reports them: an item is chosen (also without the
// list, by keyboard), the list closes.
void Choose(ComboBox& combo, int index);
void CloseList(ComboBox& combo);
void Pick(ListBox& list, int index);
void DoubleClick(ListBox& list, int index);

void Click(TreeCtrl& tree, HTREEITEM item);
void DoubleClick(TreeCtrl& tree, HTREEITEM item);
// The second press of a double click whose first press was a Click already.
void DoubleClickAfterClick(TreeCtrl& tree, HTREEITEM item);
void RightClick(TreeCtrl& tree, HTREEITEM item);
void Expand(TreeCtrl& tree, HTREEITEM item, bool expand);
// A click on the item's check box: the mark changes (TVN_ITEMCHANGED names the item), then
// NM_CLICK, and the button comes up over it (WM_LBUTTONUP to the tree), as after every click
// of a tree item.
void ToggleCheck(TreeCtrl& tree, HTREEITEM item);
// Drags an item onto a point of a window (client coordinates of `target`) and lets go, with
// the keys the backend holds down (Ctrl for copying). The dialog follows the drag through its
// mouse messages.
void Drag(TreeCtrl& tree, HTREEITEM item, Window& target, Point targetClient);
// The start of a drag (TVN_BEGINDRAG); the pointer's moves and the button's release then go to
// the window that took the mouse capture, else the tree's parent, as WM_MOUSEMOVE and
// WM_LBUTTONUP. That window, or null when the drag cannot go on.
Window* BeginDrag(TreeCtrl& tree, HTREEITEM item);
// The end of a drag begun by BeginDrag: the pointer moves onto a point of a window (client
// coordinates of `target`) and the button comes up there, Ctrl as the backend holds it.
void Drop(Window& receiver, Window& target, Point targetClient);

// Clicks in a report list's cell; `x` is the offset from the cell's left edge (-1: its middle).
void Click(ListCtrl& list, int row, int column, int x = -1);
void DoubleClick(ListCtrl& list, int row, int column);
void DoubleClickAfterClick(ListCtrl& list, int row, int column);
void RightClick(ListCtrl& list, int row, int column);
void ToggleCheck(ListCtrl& list, int row);
void ClickHeader(ListCtrl& list, int column);
// Presses the button on a row (selecting it, as a click does, unless it is selected already),
// drags the selected rows onto a point of a window (client coordinates of `target`) and lets
// go: LVN_BEGINDRAG to the list's parent, which follows the drag through its mouse messages.
void Drag(ListCtrl& list, int row, Window& target, Point targetClient);
// The start of such a drag; the window that follows it (the one that took the mouse capture,
// else the list's parent), or null when the drag cannot go on.
Window* BeginDrag(ListCtrl& list, int row);

// A key pressed in a control of the dialog (or in the dialog when `target` is null: the key
// goes to the control with the focus). The dialog's PreTranslateMessage sees it first; Enter
// and Escape then press OK and Cancel unless the control takes them itself. False when the
// dialog's PreTranslateMessage ate the key.
bool PressKey(Dialog& dialog, Window* target, unsigned key);
// The close box of the window's caption (WM_CLOSE).
void Close(Dialog& dialog);

} // namespace ui::gesture
