#pragma once

#include "platform/base/Geometry.h"

#include <algorithm>
#include <cstdint>

namespace platform {

// Steps along the pixels of the straight line from a to b (Bresenham's choice of pixels),
// calling visit(x, y, step) for those inside clip, in order from a; step is the pixel's index
// along the whole line, so that dash patterns stay in phase however much is clipped away.
// Work is proportional to the visible part only, so lines far outside the bitmap cost nothing.
template <typename Visit>
void traceLine(int64_t ax, int64_t ay, int64_t bx, int64_t by, bool includeEnd, const Rect& clip, Visit&& visit)
{
    __extension__ typedef __int128 Wide;
    if (clip.isEmpty())
        return;
    const int64_t dx = bx - ax, dy = by - ay;
    const int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const int64_t n = std::max(adx, ady);
    const int64_t last = includeEnd ? n : n - 1;
    if (last < 0)
        return;

    const bool xMajor = adx >= ady;
    const int64_t ma0 = xMajor ? ax : ay, mi0 = xMajor ? ay : ax;
    const int64_t dMajSigned = xMajor ? dx : dy, dMinSigned = xMajor ? dy : dx;
    const int64_t sMaj = dMajSigned < 0 ? -1 : 1, sMin = dMinSigned < 0 ? -1 : 1;
    const int64_t dMaj = n, dMin = xMajor ? ady : adx;
    const int64_t majLo = xMajor ? clip.left : clip.top, majHi = (xMajor ? clip.right : clip.bottom) - 1;
    const int64_t minLo = xMajor ? clip.top : clip.left, minHi = (xMajor ? clip.bottom : clip.right) - 1;

    int64_t lo = 0, hi = last;
    if (sMaj > 0) {
        lo = std::max(lo, majLo - ma0);
        hi = std::min(hi, majHi - ma0);
    } else {
        lo = std::max(lo, ma0 - majHi);
        hi = std::min(hi, ma0 - majLo);
    }
    if (lo > hi)
        return;

    auto ceilDiv = [](Wide a, Wide b) -> Wide { return a >= 0 ? (a + b - 1) / b : -((-a) / b); };
    if (dMin == 0) {
        if (mi0 < minLo || mi0 > minHi)
            return;
    } else {
        const int64_t kLo = sMin > 0 ? minLo - mi0 : mi0 - minHi;
        const int64_t kHi = sMin > 0 ? minHi - mi0 : mi0 - minLo;
        if (kHi < 0)
            return;
        if (kLo > 0)
            lo = int64_t(std::max<Wide>(lo, ceilDiv((Wide(2) * kLo - 1) * dMaj, Wide(2) * dMin)));
        hi = int64_t(std::min<Wide>(hi, ceilDiv((Wide(2) * kHi + 1) * dMaj, Wide(2) * dMin) - 1));
        if (lo > hi)
            return;
    }

    if (dMaj == 0) {
        visit(int32_t(ax), int32_t(ay), int64_t(0));
        return;
    }
    const Wide num = Wide(2) * lo * dMin + dMaj;
    int64_t off = int64_t(num / (Wide(2) * dMaj));
    int64_t rem = int64_t(num % (Wide(2) * dMaj));
    for (int64_t i = lo; i <= hi; ++i) {
        const int64_t major = ma0 + sMaj * i, minor = mi0 + sMin * off;
        if (xMajor)
            visit(int32_t(major), int32_t(minor), i);
        else
            visit(int32_t(minor), int32_t(major), i);
        rem += 2 * dMin;
        if (rem >= 2 * dMaj) {
            rem -= 2 * dMaj;
            ++off;
        }
    }
}

} // namespace platform
