#pragma once
// A tooltip: the text shown while the pointer rests on one of its tools (controls of a dialog).
// The console and scripted backends have no pointer to rest, so there only the model is kept.

#include <string>
#include <vector>

namespace ui {

class Window;

inline constexpr unsigned TTS_ALWAYSTIP = 0x01;

class ToolTipCtrl {
public:
    // False when it exists already.
    bool Create(Window* owner, unsigned style = 0);
    unsigned GetStyle() const { return m_style; }
    // The text of a tool, replaced when the tool has one.
    bool AddTool(Window* tool, const std::wstring& text);
    void Activate(bool active) { m_active = active; }
    // The text shown over the window: "" when it is no tool or the tooltip is not active.
    std::wstring GetTipText(const Window* tool) const;

private:
    struct Tool {
        Window* window;
        std::wstring text;
    };
    Window* m_owner = nullptr;
    unsigned m_style = 0;
    bool m_active = false;
    std::vector<Tool> m_tools;
};

} // namespace ui
