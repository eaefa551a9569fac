#include "platform/ui/Dialog.h"
#include "platform/ui/ScriptedBackend.h"
#include "platform/ui/UserActions.h"

#include <gtest/gtest.h>

using namespace ui;

namespace {

// A dialog holding one tree, recording every tree notification in order.
class TreeHost : public Dialog {
public:
    TreeHost()
        : Dialog(DialogTemplate{900,
                                L"树",
                                200,
                                120,
                                0,
                                {{125, ControlKind::Tree, L"", 0, 0, 200, 120, TVS_LINESATROOT}}}) {
        Bind(125, tree);
    }
    bool OnNotify(int, NMHDR& header, LRESULT& result) override {
        auto& notice = reinterpret_cast<NMTREEVIEW&>(header);
        std::wstring line;
        switch (header.code) {
        case TVN_SELCHANGING:
            line = L"selchanging";
            result = vetoSelection ? 1 : 0;
            break;
        case TVN_SELCHANGED:
            line = L"selchanged";
            break;
        case TVN_ITEMEXPANDING:
            line = L"expanding";
            break;
        case TVN_ITEMEXPANDED:
            line = L"expanded";
            break;
        case TVN_DELETEITEM:
            line = L"delete " + std::wstring(notice.itemOld.pszText);
            events.push_back(line);
            return true;
        case NM_CLICK:
            events.push_back(L"click sel=" + tree.GetItemText(tree.GetSelectedItem()));
            return true;
        default:
            return false;
        }
        if (header.code == TVN_SELCHANGING || header.code == TVN_SELCHANGED)
            line += L" " + std::wstring(notice.itemOld.hItem ? notice.itemOld.pszText : L"-") +
                    L">" + (notice.itemNew.hItem ? notice.itemNew.pszText : L"-") +
                    (notice.action == TVC_BYMOUSE ? L" mouse" : L"");
        else
            line += L" " + std::wstring(notice.itemNew.pszText);
        events.push_back(line);
        return true;
    }

    TreeCtrl tree;
    std::vector<std::wstring> events;
    bool vetoSelection = false;
};

class TreeCtrlTest : public ::testing::Test {
protected:
    TreeCtrlTest() {
        host.Create();
        p = tree().InsertItem(L"P");
        a = tree().InsertItem(L"A", p);
        b = tree().InsertItem(L"B", p);
        c = tree().InsertItem(L"C", p);
        a1 = tree().InsertItem(L"A1", a);
        host.events.clear();
    }
    TreeCtrl& tree() { return host.tree; }

    ScriptedBackend backend;
    TreeHost host;
    HTREEITEM p, a, b, c, a1;
};

} // namespace

TEST_F(TreeCtrlTest, InsertsFirstLastSortedAndAfterASibling) {
    HTREEITEM first = tree().InsertItem(L"0", p, TVI_FIRST);
    HTREEITEM sorted = tree().InsertItem(L"b2", p, TVI_SORT);
    HTREEITEM after = tree().InsertItem(L"A+", p, a);
    std::vector<std::wstring> order;
    for (HTREEITEM item = tree().GetChildItem(p); item; item = tree().GetNextSiblingItem(item))
        order.push_back(tree().GetItemText(item));
    EXPECT_EQ(order, (std::vector<std::wstring>{L"0", L"A", L"A+", L"B", L"b2", L"C"}));
    EXPECT_EQ(tree().GetPrevSiblingItem(after), a);
    EXPECT_EQ(tree().GetParentItem(sorted), p);
    EXPECT_EQ(tree().GetChildItem(first), nullptr);
    EXPECT_EQ(tree().InsertItem(L"x", reinterpret_cast<HTREEITEM>(&order)), nullptr)
        << "a handle that is no item of the tree";
}

TEST_F(TreeCtrlTest, SelectingSendsChangingAndChangedAndOpensCollapsedAncestors) {
    ASSERT_TRUE(tree().SelectItem(a1));
    EXPECT_EQ(host.events,
              (std::vector<std::wstring>{L"expanding P", L"expanded P", L"expanding A",
                                         L"expanded A", L"selchanging ->A1", L"selchanged ->A1"}));
    host.events.clear();
    EXPECT_TRUE(tree().SelectItem(a1)) << "the selected item again";
    EXPECT_TRUE(host.events.empty());
    host.vetoSelection = true;
    EXPECT_FALSE(tree().SelectItem(b));
    EXPECT_EQ(tree().GetSelectedItem(), a1);
    EXPECT_TRUE(tree().GetItemState(a1, TVIS_SELECTED));
}

