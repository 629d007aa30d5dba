#pragma once

#include <cstdint>
#include <vector>

namespace platform {

// A bitmap read from a module's resources: 32-bit pixels 0xAARRGGBB (the painter's format),
// rows top to bottom without padding, and the colour depth the resource was stored with.
struct ModuleBitmap {
    int32_t width = 0;
    int32_t height = 0;
    uint16_t bitsPerPixel = 0;
    std::vector<uint32_t> pixels;

    uint32_t pixel(int32_t x, int32_t y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    friend bool operator==(const ModuleBitmap&, const ModuleBitmap&) = default;
};

} // namespace platform
