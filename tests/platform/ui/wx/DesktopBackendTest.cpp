// The desktop backend through the real toolkit: widgets where the models put them, showing what
// the models hold, and the user's input reaching the dialogs as the same gestures the scripted
// backend performs.

#include "DesktopTest.h"
#include "SampleDialog.h"

#include "platform/ui/wx/Convert.h"
#include "platform/ui/wx/Screenshot.h"
#include "support/TestSupport.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/dialog.h>
#include <wx/image.h>
#include <wx/listbox.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

using namespace ovtest;
using ui::desk::FromWx;
using ui::desk::ToWx;

namespace {

class DesktopBackend : public DesktopTest {};

std::vector<std::wstring> TreeTexts(wxTreeCtrl& tree, wxTreeItemId parent, int level = 0) {
    std::vector<std::wstring> texts;
    wxTreeItemIdValue cookie;
    for (wxTreeItemId child = tree.GetFirstChild(parent, cookie); child.IsOk();
         child = tree.GetNextChild(parent, cookie)) {
        texts.push_back(std::wstring(static_cast<size_t>(level) * 2, L' ') +
                        FromWx(tree.GetItemText(child)));
        for (const std::wstring& text : TreeTexts(tree, child, level + 1))
            texts.push_back(text);
    }
    return texts;
}

} // namespace

TEST_F(DesktopBackend, EveryControlStandsWhereTheTemplatePutsItAndShowsItsModel) {
    SampleDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(ui::SW_SHOW);
    ui::desk::Settle();

    for (ui::Control* control : dialog.Controls()) {
        wxWindow* widget = Backend().WidgetOf(control);
        ASSERT_NE(widget, nullptr) << control->GetDlgCtrlID();
        wxRect rect = ToWx(control->GetRectInParent());
        if (control->GetControlKind() == ui::ControlKind::ComboBox)
            rect.height = widget->GetSize().y; // the dropped list is not part of the field
        EXPECT_EQ(widget->GetRect(), rect) << control->GetDlgCtrlID();
    }
    wxWindow* shown = Backend().WidgetOf(&dialog);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->GetClientSize(), ToWx(dialog.GetClientRect()).GetSize());
    EXPECT_EQ(FromWx(static_cast<wxDialog*>(shown)->GetTitle()), L"样例对话框");
    EXPECT_EQ(FromWx(WidgetOf<wxStaticText>(dialog, kLabel)->GetLabel()), L"工程名称：");
    EXPECT_EQ(FromWx(WidgetOf<wxTextCtrl>(dialog, kName)->GetValue()), L"初始名称");
    EXPECT_EQ(WidgetOf<wxComboBox>(dialog, kCity)->GetCount(), 3u);
    EXPECT_EQ(FromWx(WidgetOf<wxComboBox>(dialog, kLevel)->GetValue()), L"一级");
    EXPECT_EQ(WidgetOf<wxListBox>(dialog, kNames)->GetCount(), 3u);
    EXPECT_TRUE(WidgetOf<wxRadioButton>(dialog, kKind)->GetValue());
    EXPECT_FALSE(WidgetOf<wxRadioButton>(dialog, kKind + 1)->GetValue());
    wxTreeCtrl* tree = WidgetOf<wxTreeCtrl>(dialog, kTree);
    EXPECT_EQ(TreeTexts(*tree, tree->GetRootItem()),
              (std::vector<std::wstring>{L"变电站工程", L"  1号保护屏", L"    原理图.dwg",
                                         L"  2号保护屏"}));
    wxListCtrl* list = WidgetOf<wxListCtrl>(dialog, kList);
    ASSERT_EQ(list->GetItemCount(), 2);
    EXPECT_EQ(FromWx(list->GetItemText(1, 1)), L"PRC-31");
    EXPECT_EQ(list->GetColumnWidth(1), 130);
    Screenshot(*shown, "sample-dialog");
    dialog.DestroyWindow();
    ui::desk::Settle();
    EXPECT_EQ(Backend().WidgetOf(&dialog), nullptr);
}

