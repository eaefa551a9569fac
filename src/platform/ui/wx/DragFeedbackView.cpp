// The drag's feedback on the desktop: the dragged item's icon and text in a small borderless
// window that follows the pointer, and the pointer's shape for the drop on the window that
// holds the mouse during the drag.

#include "platform/ui/wx/Convert.h"
#include "platform/ui/wx/DesktopBackend.h"
#include "platform/ui/wx/Icons.h"

#include <wx/app.h>
#include <wx/cursor.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/popupwin.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/toplevel.h>

namespace ui::desk {

namespace {

// The copy cursor: an arrow with a plus beside it, drawn in code.
wxCursor CopyCursor() {
    wxBitmap bitmap(24, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        dc.SetPen(*wxBLACK_PEN);
        dc.SetBrush(*wxBLACK_BRUSH);
        const wxPoint arrow[] = {{0, 0}, {0, 15}, {4, 11}, {7, 17}, {9, 16}, {6, 10}, {11, 10}};
        dc.DrawPolygon(7, arrow);
        dc.DrawRectangle(13, 17, 9, 3);
        dc.DrawRectangle(16, 14, 3, 9);
    }
    wxImage image = bitmap.ConvertToImage();
    image.SetMaskColour(255, 255, 255);
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_X, 0);
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_Y, 0);
    return wxCursor(image);
}

} // namespace

void DesktopBackend::BeginDragImage(const std::wstring& text, const std::wstring& icon,
                                    Point hotSpot, Point screen) {
    if (m_dragPicture)
        m_dragPicture->Destroy();
    LocalBackend::BeginDragImage(text, icon, hotSpot, screen);
    m_dragHotSpot = hotSpot;
    // The picture belongs to the window the drag started in (the one with the focus).
    wxWindow* focus = wxWindow::FindFocus();
    wxWindow* owner = focus ? wxGetTopLevelParent(focus) : wxTheApp->GetTopWindow();
    if (!owner)
        return;
    auto* picture = new wxPopupWindow(owner, wxBORDER_SIMPLE);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticBitmap(picture, wxID_ANY, DrawIcon(icon, wxSize(16, 16))), 0,
             wxALIGN_CENTER_VERTICAL | wxALL, 1);
    auto* label = new wxStaticText(picture, wxID_ANY, ToWx(text));
    label->SetFont(DialogFont());
    row->Add(label, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 2);
    picture->SetSizerAndFit(row);
    picture->Position(wxPoint(screen.x - hotSpot.x, screen.y - hotSpot.y), wxSize(0, 0));
    picture->Show();
    m_dragPicture = picture;
}

void DesktopBackend::MoveDragImage(Point screen, bool visible) {
    LocalBackend::MoveDragImage(screen, visible);
    if (!m_dragPicture)
        return;
    // A little beside the pointer, so that the window under the pointer is the one below.
    m_dragPicture->Move(screen.x - m_dragHotSpot.x + 12, screen.y - m_dragHotSpot.y + 12);
    m_dragPicture->Show(visible);
}

void DesktopBackend::EndDragImage() {
    LocalBackend::EndDragImage();
    if (m_dragPicture)
        m_dragPicture->Destroy();
    m_dragPicture = nullptr;
}

void DesktopBackend::SetDragCursor(int cursor) {
    LocalBackend::SetDragCursor(cursor);
    wxWindow* holder = wxWindow::GetCapture();
    if (!holder)
        return;
    switch (cursor) {
    case kCursorNone:
        holder->SetCursor(wxNullCursor);
        break;
    case IDC_ARROW:
        holder->SetCursor(wxCursor(wxCURSOR_ARROW));
        break;
    case IDC_NO:
        holder->SetCursor(wxCursor(wxCURSOR_NO_ENTRY));
        break;
    default: // the module's copy cursor: an arrow with a plus
        holder->SetCursor(CopyCursor());
        break;
    }
}

} // namespace ui::desk
