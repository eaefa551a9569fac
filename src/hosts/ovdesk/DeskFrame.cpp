#include "DeskFrame.h"

#include "CommandPane.h"
#include "DrawingView.h"

#include "platform/cad/Documents.h"
#include "platform/cad/Host.h"
#include "platform/cad/HostProfile.h"
#include "platform/fs/LogicalPath.h"

#include <wx/filedlg.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/splitter.h>
#include <wx/statusbr.h>

#include <filesystem>
#include <iterator>

namespace desk {

namespace {

struct ModuleCommand {
    const wchar_t* name;
    const char* description;
};

// The module's commands, as its group registers them.
const ModuleCommand kModuleCommands[] = {
    {L"XMMANAGE", "项目管理"},
    {L"SBMANAGE", "设备管理"},
    {L"SAVETOXM", "保存到当前项目"},
    {L"SAVETOSB", "保存到当前设备"},
    {L"XmOPenFile", "显示项目管理窗口"},
    {L"SbOPenFile", "显示设备管理窗口"},
    {L"CREATEINFOTABLE", "插入设备信息表"},
};

// The formats of Save As, in the order of the chooser's types, with their SAVEAS keyword and
// the profile's "DefaultFormatForSave" value.
struct SaveFormat {
    const char* label;
    const wchar_t* keyword;
    const wchar_t* profileValue;
};
const SaveFormat kSaveFormats[] = {
    {"AutoCAD 2010 图形 (*.dwg)|*.dwg", L"2010", L"48"},
    {"AutoCAD 2007 图形 (*.dwg)|*.dwg", L"2007", L"36"},
    {"AutoCAD 2004/LT2004 图形 (*.dwg)|*.dwg", L"2004", L"24"},
    {"AutoCAD 2000/LT2000 图形 (*.dwg)|*.dwg", L"2000", L"12"},
    {"AutoCAD R14/LT98/LT97 图形 (*.dwg)|*.dwg", L"R14", L""},
};

enum : int {
    kZoomExtents = wxID_HIGHEST + 1,
    kModuleFirst = wxID_HIGHEST + 100,
    kDrawingFirst = wxID_HIGHEST + 200,
    kDrawingLast = wxID_HIGHEST + 299,
};

std::wstring NativeText(const wxString& path) {
    return path.ToStdWstring();
}

} // namespace

DeskFrame::DeskFrame(const wxFont& font, std::wstring templateFolder)
    : wxFrame(nullptr, wxID_ANY, "ovdesk", wxDefaultPosition, wxSize(1100, 720)),
      m_templateFolder(std::move(templateFolder)) {
    auto* splitter = new wxSplitterWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                          wxSP_LIVE_UPDATE | wxSP_3DSASH);
    m_view = new DrawingView(splitter);
    m_pane = new CommandPane(splitter, font);
    splitter->SetMinimumPaneSize(60);
    splitter->SetSashGravity(1.0);
    splitter->SplitHorizontally(m_view, m_pane, -150);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(splitter, 1, wxEXPAND);
    SetSizer(sizer);
    CreateStatusBar(2);
    SetStatusWidths(2, std::array<int, 2>{220, -1}.data());
    m_view->SetPointerReporter(
        [this](double x, double y) { SetStatusText(wxString::Format("%.4f, %.4f", x, y), 0); });
    BuildMenus();
    // The drawing view is the frame's MDI client area for the module's placement rules.
    m_view->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        wxPoint origin = ScreenToClient(m_view->GetScreenPosition());
        wxSize size = m_view->GetSize();
        acedGetAcadFrame()->MdiClient().MoveWindow(origin.x, origin.y, size.x, size.y);
        event.Skip();
    });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
        if (event.CanVeto() && m_close) {
            event.Veto();
            m_close();
        } else {
            event.Skip();
        }
    });
}

