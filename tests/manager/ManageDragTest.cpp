// Dragging items between the window's trees: copying with Ctrl, moving when Ctrl is let go
// before the button, the pointer's shapes, and drags that end where nothing may be dropped.

#include "TreeOperations.h"

#include "drawing/EditOprt.h"
#include "platform/text/WideString.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/UserActions.h"

using namespace ovtest;
using namespace ui::act;

namespace {

class TreeDrag : public TreeOperations {
protected:
    // The pointer over an item of a tree, in the window's client coordinates (and there on
    // the screen).
    ui::LPARAM PointerOver(CManageDlg* window, ui::TreeCtrl& tree, const std::wstring& item) {
        ui::HTREEITEM found = nullptr;
        EXPECT_TRUE(ui::FindTreeItem(tree, item, found)) << item;
        tree.EnsureVisible(found);
        ui::Rect label;
        tree.GetItemRect(found, &label, true);
        ui::Point screen =
            tree.ClientToScreen(ui::Point{label.left + 2, label.top + label.Height() / 2});
        Backend().SetCursorPos(screen);
        ui::Point client = window->ScreenToClient(screen);
        return ui::MAKELPARAM(client.x, client.y);
    }
    const ui::LocalBackend::DragFeedback& Feedback() { return Backend().GetDragFeedback(); }
};

} // namespace

TEST_F(TreeDrag, CtrlCopiesAndLettingGoOfCtrlBeforeTheButtonMoves) {
    CManageDlg* window = Open(L"XMMANAGE");
    ui::TreeCtrl& tree = window->GetSbTreeCtrl();
    // The pointer goes where the target is once the drag has begun (beginning it shows the
    // dragged item, which may scroll the tree).
    auto drag = [&](const std::wstring& item, unsigned keysMoving, unsigned keysUp) {
        ui::HTREEITEM dragged = nullptr;
        ASSERT_TRUE(ui::FindTreeItem(tree, item, dragged));
        ASSERT_EQ(ui::gesture::BeginDrag(tree, dragged), window);
        EXPECT_TRUE(Feedback().active);
        EXPECT_EQ(Feedback().text, CEditOprt::GetLastPathItem(text::ReplaceAll(item, L"|", L"\\")));
        EXPECT_EQ(Feedback().icon, ui::icon::kDrawing);
        window->SendMessage(ui::WM_MOUSEMOVE, ui::MK_LBUTTON | keysMoving,
                            PointerOver(window, tree, L"R"));
        EXPECT_EQ(Feedback().cursor, keysMoving ? 115 : ui::IDC_ARROW);
        EXPECT_EQ(tree.GetDropHilightItem(), tree.GetSelectedItem());
        EXPECT_EQ(tree.GetItemText(tree.GetSelectedItem()), L"R");
        window->SendMessage(ui::WM_LBUTTONUP, keysUp, PointerOver(window, tree, L"R"));
        EXPECT_FALSE(Feedback().active);
        EXPECT_EQ(Feedback().cursor, ui::kCursorNone);
        EXPECT_EQ(tree.GetDropHilightItem(), nullptr);
    };
    drag(L"N|屏面布置图|01-A.dwg", ui::MK_CONTROL, ui::MK_CONTROL);
    EXPECT_TRUE(installation.Exists(L"P\\N\\01-A.dwg"));
    EXPECT_TRUE(installation.Exists(L"P\\R\\01-A.dwg")) << "copied";

    drag(L"N|屏面布置图|02-X.dwg", ui::MK_CONTROL, 0);
    EXPECT_FALSE(installation.Exists(L"P\\N\\02-X.dwg")) << "moved: Ctrl was up at the end";
    EXPECT_TRUE(installation.Exists(L"P\\R\\02-X.dwg"));
    EXPECT_EQ(window->Getm_CopyOrCutSrcData().m_bHasData, 0);
    EXPECT_EQ(Listed(L"P\\R\\R.prj"),
              (std::vector<std::wstring>{L": 01-A.dwg<>", L": 02-X.dwg<>", L"YL: r1.dwg<>"}));
}

TEST_F(TreeDrag, ADragThatEndsWhereNothingMayGoForgetsTheItem) {
    CManageDlg* window = Open(L"XMMANAGE");
    ui::TreeCtrl& tree = window->GetSbTreeCtrl();
    ui::HTREEITEM dragged = nullptr;
    ASSERT_TRUE(ui::FindTreeItem(tree, L"N|原理图", dragged));
    ui::gesture::BeginDrag(tree, dragged);
    window->SendMessage(ui::WM_MOUSEMOVE, ui::MK_LBUTTON,
                        PointerOver(window, tree, L"N|屏面布置图|01-A.dwg"));
    EXPECT_EQ(Feedback().cursor, ui::IDC_NO) << "a type does not go onto a drawing";
    window->SendMessage(ui::WM_LBUTTONUP, 0, PointerOver(window, tree, L"N|屏面布置图|01-A.dwg"));
    EXPECT_EQ(window->Getm_CopyOrCutSrcData().m_bHasData, 0);
    EXPECT_EQ(Listed(L"P\\N\\N.prj").back(), L"YL: 011-E.dwg<>");

    Act(window, Drag(124, L"P", 125, L"N"));
    EXPECT_EQ(window->Getm_CopyOrCutSrcData().m_bHasData, 0) << "the open Project is not dragged";
    EXPECT_FALSE(Feedback().active);
    EXPECT_TRUE(Backend().Faults().empty());
}

TEST_F(TreeDrag, AScriptedDragLandsOnItsTargetWhenTheTreeMustScrollBetweenThem) {
    CManageDlg* window = Open(L"XMMANAGE");
    ui::TreeCtrl& tree = window->GetSbTreeCtrl();
    for (const wchar_t* branch : {L"N", L"N|屏面布置图", L"N|原理图", L"R"}) {
        ui::HTREEITEM item = nullptr;
        ASSERT_TRUE(ui::FindTreeItem(tree, branch, item));
        tree.Expand(item, ui::TVE_EXPAND);
    }
    // A tree a few rows high, as in a small window.
    ui::Rect frame = tree.GetWindowRect();
    ui::Point corner = window->ScreenToClient(ui::Point{frame.left, frame.top});
    tree.MoveWindow(corner.x, corner.y, frame.Width(), 80);
    ASSERT_LT(tree.GetVisibleCount(), tree.GetCount()) << "the tree must be longer than it is high";

    Act(window, Drag(125, L"N|屏面布置图|01-A.dwg", 125, L"R"));
    EXPECT_FALSE(installation.Exists(L"P\\N\\01-A.dwg"));
    EXPECT_TRUE(installation.Exists(L"P\\R\\01-A.dwg"));
}
