#include "platform/ui/ConsoleBackend.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Menu.h"
#include "support/ConsoleTranscript.h"

#include <gtest/gtest.h>

#include <deque>

using namespace ui;
using ovtest::Console;

namespace {

class Small : public Dialog {
public:
    Small()
        : Dialog(
              DialogTemplate{902,
                             L"修改文件",
                             150,
                             60,
                             0,
                             {{139, ControlKind::Edit, L"", 7, 7, 100, 12, 0},
                              {140, ControlKind::ComboBox, L"", 7, 23, 100, 50, CBS_DROPDOWN},
                              {IDOK, ControlKind::PushButton, L"确定", 40, 40, 50, 14, 0},
                              {IDCANCEL, ControlKind::PushButton, L"取消", 94, 40, 50, 14, 0}}}) {}
    bool OnInitDialog() override {
        auto* combo = GetDlgItemAs<ComboBox>(140);
        combo->AddString(L"甲");
        combo->AddString(L"乙");
        return Dialog::OnInitDialog();
    }
    bool OnCommand(int id, unsigned code) override {
        if (id == 139 && code == EN_CHANGE)
            GetDlgItem(IDOK)->EnableWindow(!GetDlgItemText(139).empty());
        return false;
    }
};

} // namespace

TEST(ConsoleBackend, ADialogIsPrintedAndDrivenByWordsShowingWhatChanged) {
    Console console({L"type 139 图1", L"select 140 乙", L"click 7", L"bogus", L"ok"});
    Small dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(console.transcript, L"== 修改文件 (902) ==\n"
                                  L"  139 edit \"\" focus\n"
                                  L"  140 combo \"\" [甲, 乙]\n"
                                  L"  1 button \"确定\"\n"
                                  L"  2 button \"取消\"\n"
                                  L"dialog> type 139 图1\n"
                                  L"~ 139 edit \"图1\" focus\n"
                                  L"dialog> select 140 乙\n"
                                  L"~ 139 edit \"图1\"\n"
                                  L"~ 140 combo \"乙\" [甲, 乙] sel=#1 focus\n"
                                  L"dialog> click 7\n"
                                  L"There is no control 7.\n"
                                  L"dialog> bogus\n"
                                  L"Unknown action \"bogus\".\n"
                                  L"dialog> ok\n"
                                  L"== 修改文件 closed: OK ==\n");
}

TEST(ConsoleBackend, TheEndOfTheInputCancelsAndBoxesTakeTheirAnswers) {
    Console console({L"maybe", L"n"});
    EXPECT_EQ(MessageBox(nullptr, L"继续？", L"Tessaline", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_NE(console.transcript.find(L"Answer with Yes/No."), std::wstring::npos);
    Small dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_NE(console.transcript.find(L"(end of input: the dialog is cancelled)"),
              std::wstring::npos);
}

TEST(ConsoleBackend, AGrayedOrMissingMenuItemChoosesNothingAndSaysWhy) {
    Console console({L"203", L"999", L"201"});
    Small owner;
    owner.Create();
    Menu bar({{0, L"", {{201, L"删除"}, {203, L"修改"}}}});
    Menu* popup = bar.GetSubMenu(0);
    popup->EnableMenuItem(203, MF_BYCOMMAND | MF_GRAYED);
    EXPECT_EQ(popup->TrackPopupMenu(TPM_RETURNCMD, 0, 0, &owner), 0u);
    EXPECT_NE(console.transcript.find(L"Item 203 is grayed: nothing is chosen."),
              std::wstring::npos);
    EXPECT_EQ(popup->TrackPopupMenu(TPM_RETURNCMD, 0, 0, &owner), 0u);
    EXPECT_NE(console.transcript.find(L"The menu has no item 999: nothing is chosen."),
              std::wstring::npos);
    EXPECT_EQ(popup->TrackPopupMenu(TPM_RETURNCMD, 0, 0, &owner), 201u);
    owner.DestroyWindow();
}

TEST(Actions, WordsAndActionsTranslateBothWays) {
    const wchar_t* lines[] = {L"type 134 两个 空格",
                              L"click 1",
                              L"select 125 P|Q|图1.dwg",
                              L"rclick 125 P -> 201",
                              L"rclick 125",
                              L"rclick 125 -> 202",
                              L"cell 140 2 1 4",
                              L"header 140 0",
                              L"key 125 delete",
                              L"key enter",
                              L"drag 125 P|a.dwg => 124 Q copy",
                              L"close",
                              L"timer 1"};
    for (const wchar_t* line : lines) {
        std::wstring error;
        std::optional<Action> action = ParseAction(line, error);
        ASSERT_TRUE(action) << error;
        EXPECT_EQ(ActionText(*action), line);
    }
    std::wstring error;
    EXPECT_FALSE(ParseAction(L"type x", error));
    EXPECT_EQ(error, L"\"type\" needs a control id.");
    EXPECT_FALSE(ParseAction(L"rclick 125 P -> x", error));
    EXPECT_FALSE(ParseAction(L"cell 140 1", error));
}
