#pragma once

#include "platform/base/Result.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/ImageLimits.h"

#include <cstdint>
#include <span>

namespace platform {

// Decodes a PNG image (any colour type and depth) to 32-bit pixels with its alpha.
Result<Bitmap> decodePng(std::span<const uint8_t> data, const ImageLimits& limits = {});
bool looksLikePng(std::span<const uint8_t> data);

} // namespace platform
