#include "platform/ui/Dialog.h"
#include "platform/ui/ScriptedBackend.h"
#include "platform/ui/UserActions.h"

#include <gtest/gtest.h>

using namespace ui;

namespace {

class ListHost : public Dialog {
public:
    ListHost()
        : Dialog(DialogTemplate{901,
                                L"列表",
                                200,
                                120,
                                0,
                                {{140, ControlKind::List, L"", 0, 0, 200, 120, LVS_REPORT}}}) {
        Bind(140, list);
    }
    bool OnNotify(int, NMHDR& header, LRESULT&) override {
        auto& notice = reinterpret_cast<NMLISTVIEW&>(header);
        if (header.code == LVN_ITEMCHANGED)
            events.push_back(L"changed " + std::to_wstring(notice.iItem) + L" " +
                             std::to_wstring(notice.uNewState & 0xF00F));
        else if (header.code == NM_CLICK)
            events.push_back(L"click " + std::to_wstring(notice.iItem) + L"," +
                             std::to_wstring(notice.iSubItem));
        else if (header.code == LVN_COLUMNCLICK)
            events.push_back(L"column " + std::to_wstring(notice.iSubItem));
        return true;
    }

    ListCtrl list;
    std::vector<std::wstring> events;
};

class ListCtrlTest : public ::testing::Test {
protected:
    ListCtrlTest() {
        host.Create();
        list().InsertColumn(0, L"标题", LVCFMT_LEFT, 100);
        list().InsertColumn(1, L"具体内容", LVCFMT_LEFT, 150);
        for (int row = 0; row < 5; ++row) {
            list().InsertItem(row, L"T" + std::to_wstring(row));
            list().SetItemText(row, 1, L"V" + std::to_wstring(row));
            list().SetItemData(row, static_cast<uintptr_t>(10 - row));
        }
        host.events.clear();
    }
    ListCtrl& list() { return host.list; }

    ScriptedBackend backend;
    ListHost host;
};

} // namespace

TEST_F(ListCtrlTest, AClickSelectsOnTheWayDownAndReportsTheCellOnTheWayUp) {
    gesture::Click(list(), 2, 1);
    EXPECT_EQ(list().GetSelectedCount(), 0u) << "a second column is no part of the item";
    list().SetExtendedStyle(LVS_EX_FULLROWSELECT);
    host.events.clear();
    gesture::Click(list(), 2, 1);
    EXPECT_EQ(host.events, (std::vector<std::wstring>{L"changed 2 3", L"click 2,1"}));
    EXPECT_EQ(list().GetSelectionMark(), 2);
    EXPECT_EQ(list().GetNextItem(-1, LVNI_SELECTED), 2);
    host.events.clear();
    gesture::Click(list(), 4, 0);
    EXPECT_EQ(host.events, (std::vector<std::wstring>{L"changed 2 1", L"changed 2 0",
                                                      L"changed 4 3", L"click 4,0"}))
        << "the old row loses selection, then focus";
    EXPECT_EQ(list().GetSelectedCount(), 1u);
}

TEST_F(ListCtrlTest, CheckMarksAndProgrammaticStatesNotifyTheParent) {
    list().SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    EXPECT_FALSE(list().GetCheck(1));
    host.events.clear();
    gesture::ToggleCheck(list(), 1);
    EXPECT_TRUE(list().GetCheck(1));
    EXPECT_EQ(host.events.front(), L"changed 1 8192") << "state image 2";
    host.events.clear();
    list().SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(host.events.size(), 4u) << "row 1 was selected by the click on its check box";
    std::vector<int> rows;
    for (uintptr_t position = list().GetFirstSelectedItemPosition(); position;)
        rows.push_back(list().GetNextSelectedItem(position));
    EXPECT_EQ(rows, (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST_F(ListCtrlTest, SortingByDataDeletingAndHeaderClicks) {
    list().SetSelectionMark(3);
    list().DeleteItem(1);
    EXPECT_EQ(list().GetSelectionMark(), 2) << "the mark follows its row";
    EXPECT_EQ(list().GetItemText(1, 1), L"V2");
    list().SortItems([](LPARAM a, LPARAM b, LPARAM) { return static_cast<int>(a - b); }, 0);
    EXPECT_EQ(list().GetItemText(0, 0), L"T4");
    EXPECT_EQ(list().GetItemText(3, 0), L"T0");
    gesture::ClickHeader(list(), 1);
    EXPECT_EQ(host.events.back(), L"column 1");
    Rect cell;
    ASSERT_TRUE(list().GetSubItemRect(1, 1, LVIR_BOUNDS, &cell));
    EXPECT_EQ(cell.left, 100);
    LVHITTESTINFO info;
    info.pt = cell.CenterPoint();
    EXPECT_EQ(list().SubItemHitTest(&info), 1);
    EXPECT_EQ(info.iSubItem, 1);
}

TEST_F(ListCtrlTest, CallbackRowsShowTheOwnersTextsUntilGivenTheirOwn) {
    std::vector<std::wstring> owned{L"乙", L"甲"};
    list().SetTextCallback([&owned](uintptr_t data, int column) {
        return data < owned.size() ? owned[data] + L"/" + std::to_wstring(column) : L"?";
    });
    list().DeleteAllItems();
    list().InsertCallbackItem(0, 0);
    list().InsertCallbackItem(1, 1);
    EXPECT_EQ(list().GetItemText(1, 1), L"甲/1");
    EXPECT_EQ(list().GetItemData(1), 1u);
    // The owner's change shows without the list being told; sorting reads the same texts.
    owned[0] = L"癸";
    list().SortItemsByText(0, true);
    EXPECT_EQ(list().GetItemText(0, 0), L"甲/0");
    EXPECT_EQ(list().GetItemData(1), 0u);
    // A text set on a row keeps the others it showed.
    list().SetItemText(1, 1, L"自有");
    owned[0] = L"丁";
    EXPECT_EQ(list().GetItemText(1, 0), L"癸/0");
    EXPECT_EQ(list().GetItemText(1, 1), L"自有");
    owned[1] = L"丙";
    EXPECT_EQ(list().GetItemText(0, 1), L"丙/1");
}
