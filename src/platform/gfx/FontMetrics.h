#pragma once

#include <cstdint>

namespace platform {

// Measurements of one font in pixels. height = ascent + descent is the line (cell) height;
// internalLeading is the part of the cell above the characters' em square.
struct FontMetrics {
    int32_t height = 0;
    int32_t ascent = 0;
    int32_t descent = 0;
    int32_t internalLeading = 0;
    int32_t externalLeading = 0;
    int32_t averageCharWidth = 0;
    int32_t maxCharWidth = 0;
    int32_t weight = 400;
    bool italic = false;
    int32_t underlinePosition = 0; // top row of the underline, from the cell's top
    int32_t underlineThickness = 1;
    int32_t strikeOutPosition = 0; // top row of the strike-out line, from the cell's top
};

} // namespace platform
