#include "platform/ui/Dialog.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Menu.h"
#include "platform/ui/ScriptedBackend.h"

#include <gtest/gtest.h>

using namespace ui;

namespace {

constexpr int kName = 101;
constexpr int kCount = 102;
constexpr int kAgree = 103;
constexpr int kKind = 104; // radio group 104..105

// A small form: a name whose edits and focus changes are recorded, a number, a check box and
// two radio buttons, all exchanged with members.
class FormDialog : public Dialog {
public:
    FormDialog()
        : Dialog(DialogTemplate{
              900,
              L"表单",
              160,
              90,
              0,
              {{kName, ControlKind::Edit, L"", 7, 7, 100, 12, 0},
               {kCount, ControlKind::Edit, L"", 7, 23, 40, 12, 0},
               {kAgree, ControlKind::CheckBox, L"同意", 7, 39, 60, 10, 0},
               {kKind, ControlKind::RadioButton, L"甲", 7, 52, 30, 10, 0},
               {kKind + 1, ControlKind::RadioButton, L"乙", 40, 52, 30, 10, 0},
               {IDOK, ControlKind::PushButton, L"确定", 50, 70, 50, 14, BS_DEFPUSHBUTTON},
               {IDCANCEL, ControlKind::PushButton, L"取消", 104, 70, 50, 14, 0}}}) {}

    void DoDataExchange(DataExchange& exchange) override {
        DDX_Text(exchange, kName, name);
        DDX_Text(exchange, kCount, count);
        DDX_Check(exchange, kAgree, agree);
        DDX_Radio(exchange, kKind, kind);
    }
    bool OnCommand(int id, unsigned code) override {
        if (id == kName && (code == EN_CHANGE || code == EN_KILLFOCUS || code == EN_SETFOCUS))
            events.push_back(code == EN_CHANGE     ? L"change"
                             : code == EN_SETFOCUS ? L"focus"
                                                   : L"kill");
        return false;
    }
    bool OnMessage(unsigned message, WPARAM wParam, LPARAM, LRESULT&) override {
        if (message == WM_USER + 1)
            events.push_back(L"posted " + std::to_wstring(wParam));
        return message == WM_USER + 1;
    }
    void OnTimer(uintptr_t id) override { events.push_back(L"timer " + std::to_wstring(id)); }
    void OnSize(unsigned type, int width, int height) override {
        sizes.push_back({static_cast<int>(type), width, height});
    }

    std::wstring name = L"初始";
    int count = 3;
    int agree = 0;
    int kind = 1;
    std::vector<std::wstring> events;
    std::vector<std::array<int, 3>> sizes;
};

} // namespace

TEST(Dialog, ControlsStandWhereTheTemplatePutsThemInPixels) {
    ScriptedBackend backend;
    FormDialog dialog;
    dialog.Create();
    // Base units 6 x 13: x * 6 / 4, y * 13 / 8.
    EXPECT_EQ(dialog.GetDlgItem(kName)->GetRectInParent(), (Rect{11, 11, 161, 31}));
    EXPECT_EQ(dialog.GetClientRect(), (Rect{0, 0, 240, 146}));
    EXPECT_EQ(dialog.GetDlgItemText(kName), L"初始") << "OnInitDialog loads the members";
    EXPECT_EQ(dialog.IsDlgButtonChecked(kKind + 1), BST_CHECKED);
    EXPECT_EQ(Window::GetFocus(), dialog.GetDlgItem(kName)) << "the first control takes input";
}

TEST(Dialog, AScriptedRunMovesFocusSendsChangesAndSavesTheMembersOnOk) {
    ScriptedBackend backend;
    FormDialog dialog;
    backend.Script(900, {act::Type(kName, L"新名称"), act::Type(kCount, L"42"), act::Click(kAgree),
                         act::Click(kKind), act::Ok()});
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(backend.Faults().empty());
    EXPECT_EQ(dialog.name, L"新名称");
    EXPECT_EQ(dialog.count, 42);
    EXPECT_EQ(dialog.agree, 1);
    EXPECT_EQ(dialog.kind, 0) << "clicking one radio button clears the other";
    EXPECT_EQ(dialog.events, (std::vector<std::wstring>{L"change", L"focus", L"change", L"kill"}));
    EXPECT_FALSE(dialog.IsWindow());
    ASSERT_EQ(backend.Dialogs().size(), 1u);
    EXPECT_EQ(backend.Dialogs()[0].result, IDOK);
}

TEST(Dialog, AWrongNumberIsRefusedAndTheDialogStaysOpen) {
    ScriptedBackend backend;
    FormDialog dialog;
    backend.Script(900, {act::Type(kCount, L"4x"), act::Ok(), act::Type(kCount, L" 7 "),
                         act::Key(0, VK_RETURN)});
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(backend.Boxes().size(), 1u);
    EXPECT_EQ(backend.Boxes()[0].text, L"请输入一个整数。");
    EXPECT_EQ(dialog.count, 7) << "Enter pressed the default button";
}

