#pragma once
// A tooltip: the text shown while the pointer rests on one of its tools (controls of a dialog).
// A backend asks for the text of the window under the pointer; the console and scripted
// backends have no pointer to rest, so only the model is kept there.

#include <string>
#include <vector>

namespace ui {

class Window;

inline constexpr unsigned TTS_ALWAYSTIP = 0x01;

class ToolTipCtrl {
public:
    ToolTipCtrl() = default;
    ~ToolTipCtrl();
    ToolTipCtrl(const ToolTipCtrl&) = delete;
    ToolTipCtrl& operator=(const ToolTipCtrl&) = delete;

    // False when it exists already.
    bool Create(Window* owner, unsigned style = 0);
    bool IsCreated() const { return m_owner != nullptr; }
    Window* GetOwner() const { return m_owner; }
    unsigned GetStyle() const { return m_style; }
    // The text of a tool, replaced when the tool has one.
    bool AddTool(Window* tool, const std::wstring& text);
    void Activate(bool active) { m_active = active; }
    bool IsActive() const { return m_active; }
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

// The tooltip whose owner is the window (the dialog a control belongs to), or null, for a
// backend that shows tips.
const ToolTipCtrl* FindToolTip(const Window* owner);

} // namespace ui
