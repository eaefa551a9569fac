// Tree controls. Items are mirrored one by one as the model inserts, changes and deletes them
// (a tree of ten thousand items is filled without rebuilding the widget); a rebuild happens
// only when the model says its items changed as a whole (sorting, redraw turned back on). The
// widget's row height is given to the model, so that the dialog's hit tests during a drag find
// the rows the user sees.

#include "platform/ui/Dialog.h"
#include "platform/ui/UserActions.h"
#include "platform/ui/wx/ControlView.h"
#include "platform/ui/wx/Convert.h"
#include "platform/ui/wx/DesktopBackend.h"
#include "platform/ui/wx/Icons.h"

#include <wx/imaglist.h>
#include <wx/settings.h>
#include <wx/treectrl.h>

#include <unordered_map>

namespace ui::desk {

namespace {

class ItemLink : public wxTreeItemData {
public:
    explicit ItemLink(TreeItem* item) : item(item) {}
    TreeItem* item;
};

constexpr int kNoState = wxTREE_ITEMSTATE_NONE;

class TreeView : public ControlView {
public:
    TreeView(DialogView& dialog, TreeCtrl& tree, wxWindow* parent) : ControlView(dialog, tree) {
        unsigned style = tree.GetStyle();
        long flags = wxTR_HIDE_ROOT | wxTR_SINGLE;
        if (style & TVS_HASBUTTONS)
            flags |= wxTR_HAS_BUTTONS;
        if (!(style & TVS_HASLINES))
            flags |= wxTR_NO_LINES;
        if (style & TVS_LINESATROOT)
            flags |= wxTR_LINES_AT_ROOT;
        m_tree = new wxTreeCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, flags);
        Attach(m_tree);
        m_tree->SetIndent(tree.GetIndent());
        if (style & TVS_CHECKBOXES) {
            auto* states = new wxImageList(16, 16, true);
            states->Add(DrawCheckMark(*m_tree, false, {16, 16}));
            states->Add(DrawCheckMark(*m_tree, true, {16, 16}));
            m_tree->AssignStateImageList(states);
        }
        m_root = m_tree->AddRoot("");
        BindMouse();
        BindTreeEvents();
        Rebuild();
    }

protected:
    void OnModelChanged(WindowChange change, uintptr_t item) override {
        auto* treeItem = reinterpret_cast<TreeItem*>(item);
        switch (change) {
        case WindowChange::Items:
            Rebuild();
            break;
        case WindowChange::ItemInserted:
            Insert(treeItem);
            break;
        case WindowChange::ItemDeleted:
            Delete(treeItem);
            break;
        case WindowChange::ItemChanged:
            if (auto found = m_ids.find(treeItem); found != m_ids.end())
                ShowItem(treeItem, found->second);
            break;
        case WindowChange::Selection:
            ShowSelection();
            break;
        case WindowChange::Scroll:
            ShowFirstVisible();
            break;
        default:
            break;
        }
    }
    void Forget() override {
        m_ids.clear();
        m_pressed = nullptr;
        m_dragTarget = nullptr;
    }

private:
    TreeCtrl* Tree() const { return dynamic_cast<TreeCtrl*>(Model()); }

    TreeItem* ItemOf(const wxTreeItemId& id) const {
        if (!id.IsOk() || id == m_root)
            return nullptr;
        auto* link = static_cast<ItemLink*>(m_tree->GetItemData(id));
        TreeCtrl* tree = Tree();
        return link && tree && tree->IsItem(link->item) ? link->item : nullptr;
    }

    // --- Model to widget ---

    void Rebuild() {
        TreeCtrl* tree = Tree();
        if (!tree)
            return;
        ShowImages();
        Updating scope(m_updating);
        m_tree->Freeze();
        m_tree->DeleteChildren(m_root);
        m_ids.clear();
        for (HTREEITEM item = tree->GetRootItem(); item; item = item->next)
            AddSubtree(m_root, item);
        m_tree->Thaw();
        ShowSelection();
    }

    void AddSubtree(const wxTreeItemId& parent, TreeItem* item) {
        wxTreeItemId id = m_tree->AppendItem(parent, ToWx(item->text), -1, -1, new ItemLink(item));
        m_ids[item] = id;
        for (TreeItem* child = item->firstChild; child; child = child->next)
            AddSubtree(id, child);
        ShowItem(item, id);
    }

