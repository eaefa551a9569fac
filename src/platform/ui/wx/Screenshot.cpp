#include "platform/ui/wx/Screenshot.h"

#include <wx/app.h>
#include <wx/display.h>
#include <wx/image.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace ui::desk {

namespace {

// The pixels come from the X server itself, through a connection of their own: the toolkit's
// screen device context leaves windows shown after it unpainted.
bool SaveArea(wxRect area, const std::string& path) {
    area.Intersect(wxDisplay(0u).GetGeometry());
    if (area.IsEmpty())
        return false;
    Settle();
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    XImage* grabbed = XGetImage(display, DefaultRootWindow(display), area.x, area.y,
                                static_cast<unsigned>(area.width),
                                static_cast<unsigned>(area.height), AllPlanes, ZPixmap);
    bool saved = false;
    if (grabbed) {
        wxImage image(area.width, area.height, false);
        unsigned char* rgb = image.GetData();
        auto channel = [](unsigned long pixel, unsigned long mask) {
            int shift = 0;
            while (mask && !(mask & 1)) {
                mask >>= 1;
                ++shift;
            }
            return static_cast<unsigned char>(mask ? ((pixel >> shift) & mask) * 255 / mask : 0);
        };
        for (int y = 0; y < area.height; ++y)
            for (int x = 0; x < area.width; ++x) {
                unsigned long pixel = XGetPixel(grabbed, x, y);
                *rgb++ = channel(pixel, grabbed->red_mask);
                *rgb++ = channel(pixel, grabbed->green_mask);
                *rgb++ = channel(pixel, grabbed->blue_mask);
            }
        XDestroyImage(grabbed);
        if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
            wxImage::AddHandler(new wxPNGHandler);
        saved = image.SaveFile(wxString::FromUTF8(path), wxBITMAP_TYPE_PNG);
    }
    XCloseDisplay(display);
    return saved;
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
    for (int round = 0; round < 3; ++round) {
        wxTheApp->ProcessPendingEvents();
        wxTheApp->ProcessIdle();
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
