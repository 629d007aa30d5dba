#pragma once

#include <algorithm>
#include <cstdint>

namespace platform {

// Integer points, sizes and rectangles in pixels, as the window system uses them: a rectangle
// holds left and top inclusive and right and bottom exclusive.
struct Point {
    int32_t x = 0;
    int32_t y = 0;

    friend bool operator==(const Point&, const Point&) = default;
    Point operator+(Point o) const { return {x + o.x, y + o.y}; }
    Point operator-(Point o) const { return {x - o.x, y - o.y}; }
};

struct Size {
    int32_t cx = 0;
    int32_t cy = 0;

    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    friend bool operator==(const Rect&, const Rect&) = default;

    static Rect fromPointAndSize(Point p, Size s) { return {p.x, p.y, p.x + s.cx, p.y + s.cy}; }

    int32_t width() const { return right - left; }
    int32_t height() const { return bottom - top; }
    Point topLeft() const { return {left, top}; }
    Point bottomRight() const { return {right, bottom}; }
    Size size() const { return {width(), height()}; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    // Left not after right and top not above bottom.
    Rect normalized() const
    {
        return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    }
    Rect offsetBy(int32_t dx, int32_t dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    Rect offsetBy(Point p) const { return offsetBy(p.x, p.y); }
    Rect inflatedBy(int32_t dx, int32_t dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
    Rect intersected(const Rect& o) const
    {
        Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
        return r.isEmpty() ? Rect{} : r;
    }
    Rect united(const Rect& o) const
    {
        if (isEmpty())
            return o;
        if (o.isEmpty())
            return *this;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
    }
};

} // namespace platform
