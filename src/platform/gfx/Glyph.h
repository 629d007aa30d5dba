#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

// One rendered character: a one-bit-per-pixel image (stored a byte per pixel, 1 = ink) placed
// relative to the pen position on the baseline.
struct Glyph {
    int32_t advance = 0; // pen movement after the character
    int32_t left = 0;    // image's left column relative to the pen
    int32_t top = 0;     // rows of the image above the baseline
    int32_t width = 0;
    int32_t rows = 0;
    std::vector<uint8_t> ink; // rows * width bytes

    bool inkAt(int32_t x, int32_t y) const { return ink[size_t(y) * size_t(width) + size_t(x)] != 0; }
};

} // namespace platform
