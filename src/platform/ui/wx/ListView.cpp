// Report lists. The widget shows the model's columns and rows; clicks on the widget become the
// model's own clicks at the same row, column and offset in the cell, so that a list class that
// edits cells in place sees what it sees under the scripted backend. Editors the list places
// over a cell get the widget's cell rectangle.

#include "platform/ui/Dialog.h"
#include "platform/ui/UserActions.h"
#include "platform/ui/wx/ControlView.h"
#include "platform/ui/wx/Convert.h"

#include <wx/listctrl.h>
#include <wx/settings.h>

#include <cstdlib>
#include <utility>
#include <vector>

namespace ui::desk {

namespace {

// What the widget shows of a row, to write only what changed.
struct ShownRow {
    std::vector<std::wstring> texts;
    unsigned state = 0;
    bool operator==(const ShownRow&) const = default;
};

class ListView : public ControlView {
public:
    ListView(DialogView& dialog, ListCtrl& list, wxWindow* parent) : ControlView(dialog, list) {
        long style = wxLC_REPORT | ((list.GetStyle() & LVS_SINGLESEL) ? wxLC_SINGLE_SEL : 0);
        m_list = new wxListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, style);
        Attach(m_list);
        // The rows are drawn by the list's inner window, which gets the mouse.
        m_rows = m_list;
        for (wxWindow* child : m_list->GetChildren())
            if (child->GetClassInfo() &&
                wxString(child->GetClassInfo()->GetClassName()) == "wxListMainWindow")
                m_rows = child;
        On(m_rows, wxEVT_LEFT_DOWN, [this](wxMouseEvent& event) { OnMouse(event, Press::Left); });
        On(m_rows, wxEVT_LEFT_DCLICK,
           [this](wxMouseEvent& event) { OnMouse(event, Press::Double); });
        On(m_rows, wxEVT_RIGHT_DOWN, [this](wxMouseEvent& event) { OnMouse(event, Press::Right); });
        // The click was whole on the way down; the button's release ends a drag of rows.
        On(m_rows, wxEVT_LEFT_UP, [this](wxMouseEvent& event) { OnLeftUp(event); });
        On(m_rows, wxEVT_MOTION, [this](wxMouseEvent& event) { OnMotion(event); });
        On(m_rows, wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { EndDrag(); });
        On(m_list, wxEVT_LIST_COL_CLICK, [this](wxListEvent& event) {
            if (ListCtrl* model = List())
                gesture::ClickHeader(*model, event.GetColumn());
        });
        On(m_list, wxEVT_LIST_COL_END_DRAG, [this](wxListEvent& event) {
            int column = event.GetColumn();
            Later([this, column] {
                if (ListCtrl* model = List(); model && column < model->GetColumnCount()) {
                    Updating scope(m_updating);
                    model->SetColumnWidth(column, m_list->GetColumnWidth(column));
                }
            });
        });
        ShowAll();
    }

    wxRect ChildRect(const Control& child) const override {
        ListCtrl* model = List();
        Rect rect = child.GetRectInParent();
        LVHITTESTINFO hit;
        hit.pt = {rect.left + 2, rect.top + 2};
        wxRect cell;
        if (model && model->SubItemHitTest(&hit) >= 0 &&
            m_list->GetSubItemRect(hit.iItem, hit.iSubItem, cell))
            return cell;
        return ToWx(rect);
    }

protected:
    void OnModelChanged(WindowChange change, uintptr_t item) override {
        if (m_updating)
            return;
        int row = static_cast<int>(item);
        switch (change) {
        case WindowChange::Items:
        case WindowChange::State:
            ShowAll();
            break;
        case WindowChange::ItemInserted:
            if (static_cast<size_t>(row) > m_shown.size())
                return ShowAll();
            {
                Updating scope(m_updating);
                m_list->InsertItem(row, "");
                m_shown.insert(m_shown.begin() + row, ShownRow{{L""}, 0});
            }
            ShowRow(row);
            break;
        case WindowChange::ItemDeleted:
            if (static_cast<size_t>(row) >= m_shown.size())
                return ShowAll();
            {
                Updating scope(m_updating);
                m_list->DeleteItem(row);
                m_shown.erase(m_shown.begin() + row);
            }
            break;
        case WindowChange::ItemChanged:
            ShowRow(row);
            break;
        case WindowChange::Scroll:
            if (List()->IsRow(List()->GetTopIndex()))
                m_list->EnsureVisible(List()->GetTopIndex());
            break;
        default:
            break;
        }
    }
    void Forget() override { m_shown.clear(); }

private:
    enum class Press { Left, Double, Right };