TEST_F(DesktopBackend, TypingClickingAndPickingReachTheDialogAsGestures) {
    SampleDialog dialog;
    int result = RunModal(dialog, [&] {
        auto* name = WidgetOf<wxTextCtrl>(dialog, kName);
        name->SetFocus();
        name->SelectAll();
        Type("P-12");
        EXPECT_EQ(dialog.GetDlgItemText(kName), L"P-12");
        EXPECT_TRUE(dialog.Saw(L"command 101 768")) << "EN_CHANGE";
        Click(*WidgetOf<wxCheckBox>(dialog, kAgree));
        EXPECT_EQ(dialog.IsDlgButtonChecked(kAgree), ui::BST_CHECKED);
        Click(*WidgetOf<wxRadioButton>(dialog, kKind + 1));
        EXPECT_EQ(dialog.IsDlgButtonChecked(kKind), ui::BST_UNCHECKED);
        EXPECT_EQ(dialog.IsDlgButtonChecked(kKind + 1), ui::BST_CHECKED);
        // A pick from the list, as the toolkit reports it.
        auto* level = WidgetOf<wxComboBox>(dialog, kLevel);
        level->SetSelection(1);
        wxCommandEvent picked(wxEVT_COMBOBOX, level->GetId());
        picked.SetEventObject(level);
        picked.SetInt(1);
        level->ProcessWindowEvent(picked);
        EXPECT_EQ(dialog.GetDlgItemAs<ui::ComboBox>(kLevel)->GetCurSel(), 1);
        EXPECT_TRUE(dialog.Saw(L"command 106 1")) << "CBN_SELCHANGE";
        Click(*WidgetOf<wxButton>(dialog, ui::IDOK));
    });
    EXPECT_EQ(result, ui::IDOK);
    EXPECT_EQ(dialog.name, L"P-12");
    EXPECT_EQ(dialog.agree, 1);
    EXPECT_EQ(dialog.kind, 1);
}

TEST_F(DesktopBackend, TreeClicksSelectAfterTheClickNoticeAndTheButtonsExpand) {
    SampleDialog dialog;
    RunModal(dialog, [&] {
        auto* tree = WidgetOf<wxTreeCtrl>(dialog, kTree);
        auto* model = dialog.GetDlgItemAs<ui::TreeCtrl>(kTree);
        wxTreeItemIdValue cookie;
        wxTreeItemId project = tree->GetFirstChild(tree->GetRootItem(), cookie);
        wxTreeItemId panel = tree->GetFirstChild(project, cookie);
        wxRect label;
        ASSERT_TRUE(tree->GetBoundingRect(panel, label, true));
        dialog.events.clear();
        Click(*tree, {label.x + 4, label.y + label.height / 2});
        EXPECT_EQ(model->GetSelectedItem(), dialog.panel);
        int click = dialog.Position(L"notify 108 -2");
        int selected = dialog.Position(L"notify 108 -451");
        EXPECT_GE(click, 0) << "NM_CLICK";
        EXPECT_GT(selected, click) << "TVN_SELCHANGED after NM_CLICK";
        EXPECT_EQ(tree->GetSelection(), panel);
        // The branch opens through the model, which tells the dialog.
        EXPECT_FALSE(model->GetItemState(dialog.panel, ui::TVIS_EXPANDED));
        DoubleClick(*tree, {label.x + 4, label.y + label.height / 2});
        EXPECT_TRUE(dialog.Saw(L"notify 108 -3")) << "NM_DBLCLK";
        EXPECT_TRUE(model->GetItemState(dialog.panel, ui::TVIS_EXPANDED));
        EXPECT_TRUE(tree->IsExpanded(panel));
        dialog.EndDialog(ui::IDCANCEL);
    });
}

TEST_F(DesktopBackend, KeysGoThroughTheDialogAndTheCloseBoxCancels) {
    SampleDialog dialog;
    int result = RunModal(dialog, [&] {
        WidgetOf<wxTextCtrl>(dialog, kName)->SetFocus();
        ui::desk::Settle();
        Key(WXK_RETURN);
    });
    EXPECT_EQ(result, ui::IDOK) << "Enter presses the default button";

    result = RunModal(dialog, [&] {
        WidgetOf<wxTextCtrl>(dialog, kName)->SetFocus();
        Key(WXK_ESCAPE);
    });
    EXPECT_EQ(result, ui::IDCANCEL);

    result = RunModal(dialog, [&] { Backend().WidgetOf(&dialog)->Close(); });
    EXPECT_EQ(result, ui::IDCANCEL);
}

TEST_F(DesktopBackend, ARefusalShowsItsMessageBoxAndTheDialogStays) {
    SampleDialog dialog;
    dialog.refuseEmptyName = true;
    int result = RunModal(dialog, [&] {
        WidgetOf<wxTextCtrl>(dialog, kName)->SetValue("");
        Click(*WidgetOf<wxButton>(dialog, ui::IDOK));
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].caption, L"Tessaline");
        EXPECT_EQ(boxes.Boxes()[0].text, L"名称不能为空！");
        EXPECT_TRUE(boxes.Boxes()[0].style & wxICON_EXCLAMATION);
        EXPECT_TRUE(dialog.IsWindow() && !dialog.HasEnded());
        WidgetOf<wxTextCtrl>(dialog, kName)->SetValue(wxString::FromUTF8("某工程"));
        Click(*WidgetOf<wxButton>(dialog, ui::IDOK));
    });
    EXPECT_EQ(result, ui::IDOK);
    EXPECT_EQ(dialog.name, L"某工程");
}

