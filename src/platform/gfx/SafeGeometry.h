#pragma once

#include "platform/base/Geometry.h"

#include <algorithm>
#include <cstdint>

namespace platform {

// Coordinates come from callers' data (a property value may say 2147483647). Rectangles that
// go through plain 32-bit arithmetic are first limited to +-2^29, where sums and differences
// cannot overflow; nothing that large is ever visible anyway.
inline constexpr int32_t saneCoordinateLimit = int32_t(1) << 29;

inline int32_t saneCoordinate(int64_t v)
{
    return int32_t(std::clamp<int64_t>(v, -saneCoordinateLimit, saneCoordinateLimit));
}

inline Rect saneRect(const Rect& r)
{
    return {saneCoordinate(r.left), saneCoordinate(r.top), saneCoordinate(r.right), saneCoordinate(r.bottom)};
}

inline int32_t clampToInt32(int64_t v)
{
    return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

} // namespace platform