    ListCtrl* List() const { return dynamic_cast<ListCtrl*>(Model()); }

    void ShowAll() {
        ListCtrl* model = List();
        if (!model)
            return;
        Updating scope(m_updating);
        bool checks = (model->GetExtendedStyle() & LVS_EX_CHECKBOXES) != 0;
        if (m_list->HasCheckBoxes() != checks)
            m_list->EnableCheckBoxes(checks);
        long rules = (model->GetExtendedStyle() & LVS_EX_GRIDLINES) ? wxLC_HRULES | wxLC_VRULES : 0;
        if ((m_list->GetWindowStyleFlag() & (wxLC_HRULES | wxLC_VRULES)) != rules)
            m_list->SetWindowStyleFlag(
                (m_list->GetWindowStyleFlag() & ~static_cast<long>(wxLC_HRULES | wxLC_VRULES)) |
                rules);
        ShowColumns();
        while (m_list->GetItemCount() > model->GetItemCount())
            m_list->DeleteItem(m_list->GetItemCount() - 1);
        while (m_list->GetItemCount() < model->GetItemCount())
            m_list->InsertItem(m_list->GetItemCount(), "");
        m_shown.resize(static_cast<size_t>(model->GetItemCount()), ShownRow{{L"\x1"}, ~0u});
        for (int row = 0; row < model->GetItemCount(); ++row)
            ShowRow(row);
    }

    void ShowColumns() {
        ListCtrl* model = List();
        const auto& columns = model->GetHeaderCtrl()->Columns();
        bool same = m_list->GetColumnCount() == static_cast<int>(columns.size());
        for (int index = 0; same && index < m_list->GetColumnCount(); ++index) {
            wxListItem column;
            column.SetMask(wxLIST_MASK_TEXT | wxLIST_MASK_FORMAT);
            m_list->GetColumn(index, column);
            same = column.GetText() == ToWx(columns[static_cast<size_t>(index)].text);
        }
        if (!same) {
            m_list->DeleteAllColumns();
            for (size_t index = 0; index < columns.size(); ++index) {
                const auto& column = columns[index];
                int format = column.format == LVCFMT_RIGHT    ? wxLIST_FORMAT_RIGHT
                             : column.format == LVCFMT_CENTER ? wxLIST_FORMAT_CENTRE
                                                              : wxLIST_FORMAT_LEFT;
                m_list->InsertColumn(static_cast<long>(index), ToWx(column.text), format,
                                     column.width);
            }
            m_shown.assign(m_shown.size(), ShownRow{{L"\x1"}, ~0u});
        }
        for (size_t index = 0; index < columns.size(); ++index)
            if (m_list->GetColumnWidth(static_cast<int>(index)) != columns[index].width) {
                // A column that is hidden, or shown again, changes what its cells show.
                if (m_list->GetColumnWidth(static_cast<int>(index)) == 0 ||
                    columns[index].width == 0)
                    m_shown.assign(m_shown.size(), ShownRow{{L"\x1"}, ~0u});
                m_list->SetColumnWidth(static_cast<int>(index), columns[index].width);
            }
    }