void DeskFrame::BuildMenus() {
    auto* file = new wxMenu;
    file->Append(wxID_NEW, "&New from Template...\tCtrl+N");
    file->Append(wxID_OPEN, "&Open...\tCtrl+O");
    file->Append(wxID_SAVE, "&Save\tCtrl+S");
    file->Append(wxID_SAVEAS, "Save &As...");
    file->Append(wxID_CLOSE, "&Close");
    file->AppendSeparator();
    file->Append(wxID_EXIT, "E&xit");
    auto* module = new wxMenu;
    for (size_t index = 0; index < std::size(kModuleCommands); ++index)
        module->Append(kModuleFirst + static_cast<int>(index),
                       wxString(kModuleCommands[index].name) + "  " +
                           wxString::FromUTF8(kModuleCommands[index].description));
    auto* view = new wxMenu;
    view->Append(kZoomExtents, "Zoom &Extents\tCtrl+E");
    m_drawings = new wxMenu;
    auto* bar = new wxMenuBar;
    bar->Append(file, "&File");
    bar->Append(module, "OvManage");
    bar->Append(view, "&View");
    bar->Append(m_drawings, "&Drawings");
    SetMenuBar(bar);

    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { OnNew(); }, wxID_NEW);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { OnOpen(); }, wxID_OPEN);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { Run(L"QSAVE"); }, wxID_SAVE);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { OnSaveAs(); }, wxID_SAVEAS);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { Run(L"CLOSE"); }, wxID_CLOSE);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { Close(); }, wxID_EXIT);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { m_view->ZoomExtents(); }, kZoomExtents);
    Bind(
        wxEVT_MENU,
        [this](wxCommandEvent& event) { Run(kModuleCommands[event.GetId() - kModuleFirst].name); },
        kModuleFirst, kModuleFirst + static_cast<int>(std::size(kModuleCommands)) - 1);
    Bind(
        wxEVT_MENU,
        [this](wxCommandEvent& event) {
            Run(L"SWITCH\n" + std::to_wstring(event.GetId() - kDrawingFirst + 1));
        },
        kDrawingFirst, kDrawingLast);
    Bind(wxEVT_MENU_OPEN, [this](wxMenuEvent& event) {
        if (event.GetMenu() == m_drawings)
            FillDrawingsMenu();
        event.Skip();
    });
}

void DeskFrame::FillDrawingsMenu() {
    while (m_drawings->GetMenuItemCount() > 0)
        m_drawings->Destroy(m_drawings->FindItemByPosition(0));
    std::vector<AcApDocument*> documents = acDocManager->documents();
    for (size_t index = 0; index < documents.size() && kDrawingFirst + index <= kDrawingLast;
         ++index) {
        wxMenuItem* item = m_drawings->AppendRadioItem(kDrawingFirst + static_cast<int>(index),
                                                       documents[index]->fileName());
        item->Check(documents[index] == acDocManager->curDocument());
    }
}

void DeskFrame::ShowDocument() {
    AcApDocument* document = acDocManager->curDocument();
    SetTitle(document ? wxString("ovdesk - ") + document->fileName() : wxString("ovdesk"));
    SetStatusText(document ? wxString(document->fileName()) : wxString(), 1);
}

void DeskFrame::Run(const std::wstring& line) {
    if (!m_run || !m_run(line))
        SetStatusText("Finish the running command first (Esc cancels it).", 1);
}

void DeskFrame::OnNew() {
    wxString folder = wxString::FromUTF8(fs::ToNative(m_templateFolder).string());
    wxFileDialog chooser(this, "Select Template", folder, "acad.dwt",
                         wxString::FromUTF8("图形样板 (*.dwt)|*.dwt"),
                         wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (chooser.ShowModal() != wxID_OK)
        return;
    std::filesystem::path chosen(std::string(chooser.GetPath().utf8_str()));
    bool inFolder = chosen.parent_path() == fs::ToNative(m_templateFolder);
    Run(L"NEW\n" + (inFolder ? NativeText(chooser.GetFilename()) : NativeText(chooser.GetPath())));
}

void DeskFrame::OnOpen() {
    wxFileDialog chooser(this, "Select File", "", "", wxString::FromUTF8("图形 (*.dwg)|*.dwg"),
                         wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (chooser.ShowModal() == wxID_OK)
        Run(L"OPEN\n" + NativeText(chooser.GetPath()));
}

void DeskFrame::OnSaveAs() {
    wxString types;
    for (const SaveFormat& format : kSaveFormats)
        types += (types.empty() ? "" : "|") + wxString::FromUTF8(format.label);
    std::wstring profile;
    acedGetEnv(L"DefaultFormatForSave", profile);
    int selected = 0;
    for (size_t index = 0; index < std::size(kSaveFormats); ++index)
        if (profile == kSaveFormats[index].profileValue)
            selected = static_cast<int>(index);
    AcApDocument* document = acDocManager->curDocument();
    wxFileDialog chooser(this, "Save Drawing As", "",
                         document ? wxString(document->docTitle()) : wxString(), types,
                         wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    chooser.SetFilterIndex(selected);
    if (chooser.ShowModal() != wxID_OK)
        return;
    wxString path = chooser.GetPath();
    if (!path.Lower().EndsWith(".dwg"))
        path += ".dwg";
    // The chooser asked already whether to replace the file; SAVEAS asks again.
    bool replace = wxFileExists(path);
    Run(L"SAVEAS\n" + std::wstring(kSaveFormats[chooser.GetFilterIndex()].keyword) + L"\n" +
        NativeText(path) + (replace ? L"\ny" : L""));
}

} // namespace desk
