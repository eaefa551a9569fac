#pragma once
// The tree control model: items with text, image and selected image, item data and state,
// linked to parent, children and siblings, addressed by handles that stay valid until the item
// is deleted. Programmatic changes notify the parent as Windows does: selecting sends
// TVN_SELCHANGING and TVN_SELCHANGED (and expands collapsed ancestors with TVN_ITEMEXPANDING and
// TVN_ITEMEXPANDED), deleting sends TVN_DELETEITEM and moves a deleted selection; Expand sends
// nothing. Rows are laid out at a fixed height, so that hit tests and item rectangles agree in
// every backend.

#include "platform/ui/Control.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/PointerSet.h"

#include <functional>
#include <memory>
#include <utility>

namespace ui {

struct TreeItem;
using HTREEITEM = TreeItem*;

// The handles with a meaning of their own.
inline HTREEITEM const TVI_ROOT = reinterpret_cast<HTREEITEM>(static_cast<intptr_t>(-0x10000));
inline HTREEITEM const TVI_FIRST = reinterpret_cast<HTREEITEM>(static_cast<intptr_t>(-0x0FFFF));
inline HTREEITEM const TVI_LAST = reinterpret_cast<HTREEITEM>(static_cast<intptr_t>(-0x0FFFE));
inline HTREEITEM const TVI_SORT = reinterpret_cast<HTREEITEM>(static_cast<intptr_t>(-0x0FFFD));

inline constexpr unsigned TVGN_ROOT = 0x0;
inline constexpr unsigned TVGN_NEXT = 0x1;
inline constexpr unsigned TVGN_PREVIOUS = 0x2;
inline constexpr unsigned TVGN_PARENT = 0x3;
inline constexpr unsigned TVGN_CHILD = 0x4;
inline constexpr unsigned TVGN_FIRSTVISIBLE = 0x5;
inline constexpr unsigned TVGN_NEXTVISIBLE = 0x6;
inline constexpr unsigned TVGN_PREVIOUSVISIBLE = 0x7;
inline constexpr unsigned TVGN_DROPHILITE = 0x8;
inline constexpr unsigned TVGN_CARET = 0x9;
inline constexpr unsigned TVGN_LASTVISIBLE = 0xA;

inline constexpr unsigned TVE_COLLAPSE = 0x1;
inline constexpr unsigned TVE_EXPAND = 0x2;
inline constexpr unsigned TVE_TOGGLE = 0x3;

inline constexpr unsigned TVIS_SELECTED = 0x0002;
inline constexpr unsigned TVIS_CUT = 0x0004;
inline constexpr unsigned TVIS_DROPHILITED = 0x0008;
inline constexpr unsigned TVIS_BOLD = 0x0010;
inline constexpr unsigned TVIS_EXPANDED = 0x0020;
inline constexpr unsigned TVIS_EXPANDEDONCE = 0x0040;
inline constexpr unsigned TVIS_STATEIMAGEMASK = 0xF000;

inline constexpr unsigned TVHT_NOWHERE = 0x0001;
inline constexpr unsigned TVHT_ONITEMICON = 0x0002;
inline constexpr unsigned TVHT_ONITEMLABEL = 0x0004;
inline constexpr unsigned TVHT_ONITEMINDENT = 0x0008;
inline constexpr unsigned TVHT_ONITEMBUTTON = 0x0010;
inline constexpr unsigned TVHT_ONITEMRIGHT = 0x0020;
inline constexpr unsigned TVHT_ONITEMSTATEICON = 0x0040;
inline constexpr unsigned TVHT_ONITEM = TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON;
inline constexpr unsigned TVHT_ABOVE = 0x0100;
inline constexpr unsigned TVHT_BELOW = 0x0200;
inline constexpr unsigned TVHT_TORIGHT = 0x0400;
inline constexpr unsigned TVHT_TOLEFT = 0x0800;

// Why the selection changed.
inline constexpr unsigned TVC_UNKNOWN = 0x0;
inline constexpr unsigned TVC_BYMOUSE = 0x1;
inline constexpr unsigned TVC_BYKEYBOARD = 0x2;

inline constexpr int TVSIL_NORMAL = 0;
inline constexpr int TVSIL_STATE = 2;

struct TVITEM {
    HTREEITEM hItem = nullptr;
    unsigned state = 0;
    const wchar_t* pszText = nullptr;
    int iImage = 0;
    int iSelectedImage = 0;
    LPARAM lParam = 0;
};

struct NMTREEVIEW {
    NMHDR hdr;
    unsigned action = 0; // TVC_ for selection, TVE_ for expansion
    TVITEM itemOld;
    TVITEM itemNew;
    Point ptDrag;
};

struct NMTVKEYDOWN {
    NMHDR hdr;
    unsigned wVKey = 0;
    unsigned flags = 0;
};

struct TreeItem {
    std::wstring text;
    int image = 0;
    int selectedImage = 0;
    uintptr_t data = 0;
    unsigned state = 0;
    TreeItem* parent = nullptr;
    TreeItem* firstChild = nullptr;
    TreeItem* lastChild = nullptr;
    TreeItem* prev = nullptr;
    TreeItem* next = nullptr;
};

class TreeCtrl : public Control {
public:
    TreeCtrl();
    ~TreeCtrl() override;

