// The management window's placement, sizing, closing, preview and title-block requests.

#include "ManageWindow.h"

#include "frame/ManageCommands.h"
#include "platform/cad/Host.h"
#include "platform/cad/MessageFilters.h"
#include "platform/ui/Actions.h"
#include "suite/OvXmInfo/DrawFileStyleNode.h"
#include "suite/OvXmInfo/FileInfoNode.h"
#include "support/DrawingSupport.h"

using namespace ovtest;
using namespace ui::act;

TEST_F(ManageWindow, ClosingSavesThePlacementAndEnterClosesOnlyWithoutADrawing) {
    CManageDlg* window = Open(L"SBMANAGE");
    window->MoveWindow(100, 120, 400, 700);
    acedRegisterFilterWinMsg(FilterMouseMsg);
    Act(window, Close());
    EXPECT_EQ(g_pManageDlg, nullptr);
    EXPECT_EQ(cad::RegisteredFilterCount(), 0);
    std::string saved = installation.ReadBytes(L"LocalData\\WinPos.Ini");
    EXPECT_EQ(saved, Cp936Lines({L"[设备管理]", L"ptMinPosition.x=-1", L"ptMinPosition.y=-1",
                                 L"ptMaxPosition.x=-1", L"ptMaxPosition.y=-1",
                                 L"rcNormalPosition.left=100", L"rcNormalPosition.top=120",
                                 L"rcNormalPosition.right=500", L"rcNormalPosition.bottom=820",
                                 L"IsMaxSize=0"}));

    window = Open(L"SBMANAGE");
    EXPECT_EQ(window->GetWindowRect(), (ui::Rect{100, 120, 500, 820}));
    Act(window, Key(125, ui::VK_RETURN));
    EXPECT_EQ(g_pManageDlg, window) << "a drawing is open: Enter does nothing";

    acDocManager->closeAll();
    window->MoveWindow(10, 20, 400, 700);
    Act(window, Key(125, ui::VK_RETURN));
    EXPECT_EQ(g_pManageDlg, nullptr);
    EXPECT_EQ(installation.ReadBytes(L"LocalData\\WinPos.Ini"), saved)
        << "Enter closes without saving the placement";
}

TEST_F(ManageWindow, ASavedMaximisedWindowOpensMaximisedAndAnUnsavedOneBesideTheDrawings) {
    installation.WriteBytes(
        L"LocalData\\WinPos.Ini",
        Cp936Lines({L"[项目管理]", L"IsMaxSize=1", L"rcNormalPosition.left=0", L"[设备管理]",
                    L"rcNormalPosition.left=0", L"rcNormalPosition.top=50"}));
    CManageDlg* window = Open(L"XMMANAGE");
    EXPECT_TRUE(window->IsZoomed());
    EXPECT_TRUE(window->IsWindowVisible());
    // The content tree grew with the window, keeping its distance to the bottom.
    ui::Rect client =
        window->MapDialogRect(ui::ControlTemplate(0, ui::ControlKind::Static, L"", 0, 0, 184, 400));
    ui::Rect content = window->MapDialogRect(
        ui::ControlTemplate(125, ui::ControlKind::Tree, L"", 4, 94, 176, 206));
    EXPECT_EQ(window->GetSbTreeCtrl().GetRectInParent().bottom,
              window->GetClientRect().Height() - (client.bottom - content.bottom));

    // The drawings' area of the host's frame, where a desktop host has one.
    acedGetAcadFrame()->MdiClient().MoveWindow(30, 90, 900, 600);
    window = Open(L"SBMANAGE");
    acedGetAcadFrame()->MdiClient().MoveWindow(0, 0, 0, 0);
    EXPECT_FALSE(window->IsZoomed());
    ui::Rect placed = window->GetWindowRect();
    EXPECT_EQ(placed.TopLeft(), (ui::Point{30, 90})) << "a left edge of 0 is not restored";
    EXPECT_EQ(placed.Height(), 600);
    EXPECT_EQ(
        window->GetClientRect().Width(),
        window->MapDialogRect(ui::ControlTemplate(0, ui::ControlKind::Static, L"", 0, 0, 184, 400))
            .Width());
    window = Open(L"SBMANAGE");
    EXPECT_EQ(window->GetWindowRect().TopLeft(), Backend().WorkArea().TopLeft())
        << "without a frame on screen: the screen's work area";
}

