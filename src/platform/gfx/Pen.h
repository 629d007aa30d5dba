#pragma once

#include "platform/gfx/Color.h"

#include <cstdint>

namespace platform {

// Pen styles, numbered as the window system's callers pass them.
enum class PenStyle : uint8_t {
    Solid = 0,
    Dash = 1,
    Dot = 2,
    DashDot = 3,
    DashDotDot = 4,
    Null = 5,
    // Solid, but a figure's outline stays inside its bounding rectangle.
    InsideFrame = 6,
};

// How lines and outlines are drawn. Only pens one pixel wide are styled; a wider pen of a
// broken style draws solid, as the traditional platform does.
struct Pen {
    // Wider pens draw this wide: it bounds the work of outlining a figure.
    static constexpr int32_t maxWidth = 1024;

    PenStyle style = PenStyle::Solid;
    int32_t width = 1; // 0 and less count as 1
    Color color = colors::black;

    static Pen solid(Color c, int32_t w = 1) { return {PenStyle::Solid, w, c}; }
    static Pen null() { return {PenStyle::Null, 1, colors::black}; }

    int32_t effectiveWidth() const { return width < 1 ? 1 : width > maxWidth ? maxWidth : width; }
    bool isNull() const { return style == PenStyle::Null; }
    bool isStyled() const
    {
        return effectiveWidth() == 1
            && (style == PenStyle::Dash || style == PenStyle::Dot || style == PenStyle::DashDot
                || style == PenStyle::DashDotDot);
    }

    friend bool operator==(const Pen&, const Pen&) = default;
};

} // namespace platform