    void Insert(TreeItem* item) {
        wxTreeItemId parent = m_root;
        if (item->parent) {
            auto found = m_ids.find(item->parent);
            if (found == m_ids.end())
                return Rebuild();
            parent = found->second;
        }
        Updating scope(m_updating);
        wxTreeItemId id;
        // Appending is the common case and costs nothing; inserting asks for the position.
        if (!item->next)
            id = m_tree->AppendItem(parent, ToWx(item->text), -1, -1, new ItemLink(item));
        else if (!item->prev)
            id = m_tree->PrependItem(parent, ToWx(item->text), -1, -1, new ItemLink(item));
        else if (auto previous = m_ids.find(item->prev); previous != m_ids.end())
            id = m_tree->InsertItem(parent, previous->second, ToWx(item->text), -1, -1,
                                    new ItemLink(item));
        if (!id.IsOk())
            return Rebuild();
        m_ids[item] = id;
        ShowItem(item, id);
    }

    void Delete(TreeItem* item) {
        auto found = m_ids.find(item);
        if (found == m_ids.end())
            return;
        wxTreeItemId id = found->second;
        // The model has unlinked the item but it still holds its branch.
        Unmap(item);
        Updating scope(m_updating);
        m_tree->Delete(id);
    }

    void Unmap(TreeItem* item) {
        m_ids.erase(item);
        for (TreeItem* child = item->firstChild; child; child = child->next)
            Unmap(child);
    }

    void ShowItem(TreeItem* item, const wxTreeItemId& id) {
        Updating scope(m_updating);
        if (m_tree->GetItemText(id) != ToWx(item->text))
            m_tree->SetItemText(id, ToWx(item->text));
        int count = m_tree->GetImageList() ? m_tree->GetImageList()->GetImageCount() : 0;
        int image = item->image < count ? item->image : -1;
        int selected = item->selectedImage < count ? item->selectedImage : -1;
        if (m_tree->GetItemImage(id, wxTreeItemIcon_Normal) != image)
            m_tree->SetItemImage(id, image, wxTreeItemIcon_Normal);
        if (m_tree->GetItemImage(id, wxTreeItemIcon_Selected) != selected)
            m_tree->SetItemImage(id, selected, wxTreeItemIcon_Selected);
        bool bold = (item->state & TVIS_BOLD) != 0;
        if (m_tree->IsBold(id) != bold)
            m_tree->SetItemBold(id, bold);
        if (m_tree->GetStateImageList()) {
            int check = static_cast<int>((item->state & TVIS_STATEIMAGEMASK) >> 12);
            int state = check >= 1 && check <= 2 ? check - 1 : kNoState;
            if (m_tree->GetItemState(id) != state)
                m_tree->SetItemState(id, state);
        }
        m_tree->SetItemDropHighlight(id, (item->state & TVIS_DROPHILITED) != 0);
        wxColour text = (item->state & TVIS_CUT)
                            ? wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT)
                            : wxNullColour;
        if (m_tree->GetItemTextColour(id) != text)
            m_tree->SetItemTextColour(id, text);
        bool expanded = (item->state & TVIS_EXPANDED) && item->firstChild;
        if (expanded != m_tree->IsExpanded(id)) {
            if (expanded)
                m_tree->Expand(id);
            else
                m_tree->Collapse(id);
        }
    }

    void ShowSelection() {
        TreeCtrl* tree = Tree();
        if (!tree)
            return;
        HTREEITEM selected = tree->GetSelectedItem();
        auto found = selected ? m_ids.find(selected) : m_ids.end();
        Updating scope(m_updating);
        if (found == m_ids.end()) {
            if (m_tree->GetSelection().IsOk())
                m_tree->UnselectAll();
        } else if (m_tree->GetSelection() != found->second) {
            m_tree->SelectItem(found->second);
            m_tree->EnsureVisible(found->second);
        }
    }

    void ShowFirstVisible() {
        TreeCtrl* tree = Tree();
        auto found = tree ? m_ids.find(tree->GetFirstVisibleItem()) : m_ids.end();
        if (found == m_ids.end() || m_tree->GetFirstVisibleItem() == found->second)
            return;
        Updating scope(m_updating);
        m_tree->ScrollTo(found->second);
    }

    // The pictures of the model's image list, drawn from their names.
    void ShowImages() {
        TreeCtrl* tree = Tree();
        std::vector<std::wstring> names;
        if (ImageList* images = tree->GetImageList())
            for (int index = 0; index < images->GetImageCount(); ++index)
                names.push_back(images->GetIconName(index));
        if (names == m_iconNames && (m_tree->GetImageList() != nullptr) == !names.empty())
            return;
        m_iconNames = names;
        m_rowsMeasured = false; // pictures change the rows' height
        if (names.empty()) {
            m_tree->AssignImageList(nullptr);
            return;
        }
        Size size = tree->GetImageList()->GetImageSize();
        auto* list = new wxImageList(size.cx, size.cy, true);
        for (const std::wstring& name : names)
            list->Add(DrawIcon(name, {size.cx, size.cy}));
        m_tree->AssignImageList(list);
    }