    void ShowRow(int row) {
        ListCtrl* model = List();
        if (!model || !model->IsRow(row) || static_cast<size_t>(row) >= m_shown.size())
            return;
        ShownRow wanted;
        // The toolkit draws a cell's text beyond a column of width 0, over its neighbour: a
        // hidden column (one that carries a record's fields) shows nothing.
        for (int column = 0; column < std::max(model->GetColumnCount(), 1); ++column)
            wanted.texts.push_back(model->GetColumnCount() > 0 && model->GetColumnWidth(column) == 0
                                       ? L""
                                       : model->GetItemText(row, column));
        wanted.state = model->GetItemState(row, LVIS_SELECTED | LVIS_FOCUSED | LVIS_STATEIMAGEMASK);
        ShownRow& shown = m_shown[static_cast<size_t>(row)];
        if (wanted == shown)
            return;
        Updating scope(m_updating);
        for (size_t column = 0; column < wanted.texts.size(); ++column)
            if (shown.texts.size() <= column || shown.texts[column] != wanted.texts[column])
                m_list->SetItem(row, static_cast<int>(column), ToWx(wanted.texts[column]));
        long state = ((wanted.state & LVIS_SELECTED) ? wxLIST_STATE_SELECTED : 0) |
                     ((wanted.state & LVIS_FOCUSED) ? wxLIST_STATE_FOCUSED : 0);
        m_list->SetItemState(row, state, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
        if (m_list->HasCheckBoxes() && m_list->IsItemChecked(row) != model->GetCheck(row))
            m_list->CheckItem(row, model->GetCheck(row));
        shown = std::move(wanted);
    }

    void OnMouse(wxMouseEvent& event, Press press) {
        ListCtrl* model = List();
        if (!model)
            return;
        m_list->SetFocus();
        int flags = 0;
        long column = 0;
        long row = m_list->HitTest(event.GetPosition(), flags, &column);
        if (row < 0 || column < 0)
            column = 0;
        // The offset in the cell, as the model's own layout puts it.
        int x = -1;
        wxRect cell;
        if (row >= 0 && m_list->GetSubItemRect(row, column, cell)) {
            wxPoint inList = m_list->ScreenToClient(m_rows->ClientToScreen(event.GetPosition()));
            x = std::max(inList.x - cell.x, 0);
            bool checks = (model->GetExtendedStyle() & LVS_EX_CHECKBOXES) != 0;
            if (checks && column == 0)
                x = (flags & wxLIST_HITTEST_ONITEMSTATEICON) ? 2 : std::max(x, 17);
        }
        int modelRow = row >= 0 ? static_cast<int>(row) : -1;
        switch (press) {
        case Press::Left:
            gesture::Click(*model, modelRow, static_cast<int>(column), x);
            // A press on a row (not on its check box) may become a drag of the selected rows.
            m_pressedRow = x == 2 ? -1 : modelRow;
            m_pressPoint = event.GetPosition();
            break;
        case Press::Double:
            gesture::DoubleClickAfterClick(*model, modelRow, static_cast<int>(column));
            break;
        case Press::Right:
            gesture::RightClick(*model, modelRow, static_cast<int>(column));
            break;
        }
    }

    void OnMotion(wxMouseEvent& event) {
        event.Skip();
        ListCtrl* model = List();
        if (!model || !event.LeftIsDown())
            return;
        if (m_dragTarget) {
            SendDragMessage(WM_MOUSEMOVE, event.GetPosition(), MK_LBUTTON);
            return;
        }
        if (m_pressedRow < 0 || !model->IsRow(m_pressedRow))
            return;
        wxPoint moved = event.GetPosition() - m_pressPoint;
        if (std::abs(moved.x) < wxSystemSettings::GetMetric(wxSYS_DRAG_X) &&
            std::abs(moved.y) < wxSystemSettings::GetMetric(wxSYS_DRAG_Y))
            return;
        int row = std::exchange(m_pressedRow, -1);
        m_dragTarget = gesture::BeginDrag(*model, row);
        if (m_dragTarget) {
            m_rows->CaptureMouse();
            SendDragMessage(WM_MOUSEMOVE, event.GetPosition(), MK_LBUTTON);
        }
    }

    void OnLeftUp(wxMouseEvent& event) {
        m_pressedRow = -1;
        if (!m_dragTarget)
            return;
        SendDragMessage(WM_LBUTTONUP, event.GetPosition(), 0);
        EndDrag();
    }

    // A mouse message of the drag to the window that follows it, in its client coordinates.
    void SendDragMessage(unsigned message, const wxPoint& point, unsigned buttons) {
        if (!m_dragTarget || !IsWindowAlive(m_dragTarget) || !m_dragTarget->IsWindow())
            return;
        Point screen = FromWx(m_rows->ClientToScreen(point));
        Point client = m_dragTarget->ScreenToClient(screen);
        m_dragTarget->SendMessage(message, buttons, MAKELPARAM(client.x, client.y));
    }

    void EndDrag() {
        m_dragTarget = nullptr;
        if (m_rows->HasCapture())
            m_rows->ReleaseMouse();
    }

    wxListCtrl* m_list;
    wxWindow* m_rows;
    std::vector<ShownRow> m_shown;
    int m_pressedRow = -1;
    wxPoint m_pressPoint;
    Window* m_dragTarget = nullptr;
};

} // namespace

std::unique_ptr<ControlView> MakeListView(DialogView& dialog, Control& control, wxWindow* parent) {
    auto* list = dynamic_cast<ListCtrl*>(&control);
    return list ? std::make_unique<ListView>(dialog, *list, parent) : nullptr;
}

} // namespace ui::desk
