// Cut, copy and paste in the window: copies beside the original, records moved within a
// container, a drawing moved to another Equipment with its remark, and the refusals.

#include "TreeOperations.h"

#include "manager/PasteRule.h"
#include "platform/text/WideString.h"

#include <algorithm>

using namespace ovtest;
using namespace ui::act;

namespace {

// The line of paste in the last menu shown.
std::wstring PasteLine(ui::ScriptedBackend& backend) {
    for (const std::wstring& line : backend.Menus().back().lines)
        if (line.find(L"196 粘贴(&P)") != std::wstring::npos)
            return text::Trim(line);
    return L"";
}

} // namespace

TEST(PasteRule, WhatMayGoWhere) {
    CPasteContext c;
    EXPECT_FALSE(IsPasteAllowed(c)) << "no data";
    c.bHasData = true;
    c.nSrcKind = 3;
    c.bHasSbNode = true;
    for (int kind : {1, 2, 3}) {
        c.nSbKind = kind;
        EXPECT_TRUE(IsPasteAllowed(c)) << "a drawing onto " << kind;
    }
    c.nSrcKind = 2;
    c.nSbKind = 3;
    EXPECT_FALSE(IsPasteAllowed(c)) << "a type onto a drawing";
    c.nSbKind = 2;
    c.bOntoSource = true;
    EXPECT_FALSE(IsPasteAllowed(c)) << "a type onto itself";
    c.nSrcKind = 3;
    c.nSbKind = 3;
    c.bCopy = true;
    EXPECT_TRUE(IsPasteAllowed(c)) << "a drawing copied onto itself gets another name";
    c.bCopy = false;
    EXPECT_FALSE(IsPasteAllowed(c)) << "but is not moved onto itself";
    c.bOntoSource = false;
    c.bHasSbNode = false;
    c.nSrcKind = 1;
    EXPECT_TRUE(IsPasteAllowed(c)) << "an Equipment onto the empty content tree of a Project";
    c.nSrcKind = 0;
    EXPECT_FALSE(IsPasteAllowed(c));
    c.nSrcKind = 1;
    c.bProjectMode = false;
    EXPECT_FALSE(IsPasteAllowed(c)) << "never in an Equipment window without selection";
    c.bXmTree = true;
    c.bHasXmNode = true;
    c.nSrcKind = 0;
    EXPECT_TRUE(IsPasteAllowed(c));
    c.bOntoSource = true;
    EXPECT_FALSE(IsPasteAllowed(c)) << "a Project onto itself";
}

TEST_F(TreeOperations, ACopyPastedBesideItsOriginalGetsCopyPrefixes) {
    CManageDlg* window = Open(L"XMMANAGE");
    Act(window, RightClick(125, L"N|屏面布置图"));
    EXPECT_EQ(PasteLine(Backend()), L"196 粘贴(&P) (grayed)") << "nothing was cut or copied";
    window->SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(196, 0), 0);
    EXPECT_EQ(LastBox().text, L"无粘贴数据！");

    Act(window, RightClick(125, L"N|屏面布置图|01-A.dwg", 195));
    Act(window, RightClick(125, L"N|屏面布置图"));
    EXPECT_EQ(PasteLine(Backend()), L"196 粘贴(&P)");
    Act(window, RightClick(125, L"N|屏面布置图", 196));
    EXPECT_EQ(Content(L"P\\N\\重 01-A.dwg"), "01-A.dwg");
    Act(window, RightClick(125, L"N|屏面布置图", 196));
    EXPECT_EQ(Content(L"P\\N\\重 重 01-A.dwg"), "01-A.dwg") << "copy data stays";
    std::vector<std::wstring> listed = Listed(L"P\\N\\N.prj");
    EXPECT_EQ(std::count(listed.begin(), listed.end(), L"PM: 重 01-A.dwg<>"), 1);
    EXPECT_EQ(std::count(listed.begin(), listed.end(), L"PM: 重 重 01-A.dwg<>"), 1);
    EXPECT_EQ(window->Getm_CopyOrCutSrcData().m_bHasData, 1);
    EXPECT_EQ(LockCount(), 0);
}

