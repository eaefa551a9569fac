#pragma once
// Keys between the toolkit's codes and the virtual-key codes the dialogs test.

class wxKeyEvent;

namespace ui::desk {

// The virtual key of a key event, or 0 for keys the dialogs never look at.
unsigned VirtualKeyOf(const wxKeyEvent& event);
// The toolkit's code of a virtual key (for asking whether it is held down), or 0.
int ToolkitKeyOf(unsigned virtualKey);

} // namespace ui::desk