TEST_F(TreeCtrlTest, ExpandSendsNothingAndCollapsingMovesAHiddenSelection) {
    tree().Expand(p, TVE_EXPAND);
    EXPECT_FALSE(tree().Expand(b, TVE_EXPAND)) << "an item without children";
    EXPECT_TRUE(host.events.empty());
    tree().SelectItem(a1);
    host.events.clear();
    tree().Expand(a, TVE_COLLAPSE);
    EXPECT_EQ(tree().GetSelectedItem(), a);
    EXPECT_EQ(host.events, (std::vector<std::wstring>{L"selchanging A1>A", L"selchanged A1>A"}));
}

TEST_F(TreeCtrlTest, DeletingTheSelectionMovesItToNextSiblingThenParentThenPrevious) {
    tree().SelectItem(b);
    host.events.clear();
    tree().DeleteItem(b);
    EXPECT_EQ(tree().GetSelectedItem(), c);
    EXPECT_EQ(host.events,
              (std::vector<std::wstring>{L"delete B", L"selchanging ->C", L"selchanged ->C"}));
    tree().DeleteItem(c);
    EXPECT_EQ(tree().GetSelectedItem(), p) << "no next sibling: the parent";
    tree().SelectItem(a1);
    tree().DeleteItem(a);
    EXPECT_EQ(tree().GetSelectedItem(), p) << "a deleted ancestor moves the selection too";
    EXPECT_FALSE(tree().IsItem(a1));
    host.events.clear();
    tree().DeleteAllItems();
    EXPECT_EQ(tree().GetSelectedItem(), nullptr);
    EXPECT_EQ(host.events, std::vector<std::wstring>{L"delete P"}) << "no selection notice";
    EXPECT_EQ(tree().GetCount(), 0u);
}

TEST_F(TreeCtrlTest, AClickSendsNmClickBeforeTheSelectionChanges) {
    tree().SelectItem(a);
    host.events.clear();
    gesture::Click(tree(), b);
    EXPECT_EQ(host.events, (std::vector<std::wstring>{L"click sel=A", L"selchanging A>B mouse",
                                                      L"selchanged A>B mouse"}));
}

TEST_F(TreeCtrlTest, RowsHitTestsAndScrollingAgree) {
    tree().Expand(p, TVE_EXPAND);
    Rect rect;
    ASSERT_TRUE(tree().GetItemRect(b, &rect, true));
    unsigned flags = 0;
    EXPECT_EQ(tree().HitTest(rect.CenterPoint(), &flags), b);
    EXPECT_EQ(flags, TVHT_ONITEMLABEL);
    EXPECT_EQ(tree().HitTest({rect.right + 5, rect.top + 2}, &flags), b);
    EXPECT_EQ(flags, TVHT_ONITEMRIGHT);
    EXPECT_EQ(tree().HitTest({5, rect.bottom + 3 * tree().GetItemHeight()}, &flags), nullptr);
    EXPECT_EQ(flags, TVHT_NOWHERE);
    EXPECT_FALSE(tree().GetItemRect(a1, &rect, false)) << "inside a collapsed branch";

    for (int i = 0; i < 20; ++i)
        tree().InsertItem(L"D" + std::to_wstring(i), p);
    HTREEITEM last = tree().GetLastVisibleItem();
    ASSERT_TRUE(tree().EnsureVisible(last));
    ASSERT_TRUE(tree().GetItemRect(last, &rect, false));
    EXPECT_LT(rect.bottom, tree().GetClientRect().Height() + 1);
    EXPECT_NE(tree().GetFirstVisibleItem(), p);
    tree().SelectSetFirstVisible(p);
    EXPECT_EQ(tree().GetFirstVisibleItem(), p);
}

TEST_F(TreeCtrlTest, ScriptsNameItemsByPathOrText) {
    HTREEITEM found = nullptr;
    ASSERT_TRUE(FindTreeItem(tree(), L"P|A|A1", found));
    EXPECT_EQ(found, a1);
    ASSERT_TRUE(FindTreeItem(tree(), L"C", found));
    EXPECT_EQ(found, c);
    EXPECT_FALSE(FindTreeItem(tree(), L"P|X", found));
}
