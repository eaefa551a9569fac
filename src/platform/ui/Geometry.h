#pragma once
// Points, sizes and rectangles in pixels, with the Win32 conventions the dialogs are written
// in: a rectangle's right and bottom edges lie just outside it.

#include <algorithm>

namespace ui {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    bool operator==(const Size&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    Size GetSize() const { return {Width(), Height()}; }
    Point TopLeft() const { return {left, top}; }
    Point CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }
    bool IsRectEmpty() const { return Width() <= 0 || Height() <= 0; }
    bool PtInRect(Point point) const {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }
    void OffsetRect(int dx, int dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    Rect Intersect(const Rect& other) const {
        Rect result{std::max(left, other.left), std::max(top, other.top),
                    std::min(right, other.right), std::min(bottom, other.bottom)};
        return result.IsRectEmpty() ? Rect{} : result;
    }
    static Rect FromSize(Point origin, Size size) {
        return {origin.x, origin.y, origin.x + size.cx, origin.y + size.cy};
    }
    bool operator==(const Rect&) const = default;
};

} // namespace ui
