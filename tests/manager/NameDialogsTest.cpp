// The name and type entry dialogs, run as a user runs them through the scripted backend.

#include "manager/InputNameDlg.h"
#include "manager/ModfyFileDlg.h"
#include "manager/StyleEditDlg.h"
#include "platform/ui/ScriptedBackend.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "support/StyleCatalogue.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ovtest;
using namespace ui::act;

namespace {

bool Opened(const ui::ScriptedBackend& backend, const std::wstring& line) {
    for (const std::wstring& opening : backend.Dialogs().back().opening)
        if (opening == line)
            return true;
    return false;
}

class StyleEdit : public ::testing::Test {
protected:
    ui::ScriptedBackend backend;
    ScopedStyleCatalogue catalogue{{L"PM=屏面布置图", L"YL=原理图", L"XX=", L"原理图=YLT"}};
};

} // namespace

TEST_F(StyleEdit, PickingATypeShowsItsSystemNameAndTakesItsDisplayName) {
    CStyleEditDlg dialog(L"选择添加的类型名称");
    backend.Script(CStyleEditDlg::IDD, {Select(135, L"原理图"), Ok()});
    ASSERT_EQ(dialog.DoModal(), ui::IDOK);
    EXPECT_EQ(backend.Dialogs()[0].caption, L"选择添加的类型名称");
    EXPECT_TRUE(Opened(backend, L"  135 listbox [屏面布置图, 原理图, YLT] focus"))
        << "no empty names";
    EXPECT_TRUE(Opened(backend, L"  1 button \"确定\" disabled")) << "no name yet";
    EXPECT_EQ(dialog.m_strStyleName, L"原理图");
    EXPECT_EQ(dialog.m_strSystemType, L"系统类型:YL");
    EXPECT_EQ(dialog.GetIcon(true), 117);
    EXPECT_TRUE(backend.Faults().empty());
}

TEST_F(StyleEdit, ASystemNameThatIsNoDisplayNameIsRefusedAndTheDialogStays) {
    CStyleEditDlg dialog(L"修改类型名称");
    backend.Script(CStyleEditDlg::IDD, {Type(134, L"PM"), Ok(), Type(134, L"新类型"), Ok()});
    ASSERT_EQ(dialog.DoModal(), ui::IDOK);
    ASSERT_EQ(backend.Boxes().size(), 1u);
    EXPECT_EQ(backend.Boxes()[0].text, L"输入的类型名称“PM”是已经定义的一系统类型，不能采用。\n\n若"
                                       L"一定要用，请先修改类型名称定义。");
    EXPECT_EQ(backend.Boxes()[0].flags, ui::MB_OK | ui::MB_ICONEXCLAMATION);
    EXPECT_EQ(dialog.m_strStyleName, L"新类型");

    // "原理图" is the display name of YL and the system name of another type: a display name
    // wins.
    backend.Script(CStyleEditDlg::IDD, {DoubleClick(135, L"原理图")});
    ASSERT_EQ(dialog.DoModal(), ui::IDOK);
    EXPECT_EQ(dialog.m_strStyleName, L"原理图");
    EXPECT_EQ(backend.Boxes().size(), 1u);
    EXPECT_TRUE(backend.Faults().empty());
}

TEST_F(StyleEdit, OkFollowsWhetherTheNameIsEmpty) {
    CStyleEditDlg dialog(L"输入类型名称");
    backend.Script(CStyleEditDlg::IDD, {Type(134, L"x"), Type(134, L""), Ok(), Cancel()});
    EXPECT_EQ(dialog.DoModal(), ui::IDCANCEL);
    ASSERT_EQ(backend.Faults().size(), 1u);
    EXPECT_NE(backend.Faults()[0].find(L"Control 1 is disabled"), std::wstring::npos);
}