TEST_F(ManageWindow, SizingMovesTheControlsByTheChange) {
    CManageDlg* window = Open(L"XMMANAGE");
    auto rect = [window](int id) { return window->GetDlgItem(id)->GetRectInParent(); };
    ui::Rect open = rect(129), path = rect(127), projects = rect(124), content = rect(125),
             preview = rect(126);
    ui::Rect outer = window->GetWindowRect();
    window->MoveWindow(outer.left, outer.top, outer.Width() + 40, outer.Height() + 30);
    EXPECT_EQ(rect(129), (ui::Rect{open.left + 40, open.top, open.right + 40, open.bottom}));
    EXPECT_EQ(rect(127), (ui::Rect{path.left, path.top, path.right + 40, path.bottom}));
    EXPECT_EQ(rect(124),
              (ui::Rect{projects.left, projects.top, projects.right + 40, projects.bottom}));
    EXPECT_EQ(rect(125),
              (ui::Rect{content.left, content.top, content.right + 40, content.bottom + 30}));
    EXPECT_EQ(rect(126), (ui::Rect{preview.left + 20, preview.top + 30, preview.right + 20,
                                   preview.bottom + 30}));
    window->ShowWindow(ui::SW_MINIMIZE);
    EXPECT_EQ(rect(125).bottom, content.bottom + 30) << "minimising moves nothing";
}

TEST_F(ManageWindow, TheSelectedDrawingsPreviewFillsTheFrameAndNothingElseStays) {
    SaveDrawing(installation.Path(L"P\\Q\\图1.dwg"), [](AcDbDatabase& db) {
        AddLine(db, {0, 0, 0}, {100, 0, 0});
        AddLine(db, {0, 0, 0}, {0, 60, 0});
    });
    CManageDlg* window = Open(L"SBMANAGE");
    const ui::Canvas& canvas =
        window->GetDlgItemAs<ui::PreviewFrame>(CManageDlg::IDC_PREVIEW)->GetCanvas();
    auto background = [&canvas]() {
        size_t pixels = 0;
        for (int y = 0; y < canvas.Height(); ++y)
            for (int x = 0; x < canvas.Width(); ++x)
                pixels += canvas.GetPixel(x, y) == ui::GetSysColor(ui::COLOR_BTNFACE);
        return pixels;
    };
    size_t all = static_cast<size_t>(canvas.Width()) * static_cast<size_t>(canvas.Height());
    Act(window, Select(125, L"Q|屏面布置图|图1.dwg"));
    EXPECT_LT(background(), all) << "the picture shows";
    EXPECT_GT(background(), 0u) << "the picture is smaller than the frame: centred";
    EXPECT_EQ(canvas.GetPixel(canvas.Width() / 2, canvas.Height() / 2), ui::RGB(255, 255, 255))
        << "the host's black sheet shows white";
    Act(window, Select(125, L"Q|屏面布置图|图2.dwg"));
    EXPECT_EQ(background(), all) << "a file without a preview leaves no picture behind";
    Act(window, Select(125, L"Q|屏面布置图|图1.dwg"));
    Act(window, Select(125, L"Q|原理图"));
    EXPECT_EQ(background(), all);
}

TEST_F(ManageWindow, TheLibraryAsksTheWindowForATitleBlock) {
    SaveDrawing(installation.Path(L"P\\Q\\图1.dwg"), [](AcDbDatabase& db) {
        AddTitleBlock(db, {200, 0, 0},
                      {L"$BEGINETITLE", L"A3", L"图样名称|0|20|50|0|5|0.8|宋体",
                       L"设计|50|20|80|0|3|0.8|宋体", L"$ENDTITLE"});
    });
    CManageDlg* window = Open(L"SBMANAGE");
    auto information = [this, window](const wchar_t* item) {
        Act(window, Select(125, item));
        return CDrawTreeFileNode::GetFileTextInfoForEdit(
            static_cast<CDrawTreeFileNode*>(window->Getm_CurSelInfo().m_pSbNode));
    };
    EXPECT_EQ(information(L"Q|屏面布置图|图1.dwg"),
              L"文件名称：图1.dwg\r\n文件备注：面板\r\n文件位置：" + installation.Path(L"P\\Q") +
                  L"\r\n标题栏：图样名称、设计");
    EXPECT_EQ(information(L"Q|屏面布置图|图2.dwg").substr(0, 11), L"文件名称：图2.dwg");
    EXPECT_NE(information(L"Q|屏面布置图|图2.dwg").find(L"\r\n标题栏：无"), std::wstring::npos)
        << "a file that is no drawing of the host has none";
    EXPECT_EQ(information(L"Q|清单.xls").find(L"标题栏"), std::wstring::npos)
        << "only drawings are asked about";
    window->SendMessage(CFileInfoNode::GetuiGetDwgBtlInfo_Message(), 0);
    Act(window, Close());
    CFileInfoNode drawing(L"图1.dwg", L"", installation.Path(L"P\\Q"));
    CDrawFileStyleNode type(nullptr, nullptr);
    CDrawTreeFileNode node(&drawing, &type);
    EXPECT_EQ(CDrawTreeFileNode::GetFileTextInfoForEdit(&node).find(L"标题栏"), std::wstring::npos)
        << "no window to ask";
}
