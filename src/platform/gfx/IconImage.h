#pragma once

#include "platform/base/Geometry.h"
#include "platform/gfx/Bitmap.h"

#include <cstdint>
#include <vector>

namespace platform {

// One image of an icon or cursor file.
struct IconImage {
    // The colours. Pixels the mask lets through have alpha 0; images with their own alpha
    // channel (32-bit and PNG entries) keep it.
    Bitmap image;
    // One byte per pixel, 1 where the screen shows through (and is inverted where the image
    // is not black, as cursors do). Empty when the image carries real alpha instead.
    std::vector<uint8_t> mask;
    int32_t bitCount = 0;
    Point hotSpot; // cursors only
    bool fromPng = false;

    Size size() const { return image.size(); }
    bool hasAlpha() const { return mask.empty(); }
};

} // namespace platform