TEST(InputName, TakesTheCallersTitleAndOnlyANonEmptyName) {
    ui::ScriptedBackend backend;
    CInputNameDlg dialog(L"请输入保存的模板设备名称");
    backend.Script(CInputNameDlg::IDD, {Key(169, ui::VK_RETURN), Type(169, L"柜A"),
                                        Type(168, L"说明文字"), Key(0, ui::VK_RETURN)});
    ASSERT_EQ(dialog.DoModal(), ui::IDOK);
    EXPECT_EQ(backend.Dialogs()[0].caption, L"请输入保存的模板设备名称");
    EXPECT_TRUE(Opened(backend, L"  1 button \"确 定\" disabled"));
    EXPECT_TRUE(Opened(backend, L"  2 button \"取 消\""));
    EXPECT_EQ(dialog.m_strName, L"柜A");
    EXPECT_EQ(dialog.m_strSecondText, L"说明文字");
    EXPECT_TRUE(backend.Faults().empty()) << "Enter on a disabled OK does nothing";
}

namespace {

class ModfyFile : public ::testing::Test {
protected:
    ModfyFile() {
        folder.WriteBytes(
            L"Q\\Q.prj",
            Cp936Lines({L"$BEGIN NOTE OF PRJ", L"$END NOTE OF PRJ", L"$BEGIN CONTENT OF PRJ",
                        L"PM:", L"图1.dwg<旧备注>", L"$End CONTENT OF PRJ", L"$EOF"}));
        EXPECT_TRUE(file.ReadManageFile(folder.Path(L"Q\\Q.prj")));
    }
    CFileInfoNode* Drawing() {
        return file.Getm_FileStyleNodeArray().back()->Getm_FileInfoArray().front().get();
    }

    TempFolder folder;
    ui::ScriptedBackend backend;
    ScopedStyleCatalogue catalogue{{L"PM=屏面布置图"}};
    CManageFileInfo file;
};

} // namespace

TEST_F(ModfyFile, AChangedRemarkIsWrittenAndTheNameIsLeftToTheCaller) {
    ASSERT_NE(Drawing(), nullptr);
    CModfyFileDlg dialog(Drawing());
    backend.Script(L"修改文件", {Type(139, L"图2"), Type(141, L"新备注"), Ok()});
    ASSERT_EQ(dialog.DoModal(), ui::IDOK);
    EXPECT_TRUE(Opened(backend, L"  139 edit \"图1\" focus"));
    EXPECT_TRUE(Opened(backend, L"  141 edit \"旧备注\""));
    EXPECT_EQ(dialog.m_strFileName, L"图2");
    EXPECT_EQ(Drawing()->Getm_strFileName(), L"图1.dwg") << "renaming is the caller's";
    CManageFileInfo reread;
    ASSERT_TRUE(reread.ReadManageFile(folder.Path(L"Q\\Q.prj")));
    EXPECT_EQ(
        reread.Getm_FileStyleNodeArray().back()->Getm_FileInfoArray().front()->Getm_strRemark(),
        L"新备注");
}

TEST_F(ModfyFile, AnUnchangedRemarkLeavesTheFileAloneButCaseCounts) {
    folder.WriteBytes(L"Q\\Q.prj", "left as it is");
    CModfyFileDlg same(Drawing());
    backend.Script(L"修改文件", {Type(139, L""), Type(139, L"图1"), Ok()});
    ASSERT_EQ(same.DoModal(), ui::IDOK);
    EXPECT_EQ(folder.ReadBytes(L"Q\\Q.prj"), "left as it is");

    Drawing()->Setm_strRemark(L"abc");
    CModfyFileDlg changedCase(Drawing());
    backend.Script(L"修改文件", {Type(141, L"ABC"), Ok()});
    ASSERT_EQ(changedCase.DoModal(), ui::IDOK);
    EXPECT_NE(folder.ReadBytes(L"Q\\Q.prj"), "left as it is");
    EXPECT_TRUE(backend.Faults().empty());
}
