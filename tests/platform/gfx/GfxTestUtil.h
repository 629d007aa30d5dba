#pragma once

#include "platform/gfx/Bitmap.h"

#include <map>
#include <string>
#include <vector>

namespace gfxtest {

// Pictures of small bitmaps as text, one character per pixel and rows joined by '\n', so a
// test can state the exact pixels it expects. Colours missing from the legend show as '?'.
using Legend = std::map<uint32_t, char>; // colour bits (0xRRGGBB) -> character

inline const Legend& defaultLegend()
{
    static const Legend legend{{0xFFFFFF, '.'}, {0x000000, '#'}, {0xC0C0C0, '-'}, {0x808080, 'g'},
                               {0xFF0000, 'R'}, {0x00FF00, 'G'}, {0x0000FF, 'B'}, {0x000080, 'n'}};
    return legend;
}

inline std::string ascii(const platform::Bitmap& b, const Legend& legend = defaultLegend())
{
    std::string out;
    for (int32_t y = 0; y < b.height(); ++y) {
        for (int32_t x = 0; x < b.width(); ++x) {
            auto it = legend.find(b.pixel(x, y).rgbBits());
            out += it == legend.end() ? '?' : it->second;
        }
        out += '\n';
    }
    return out;
}

// Joins rows into the form ascii() produces.
inline std::string rows(std::initializer_list<const char*> lines)
{
    std::string out;
    for (const char* l : lines) {
        out += l;
        out += '\n';
    }
    return out;
}

// The bounding box of pixels that differ from a background colour; empty when none do.
inline platform::Rect inkBounds(const platform::Bitmap& b, platform::Color background)
{
    platform::Rect r{b.width(), b.height(), 0, 0};
    bool any = false;
    for (int32_t y = 0; y < b.height(); ++y)
        for (int32_t x = 0; x < b.width(); ++x)
            if (b.pixel(x, y).rgbBits() != background.rgbBits()) {
                any = true;
                r.left = std::min(r.left, x);
                r.top = std::min(r.top, y);
                r.right = std::max(r.right, x + 1);
                r.bottom = std::max(r.bottom, y + 1);
            }
    return any ? r : platform::Rect{};
}

} // namespace gfxtest
