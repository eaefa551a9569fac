#include "platform/ui/Canvas.h"

#include <cstddef>

namespace ui {

COLORREF GetSysColor(int index) {
    switch (index) {
    case COLOR_WINDOW:
        return RGB(255, 255, 255);
    case COLOR_WINDOWTEXT:
        return RGB(0, 0, 0);
    case COLOR_BTNFACE:
        return RGB(240, 240, 240);
    default:
        return RGB(192, 192, 192);
    }
}

Canvas::Canvas(int width, int height, COLORREF fill) {
    Resize(width, height, fill);
}

void Canvas::Resize(int width, int height, COLORREF fill) {
    m_width = width > 0 ? width : 0;
    m_height = height > 0 ? height : 0;
    m_rgb.assign(static_cast<size_t>(m_width) * static_cast<size_t>(m_height) * 3, 0);
    Fill(fill);
}

void Canvas::Fill(COLORREF colour) {
    for (size_t i = 0; i + 2 < m_rgb.size(); i += 3) {
        m_rgb[i] = static_cast<uint8_t>(GetRValue(colour));
        m_rgb[i + 1] = static_cast<uint8_t>(GetGValue(colour));
        m_rgb[i + 2] = static_cast<uint8_t>(GetBValue(colour));
    }
    Touch();
}

void Canvas::SetPixel(int x, int y, COLORREF colour) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    size_t at =
        (static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)) * 3;
    m_rgb[at] = static_cast<uint8_t>(GetRValue(colour));
    m_rgb[at + 1] = static_cast<uint8_t>(GetGValue(colour));
    m_rgb[at + 2] = static_cast<uint8_t>(GetBValue(colour));
    Touch();
}

COLORREF Canvas::GetPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return 0;
    size_t at =
        (static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)) * 3;
    return RGB(m_rgb[at], m_rgb[at + 1], m_rgb[at + 2]);
}

} // namespace ui
