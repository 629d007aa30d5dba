#pragma once

#include "platform/gfx/Color.h"

#include <cstddef>
#include <array>
#include <cstdint>

namespace platform {

// Hatch styles, numbered as the window system's callers pass them.
enum class HatchStyle : uint8_t {
    Horizontal = 0,    // ----
    Vertical = 1,      // ||||
    ForwardDiagonal = 2,  // \\\\ (top left to bottom right)
    BackwardDiagonal = 3, // //// (bottom left to top right)
    Cross = 4,         // ++++
    DiagonalCross = 5, // xxxx
};

enum class BrushStyle : uint8_t {
    Solid,
    Null,    // fills nothing
    Hatched, // lines in the brush colour; the gaps in the background colour when opaque
    Pattern, // 8 x 8 two-colour pattern: set bits in the text colour, clear bits in the background colour
};

// How areas are filled. Hatches and patterns are aligned to the bitmap's pixel grid, so
// neighbouring fills join without seams.
struct Brush {
    BrushStyle style = BrushStyle::Solid;
    Color color = colors::white;
    HatchStyle hatch = HatchStyle::Horizontal;
    std::array<uint8_t, 8> pattern{}; // row y, bit (7 - x): 1 selects the text colour

    static Brush solid(Color c) { return {BrushStyle::Solid, c, HatchStyle::Horizontal, {}}; }
    static Brush null() { return {BrushStyle::Null, colors::white, HatchStyle::Horizontal, {}}; }
    static Brush hatched(HatchStyle h, Color c) { return {BrushStyle::Hatched, c, h, {}}; }
    static Brush withPattern(const std::array<uint8_t, 8>& bits) { return {BrushStyle::Pattern, colors::black, HatchStyle::Horizontal, bits}; }
    // The half-tone brush: a checkerboard of text and background colour.
    static Brush halftone() { return withPattern({0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55}); }

    bool isNull() const { return style == BrushStyle::Null; }

    // Whether the hatch line passes through device pixel (x, y).
    static bool hatchCovers(HatchStyle h, int32_t x, int32_t y)
    {
        const bool horizontal = (y & 7) == 0;
        const bool vertical = (x & 7) == 0;
        const bool forward = ((x - y) & 7) == 0;
        const bool backward = ((x + y) & 7) == 7;
        switch (h) {
        case HatchStyle::Horizontal: return horizontal;
        case HatchStyle::Vertical: return vertical;
        case HatchStyle::ForwardDiagonal: return forward;
        case HatchStyle::BackwardDiagonal: return backward;
        case HatchStyle::Cross: return horizontal || vertical;
        case HatchStyle::DiagonalCross: return forward || backward;
        }
        return false;
    }
    bool patternBit(int32_t x, int32_t y) const { return (pattern[size_t(y & 7)] >> (7 - (x & 7))) & 1; }

    friend bool operator==(const Brush&, const Brush&) = default;
};

} // namespace platform
