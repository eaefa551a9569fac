#include "platform/ui/Menu.h"

#include "platform/ui/Backend.h"
#include "platform/ui/Window.h"

#include <algorithm>

namespace ui {

Menu::Menu(const std::vector<MenuTemplateItem>& lines) {
    for (const MenuTemplateItem& line : lines) {
        Item item{line.id, line.text, line.flags, nullptr};
        if (!line.popup.empty()) {
            item.flags |= MF_POPUP;
            item.popup = std::make_unique<Menu>(line.popup);
        } else if (line.id == 0 && line.text.empty()) {
            item.flags |= MF_SEPARATOR;
        }
        m_items.push_back(std::move(item));
    }
}

unsigned Menu::GetMenuItemID(int position) const {
    if (position < 0 || position >= GetMenuItemCount())
        return kMenuError;
    const Item& item = m_items[static_cast<size_t>(position)];
    return (item.flags & MF_POPUP) ? kMenuError : item.id;
}

Menu* Menu::GetSubMenu(int position) const {
    if (position < 0 || position >= GetMenuItemCount())
        return nullptr;
    return m_items[static_cast<size_t>(position)].popup.get();
}

Menu::Item* Menu::Find(unsigned item, unsigned flags, Menu** holder) {
    if (flags & MF_BYPOSITION) {
        if (item >= m_items.size())
            return nullptr;
        if (holder)
            *holder = this;
        return &m_items[item];
    }
    for (Item& entry : m_items) {
        if (!(entry.flags & (MF_POPUP | MF_SEPARATOR)) && entry.id == item) {
            if (holder)
                *holder = this;
            return &entry;
        }
        if (entry.popup)
            if (Item* found = entry.popup->Find(item, flags, holder))
                return found;
    }
    return nullptr;
}

const Menu::Item* Menu::Find(unsigned item, unsigned flags) const {
    return const_cast<Menu*>(this)->Find(item, flags, nullptr);
}

std::wstring Menu::GetMenuString(unsigned item, unsigned flags) const {
    const Item* found = Find(item, flags);
    return found ? found->text : std::wstring();
}

unsigned Menu::GetMenuState(unsigned item, unsigned flags) const {
    const Item* found = Find(item, flags);
    return found ? found->flags : kMenuError;
}

unsigned Menu::EnableMenuItem(unsigned item, unsigned flags) {
    Item* found = Find(item, flags);
    if (!found)
        return kMenuError;
    unsigned previous = found->flags & (MF_GRAYED | MF_DISABLED);
    found->flags =
        (found->flags & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    return previous;
}

unsigned Menu::CheckMenuItem(unsigned item, unsigned flags) {
    Item* found = Find(item, flags);
    if (!found)
        return kMenuError;
    unsigned previous = found->flags & MF_CHECKED;
    found->flags = (found->flags & ~MF_CHECKED) | (flags & MF_CHECKED);
    return previous;
}

bool Menu::ModifyMenu(unsigned item, unsigned flags, unsigned newId, const std::wstring& text) {
    Item* found = Find(item, flags);
    if (!found)
        return false;
    found->id = newId;
    found->text = text;
    found->flags = (found->flags & MF_POPUP) | (flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED));
    return true;
}

bool Menu::RemoveMenu(unsigned item, unsigned flags) {
    Menu* holder = nullptr;
    Item* found = Find(item, flags, &holder);
    if (!found)
        return false;
    auto& items = holder->m_items;
    items.erase(items.begin() + (found - items.data()));
    return true;
}

bool Menu::AppendMenu(unsigned flags, unsigned id, const std::wstring& text) {
    m_items.push_back(Item{id, text, flags, nullptr});
    return true;
}

unsigned Menu::TrackPopupMenu(unsigned flags, int x, int y, Window* owner) const {
    unsigned chosen = CurrentBackend().TrackPopupMenu(owner, *this, Point{x, y});
    const Item* item = chosen ? Find(chosen, MF_BYCOMMAND) : nullptr;
    // A grayed or disabled item cannot be chosen; a backend that offers one is refused here.
    if (!item || (item->flags & (MF_GRAYED | MF_DISABLED)))
        chosen = 0;
    if (flags & TPM_RETURNCMD)
        return chosen;
    // Windows posts the command: it runs after the handler that showed the menu returns.
    if (chosen && owner)
        owner->PostMessage(WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    return chosen ? 1 : 0;
}

} // namespace ui
