#pragma once
// Pixels a dialog paints into: the client area of a preview frame, an RGB picture that every
// backend shows as it stands (the console describes it, the desktop blits it, tests read it).

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ui {

// A colour as Win32 keeps it: 0x00BBGGRR.
using COLORREF = uint32_t;

constexpr COLORREF RGB(unsigned red, unsigned green, unsigned blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}
constexpr unsigned GetRValue(COLORREF colour) {
    return colour & 0xFF;
}
constexpr unsigned GetGValue(COLORREF colour) {
    return (colour >> 8) & 0xFF;
}
constexpr unsigned GetBValue(COLORREF colour) {
    return (colour >> 16) & 0xFF;
}

// System colours the dialogs ask for.
inline constexpr int COLOR_WINDOW = 5;
inline constexpr int COLOR_WINDOWTEXT = 8;
inline constexpr int COLOR_BTNFACE = 15;
// The classic scheme's values, the same in every backend so that pictures compare.
COLORREF GetSysColor(int index);

class Canvas {
public:
    Canvas() = default;
    Canvas(int width, int height, COLORREF fill = 0);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Resizes; the content becomes `fill`.
    void Resize(int width, int height, COLORREF fill = 0);
    void Fill(COLORREF colour);
    // Points outside the canvas are ignored / read as 0.
    void SetPixel(int x, int y, COLORREF colour);
    COLORREF GetPixel(int x, int y) const;
    // Rows top-down, three bytes per pixel in the order red, green, blue.
    const std::vector<uint8_t>& Rgb() const { return m_rgb; }
    std::vector<uint8_t>& Rgb() { return m_rgb; }
    // Bumped by every change, so that a backend repaints only what changed.
    uint64_t Generation() const { return m_generation; }
    void Touch() { ++m_generation; }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<uint8_t> m_rgb;
    uint64_t m_generation = 0;
};

} // namespace ui