    // Structure.
    HTREEITEM InsertItem(std::wstring text, int image, int selectedImage,
                         HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
    HTREEITEM InsertItem(std::wstring text, HTREEITEM parent = TVI_ROOT,
                         HTREEITEM after = TVI_LAST) {
        return InsertItem(std::move(text), 0, 0, parent, after);
    }
    // TVI_ROOT deletes every item. False for a handle that is not an item of this tree.
    bool DeleteItem(HTREEITEM item);
    bool DeleteAllItems() { return DeleteItem(TVI_ROOT); }
    bool IsItem(HTREEITEM item) const { return m_items.Contains(item); }
    unsigned GetCount() const { return static_cast<unsigned>(m_items.Size()); }
    // How many items were deleted so far: a caller that keeps handles knows that all of them
    // still stand while this has not changed since it took them.
    uint64_t GetDeletionCount() const { return m_deletions; }

    // Navigation; null where there is no such item.
    HTREEITEM GetRootItem() const { return m_first; }
    HTREEITEM GetChildItem(HTREEITEM item) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const;
    HTREEITEM GetPrevSiblingItem(HTREEITEM item) const;
    HTREEITEM GetParentItem(HTREEITEM item) const;
    HTREEITEM GetSelectedItem() const { return m_selected; }
    HTREEITEM GetDropHilightItem() const { return m_dropHilite; }
    HTREEITEM GetFirstVisibleItem() const;
    HTREEITEM GetNextVisibleItem(HTREEITEM item) const;
    HTREEITEM GetPrevVisibleItem(HTREEITEM item) const;
    HTREEITEM GetLastVisibleItem() const;
    HTREEITEM GetNextItem(HTREEITEM item, unsigned code) const;
    bool ItemHasChildren(HTREEITEM item) const { return IsItem(item) && item->firstChild; }

    // Items.
    std::wstring GetItemText(HTREEITEM item) const;
    bool SetItemText(HTREEITEM item, const std::wstring& text);
    bool GetItemImage(HTREEITEM item, int& image, int& selectedImage) const;
    bool SetItemImage(HTREEITEM item, int image, int selectedImage);
    uintptr_t GetItemData(HTREEITEM item) const;
    bool SetItemData(HTREEITEM item, uintptr_t data);
    unsigned GetItemState(HTREEITEM item, unsigned mask) const;
    bool SetItemState(HTREEITEM item, unsigned state, unsigned mask);
    // Check boxes (TVS_CHECKBOXES): state image 2 is checked, 1 unchecked.
    bool GetCheck(HTREEITEM item) const;
    bool SetCheck(HTREEITEM item, bool checked = true);

    // Selection and expansion.
    bool SelectItem(HTREEITEM item) { return Select(item, TVGN_CARET); }
    bool Select(HTREEITEM item, unsigned code) { return SelectWithAction(item, code, TVC_UNKNOWN); }
    // As Select; the notification names the cause (TVC_BYMOUSE, TVC_BYKEYBOARD).
    bool SelectWithAction(HTREEITEM item, unsigned code, unsigned action);
    bool SelectSetFirstVisible(HTREEITEM item) { return Select(item, TVGN_FIRSTVISIBLE); }
    bool SelectDropTarget(HTREEITEM item) { return Select(item, TVGN_DROPHILITE); }
    // Programmatic: no notification.
    bool Expand(HTREEITEM item, unsigned code);
    // As the user expands or collapses: TVN_ITEMEXPANDING (which may refuse), the change,
    // TVN_ITEMEXPANDED. False when refused or when nothing changed.
    bool ExpandWithNotify(HTREEITEM item, unsigned code);
    // Expands collapsed ancestors (with notifications) and scrolls the item into view.
    bool EnsureVisible(HTREEITEM item);

    // Sorting, by text without regard to case, or by the item data through a function.
    bool SortChildren(HTREEITEM parent);
    using CompareFunction = std::function<int(uintptr_t data1, uintptr_t data2)>;
    bool SortChildrenCB(HTREEITEM parent, const CompareFunction& compare);

    // Pictures.
    ImageList* SetImageList(ImageList* images, int which = TVSIL_NORMAL);
    ImageList* GetImageList(int which = TVSIL_NORMAL) const;

    // Layout, in client pixels.
    int GetItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int height);
    unsigned GetIndent() const { return m_indent; }
    unsigned GetVisibleCount() const;
    bool GetItemRect(HTREEITEM item, Rect* rect, bool textOnly) const;
    HTREEITEM HitTest(Point point, unsigned* flags = nullptr) const;

    // Notifications the user-action layer and backends send for the user.
    LRESULT NotifyTree(int code, HTREEITEM oldItem, HTREEITEM newItem, unsigned action,
                       Point drag = {});

private:
    TreeItem* ResolveParent(HTREEITEM parent) const;
    void Link(TreeItem* item, TreeItem* parent, HTREEITEM after);
    void Unlink(TreeItem* item);
    void DeleteSubtree(TreeItem* item);
    bool IsShown(const TreeItem* item) const;
    int Level(const TreeItem* item) const;
    int RowOf(const TreeItem* item) const;
    bool SortSiblings(TreeItem* parent, const std::function<bool(TreeItem*, TreeItem*)>& less);

    PointerSet<TreeItem> m_items;
    uint64_t m_deletions = 0;
    TreeItem* m_first = nullptr;
    TreeItem* m_last = nullptr;
    TreeItem* m_selected = nullptr;
    TreeItem* m_dropHilite = nullptr;
    TreeItem* m_firstVisible = nullptr;
    ImageList* m_images = nullptr;
    ImageList* m_stateImages = nullptr;
    int m_itemHeight = 18;
    unsigned m_indent = 19;
};

} // namespace ui