TEST(Dialog, EscapeAndTheCloseBoxCancelAndAScriptThatLeavesItOpenIsAFault) {
    ScriptedBackend backend;
    FormDialog dialog;
    backend.Script(900, {act::Type(kName, L"x"), act::Key(0, VK_ESCAPE)});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.name, L"初始");
    backend.Script(900, {act::Close()});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(backend.Faults().empty());

    backend.Script(900, {act::Type(kName, L"y"), act::Click(999)});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(backend.Faults().size(), 2u);
    EXPECT_NE(backend.Faults()[0].find(L"no control 999"), std::wstring::npos);
    EXPECT_NE(backend.Faults()[1].find(L"left open"), std::wstring::npos);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_NE(backend.Faults().back().find(L"No script"), std::wstring::npos);
}

TEST(Dialog, PostedMessagesAndTimersRunFromTheLoop) {
    ScriptedBackend backend;
    FormDialog dialog;
    dialog.Create();
    dialog.events.clear();
    dialog.PostMessage(WM_USER + 1, 5);
    EXPECT_TRUE(dialog.events.empty()) << "not before the loop runs";
    dialog.SetTimer(1, 100);
    backend.FireTimers();
    EXPECT_EQ(dialog.events, (std::vector<std::wstring>{L"timer 1", L"posted 5"}));
    dialog.KillTimer(1);
    EXPECT_FALSE(backend.FireTimer(&dialog, 1));
    dialog.SetTimer(2, 100);
    dialog.DestroyWindow();
    EXPECT_FALSE(backend.HasTimer(&dialog, 2)) << "a destroyed window's timers end";
}

TEST(Dialog, MaximisingAndRestoringSendSizesAndKeepTheNormalPlacement) {
    ScriptedBackend backend;
    FormDialog dialog;
    dialog.Create();
    dialog.MoveWindow(Rect{10, 20, 410, 320});
    WINDOWPLACEMENT placement;
    dialog.GetWindowPlacement(&placement);
    EXPECT_EQ(placement.rcNormalPosition, (Rect{10, 20, 410, 320}));
    dialog.ShowWindow(SW_MAXIMIZE);
    EXPECT_EQ(dialog.GetWindowRect(), backend.WorkArea());
    dialog.GetWindowPlacement(&placement);
    EXPECT_EQ(placement.showCmd, static_cast<unsigned>(SW_SHOWMAXIMIZED));
    EXPECT_EQ(placement.rcNormalPosition, (Rect{10, 20, 410, 320}));
    dialog.ShowWindow(SW_RESTORE);
    EXPECT_EQ(dialog.GetWindowRect(), (Rect{10, 20, 410, 320}));
    ASSERT_GE(dialog.sizes.size(), 3u);
    Rect client = dialog.GetClientRect();
    EXPECT_EQ(dialog.sizes.back(), (std::array<int, 3>{static_cast<int>(SIZE_RESTORED),
                                                       client.Width(), client.Height()}));
    EXPECT_EQ(dialog.sizes[dialog.sizes.size() - 2][0], static_cast<int>(SIZE_MAXIMIZED));
}

TEST(Menu, StatesChangeByCommandAndGrayedItemsCannotBeChosen) {
    ScriptedBackend backend;
    FormDialog owner;
    owner.Create();
    Menu bar({{0, L"", {{201, L"删除"}, {0, L""}, {203, L"修改"}, {0, L"子", {{205, L"导入"}}}}}});
    Menu* popup = bar.GetSubMenu(0);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->GetMenuItemCount(), 4);
    EXPECT_EQ(popup->EnableMenuItem(203, MF_BYCOMMAND | MF_GRAYED), 0u);
    EXPECT_EQ(popup->GetMenuState(203, MF_BYCOMMAND) & MF_GRAYED, MF_GRAYED);
    EXPECT_TRUE(popup->ModifyMenu(205, MF_BYCOMMAND, 205, L"导入文件"));
    EXPECT_EQ(bar.GetMenuString(205, MF_BYCOMMAND), L"导入文件") << "found in a sub-menu";
    EXPECT_TRUE(popup->RemoveMenu(1, MF_BYPOSITION));
    EXPECT_EQ(popup->GetMenuItemID(1), 203u);

    backend.QueueMenuChoice(203);
    EXPECT_EQ(popup->TrackPopupMenu(TPM_RETURNCMD, 0, 0, &owner), 0u) << "grayed";
    backend.QueueMenuChoice(201);
    EXPECT_EQ(popup->TrackPopupMenu(TPM_RETURNCMD, 0, 0, &owner), 201u);
    ASSERT_EQ(backend.Menus().size(), 2u);
    EXPECT_EQ(backend.Menus()[1].lines[1], L"  203 修改 (grayed)");
}

TEST(Canvas, FillReachesEveryPixelOfAnyShape) {
    for (auto [width, height] : {std::pair{1, 1}, std::pair{5, 3}, std::pair{7, 13}}) {
        Canvas canvas(width, height, RGB(1, 2, 3));
        canvas.Fill(RGB(200, 100, 50));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(canvas.GetPixel(x, y), RGB(200, 100, 50)) << x << "," << y;
    }
}