TEST_F(DesktopBackend, TreeItemsFollowTheModelOneByOne) {
    SampleDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(ui::SW_SHOW);
    auto* model = dialog.GetDlgItemAs<ui::TreeCtrl>(kTree);
    wxTreeCtrl* tree = WidgetOf<wxTreeCtrl>(dialog, kTree);
    for (int index = 0; index < 10000; ++index)
        model->InsertItem(L"图" + std::to_wstring(index) + L".dwg", 2, 2, dialog.panel);
    EXPECT_EQ(tree->GetCount(), 10004u);
    // Inserted first, after an item, and sorted in: each at its place.
    ui::HTREEITEM first = model->InsertItem(L"封面.dwg", 2, 2, dialog.project, ui::TVI_FIRST);
    model->InsertItem(L"目录.dwg", 2, 2, dialog.project, first);
    model->SetItemText(first, L"封面-1.dwg");
    std::vector<std::wstring> texts = TreeTexts(*tree, tree->GetRootItem());
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(texts[1], L"  封面-1.dwg");
    EXPECT_EQ(texts[2], L"  目录.dwg");
    // Deleting a branch takes its items out of the widget and the selection moves as the
    // model moves it.
    model->SelectItem(dialog.drawing);
    model->DeleteItem(dialog.panel);
    EXPECT_EQ(tree->GetCount(), 4u);
    EXPECT_EQ(
        TreeTexts(*tree, tree->GetRootItem()),
        (std::vector<std::wstring>{L"变电站工程", L"  封面-1.dwg", L"  目录.dwg", L"  2号保护屏"}));
    ASSERT_TRUE(tree->GetSelection().IsOk());
    EXPECT_EQ(FromWx(tree->GetItemText(tree->GetSelection())),
              model->GetItemText(model->GetSelectedItem()));
    // A sort rebuilds the items in the model's order.
    model->SortChildren(dialog.project);
    EXPECT_EQ(TreeTexts(*tree, tree->GetRootItem())[1], L"  2号保护屏");
    dialog.DestroyWindow();
}

TEST_F(DesktopBackend, TimersPostedMessagesAndPreviewPicturesRunOnTheToolkitsLoop) {
    SampleDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(ui::SW_SHOW);
    dialog.SetTimer(3, 20);
    dialog.PostMessage(ui::WM_USER + 7, 42);
    EXPECT_FALSE(dialog.Saw(L"posted 42")) << "posted, not sent";
    EXPECT_TRUE(WaitFor([&] { return dialog.Saw(L"timer 3") && dialog.Saw(L"posted 42"); }));
    dialog.GetDlgItem(kPreview)->Invalidate();
    dialog.Invalidate();
    ui::desk::Settle();
    wxImage picture;
    std::string shot = Screenshot(*Backend().WidgetOf(&dialog), "sample-preview");
    ASSERT_TRUE(picture.LoadFile(wxString::FromUTF8(shot), wxBITMAP_TYPE_PNG));
    wxWindow* frame = Backend().WidgetOf(dialog.GetDlgItem(kPreview));
    wxPoint middle = frame->GetPosition() + wxPoint(frame->GetSize().x / 2, frame->GetSize().y / 2);
    EXPECT_EQ(wxColour(picture.GetRed(middle.x, middle.y), picture.GetGreen(middle.x, middle.y),
                       picture.GetBlue(middle.x, middle.y)),
              *wxRED)
        << "the red line the dialog painted into the preview's canvas";
    dialog.DestroyWindow();
}

// The desktop's opener is found on PATH; a stand-in for it says what it was asked to open.
TEST_F(DesktopBackend, AFileGoesToTheDesktopsOpenerAndWithoutOneTheOperationIsNotSupported) {
    TempFolder folder;
    folder.WriteBytes(L"清单.xls", "");
    std::string opened = folder.NativePath(L"bin\\opened").string();
    folder.WriteBytes(L"bin\\xdg-open", "#!/bin/sh\nprintf '%s' \"$1\" > '" + opened +
                                            ".tmp' && /bin/mv '" + opened + ".tmp' '" + opened +
                                            "'\n");
    std::filesystem::permissions(folder.NativePath(L"bin\\xdg-open"),
                                 std::filesystem::perms::owner_all);
    std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", folder.NativePath(L"bin").c_str(), 1);
    EXPECT_EQ(Backend().OpenWithAssociatedProgram(folder.Path(L"清单.xls")), 0);
    EXPECT_TRUE(WaitFor([&] { return folder.Exists(L"bin\\opened"); }));
    EXPECT_EQ(folder.ReadBytes(L"bin\\opened"), folder.NativePath(L"清单.xls").string());

    setenv("PATH", folder.NativePath(L"").c_str(), 1);
    EXPECT_EQ(Backend().OpenWithAssociatedProgram(folder.Path(L"清单.xls")), EOPNOTSUPP);
    setenv("PATH", path.c_str(), 1);
}
