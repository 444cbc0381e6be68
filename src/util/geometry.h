// Points, sizes and rectangles in device pixels for the portable core.
// Window code converts them to and from the platform's RECT/POINT/SIZE at
// its edge only, so that placement, fitting, layout and hit-testing can be
// computed and tested without a window.
//
// A Rect is half-open like the platform's: it covers left <= x < right and
// top <= y < bottom, and one with right <= left or bottom <= top is empty.
#pragma once

namespace kavo {

struct Point {
    int x = 0, y = 0;
    friend constexpr bool operator==(Point a, Point b) { return a.x == b.x && a.y == b.y; }
    friend constexpr bool operator!=(Point a, Point b) { return !(a == b); }
};

struct Size {
    int width = 0, height = 0;
    friend constexpr bool operator==(Size a, Size b) { return a.width == b.width && a.height == b.height; }
    friend constexpr bool operator!=(Size a, Size b) { return !(a == b); }
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;

    static constexpr Rect at(Point corner, Size size)
    {
        return {corner.x, corner.y, corner.x + size.width, corner.y + size.height};
    }
    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr Size size() const { return {width(), height()}; }
    constexpr Point corner() const { return {left, top}; }
    constexpr bool empty() const { return right <= left || bottom <= top; }
    constexpr bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    constexpr Rect moved(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }

    friend constexpr bool operator==(const Rect &a, const Rect &b)
    {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
    friend constexpr bool operator!=(const Rect &a, const Rect &b) { return !(a == b); }
};

// The overlap of two rectangles; empty (and all zeros) when they do not meet.
constexpr Rect intersection(const Rect &a, const Rect &b)
{
    Rect r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
           a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    return r.empty() ? Rect{} : r;
}

} // namespace kavo
