// The tree's rows: which items show (those whose ancestors are all expanded), in what order,
// where each lies in the client area, and which item a point falls on; and sorting siblings.

#include "platform/text/WideString.h"
#include "platform/ui/TextMeasure.h"
#include "platform/ui/TreeCtrl.h"

#include <algorithm>
#include <vector>

namespace ui {

namespace {
// Room for the picture of an item and the gap after it.
constexpr int kImageWidth = 16;
constexpr int kImageGap = 3;
} // namespace

bool TreeCtrl::IsShown(const TreeItem* item) const {
    for (const TreeItem* walk = item->parent; walk; walk = walk->parent)
        if (!(walk->state & TVIS_EXPANDED))
            return false;
    return true;
}

int TreeCtrl::Level(const TreeItem* item) const {
    int level = 0;
    for (const TreeItem* walk = item->parent; walk; walk = walk->parent)
        ++level;
    return level;
}

HTREEITEM TreeCtrl::GetFirstVisibleItem() const {
    if (m_firstVisible && IsItem(m_firstVisible) && IsShown(m_firstVisible))
        return m_firstVisible;
    return m_first;
}

HTREEITEM TreeCtrl::GetNextVisibleItem(HTREEITEM item) const {
    if (!IsItem(item))
        return nullptr;
    if ((item->state & TVIS_EXPANDED) && item->firstChild)
        return item->firstChild;
    for (TreeItem* walk = item; walk; walk = walk->parent)
        if (walk->next)
            return walk->next;
    return nullptr;
}

HTREEITEM TreeCtrl::GetPrevVisibleItem(HTREEITEM item) const {
    if (!IsItem(item))
        return nullptr;
    if (!item->prev)
        return item->parent;
    TreeItem* walk = item->prev;
    while ((walk->state & TVIS_EXPANDED) && walk->lastChild)
        walk = walk->lastChild;
    return walk;
}

HTREEITEM TreeCtrl::GetLastVisibleItem() const {
    TreeItem* walk = m_last;
    while (walk && (walk->state & TVIS_EXPANDED) && walk->lastChild)
        walk = walk->lastChild;
    return walk;
}

int TreeCtrl::RowOf(const TreeItem* item) const {
    // Rows count from the first visible item; items scrolled above it have negative rows.
    int row = 0;
    for (HTREEITEM walk = GetFirstVisibleItem(); walk; walk = GetNextVisibleItem(walk), ++row)
        if (walk == item)
            return row;
    row = -1;
    for (HTREEITEM walk = GetPrevVisibleItem(GetFirstVisibleItem()); walk;
         walk = GetPrevVisibleItem(walk), --row)
        if (walk == item)
            return row;
    return 0;
}

void TreeCtrl::SetItemHeight(int height) {
    if (height > 0 && height != m_itemHeight) {
        m_itemHeight = height;
        Notify(WindowChange::Items);
    }
}

unsigned TreeCtrl::GetVisibleCount() const {
    return static_cast<unsigned>(std::max(GetClientRect().Height() / m_itemHeight, 0));
}

bool TreeCtrl::GetItemRect(HTREEITEM item, Rect* rect, bool textOnly) const {
    if (!rect || !IsItem(item) || !IsShown(item))
        return false;
    int top = RowOf(item) * m_itemHeight;
    if (!textOnly) {
        *rect = {0, top, GetClientRect().Width(), top + m_itemHeight};
        return true;
    }
    int slots = Level(item) + ((GetStyle() & TVS_LINESATROOT) ? 1 : 0);
    int left = slots * static_cast<int>(m_indent);
    if (m_stateImages || (GetStyle() & TVS_CHECKBOXES))
        left += kImageWidth;
    if (m_images)
        left += kImageWidth + kImageGap;
    *rect = {left, top, left + TextWidth(item->text) + 4, top + m_itemHeight};
    return true;
}

HTREEITEM TreeCtrl::HitTest(Point point, unsigned* flags) const {
    unsigned where = 0;
    Rect client = GetClientRect();
    if (point.y < 0)
        where |= TVHT_ABOVE;
    if (point.y >= client.Height())
        where |= TVHT_BELOW;
    if (point.x < 0)
        where |= TVHT_TOLEFT;
    if (point.x >= client.Width())
        where |= TVHT_TORIGHT;
    HTREEITEM found = nullptr;
    if (!where) {
        int row = point.y / m_itemHeight;
        found = GetFirstVisibleItem();
        for (int index = 0; found && index < row; ++index)
            found = GetNextVisibleItem(found);
        if (!found) {
            where = TVHT_NOWHERE;
        } else {
            Rect label;
            GetItemRect(found, &label, true);
            int iconLeft = label.left - (m_images ? kImageWidth + kImageGap : 0);
            int stateLeft =
                iconLeft - ((m_stateImages || (GetStyle() & TVS_CHECKBOXES)) ? kImageWidth : 0);
            if (point.x >= label.right)
                where = TVHT_ONITEMRIGHT;
            else if (point.x >= label.left)
                where = TVHT_ONITEMLABEL;
            else if (point.x >= iconLeft)
                where = TVHT_ONITEMICON;
            else if (point.x >= stateLeft)
                where = TVHT_ONITEMSTATEICON;
            else if (found->firstChild && point.x >= stateLeft - static_cast<int>(m_indent))
                where = TVHT_ONITEMBUTTON;
            else
                where = TVHT_ONITEMINDENT;
        }
    }
    if (flags)
        *flags = where;
    return found;
}

bool TreeCtrl::EnsureVisible(HTREEITEM item) {
    if (!IsItem(item))
        return false;
    std::vector<TreeItem*> ancestors;
    for (TreeItem* walk = item->parent; walk; walk = walk->parent)
        ancestors.push_back(walk);
    for (auto walk = ancestors.rbegin(); walk != ancestors.rend(); ++walk)
        if (!((*walk)->state & TVIS_EXPANDED))
            ExpandWithNotify(*walk, TVE_EXPAND);
    if (!IsItem(item) || !IsShown(item))
        return false;
    int rows = static_cast<int>(GetVisibleCount());
    int row = RowOf(item);
    if (row < 0) {
        m_firstVisible = item;
        Notify(WindowChange::Scroll);
    } else if (rows > 0 && row >= rows) {
        HTREEITEM top = GetFirstVisibleItem();
        for (int step = 0; step <= row - rows && top; ++step)
            top = GetNextVisibleItem(top);
        m_firstVisible = top;
        Notify(WindowChange::Scroll);
    }
    return true;
}

bool TreeCtrl::SortSiblings(TreeItem* parent,
                            const std::function<bool(TreeItem*, TreeItem*)>& less) {
    std::vector<TreeItem*> children;
    for (TreeItem* child = parent ? parent->firstChild : m_first; child; child = child->next)
        children.push_back(child);
    std::stable_sort(children.begin(), children.end(), less);
    TreeItem*& first = parent ? parent->firstChild : m_first;
    TreeItem*& last = parent ? parent->lastChild : m_last;
    first = last = nullptr;
    for (TreeItem* child : children) {
        child->prev = last;
        child->next = nullptr;
        if (last)
            last->next = child;
        else
            first = child;
        last = child;
    }
    Notify(WindowChange::Items);
    return true;
}

bool TreeCtrl::SortChildren(HTREEITEM parent) {
    TreeItem* owner = ResolveParent(parent);
    if (owner == reinterpret_cast<TreeItem*>(-1))
        return false;
    return SortSiblings(
        owner, [](TreeItem* a, TreeItem* b) { return text::CompareNoCase(a->text, b->text) < 0; });
}

bool TreeCtrl::SortChildrenCB(HTREEITEM parent, const CompareFunction& compare) {
    TreeItem* owner = ResolveParent(parent);
    if (owner == reinterpret_cast<TreeItem*>(-1) || !compare)
        return false;
    return SortSiblings(
        owner, [&compare](TreeItem* a, TreeItem* b) { return compare(a->data, b->data) < 0; });
}

} // namespace ui
