// The in-place editing list and its protocol with the parent dialog.

#include "controls/SortedListCtrl.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ScriptedBackend.h"

#include <gtest/gtest.h>

using namespace ui::act;

namespace {

constexpr int kList = 140;
constexpr int kCombo = kList + CSortedListCtrl::kComboIdOffset;
constexpr int kEdit = kList + CSortedListCtrl::kEditIdOffset;

// A parent that records the list's messages and offers choices for combo cells.
class Parent : public ui::Dialog {
public:
    Parent()
        : ui::Dialog(ui::DialogTemplate{
              951,
              L"列表",
              240,
              120,
              0,
              {{kList, ui::ControlKind::List, L"", 0, 0, 240, 120, ui::LVS_REPORT},
               {ui::IDOK, ui::ControlKind::PushButton, L"确定", 0, 0, 1, 1}}}) {
        Bind(kList, list);
    }
    bool OnInitDialog() override {
        list.SetExtendedStyle(ui::LVS_EX_FULLROWSELECT);
        list.InsertColumn(0, L"标题", ui::LVCFMT_LEFT, 100);
        list.InsertColumn(1, L"具体内容", ui::LVCFMT_LEFT, 120);
        list.InsertColumn(2, L"备注", ui::LVCFMT_LEFT, 80);
        const wchar_t* titles[] = {L"工程名称", L"设备名称", L"设备型号"};
        for (int row = 0; row < 3; ++row) {
            list.InsertItem(row, titles[row]);
            list.SetItemText(row, 1, L"v" + std::to_wstring(row));
        }
        list.SetComboColumns({1});
        list.SetEditColumns({2});
        return true;
    }
    bool OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam, ui::LRESULT&) override {
        if (message == WM_LIST_FILLCHOICES) {
            messages.push_back(L"fill " + std::to_wstring(wParam) + L"," + std::to_wstring(lParam));
            list.Getm_ChoiceArray() = choices;
        } else if (message == WM_LIST_COMBOCOMMIT) {
            messages.push_back(L"commit " + list.GetItemText(list.Getm_nCurRow(), 1));
        } else if (message == WM_LIST_CHECKCLICK) {
            messages.push_back(L"check " + std::to_wstring(wParam));
        } else {
            return false;
        }
        return true;
    }

    CSortedListCtrl list;
    std::vector<std::wstring> choices;
    std::vector<std::wstring> messages;
};

class SortedList : public ::testing::Test {
protected:
    SortedList() { parent.Create(); }
    std::vector<std::wstring> ComboItems() {
        std::vector<std::wstring> items;
        for (int i = 0; i < parent.list.GetComboBox()->GetCount(); ++i)
            items.push_back(parent.list.GetComboBox()->GetLBText(i));
        return items;
    }
    void Do(const ui::Action& action) { backend.Act(parent, action); }

    ui::ScriptedBackend backend;
    Parent parent;
};

} // namespace

TEST_F(SortedList, AComboCellAsksTheParentAndGetsOneEmptyEntryWhenOfferedNothing) {
    Do(Cell(kList, 1, 1));
    EXPECT_EQ(parent.messages, std::vector<std::wstring>{L"fill 1,1"});
    EXPECT_EQ(ComboItems(), std::vector<std::wstring>{L""});
    EXPECT_TRUE(parent.list.GetComboBox()->IsWindowVisible());
    EXPECT_EQ(parent.list.Getm_nCurRow(), 1);

    parent.choices = {L"甲", L"乙"};
    Do(Cell(kList, 0, 1));
    EXPECT_EQ(ComboItems(), (std::vector<std::wstring>{L"甲", L"乙"})) << "nothing stale";
    EXPECT_TRUE(backend.Faults().empty());
}

TEST_F(SortedList, TypingCommitsAtEveryChangeAndChoosingOnce) {
    parent.choices = {L"甲", L"乙"};
    Do(Cell(kList, 0, 1));
    parent.messages.clear();
    Do(Type(kCombo, L"a"));
    Do(Type(kCombo, L"ab"));
    Do(Select(kCombo, L"乙"));
    EXPECT_EQ(parent.messages,
              (std::vector<std::wstring>{L"commit a", L"commit ab", L"commit 乙"}));
    EXPECT_EQ(parent.list.GetItemText(0, 1), L"乙");
}

TEST_F(SortedList, AReadOnlyColumnOrTheCheckZoneEndsEditingWithoutAnEditor) {
    Do(Cell(kList, 0, 2));
    ASSERT_TRUE(parent.list.GetEditField()->IsWindowVisible());
    Do(Type(kEdit, L"备注一"));
    Do(Cell(kList, 1, 0, 40));
    EXPECT_EQ(parent.list.GetItemText(0, 2), L"备注一") << "a click elsewhere keeps the text";
    EXPECT_FALSE(parent.list.GetEditField()->IsWindowVisible());
    EXPECT_FALSE(parent.list.GetComboBox()->IsWindowVisible());
    EXPECT_EQ(parent.list.Getm_nCurRow(), -1);
    Do(Cell(kList, 2, 0, 4));
    EXPECT_EQ(parent.messages.back(), L"check 2");
}

TEST_F(SortedList, EnterAndTheArrowsMoveTheEditWrappingAcrossColumns) {
    Do(Cell(kList, 1, 2));
    Do(Type(kEdit, L"x"));
    Do(Key(kEdit, ui::VK_RETURN));
    EXPECT_EQ(parent.list.GetItemText(1, 2), L"x");
    EXPECT_EQ(parent.list.Getm_nCurRow(), 2);
    Do(Key(kEdit, ui::VK_DOWN));
    EXPECT_EQ(parent.list.Getm_nCurRow(), -1) << "past the last cell the edit ends";
    EXPECT_FALSE(parent.list.GetEditField()->IsWindowVisible());

    Do(Cell(kList, 0, 2));
    Do(Key(kEdit, ui::VK_UP));
    EXPECT_EQ(parent.list.Getm_nCurRow(), 2) << "before the first row: the previous column";
    EXPECT_EQ(parent.list.Getm_nCurCol(), 1);
    EXPECT_TRUE(parent.list.GetComboBox()->IsWindowVisible());
    EXPECT_TRUE(backend.Faults().empty());
}

TEST_F(SortedList, AHeaderClickSortsAndTurnsTheArrow) {
    Do(Header(kList, 0));
    EXPECT_EQ(parent.list.GetItemText(0, 0), L"工程名称");
    EXPECT_EQ(parent.list.GetHeaderCtrl()->GetColumn(0)->sortArrow, 1);
    Do(Header(kList, 0));
    EXPECT_EQ(parent.list.GetItemText(0, 0), L"设备型号");
    EXPECT_EQ(parent.list.GetHeaderCtrl()->GetColumn(0)->sortArrow, -1);
}
