// A preview frame: a panel that shows the RGB picture the dialog painted into its model.

#include "platform/ui/Control.h"
#include "platform/ui/wx/ControlView.h"

#include <wx/dcbuffer.h>
#include <wx/panel.h>

#include <cstring>

namespace ui::desk {

namespace {

class PreviewView : public ControlView {
public:
    PreviewView(DialogView& dialog, PreviewFrame& frame, wxWindow* parent)
        : ControlView(dialog, frame), m_panel(new wxPanel(parent, wxID_ANY)) {
        m_panel->SetBackgroundStyle(wxBG_STYLE_PAINT);
        On(m_panel, wxEVT_PAINT, [this](wxPaintEvent&) { Paint(); });
        Attach(m_panel);
    }

protected:
    void OnModelChanged(WindowChange change, uintptr_t) override {
        if (change == WindowChange::Painted)
            m_panel->Refresh(false);
    }

private:
    void Paint() {
        wxAutoBufferedPaintDC dc(m_panel);
        auto* frame = dynamic_cast<PreviewFrame*>(Model());
        if (!frame) {
            dc.SetBackground(wxBrush(m_panel->GetBackgroundColour()));
            dc.Clear();
            return;
        }
        const Canvas& canvas = frame->GetCanvas();
        if (canvas.Width() > 0 && canvas.Height() > 0 &&
            (canvas.Generation() != m_generation || !m_picture.IsOk() ||
             m_picture.GetWidth() != canvas.Width() || m_picture.GetHeight() != canvas.Height())) {
            wxImage image(canvas.Width(), canvas.Height(), false);
            std::memcpy(image.GetData(), canvas.Rgb().data(), canvas.Rgb().size());
            m_picture = wxBitmap(image);
            m_generation = canvas.Generation();
        }
        COLORREF face = GetSysColor(COLOR_BTNFACE);
        dc.SetBackground(wxBrush(wxColour(GetRValue(face), GetGValue(face), GetBValue(face))));
        dc.Clear();
        if (m_picture.IsOk())
            dc.DrawBitmap(m_picture, 0, 0);
    }

    wxPanel* m_panel;
    wxBitmap m_picture;
    uint64_t m_generation = 0;
};

} // namespace

std::unique_ptr<ControlView> MakePreviewView(DialogView& dialog, Control& control,
                                             wxWindow* parent) {
    auto* frame = dynamic_cast<PreviewFrame*>(&control);
    return frame ? std::make_unique<PreviewView>(dialog, *frame, parent) : nullptr;
}

} // namespace ui::desk
