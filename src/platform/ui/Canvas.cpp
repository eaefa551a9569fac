#include "platform/ui/Canvas.h"

#include <algorithm>

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
    // One pixel is written, then copied in doubling runs: a frame is filled before every paint.
    if (m_rgb.size() >= 3) {
        m_rgb[0] = static_cast<uint8_t>(GetRValue(colour));
        m_rgb[1] = static_cast<uint8_t>(GetGValue(colour));
        m_rgb[2] = static_cast<uint8_t>(GetBValue(colour));
        for (size_t filled = 3; filled < m_rgb.size(); filled *= 2) {
            size_t count = std::min(filled, m_rgb.size() - filled);
            std::copy_n(m_rgb.begin(), count, m_rgb.begin() + static_cast<std::ptrdiff_t>(filled));
        }
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
