// The name dialogs driven from a console script, as the console host drives them: each
// transcript is kept beside the tests, so a change of what users see shows in review.

#include "ManageWindow.h"

#include "manager/InputNameDlg.h"
#include "manager/ModfyFileDlg.h"
#include "manager/StyleEditDlg.h"
#include "platform/text/WideString.h"
#include "suite/OvXmInfo/FileInfoNode.h"
#include "support/ConsoleTranscript.h"
#include "support/StyleCatalogue.h"

#include <gtest/gtest.h>

using namespace ovtest;

TEST(ConsoleTranscripts, StyleEditDlg) {
    ScopedStyleCatalogue catalogue({L"PM=屏面布置图", L"YL=原理图"});
    Console console({L"type 134 PM", L"ok", L"select 135 原理图", L"ok"});
    CStyleEditDlg dialog(L"选择添加的类型名称");
    EXPECT_EQ(dialog.DoModal(), ui::IDOK);
    EXPECT_EQ(console.transcript,
              KeptTranscript("manager/transcripts/StyleEditDlg.txt", console.transcript));
}

TEST(ConsoleTranscripts, InputNameDlg) {
    Console console({L"type 169 ", L"ok", L"type 169 柜A", L"type 168 备用柜", L"key enter"});
    CInputNameDlg dialog(L"请输入保存的模板设备名称");
    dialog.m_strLabel = L"模板名称";
    dialog.m_strName = L"柜1";
    EXPECT_EQ(dialog.DoModal(), ui::IDOK);
    EXPECT_EQ(console.transcript,
              KeptTranscript("manager/transcripts/InputNameDlg.txt", console.transcript));
}

TEST(ConsoleTranscripts, ModfyFileDlg) {
    CFileInfoNode drawing(L"图1.dwg", L"旧备注", L"\\P\\Q");
    Console console({L"type 139 ", L"type 139 图2", L"type 141 新备注", L"cancel"});
    CModfyFileDlg dialog(&drawing);
    EXPECT_EQ(dialog.DoModal(), ui::IDCANCEL);
    EXPECT_EQ(drawing.Getm_strRemark(), L"旧备注");
    EXPECT_EQ(console.transcript,
              KeptTranscript("manager/transcripts/ModfyFileDlg.txt", console.transcript));
}

namespace {

class ManageWindowSession : public ManageWindow {};

} // namespace

// The management window at the console host's prompt: "win" lines act on it, and what changed
// is printed after each. The installation's folder is written as <installation>.
TEST_F(ManageWindowSession, ConsoleScript) {
    Console console({});
    host.Run(L"XMMANAGE\n");
    for (const wchar_t* line :
         {L"win", L"win select 125 Q|屏面布置图|图1.dwg", L"win rclick 125 Q -> 202",
          L"win timer 1", L"win select 124 P|S", L"win select 125 T", L"win close", L"win"}) {
        console.transcript += std::wstring(L"Command: ") + line + L"\n";
        console.backend.HandleWindowLine(line);
    }
    EXPECT_EQ(g_pManageDlg, nullptr);
    std::wstring transcript =
        text::ReplaceAll(console.transcript, installation.Logical(), L"<installation>");
    EXPECT_EQ(transcript, KeptTranscript("manager/transcripts/ManageWindow.txt", transcript));
}