    // --- User to model ---

    void BindTreeEvents() {
        auto expanding = [this](wxTreeEvent& event, bool expand) {
            if (m_updating)
                return;
            event.Veto();
            TreeCtrl* tree = Tree();
            if (TreeItem* item = ItemOf(event.GetItem()); item && tree)
                gesture::Expand(*tree, item, expand);
        };
        On(m_tree, wxEVT_TREE_ITEM_EXPANDING,
           [expanding](wxTreeEvent& event) { expanding(event, true); });
        On(m_tree, wxEVT_TREE_ITEM_COLLAPSING,
           [expanding](wxTreeEvent& event) { expanding(event, false); });
        // Selection by keyboard (the mouse's clicks are gestures of their own): the model
        // selects, and the widget follows it.
        On(m_tree, wxEVT_TREE_SEL_CHANGING, [this](wxTreeEvent& event) {
            if (m_updating)
                return;
            event.Veto();
            TreeItem* item = ItemOf(event.GetItem());
            Later([this, item] {
                if (TreeCtrl* tree = Tree(); tree && tree->IsItem(item))
                    tree->SelectWithAction(item, TVGN_CARET, TVC_BYKEYBOARD);
                ShowSelection();
            });
        });
        On(m_tree, wxEVT_TREE_STATE_IMAGE_CLICK, [this](wxTreeEvent& event) {
            event.Veto();
            TreeCtrl* tree = Tree();
            if (TreeItem* item = ItemOf(event.GetItem()); item && tree)
                gesture::ToggleCheck(*tree, item);
        });
        // The model follows the rows the user scrolled to, and takes the height of the rows
        // as drawn.
        On(m_tree, wxEVT_PAINT, [this](wxPaintEvent& event) {
            event.Skip();
            Later([this] {
                if (!m_rowsMeasured)
                    MeasureShownRows();
                FollowScrolling();
            });
        });
    }

    // The widget places its rows only when it draws them (rows just added stand at nothing),
    // and check boxes make rows taller than pictures and text alone: two rows as drawn tell
    // the height, or the model's hit tests during a drag would find the item a row away from
    // the pointer.
    void MeasureShownRows() {
        TreeCtrl* tree = Tree();
        wxTreeItemId first = m_tree->GetFirstVisibleItem();
        wxTreeItemId second = first.IsOk() ? m_tree->GetNextVisible(first) : wxTreeItemId();
        wxRect upper, lower;
        if (!tree || !second.IsOk() || !m_tree->GetBoundingRect(first, upper) ||
            !m_tree->GetBoundingRect(second, lower) || lower.y <= upper.y)
            return;
        m_rowsMeasured = true;
        tree->SetItemHeight(lower.y - upper.y);
    }

    void FollowScrolling() {
        TreeCtrl* tree = Tree();
        TreeItem* first = ItemOf(m_tree->GetFirstVisibleItem());
        if (tree && first && tree->GetFirstVisibleItem() != first) {
            Updating scope(m_updating);
            tree->SelectSetFirstVisible(first);
        }
    }

    void BindMouse() {
        On(m_tree, wxEVT_LEFT_DOWN, [this](wxMouseEvent& event) { OnLeftDown(event); });
        On(m_tree, wxEVT_MOTION, [this](wxMouseEvent& event) { OnMotion(event); });
        On(m_tree, wxEVT_LEFT_UP, [this](wxMouseEvent& event) { OnLeftUp(event); });
        On(m_tree, wxEVT_LEFT_DCLICK, [this](wxMouseEvent& event) { OnDoubleClick(event); });
        On(m_tree, wxEVT_RIGHT_DOWN, [this](wxMouseEvent& event) { OnRightDown(event); });
        On(m_tree, wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { EndDrag(); });
    }

