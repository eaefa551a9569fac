// The name dialogs driven from a console script, as the console host drives them: each
// transcript is kept beside the tests, so a change of what users see shows in review.

#include "manager/InputNameDlg.h"
#include "manager/ModfyFileDlg.h"
#include "manager/StyleEditDlg.h"
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
    Console console({L"ok", L"type 169 柜A", L"type 168 备用柜", L"key enter"});
    CInputNameDlg dialog(L"请输入保存的模板设备名称");
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
