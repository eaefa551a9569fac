#pragma once
// Pictures of the screen as the user sees it: the area the shown top-level windows cover (the
// main frame and any open dialog), written as PNG.

#include <string>

class wxWindow;

namespace ui::desk {

// Lets the toolkit finish what it has to draw: pending events, layout and painting.
void Settle();
// The area of every shown top-level window; false when none shows or the file cannot be
// written.
bool SaveScreenshot(const std::string& path);
// The area of one window (its frame included).
bool SaveScreenshot(const wxWindow& window, const std::string& path);

} // namespace ui::desk
