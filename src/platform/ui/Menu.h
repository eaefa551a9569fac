#pragma once
// Menu models: items with a command id and a caption, enabled, grayed or checked, separators
// and sub-menus; built from a menu template (a resource menu) and changed by the dialog before
// it is shown. TrackPopupMenu asks the backend which command the user picks.

#include "platform/ui/Geometry.h"

#include <memory>
#include <string>
#include <vector>

namespace ui {

class Window;

inline constexpr unsigned MF_BYCOMMAND = 0x0000;
inline constexpr unsigned MF_ENABLED = 0x0000;
inline constexpr unsigned MF_STRING = 0x0000;
inline constexpr unsigned MF_GRAYED = 0x0001;
inline constexpr unsigned MF_DISABLED = 0x0002;
inline constexpr unsigned MF_CHECKED = 0x0008;
inline constexpr unsigned MF_POPUP = 0x0010;
inline constexpr unsigned MF_BYPOSITION = 0x0400;
inline constexpr unsigned MF_SEPARATOR = 0x0800;
inline constexpr unsigned kMenuError = 0xFFFFFFFF;

inline constexpr unsigned TPM_LEFTALIGN = 0x0000;
inline constexpr unsigned TPM_RIGHTBUTTON = 0x0002;
inline constexpr unsigned TPM_NONOTIFY = 0x0080;
inline constexpr unsigned TPM_RETURNCMD = 0x0100;

// One line of a menu template: a command, a separator (id 0, no text) or a sub-menu (with
// its own lines).
struct MenuTemplateItem {
    MenuTemplateItem() = default;
    MenuTemplateItem(unsigned id, std::wstring text, std::vector<MenuTemplateItem> popup = {},
                     unsigned flags = 0)
        : id(id), text(std::move(text)), popup(std::move(popup)), flags(flags) {}

    unsigned id = 0;
    std::wstring text;
    std::vector<MenuTemplateItem> popup;
    unsigned flags = 0;
};

class Menu {
public:
    struct Item {
        unsigned id = 0;
        std::wstring text;
        unsigned flags = 0; // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_SEPARATOR, MF_POPUP
        std::unique_ptr<Menu> popup;
    };

    Menu() = default;
    explicit Menu(const std::vector<MenuTemplateItem>& lines);

    int GetMenuItemCount() const { return static_cast<int>(m_items.size()); }
    // The command id at a position; 0 for a separator, -1 (as unsigned) for a sub-menu.
    unsigned GetMenuItemID(int position) const;
    Menu* GetSubMenu(int position) const;
    // The caption of an item by command or by position; "" when there is no such item.
    std::wstring GetMenuString(unsigned item, unsigned flags) const;
    // The item's flags, or kMenuError.
    unsigned GetMenuState(unsigned item, unsigned flags) const;
    // The previous MF_GRAYED | MF_DISABLED state, or kMenuError when there is no such item.
    unsigned EnableMenuItem(unsigned item, unsigned flags);
    unsigned CheckMenuItem(unsigned item, unsigned flags);
    bool ModifyMenu(unsigned item, unsigned flags, unsigned newId, const std::wstring& text);
    bool RemoveMenu(unsigned item, unsigned flags);
    bool DeleteMenu(unsigned item, unsigned flags) { return RemoveMenu(item, flags); }
    bool AppendMenu(unsigned flags, unsigned id, const std::wstring& text);

    const std::vector<Item>& Items() const { return m_items; }

    // Shows the menu through the backend. With TPM_RETURNCMD the command chosen is returned
    // (0 for none); otherwise it is posted to the owner as WM_COMMAND and the result is non-zero
    // when one was chosen.
    unsigned TrackPopupMenu(unsigned flags, int x, int y, Window* owner) const;

private:
    // The item by command (searched in sub-menus too) or by position, and the menu holding it.
    Item* Find(unsigned item, unsigned flags, Menu** holder = nullptr);
    const Item* Find(unsigned item, unsigned flags) const;

    std::vector<Item> m_items;
};

} // namespace ui