    // The item under the pointer when it is on the item itself (not its button or check box).
    TreeItem* ItemAt(const wxPoint& point, int* where = nullptr) const {
        int flags = 0;
        wxTreeItemId id = m_tree->HitTest(point, flags);
        if (where)
            *where = flags;
        constexpr int kOnItem = wxTREE_HITTEST_ONITEMICON | wxTREE_HITTEST_ONITEMLABEL |
                                wxTREE_HITTEST_ONITEMINDENT | wxTREE_HITTEST_ONITEMRIGHT;
        return (flags & kOnItem) && !(flags & wxTREE_HITTEST_ONITEMBUTTON) &&
                       !(flags & wxTREE_HITTEST_ONITEMSTATEICON)
                   ? ItemOf(id)
                   : nullptr;
    }

    void OnLeftDown(wxMouseEvent& event) {
        TreeItem* item = ItemAt(event.GetPosition());
        if (!item) {
            event.Skip(); // buttons and check boxes: the widget's events come back as gestures
            return;
        }
        m_tree->SetFocus();
        m_pressed = item;
        m_pressPoint = event.GetPosition();
    }

    void OnMotion(wxMouseEvent& event) {
        event.Skip();
        TreeCtrl* tree = Tree();
        if (!tree || !event.LeftIsDown())
            return;
        if (m_dragTarget) {
            SendDragMessage(WM_MOUSEMOVE, event.GetPosition(), MK_LBUTTON);
            return;
        }
        if (!m_pressed || !tree->IsItem(m_pressed))
            return;
        wxPoint moved = event.GetPosition() - m_pressPoint;
        if (std::abs(moved.x) < wxSystemSettings::GetMetric(wxSYS_DRAG_X) &&
            std::abs(moved.y) < wxSystemSettings::GetMetric(wxSYS_DRAG_Y))
            return;
        HTREEITEM item = std::exchange(m_pressed, nullptr);
        m_dragTarget = gesture::BeginDrag(*tree, item);
        if (m_dragTarget) {
            m_tree->CaptureMouse();
            SendDragMessage(WM_MOUSEMOVE, event.GetPosition(), MK_LBUTTON);
        }
    }

    void OnLeftUp(wxMouseEvent& event) {
        if (std::exchange(m_afterDoubleClick, false))
            return;
        if (m_dragTarget) {
            SendDragMessage(WM_LBUTTONUP, event.GetPosition(), 0);
            EndDrag();
            return;
        }
        HTREEITEM item = std::exchange(m_pressed, nullptr);
        TreeCtrl* tree = Tree();
        if (tree && item && tree->IsItem(item))
            gesture::Click(*tree, item);
        else
            event.Skip();
    }

    void OnDoubleClick(wxMouseEvent& event) {
        TreeItem* item = ItemAt(event.GetPosition());
        TreeCtrl* tree = Tree();
        if (!item || !tree) {
            event.Skip();
            return;
        }
        m_pressed = nullptr;
        m_afterDoubleClick = true;
        gesture::DoubleClickAfterClick(*tree, item);
    }

    void OnRightDown(wxMouseEvent& event) {
        TreeCtrl* tree = Tree();
        if (!tree)
            return;
        m_tree->SetFocus();
        gesture::RightClick(*tree, ItemAt(event.GetPosition()));
    }

    // A mouse message of the drag to the window that took it, in its client coordinates.
    void SendDragMessage(unsigned message, const wxPoint& point, unsigned buttons) {
        if (!m_dragTarget || !IsWindowAlive(m_dragTarget) || !m_dragTarget->IsWindow())
            return;
        Point client = m_dragTarget->ScreenToClient(FromWx(m_tree->ClientToScreen(point)));
        unsigned keys = buttons | (Backend().IsKeyDown(VK_CONTROL) ? MK_CONTROL : 0);
        m_dragTarget->SendMessage(message, keys, MAKELPARAM(client.x, client.y));
    }

    void EndDrag() {
        m_dragTarget = nullptr;
        if (m_tree->HasCapture())
            m_tree->ReleaseMouse();
    }

    wxTreeCtrl* m_tree;
    wxTreeItemId m_root;
    std::unordered_map<const TreeItem*, wxTreeItemId> m_ids;
    std::vector<std::wstring> m_iconNames;
    TreeItem* m_pressed = nullptr;
    wxPoint m_pressPoint;
    Window* m_dragTarget = nullptr;
    bool m_afterDoubleClick = false;
    bool m_rowsMeasured = false; // the model's row height taken from rows as drawn
};

} // namespace

std::unique_ptr<ControlView> MakeTreeView(DialogView& dialog, Control& control, wxWindow* parent) {
    auto* tree = dynamic_cast<TreeCtrl*>(&control);
    return tree ? std::make_unique<TreeView>(dialog, *tree, parent) : nullptr;
}

} // namespace ui::desk
