#include "platform/ui/wx/Keys.h"

#include "platform/ui/Messages.h"

#include <wx/event.h>

#include <iterator>

namespace ui::desk {

namespace {

struct KeyPair {
    int toolkit;
    unsigned virtualKey;
};

constexpr KeyPair kKeys[] = {
    {WXK_BACK, VK_BACK},     {WXK_TAB, VK_TAB},
    {WXK_RETURN, VK_RETURN}, {WXK_NUMPAD_ENTER, VK_RETURN},
    {WXK_SHIFT, VK_SHIFT},   {WXK_CONTROL, VK_CONTROL},
    {WXK_ESCAPE, VK_ESCAPE}, {WXK_SPACE, VK_SPACE},
    {WXK_LEFT, VK_LEFT},     {WXK_UP, VK_UP},
    {WXK_RIGHT, VK_RIGHT},   {WXK_DOWN, VK_DOWN},
    {WXK_DELETE, VK_DELETE}, {WXK_F2, VK_F2},
    {WXK_F5, VK_F5},
};

} // namespace

unsigned VirtualKeyOf(const wxKeyEvent& event) {
    int code = event.GetKeyCode();
    for (const KeyPair& key : kKeys)
        if (key.toolkit == code)
            return key.virtualKey;
    // Letters and digits have their upper-case character as virtual key, as in Windows.
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z'))
        return static_cast<unsigned>(code);
    if (code >= 'a' && code <= 'z')
        return static_cast<unsigned>(code - 'a' + 'A');
    if (code >= WXK_F1 && code <= WXK_F12)
        return 0x70u + static_cast<unsigned>(code - WXK_F1);
    return 0;
}

int ToolkitKeyOf(unsigned virtualKey) {
    for (const KeyPair& key : kKeys)
        if (key.virtualKey == virtualKey)
            return key.toolkit;
    if ((virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z'))
        return static_cast<int>(virtualKey);
    return 0;
}

} // namespace ui::desk
