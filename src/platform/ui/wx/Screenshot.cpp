#include "platform/ui/wx/Screenshot.h"

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/display.h>
#include <wx/image.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

namespace ui::desk {

namespace {

bool SaveArea(wxRect area, const std::string& path) {
    area.Intersect(wxDisplay(0u).GetGeometry());
    if (area.IsEmpty())
        return false;
    Settle();
    wxBitmap picture(area.GetSize(), 24);
    wxMemoryDC memory(picture);
    wxScreenDC screen;
    memory.Blit(0, 0, area.width, area.height, &screen, area.x, area.y);
    memory.SelectObject(wxNullBitmap);
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);
    return picture.ConvertToImage().SaveFile(wxString::FromUTF8(path), wxBITMAP_TYPE_PNG);
}

wxRect AreaOf(const wxWindow& window) {
    // A window without a window manager's frame has its client area only.
    wxRect area = window.GetScreenRect();
    wxPoint client = window.ClientToScreen(wxPoint(0, 0));
    wxSize clientSize = window.GetClientSize();
    return area.Union(wxRect(client, clientSize));
}

} // namespace

void Settle() {
    // Several rounds: painting one window can queue work for another.
    for (int round = 0; round < 5; ++round) {
        wxTheApp->ProcessPendingEvents();
        for (wxWindow* window : wxTopLevelWindows)
            if (window->IsShown())
                window->Update();
        wxTheApp->Yield(true);
        wxMilliSleep(10);
    }
}

bool SaveScreenshot(const std::string& path) {
    Settle();
    wxRect area;
    for (wxWindow* window : wxTopLevelWindows)
        if (window->IsShown())
            area = area.IsEmpty() ? AreaOf(*window) : area.Union(AreaOf(*window));
    return SaveArea(area, path);
}

bool SaveScreenshot(const wxWindow& window, const std::string& path) {
    Settle();
    return SaveArea(AreaOf(window), path);
}

} // namespace ui::desk
