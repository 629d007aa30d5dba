#pragma once

#include "platform/base/Geometry.h"

#include <cstdint>
#include <vector>

namespace platform {

// The pixels of the ellipse inscribed in the inclusive box [x0, x1] x [y0, y1], by the
// integer midpoint method (exact for even and odd diameters alike). Boxes wider or taller
// than 2^16 give nothing: the error terms would no longer fit in 64 bits.
inline void ellipseOutline(int64_t x0, int64_t y0, int64_t x1, int64_t y1, std::vector<Point>& out)
{
    int64_t a = x1 - x0, b = y1 - y0;
    if (a < 0 || b < 0 || a > (int64_t(1) << 16) || b > (int64_t(1) << 16))
        return;
    int64_t b1 = b & 1;
    int64_t dx = 4 * (1 - a) * b * b, dy = 4 * (b1 + 1) * a * a;
    int64_t err = dx + dy + b1 * a * a;
    y0 += (b + 1) / 2;
    y1 = y0 - b1;
    const int64_t aa = 8 * a * a, bb = 8 * b * b;
    auto put = [&out](int64_t x, int64_t y) { out.push_back({int32_t(x), int32_t(y)}); };
    do {
        put(x1, y0);
        put(x0, y0);
        put(x0, y1);
        put(x1, y1);
        const int64_t e2 = 2 * err;
        if (e2 <= dy) {
            ++y0;
            --y1;
            err += dy += aa;
        }
        if (e2 >= dx || 2 * err > dy) {
            ++x0;
            --x1;
            err += dx += bb;
        }
    } while (x0 <= x1);
    while (y0 - y1 <= b) { // the tips of very flat ellipses
        put(x0 - 1, y0);
        put(x1 + 1, y0++);
        put(x0 - 1, y1);
        put(x1 + 1, y1--);
    }
}

} // namespace platform
