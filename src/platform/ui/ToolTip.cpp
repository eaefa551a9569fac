#include "platform/ui/ToolTip.h"

#include "platform/ui/Window.h"

#include <algorithm>

namespace ui {

namespace {

std::vector<const ToolTipCtrl*>& ToolTips() {
    static auto* tips = new std::vector<const ToolTipCtrl*>();
    return *tips;
}

} // namespace

bool ToolTipCtrl::Create(Window* owner, unsigned style) {
    if (m_owner || !owner)
        return false;
    m_owner = owner;
    m_style = style;
    ToolTips().push_back(this);
    return true;
}

ToolTipCtrl::~ToolTipCtrl() {
    auto& tips = ToolTips();
    tips.erase(std::remove(tips.begin(), tips.end(), this), tips.end());
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

const ToolTipCtrl* FindToolTip(const Window* owner) {
    for (const ToolTipCtrl* tip : ToolTips())
        if (tip->GetOwner() == owner && IsWindowAlive(owner))
            return tip;
    return nullptr;
}

} // namespace ui
