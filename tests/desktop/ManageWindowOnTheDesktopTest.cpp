// The management window through the real toolkit, on the demo installation's sample Project
// (made by the build's generator into a temporary installation): the trees as widgets, a
// drawing's preview, the context menu's command, a screenshot of the window, and a drawing
// dragged onto another Equipment with the real pointer.

#include "DesktopTest.h"

#include "frame/ManageApp.h"
#include "frame/ManageCommands.h"
#include "frame/ManageGlobals.h"
#include "manager/ManageDlg.h"
#include "platform/cad/Host.h"
#include "platform/ui/Actions.h"
#include "platform/ui/wx/Convert.h"
#include "platform/ui/wx/Screenshot.h"
#include "support/TestSupport.h"

#include <wx/treectrl.h>

#include <cstdlib>
#include <filesystem>

using namespace ovtest;
using ui::desk::FromWx;

namespace {

class ManageWindowOnTheDesktop : public DesktopTest {
protected:
    ManageWindowOnTheDesktop() {
        std::filesystem::copy_file(std::filesystem::path(OV_BUNDLED_HOME) / "Data" / "dwgstyle.dat",
                                   installation.NativePath(L"Data\\dwgstyle.dat"));
        std::string command = std::string("ASAN_OPTIONS=detect_leaks=0 '") + OV_DEMO_GENERATOR +
                              "' '" + installation.Native().string() + "'";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        cad::HostOptions options;
        cad::StartHost(options);
        acrxEntryPoint(AcRx::kInitAppMsg, nullptr);
    }
    ~ManageWindowOnTheDesktop() override {
        acrxEntryPoint(AcRx::kUnloadAppMsg, nullptr);
        cad::StopHost();
    }

    TempInstallation installation;
};

} // namespace

TEST_F(ManageWindowOnTheDesktop, TheSampleProjectShowsInTheWidgets) {
    XmManageCommand();
    auto* window = dynamic_cast<CManageDlg*>(g_pManageDlg);
    ASSERT_NE(window, nullptr);
    auto* projects = WidgetOf<wxTreeCtrl>(*window, CManageDlg::IDC_XM_TREE);
    auto* content = WidgetOf<wxTreeCtrl>(*window, CManageDlg::IDC_SB_TREE);
    ASSERT_NE(projects, nullptr);
    ASSERT_NE(content, nullptr);
    ASSERT_TRUE(WaitFor([&] { return content->GetCount() == window->GetSbTreeCtrl().GetCount(); }))
        << content->GetCount() << " of " << window->GetSbTreeCtrl().GetCount();
    EXPECT_EQ(projects->GetCount(), window->GetXmTreeCtrl().GetCount());
    EXPECT_EQ(FromWx(projects->GetItemText(projects->GetSelection())), L"某220kV变电站扩建工程");
    EXPECT_EQ(FromWx(Backend().WidgetOf(window)->GetLabel()), L"项目管理");

    // A drawing picked by the user: its preview shows and the selection follows.
    ui::Action pick = ui::act::Select(CManageDlg::IDC_SB_TREE, L"1号主变保护柜|原理图|B1-01.dwg");
    ASSERT_EQ(ui::ApplyAction(*window, pick), L"");
    ASSERT_TRUE(WaitFor([&] { return window->Getm_CurSelInfo().m_nSbKind == 3; }));
    EXPECT_EQ(FromWx(content->GetItemText(content->GetSelection())), L"B1-01.dwg");
    const ui::Canvas& canvas =
        window->GetDlgItemAs<ui::PreviewFrame>(CManageDlg::IDC_PREVIEW)->GetCanvas();
    auto sheet = [&canvas]() {
        int white = 0;
        for (int y = 0; y < canvas.Height(); ++y)
            for (int x = 0; x < canvas.Width(); ++x)
                white += canvas.GetPixel(x, y) == ui::RGB(255, 255, 255);
        return white;
    };
    EXPECT_TRUE(WaitFor([&] { return sheet() > canvas.Width() * canvas.Height() / 2; }))
        << "the drawing's white sheet fills most of the frame";
    Screenshot(*Backend().WidgetOf(window), "manage-window");
    CloseManageDlg();
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(ManageWindowOnTheDesktop, ADrawingDraggedOntoAnotherEquipmentMovesThere) {
    XmManageCommand();
    auto* window = dynamic_cast<CManageDlg*>(g_pManageDlg);
    ASSERT_NE(window, nullptr);
    auto* content = WidgetOf<wxTreeCtrl>(*window, CManageDlg::IDC_SB_TREE);
    ASSERT_NE(content, nullptr);
    ASSERT_TRUE(WaitFor([&] { return content->GetCount() == window->GetSbTreeCtrl().GetCount(); }));
    ASSERT_EQ(
        ui::ApplyAction(*window, ui::act::Expand(CManageDlg::IDC_SB_TREE, L"1号主变保护柜|原理图")),
        L"");
    ui::desk::Settle();
    wxTreeItemId dragged = FindWidgetItem(*content, content->GetRootItem(), "B1-02.dwg");
    wxTreeItemId target =
        FindWidgetItem(*content, content->GetRootItem(), wxString(L"2号主变保护柜"));
    ASSERT_TRUE(dragged.IsOk());
    ASSERT_TRUE(target.IsOk());
    wxPoint from = ItemCentre(*content, dragged);
    wxPoint to = ItemCentre(*content, target);

    PressAndMove(from, to);
    EXPECT_EQ(Backend().GetDragFeedback().cursor, ui::IDC_ARROW) << "a drawing may go there";
    EXPECT_TRUE(Backend().GetDragFeedback().active);
    ReleaseButton();
    ASSERT_TRUE(WaitFor([&] { return !Backend().GetDragFeedback().active; }));

    std::wstring project = L"Projects\\某220kV变电站扩建工程\\";
    EXPECT_FALSE(installation.Exists(project + L"1号主变保护柜\\B1-02.dwg"));
    EXPECT_TRUE(installation.Exists(project + L"2号主变保护柜\\B1-02.dwg"));
    CloseManageDlg();
}
