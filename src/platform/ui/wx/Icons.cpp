#include "platform/ui/wx/Icons.h"

#include "platform/ui/ImageList.h"

#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/renderer.h>

#include <memory>

namespace ui::desk {

namespace {

const wxColour kOutline(60, 60, 60);
const wxColour kFolder(240, 196, 72);
const wxColour kFolderDark(200, 150, 40);
const wxColour kPaper(255, 255, 255);
const wxColour kInk(40, 90, 190);

// The pictures are drawn on a 16 x 16 grid and scaled to the size asked.
using Painter = void (*)(wxGraphicsContext&);

void Folder(wxGraphicsContext& gc, const wxColour& tab, bool open) {
    gc.SetPen(wxPen(kFolderDark));
    gc.SetBrush(wxBrush(tab));
    gc.DrawRectangle(1.5, 3.5, 6, 3);
    gc.SetBrush(wxBrush(kFolder));
    gc.DrawRectangle(1.5, 5.5, 13, 8);
    if (open) {
        wxGraphicsPath flap = gc.CreatePath();
        flap.MoveToPoint(3.5, 8.5);
        flap.AddLineToPoint(15.5, 8.5);
        flap.AddLineToPoint(13.5, 13.5);
        flap.AddLineToPoint(1.5, 13.5);
        flap.CloseSubpath();
        gc.SetBrush(wxBrush(wxColour(252, 220, 120)));
        gc.DrawPath(flap);
    }
}

void Project(wxGraphicsContext& gc) {
    // A drawing book: a blue binder with its label.
    gc.SetPen(wxPen(kOutline));
    gc.SetBrush(wxBrush(wxColour(45, 95, 175)));
    gc.DrawRectangle(2.5, 1.5, 11, 13);
    gc.SetBrush(wxBrush(wxColour(25, 60, 120)));
    gc.DrawRectangle(2.5, 1.5, 2, 13);
    gc.SetPen(*wxTRANSPARENT_PEN);
    gc.SetBrush(wxBrush(kPaper));
    gc.DrawRectangle(6, 4, 6, 3);
}

void Cabinet(wxGraphicsContext& gc, const wxColour& body) {
    // A panel: a cabinet with two doors and their handles.
    gc.SetPen(wxPen(kOutline));
    gc.SetBrush(wxBrush(body));
    gc.DrawRectangle(2.5, 1.5, 11, 13);
    gc.StrokeLine(8, 2, 8, 14);
    gc.SetPen(*wxTRANSPARENT_PEN);
    gc.SetBrush(wxBrush(kOutline));
    gc.DrawRectangle(6, 7, 1, 2);
    gc.DrawRectangle(9, 7, 1, 2);
}

void Equipment(wxGraphicsContext& gc) {
    Cabinet(gc, wxColour(200, 205, 212));
}

void EquipmentCurrent(wxGraphicsContext& gc) {
    // The Equipment the suite works on: green, with a marker.
    Cabinet(gc, wxColour(120, 200, 120));
    gc.SetPen(wxPen(wxColour(0, 110, 0)));
    gc.SetBrush(wxBrush(wxColour(0, 160, 0)));
    gc.DrawEllipse(10.5, 10.5, 5, 5);
}

void EquipmentSelected(wxGraphicsContext& gc) {
    Cabinet(gc, wxColour(120, 170, 235));
}

void FolderClosed(wxGraphicsContext& gc) {
    Folder(gc, kFolder, false);
}

void FolderOpen(wxGraphicsContext& gc) {
    Folder(gc, kFolder, true);
}

void DrawingType(wxGraphicsContext& gc) {
    // A kind of drawings: a folder with a sheet standing in it.
    Folder(gc, kFolder, false);
    gc.SetPen(wxPen(kInk));
    gc.SetBrush(wxBrush(kPaper));
    gc.DrawRectangle(8.5, 1.5, 6, 8);
    gc.StrokeLine(10, 4, 13, 4);
    gc.StrokeLine(10, 6, 13, 6);
}

void Drawing(wxGraphicsContext& gc) {
    // A sheet with a folded corner and lines of a drawing on it.
    wxGraphicsPath sheet = gc.CreatePath();
    sheet.MoveToPoint(3.5, 1.5);
    sheet.AddLineToPoint(10.5, 1.5);
    sheet.AddLineToPoint(13.5, 4.5);
    sheet.AddLineToPoint(13.5, 14.5);
    sheet.AddLineToPoint(3.5, 14.5);
    sheet.CloseSubpath();
    gc.SetPen(wxPen(kOutline));
    gc.SetBrush(wxBrush(kPaper));
    gc.DrawPath(sheet);
    gc.StrokeLine(10.5, 1.5, 10.5, 4.5);
    gc.StrokeLine(10.5, 4.5, 13.5, 4.5);
    gc.SetPen(wxPen(kInk));
    gc.StrokeLine(5, 7, 12, 7);
    gc.StrokeLine(5, 9.5, 10, 9.5);
    gc.StrokeLine(8, 9.5, 8, 13);
    gc.StrokeLine(5, 12, 12, 12);
}

void Blank(wxGraphicsContext&) {}

void Unknown(wxGraphicsContext& gc) {
    gc.SetPen(wxPen(kOutline));
    gc.SetBrush(wxBrush(wxColour(210, 210, 210)));
    gc.DrawRectangle(1.5, 1.5, 13, 13);
    gc.SetFont(wxFont(wxFontInfo(wxSize(0, 11)).Bold()), kOutline);
    double width = 0, height = 0;
    gc.GetTextExtent("?", &width, &height);
    gc.DrawText("?", 8 - width / 2, 8 - height / 2);
}

Painter PainterOf(const std::wstring& name) {
    static const struct {
        const wchar_t* name;
        Painter painter;
    } kPainters[] = {
        {icon::kProject, Project},
        {icon::kEquipment, Equipment},
        {icon::kEquipmentCurrent, EquipmentCurrent},
        {icon::kEquipmentSelected, EquipmentSelected},
        {icon::kFolderClosed, FolderClosed},
        {icon::kFolderOpen, FolderOpen},
        {icon::kDrawingType, DrawingType},
        {icon::kDrawing, Drawing},
        {icon::kBlank, Blank},
    };
    for (const auto& entry : kPainters)
        if (name == entry.name)
            return entry.painter;
    return Unknown;
}

} // namespace

wxBitmap DrawIcon(const std::wstring& name, wxSize size) {
    wxImage image(size);
    image.InitAlpha();
    std::fill_n(image.GetAlpha(), size.x * size.y, 0);
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(image));
    gc->SetAntialiasMode(wxANTIALIAS_DEFAULT);
    gc->Scale(size.x / 16.0, size.y / 16.0);
    PainterOf(name)(*gc);
    gc.reset(); // the picture is in the image once the context is gone
    return wxBitmap(image);
}

wxBitmap DrawCheckMark(wxWindow& window, bool checked, wxSize size) {
    wxBitmap bitmap(size);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    wxRendererNative::Get().DrawCheckBox(&window, dc, wxRect(size),
                                         checked ? int(wxCONTROL_CHECKED) : 0);
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

} // namespace ui::desk
