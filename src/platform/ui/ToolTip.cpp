#include "platform/ui/ToolTip.h"

namespace ui {

bool ToolTipCtrl::Create(Window* owner, unsigned style) {
    if (m_owner || !owner)
        return false;
    m_owner = owner;
    m_style = style;
    return true;
}

bool ToolTipCtrl::AddTool(Window* tool, const std::wstring& text) {
    if (!m_owner || !tool)
        return false;
    for (Tool& known : m_tools)
        if (known.window == tool) {
            known.text = text;
            return true;
        }
    m_tools.push_back({tool, text});
    return true;
}

std::wstring ToolTipCtrl::GetTipText(const Window* tool) const {
    if (!m_active)
        return {};
    for (const Tool& known : m_tools)
        if (known.window == tool)
            return known.text;
    return {};
}

} // namespace ui