TEST_F(TreeOperations, ATypeCutOntoAnotherTypeOfItsContainerMovesRecordsOnly) {
    CManageDlg* window = Open(L"XMMANAGE");
    Act(window, RightClick(125, L"N|原理图", 194));
    Act(window, RightClick(125, L"N|原理图", 196));
    EXPECT_TRUE(installation.Exists(L"P\\N\\说明.dwg")) << "not onto itself";
    Act(window, RightClick(125, L"N|屏面布置图", 196));
    EXPECT_EQ(
        Listed(L"P\\N\\N.prj"),
        (std::vector<std::wstring>{L": 图1.dwg<>", L"PM: 01-A.dwg<>", L"PM: 02-X.dwg<>",
                                   L"PM: 03-B.dwg<>", L"PM: 04-C.dwg<>", L"PM: 010-D.dwg<>",
                                   L"PM: 原理1.dwg<>", L"PM: 说明.dwg<>", L"PM: 011-E.dwg<>"}));
    EXPECT_EQ(Content(L"P\\N\\说明.dwg"), Cp936(L"说明.dwg"));
    EXPECT_EQ(window->Getm_CopyOrCutSrcData().m_bHasData, 0) << "a move is pasted once";
    ui::HTREEITEM item = nullptr;
    EXPECT_TRUE(ui::FindTreeItem(window->GetSbTreeCtrl(), L"N|屏面布置图|011-E.dwg", item));
    EXPECT_FALSE(ui::FindTreeItem(window->GetSbTreeCtrl(), L"N|原理图", item));
    EXPECT_TRUE(Backend().Faults().empty());
}

TEST_F(TreeOperations, ADrawingIsNotPastedBesideItsNamesakeOfAnotherType) {
    CManageDlg* window = Open(L"XMMANAGE");
    Act(window, RightClick(125, L"Q|原理图|原理1.dwg", 195));
    std::string before = installation.ReadBytes(L"P\\N\\原理1.dwg");
    Act(window, RightClick(125, L"N|原理图", 196));
    EXPECT_EQ(LastBox().text,
              L"在“屏面布置图”下,已经存在一同名文件“原理1.dwg”，不能在此处粘贴文件。");
    EXPECT_EQ(installation.ReadBytes(L"P\\N\\原理1.dwg"), before);

    Act(window, RightClick(125, L"Q|屏面布置图|图1.dwg", 195));
    Act(window, RightClick(125, L"N|原理图|说明.dwg", 196));
    EXPECT_EQ(LastBox().text, L"已经存在一同名文件“图1.dwg”，不能在此处粘贴文件。")
        << "the group without type has no name to give";
}

TEST_F(TreeOperations, AProjectPastedIntoItsOwnSubProjectIsRefused) {
    installation.WriteBytes(L"P\\S\\U\\U.itm", ManageFileBytes({L"工程名称=三期"}, {}));
    std::string before = installation.ReadBytes(L"P\\S\\S.itm");
    CManageDlg* window = Open(L"XMMANAGE");
    Act(window, RightClick(124, L"P|S", 195));
    Act(window, RightClick(124, L"P|S|U", 196));
    EXPECT_NE(LastBox().text.find(L"它自己中"), std::wstring::npos) << LastBox().text;
    EXPECT_FALSE(installation.Exists(L"P\\S\\U\\S"));
    EXPECT_EQ(installation.ReadBytes(L"P\\S\\S.itm"), before);
    EXPECT_EQ(LockCount(), 0);
    EXPECT_EQ(window->Getm_bBusy(), 0);
}

TEST_F(TreeOperations, ACopiedEquipmentGoesIntoAnotherProject) {
    CManageDlg* window = Open(L"XMMANAGE");
    Act(window, RightClick(125, L"N", 195));
    Act(window, RightClick(124, L"P|S", 196));
    EXPECT_EQ(Content(L"P\\S\\N\\03-B.dwg"), "03-B.dwg");
    EXPECT_TRUE(installation.Exists(L"P\\N\\03-B.dwg"));
    ui::HTREEITEM item = nullptr;
    EXPECT_TRUE(ui::FindTreeItem(window->GetSbTreeCtrl(), L"N", item)) << "S shows its Equipments";
}

TEST_F(TreeOperations, ARemarkedDrawingMovesToAnotherEquipmentWithItsRemark) {
    CManageDlg* window = Open(L"XMMANAGE");
    Act(window, RightClick(125, L"Q|屏面布置图|图2.dwg", 194));
    Act(window, RightClick(125, L"N|屏面布置图|02-X.dwg", 196));
    EXPECT_FALSE(installation.Exists(L"P\\Q\\图2.dwg"));
    EXPECT_TRUE(installation.Exists(L"P\\N\\图2.dwg"));
    std::vector<std::wstring> listed = Listed(L"P\\N\\N.prj");
    ASSERT_GE(listed.size(), 4u);
    EXPECT_EQ(listed[3], L"PM: 图2.dwg<>") << "after the drawing it was dropped on";
    EXPECT_EQ(
        Listed(L"P\\Q\\Q.prj"),
        (std::vector<std::wstring>{L": 清单.xls<材料>", L"PM: 图1.dwg<面板>", L"YL: 原理1.dwg<>"}));

    Act(window, RightClick(125, L"Q|屏面布置图|图1.dwg", 194));
    Act(window, RightClick(125, L"R", 196));
    EXPECT_EQ(Listed(L"P\\R\\R.prj").front(), L": 图1.dwg<面板>");
    EXPECT_TRUE(installation.Exists(L"P\\R\\图1.dwg"));
    EXPECT_EQ(LockCount(), 0);
}
