#pragma once

#include "platform/base/Result.h"
#include "platform/com/ModuleBitmap.h"

#include <cstdint>
#include <span>

namespace platform {

// Decodes a device-independent bitmap as a BITMAP resource holds it: an info header (core,
// info, v4 or v5), masks and colour table, then the bits. Uncompressed 1, 4, 8, 16, 24 and
// 32 bits per pixel, bit-field masks, and 4- and 8-bit run-length compression.
class DibDecoder {
public:
    // Limits that keep a hostile header from exhausting memory.
    static constexpr int32_t maxDimension = 32767;
    static constexpr int64_t maxPixels = int64_t(1) << 26;

    static Result<ModuleBitmap> decode(std::span<const uint8_t> dib);
};

} // namespace platform
