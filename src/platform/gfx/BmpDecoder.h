#pragma once

#include "platform/base/Result.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/ImageLimits.h"

#include <cstdint>
#include <span>

namespace platform {

// A .bmp file: the 14-byte file header, then a device-independent bitmap. Depths 1, 4, 8,
// 16 (5-5-5 or bit masks), 24 and 32; run-length coded 4 and 8 bit images; rows stored
// bottom-up or top-down. The pixels come out opaque; pixels a run-length image skips are
// transparent black.
Result<Bitmap> decodeBmp(std::span<const uint8_t> file, const ImageLimits& limits = {});
// A packed device-independent bitmap without file header, as bitmap resources hold them.
Result<Bitmap> decodeDib(std::span<const uint8_t> dib, const ImageLimits& limits = {});

} // namespace platform
