#include "platform/ui/TreeCtrl.h"

#include "platform/text/WideString.h"

#include <vector>

namespace ui {

TreeCtrl::TreeCtrl() : Control(ControlKind::Tree) {}

TreeCtrl::~TreeCtrl() {
    m_items.ForEach([](TreeItem* item) { delete item; });
}

TreeItem* TreeCtrl::ResolveParent(HTREEITEM parent) const {
    if (!parent || parent == TVI_ROOT)
        return nullptr;
    return IsItem(parent) ? parent : reinterpret_cast<TreeItem*>(-1);
}

HTREEITEM TreeCtrl::InsertItem(std::wstring text, int image, int selectedImage, HTREEITEM parent,
                               HTREEITEM after) {
    TreeItem* owner = ResolveParent(parent);
    if (owner == reinterpret_cast<TreeItem*>(-1))
        return nullptr;
    auto* item = new TreeItem{std::move(text), image, selectedImage};
    m_items.Insert(item);
    Link(item, owner, after);
    Notify(WindowChange::ItemInserted, reinterpret_cast<uintptr_t>(item));
    return item;
}

void TreeCtrl::Link(TreeItem* item, TreeItem* parent, HTREEITEM after) {
    TreeItem*& first = parent ? parent->firstChild : m_first;
    TreeItem*& last = parent ? parent->lastChild : m_last;
    item->parent = parent;
    TreeItem* before = nullptr; // the sibling the item goes in front of; null: at the end
    if (after == TVI_FIRST) {
        before = first;
    } else if (after == TVI_SORT) {
        before = first;
        while (before && text::CompareNoCase(before->text, item->text) <= 0)
            before = before->next;
    } else if (after != TVI_LAST && IsItem(after) && after->parent == parent) {
        before = after->next;
    }
    item->next = before;
    item->prev = before ? before->prev : last;
    if (item->prev)
        item->prev->next = item;
    else
        first = item;
    if (before)
        before->prev = item;
    else
        last = item;
}

void TreeCtrl::Unlink(TreeItem* item) {
    TreeItem*& first = item->parent ? item->parent->firstChild : m_first;
    TreeItem*& last = item->parent ? item->parent->lastChild : m_last;
    if (item->prev)
        item->prev->next = item->next;
    else
        first = item->next;
    if (item->next)
        item->next->prev = item->prev;
    else
        last = item->prev;
    item->prev = item->next = nullptr;
}

void TreeCtrl::DeleteSubtree(TreeItem* item) {
    while (item->firstChild) {
        TreeItem* child = item->firstChild;
        Unlink(child);
        DeleteSubtree(child);
    }
    NotifyTree(TVN_DELETEITEM, item, nullptr, 0);
    if (m_selected == item)
        m_selected = nullptr;
    if (m_dropHilite == item)
        m_dropHilite = nullptr;
    if (m_firstVisible == item)
        m_firstVisible = nullptr;
    m_items.Erase(item);
    ++m_deletions;
    delete item;
}

bool TreeCtrl::DeleteItem(HTREEITEM item) {
    if (item == TVI_ROOT || !item) {
        // Emptying the tree drops the selection without a selection notification.
        m_selected = nullptr;
        while (m_first) {
            TreeItem* top = m_first;
            Unlink(top);
            Notify(WindowChange::ItemDeleted, reinterpret_cast<uintptr_t>(top));
            DeleteSubtree(top);
        }
        return true;
    }
    if (!IsItem(item))
        return false;
    // A deleted selection moves to the next sibling, else the parent, else the previous sibling.
    TreeItem* newSelection = nullptr;
    for (TreeItem* walk = m_selected; walk; walk = walk->parent)
        if (walk == item) {
            newSelection = item->next ? item->next : item->parent ? item->parent : item->prev;
            break;
        }
    Unlink(item);
    Notify(WindowChange::ItemDeleted, reinterpret_cast<uintptr_t>(item));
    DeleteSubtree(item);
    if (newSelection && !m_selected && IsItem(newSelection))
        SelectWithAction(newSelection, TVGN_CARET, TVC_UNKNOWN);
    return true;
}

HTREEITEM TreeCtrl::GetChildItem(HTREEITEM item) const {
    if (item == TVI_ROOT || !item)
        return m_first;
    return IsItem(item) ? item->firstChild : nullptr;
}

HTREEITEM TreeCtrl::GetNextSiblingItem(HTREEITEM item) const {
    return IsItem(item) ? item->next : nullptr;
}

HTREEITEM TreeCtrl::GetPrevSiblingItem(HTREEITEM item) const {
    return IsItem(item) ? item->prev : nullptr;
}

HTREEITEM TreeCtrl::GetParentItem(HTREEITEM item) const {
    return IsItem(item) ? item->parent : nullptr;
}

HTREEITEM TreeCtrl::GetNextItem(HTREEITEM item, unsigned code) const {
    switch (code) {
    case TVGN_ROOT:
        return m_first;
    case TVGN_NEXT:
        return GetNextSiblingItem(item);
    case TVGN_PREVIOUS:
        return GetPrevSiblingItem(item);
    case TVGN_PARENT:
        return GetParentItem(item);
    case TVGN_CHILD:
        return GetChildItem(item);
    case TVGN_FIRSTVISIBLE:
        return GetFirstVisibleItem();
    case TVGN_NEXTVISIBLE:
        return GetNextVisibleItem(item);
    case TVGN_PREVIOUSVISIBLE:
        return GetPrevVisibleItem(item);
    case TVGN_DROPHILITE:
        return m_dropHilite;
    case TVGN_CARET:
        return m_selected;
    case TVGN_LASTVISIBLE:
        return GetLastVisibleItem();
    default:
        return nullptr;
    }
}

std::wstring TreeCtrl::GetItemText(HTREEITEM item) const {
    return IsItem(item) ? item->text : std::wstring();
}

bool TreeCtrl::SetItemText(HTREEITEM item, const std::wstring& text) {
    if (!IsItem(item))
        return false;
    item->text = text;
    Notify(WindowChange::ItemChanged, reinterpret_cast<uintptr_t>(item));
    return true;
}

bool TreeCtrl::GetItemImage(HTREEITEM item, int& image, int& selectedImage) const {
    if (!IsItem(item))
        return false;
    image = item->image;
    selectedImage = item->selectedImage;
    return true;
}

bool TreeCtrl::SetItemImage(HTREEITEM item, int image, int selectedImage) {
    if (!IsItem(item))
        return false;
    if (item->image != image || item->selectedImage != selectedImage) {
        item->image = image;
        item->selectedImage = selectedImage;
        Notify(WindowChange::ItemChanged, reinterpret_cast<uintptr_t>(item));
    }
    return true;
}

uintptr_t TreeCtrl::GetItemData(HTREEITEM item) const {
    return IsItem(item) ? item->data : 0;
}

bool TreeCtrl::SetItemData(HTREEITEM item, uintptr_t data) {
    if (!IsItem(item))
        return false;
    item->data = data;
    return true;
}

unsigned TreeCtrl::GetItemState(HTREEITEM item, unsigned mask) const {
    return IsItem(item) ? item->state & mask : 0;
}

bool TreeCtrl::SetItemState(HTREEITEM item, unsigned state, unsigned mask) {
    if (!IsItem(item))
        return false;
    unsigned updated = (item->state & ~mask) | (state & mask);
    if (updated != item->state) {
        item->state = updated;
        Notify(WindowChange::ItemChanged, reinterpret_cast<uintptr_t>(item));
    }
    return true;
}

bool TreeCtrl::GetCheck(HTREEITEM item) const {
    return ((GetItemState(item, TVIS_STATEIMAGEMASK) >> 12) & 0xF) == 2;
}

bool TreeCtrl::SetCheck(HTREEITEM item, bool checked) {
    return SetItemState(item, (checked ? 2u : 1u) << 12, TVIS_STATEIMAGEMASK);
}

bool TreeCtrl::SelectWithAction(HTREEITEM item, unsigned code, unsigned action) {
    if (item && !IsItem(item))
        return false;
    if (code == TVGN_DROPHILITE) {
        if (m_dropHilite && m_dropHilite != item)
            SetItemState(m_dropHilite, 0, TVIS_DROPHILITED);
        m_dropHilite = item;
        if (item)
            SetItemState(item, TVIS_DROPHILITED, TVIS_DROPHILITED);
        return true;
    }
    if (code == TVGN_FIRSTVISIBLE) {
        if (!item)
            return false;
        EnsureVisible(item);
        m_firstVisible = item;
        Notify(WindowChange::Scroll);
        return true;
    }
    if (code != TVGN_CARET)
        return false;
    if (item == m_selected)
        return true;
    // Selecting an item hidden in a collapsed branch opens the branch first.
    if (item) {
        std::vector<TreeItem*> ancestors;
        for (TreeItem* walk = item->parent; walk; walk = walk->parent)
            ancestors.push_back(walk);
        for (auto walk = ancestors.rbegin(); walk != ancestors.rend(); ++walk)
            if (!((*walk)->state & TVIS_EXPANDED))
                ExpandWithNotify(*walk, TVE_EXPAND);
        if (!IsItem(item))
            return false;
    }
    TreeItem* old = m_selected;
    if (NotifyTree(TVN_SELCHANGING, old, item, action) != 0)
        return false;
    if (IsItem(old))
        SetItemState(old, 0, TVIS_SELECTED);
    m_selected = item && IsItem(item) ? item : nullptr;
    if (m_selected)
        SetItemState(m_selected, TVIS_SELECTED, TVIS_SELECTED);
    Notify(WindowChange::Selection, reinterpret_cast<uintptr_t>(m_selected));
    NotifyTree(TVN_SELCHANGED, IsItem(old) ? old : nullptr, m_selected, action);
    if (m_selected)
        EnsureVisible(m_selected);
    return true;
}

bool TreeCtrl::Expand(HTREEITEM item, unsigned code) {
    if (!IsItem(item))
        return false;
    bool expanded = (item->state & TVIS_EXPANDED) != 0;
    if (code == TVE_TOGGLE)
        code = expanded ? TVE_COLLAPSE : TVE_EXPAND;
    if (code == TVE_EXPAND) {
        if (!item->firstChild || expanded)
            return item->firstChild != nullptr;
        SetItemState(item, TVIS_EXPANDED | TVIS_EXPANDEDONCE, TVIS_EXPANDED | TVIS_EXPANDEDONCE);
        return true;
    }
    if (code != TVE_COLLAPSE || !expanded)
        return false;
    SetItemState(item, 0, TVIS_EXPANDED);
    // A selection inside the closed branch moves to the branch.
    for (TreeItem* walk = m_selected ? m_selected->parent : nullptr; walk; walk = walk->parent)
        if (walk == item) {
            SelectWithAction(item, TVGN_CARET, TVC_UNKNOWN);
            break;
        }
    return true;
}

bool TreeCtrl::ExpandWithNotify(HTREEITEM item, unsigned code) {
    if (!IsItem(item))
        return false;
    bool expanded = (item->state & TVIS_EXPANDED) != 0;
    if (code == TVE_TOGGLE)
        code = expanded ? TVE_COLLAPSE : TVE_EXPAND;
    if ((code == TVE_EXPAND && (expanded || !item->firstChild)) ||
        (code == TVE_COLLAPSE && !expanded))
        return false;
    if (NotifyTree(TVN_ITEMEXPANDING, nullptr, item, code) != 0)
        return false;
    if (!IsItem(item) || !Expand(item, code))
        return false;
    NotifyTree(TVN_ITEMEXPANDED, nullptr, item, code);
    return true;
}

ImageList* TreeCtrl::SetImageList(ImageList* images, int which) {
    ImageList*& slot = which == TVSIL_STATE ? m_stateImages : m_images;
    ImageList* previous = slot;
    slot = images;
    Notify(WindowChange::Items);
    return previous;
}

ImageList* TreeCtrl::GetImageList(int which) const {
    return which == TVSIL_STATE ? m_stateImages : m_images;
}

LRESULT TreeCtrl::NotifyTree(int code, HTREEITEM oldItem, HTREEITEM newItem, unsigned action,
                             Point drag) {
    NMTREEVIEW notice;
    notice.action = action;
    notice.ptDrag = drag;
    auto fill = [this](TVITEM& item, HTREEITEM handle) {
        if (!handle || !IsItem(handle))
            return;
        item.hItem = handle;
        item.state = handle->state;
        item.pszText = handle->text.c_str();
        item.iImage = handle->image;
        item.iSelectedImage = handle->selectedImage;
        item.lParam = static_cast<LPARAM>(handle->data);
    };
    fill(notice.itemOld, oldItem);
    fill(notice.itemNew, newItem);
    return NotifyParent(notice.hdr, code);
}

} // namespace ui
